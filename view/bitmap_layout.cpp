#include "view/bitmap_layout.h"

// Fields are read byte by byte: the block need not be aligned, and the file
// is little-endian whatever the host is.
static uint32_t Read16(const uint8_t* p) { return (uint32_t)p[0] | ((uint32_t)p[1] << 8); }

static uint32_t Read32(const uint8_t* p) {
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

int32_t BitmapBlockSize(const uint8_t* fileHeader) {
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M') return 0;
    int64_t blockBytes = (int64_t)Read32(fileHeader + 2) - kBitmapFileHeaderBytes;
    if (blockBytes <= 0 || blockBytes > kMaxBitmapBlockBytes) return 0;
    return (int32_t)blockBytes;
}

static bool DrawnBitCount(uint32_t bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
           bitCount == 32;
}

bool LayOutBitmap(const uint8_t* block, int32_t blockBytes, BitmapLayout& layout) {
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

    if (infoSize < kBitmapInfoHeaderBytes || infoSize > size) return false;
    // Compressed bits are read by a length the header alone claims; plain
    // rows have a length we can check.
    if (planes != 1 || !DrawnBitCount(bitCount) || compression != 0) return false;

    int64_t colourCount = clrUsed;
    if (colourCount == 0) colourCount = bitCount <= 8 ? (int64_t)1 << bitCount : 0;
    if (colourCount > kMaxPaletteColours) return false;
    const int64_t bitsOffset = infoSize + 4 * colourCount;
    if (bitsOffset > size) return false;
    const int64_t bitsPresent = size - bitsOffset;

    // A negative height means rows run top-down; a negative width means nothing.
    const int64_t rows = height < 0 ? -height : height;
    if (width <= 0 || width > kMaxBitmapSide || rows == 0 || rows > kMaxBitmapSide) return false;
    const int64_t stride = (width * bitCount + 31) / 32 * 4;
    const int64_t bitsBytes = stride * rows;
    if (bitsBytes > bitsPresent) return false;
    if (givenSizeImage > bitsPresent) return false;

    layout.colourCount = (int32_t)colourCount;
    layout.colourTableOffset = (int32_t)infoSize;
    layout.bitsOffset = (int32_t)bitsOffset;
    layout.bitsBytes = (int32_t)bitsBytes;
    layout.width = (int32_t)width;
    layout.height = (int32_t)rows;
    // A missing size is the true size of the rows, which the check above
    // keeps within the block.
    layout.sizeImage = (int32_t)(givenSizeImage != 0 ? givenSizeImage : bitsBytes);
    return true;
}
