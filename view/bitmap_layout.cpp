#include "view/bitmap_layout.h"

// Fields are read byte by byte: the block need not be aligned, and the file
// is little-endian whatever the host is.
static uint32_t Read16(const uint8_t* p) { return (uint32_t)p[0] | ((uint32_t)p[1] << 8); }

static uint32_t Read32(const uint8_t* p) {
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

// The three bit-field masks sit at the same place in every header: right
// after the first 40 bytes, inside a V4 or V5 header, after a 40-byte one.
static const int64_t kMasksEnd = kBitmapInfoHeaderBytes + 12;

int32_t BitmapBlockSize(const uint8_t* fileHeader, PictureRole role) {
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M') return 0;
    const int64_t fileBytes = Read32(fileHeader + 2);
    if (fileBytes <= kBitmapFileHeaderBytes || fileBytes > kPictureBounds[role].fileBytes) return 0;
    return (int32_t)(fileBytes - kBitmapFileHeaderBytes);
}

static bool DrawnBitCount(uint32_t bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
           bitCount == 32;
}

// The delta codes (skips) in compressed data, walked as the system unpacks
// it. Drawn one to one, an RLE picture is clipped to the pixels its runs
// cover, a region built one piece at a time at a cost growing with the
// square of the pieces; a piece ends at each line end and each skip.
static int64_t CountSkips(const uint8_t* data, int64_t bytes, uint32_t bitCount) {
    int64_t skips = 0;
    for (int64_t i = 0; i + 1 < bytes;) {
        const uint32_t count = data[i], code = data[i + 1];
        i += 2;
        if (count != 0 || code == 0) continue;  // a run, or the end of a line
        if (code == 1) break;                   // the end of the picture
        if (code == 2) {                        // a skip: two bytes of offsets follow
            skips++;
            i += 2;
        } else {  // code pixels given one by one, padded to an even byte count
            const int64_t given = (code * bitCount + 7) / 8;
            i += (given + 1) / 2 * 2;
        }
    }
    return skips;
}

bool LayOutBitmap(const uint8_t* block, int32_t blockBytes, PictureRole role, BitmapLayout& layout) {
    if (blockBytes < kBitmapInfoHeaderBytes) return false;
    // All arithmetic on header values is done in 64 bits, so no product or
    // sum of them can wrap before it is compared with the block's size.
    const int64_t size = blockBytes;
    const int64_t infoSize = Read32(block);
    const int64_t width = (int32_t)Read32(block + 4);
    const int64_t height = (int32_t)Read32(block + 8);
    const uint32_t planes = Read16(block + 12);
    const uint32_t bitCount = Read16(block + 14);
    const uint32_t compression = Read32(block + 16);
    const int64_t givenSizeImage = Read32(block + kSizeImageOffset);
    const int64_t clrUsed = Read32(block + 32);

    if (infoSize < kBitmapInfoHeaderBytes || infoSize > size || planes != 1) return false;
    const bool plain = compression == kBitmapRgb && DrawnBitCount(bitCount);
    const bool runs =
        (compression == kBitmapRle8 && bitCount == 8) || (compression == kBitmapRle4 && bitCount == 4);
    const bool fields = compression == kBitmapBitFields && (bitCount == 16 || bitCount == 32);
    if (!plain && !runs && !fields) return false;

    int64_t colourCount = clrUsed;
    if (colourCount == 0) colourCount = bitCount <= 8 ? (int64_t)1 << bitCount : 0;
    if (colourCount > kMaxPaletteColours) return false;
    const int64_t tableOffset = fields && infoSize < kMasksEnd ? kMasksEnd : infoSize;
    const int64_t bitsOffset = tableOffset + 4 * colourCount;
    if (bitsOffset > size) return false;
    const int64_t bitsPresent = size - bitsOffset;

    // A negative height means rows run top-down, which compressed images
    // cannot; a negative width means nothing.
    const int64_t rows = height < 0 ? -height : height;
    const int64_t side = kPictureBounds[role].side;
    if (width <= 0 || width > side || rows == 0 || rows > side) return false;
    const int64_t stride = (width * bitCount + 31) / 32 * 4;
    int64_t bitsBytes = stride * rows;
    int64_t sizeImage = bitsBytes;
    if (runs) {
        // The compressed data is only as long as biSizeImage says.
        if (height < 0 || givenSizeImage == 0 || givenSizeImage > bitsPresent) return false;
        if (CountSkips(block + bitsOffset, givenSizeImage, bitCount) > rows) return false;
        bitsBytes = givenSizeImage;
        sizeImage = givenSizeImage;
    } else {
        // Plain rows have a length of their own, which the system uses; a
        // biSizeImage beyond the bytes read becomes that length.
        if (bitsBytes > bitsPresent) return false;
        if (givenSizeImage != 0 && givenSizeImage <= bitsPresent) sizeImage = givenSizeImage;
    }

    layout.colourCount = (int32_t)colourCount;
    layout.colourTableOffset = (int32_t)tableOffset;
    layout.bitsOffset = (int32_t)bitsOffset;
    layout.bitsBytes = (int32_t)bitsBytes;
    layout.width = (int32_t)width;
    layout.height = (int32_t)rows;
    layout.sizeImage = (int32_t)sizeImage;
    return true;
}
