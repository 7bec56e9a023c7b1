#include "bench/paint/largest_pictures.h"

#include <stdio.h>

#include "tests/unit/bitmap_builder.h"

static const int32_t kHeaderBytes = 14 + 40;

// Colours that differ entry by entry, and bits that are no simple pattern.
static std::vector<uint32_t> Colours(int32_t count) {
    std::vector<uint32_t> colours;
    for (int32_t i = 0; i < count; i++) colours.push_back((uint32_t)(i * 0x3A5F17 + 0x102030) & 0xFFFFFF);
    return colours;
}

static std::vector<uint8_t> Noise(size_t bytes) {
    std::vector<uint8_t> noise(bytes);
    uint32_t state = 12345;
    for (uint8_t& b : noise) {
        state = state * 1103515245 + 12345;
        b = (uint8_t)(state >> 16);
    }
    return noise;
}

static std::string Name(const char* kind, int32_t width, int32_t height, const char* how = "") {
    char name[96];
    snprintf(name, sizeof name, "%s %dx%d%s", kind, width, height, how);
    return name;
}

// Uncompressed or bit fields: as wide as the side allows, then as many rows as the file holds.
static BenchPicture Plain(const PictureBounds& bounds, uint16_t bitCount, uint32_t compression,
                          bool topDown) {
    const int32_t colours = bitCount <= 8 ? 1 << bitCount : 0;
    const int32_t masks = compression == kBitFields ? 12 : 0;
    const int32_t side = bounds.side, stride = (side * bitCount + 31) / 32 * 4;
    int32_t rows = (bounds.fileBytes - kHeaderBytes - masks - 4 * colours) / stride;
    if (rows > side) rows = side;
    BitmapShape shape;
    shape.width = side;
    shape.height = topDown ? -rows : rows;
    shape.bitCount = bitCount;
    shape.compression = compression;
    char kind[32];
    snprintf(kind, sizeof kind, compression == kBitFields ? "%d-bit bit fields" : "%d-bit", bitCount);
    return {Name(kind, side, rows, topDown ? ", top-down" : ""),
            BitmapFile(shape, Colours(colours), Noise((size_t)stride * rows))};
}

static BenchPicture Compressed(int32_t width, int32_t height, uint16_t bitCount,
                               const std::vector<uint8_t>& data, const char* how) {
    BitmapShape shape;
    shape.width = width;
    shape.height = height;
    shape.bitCount = bitCount;
    shape.compression = bitCount == 8 ? kRle8 : kRle4;
    shape.sizeImage = (uint32_t)data.size();
    return {Name(bitCount == 8 ? "RLE8" : "RLE4", width, height, how),
            BitmapFile(shape, Colours(1 << bitCount), data)};
}

// Every pixel a run of its own, in a colour unlike its neighbour's: the most runs the file's bytes and the
// side allow, rows from the bottom up to where the bytes end.
static BenchPicture RunEveryPixel(const PictureBounds& bounds, uint16_t bitCount) {
    const size_t room = (size_t)(bounds.fileBytes - kHeaderBytes - 4 * (1 << bitCount));
    std::vector<uint8_t> data;
    int32_t rows = 0;
    while (rows < bounds.side && data.size() + 2 * (size_t)bounds.side + 4 <= room) {
        for (int32_t x = 0; x < bounds.side; x++) {
            data.push_back(1);
            data.push_back((uint8_t)(x * 37 + rows * 11));
        }
        data.push_back(0);  // the end of a line
        data.push_back(0);
        rows++;
    }
    data.push_back(0);  // the end of the picture
    data.push_back(1);
    return Compressed(bounds.side, rows, bitCount, data, ", a run for every pixel");
}

// Drawn one to one, an RLE picture is clipped to the pixels its runs cover. Each row: runs of one pixel
// up to a skip (as many skips as rows, the most allowed), one pixel skipped, and runs to the row's end;
// the skip sits one pixel further on each row, so no two rows' pieces line up.
static BenchPicture SkipEveryRow(int32_t side, uint16_t bitCount) {
    std::vector<uint8_t> data;
    for (int32_t y = 0; y < side; y++) {
        const int32_t skipAt = 1 + y % (side - 2);
        for (int32_t x = 0; x < side; x++) {
            if (x == skipAt) {
                data.insert(data.end(), {0, 2, 1, 0});  // skip one pixel right, no row down
                continue;
            }
            data.push_back(1);
            data.push_back((uint8_t)(x * 37 + y * 11));
        }
        data.push_back(0);
        data.push_back(0);
    }
    data.push_back(0);
    data.push_back(1);
    return Compressed(side, side, bitCount, data, ", one to one, a skip on every row");
}

std::vector<BenchPicture> LargestPictures(PictureRole role, int32_t drawnSide) {
    const PictureBounds& bounds = kPictureBounds[role];
    std::vector<BenchPicture> pictures;
    for (uint16_t bitCount : {1, 4, 8, 16, 24, 32}) pictures.push_back(Plain(bounds, bitCount, 0, false));
    pictures.push_back(Plain(bounds, 24, 0, true));
    for (uint16_t bitCount : {16, 32}) pictures.push_back(Plain(bounds, bitCount, kBitFields, false));
    for (uint16_t bitCount : {8, 4}) pictures.push_back(RunEveryPixel(bounds, bitCount));
    const int32_t oneToOne = drawnSide < bounds.side ? drawnSide : bounds.side;
    for (uint16_t bitCount : {8, 4}) pictures.push_back(SkipEveryRow(oneToOne, bitCount));
    return pictures;
}
