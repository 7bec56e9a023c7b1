// Builds Windows bitmap files in memory for tests: a valid file from a few
// numbers, which a test then breaks one field at a time.
#pragma once

#include <stdint.h>

#include <vector>

struct BitmapSpec {
    int32_t width = 4;
    int32_t height = 4;           // negative: rows stored top-down
    uint16_t bitCount = 8;
    uint32_t clrUsed = 0;         // 0: 2^bitCount entries up to 8 bits, none above
    uint32_t sizeImage = 0;
    uint32_t infoSize = 40;
};

// Colour i of a table, as 0xRRGGBB.
typedef uint32_t (*ColourOf)(int32_t index);
// Pixel (x, y), y counted from the top: a table index up to 8 bits, 0xRRGGBB above.
typedef uint32_t (*PixelOf)(int32_t x, int32_t y);

inline void PutLittle(std::vector<uint8_t>& bytes, size_t offset, uint32_t value, int size) {
    for (int i = 0; i < size; i++) bytes[offset + i] = (uint8_t)(value >> (8 * i));
}

inline int32_t TableEntries(const BitmapSpec& spec) {
    if (spec.clrUsed != 0) return (int32_t)spec.clrUsed;
    return spec.bitCount <= 8 ? 1 << spec.bitCount : 0;
}

inline int32_t RowStride(const BitmapSpec& spec) { return (spec.width * spec.bitCount + 31) / 32 * 4; }

inline uint32_t GreyColour(int32_t index) { return (uint32_t)(index & 0xFF) * 0x010101u; }
inline uint32_t DiagonalPixel(int32_t x, int32_t y) { return (uint32_t)(x + y); }

// The whole file: header, colour table, rows padded to 4 bytes.
inline std::vector<uint8_t> BitmapFile(const BitmapSpec& spec, ColourOf colour = GreyColour,
                                       PixelOf pixel = DiagonalPixel) {
    const int32_t entries = TableEntries(spec);
    const int32_t rows = spec.height < 0 ? -spec.height : spec.height;
    const size_t bitsOffset = 14 + spec.infoSize + 4 * (size_t)entries;
    const size_t total = bitsOffset + (size_t)RowStride(spec) * rows;
    std::vector<uint8_t> bytes(total, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLittle(bytes, 2, (uint32_t)total, 4);
    PutLittle(bytes, 10, (uint32_t)bitsOffset, 4);
    PutLittle(bytes, 14, spec.infoSize, 4);
    PutLittle(bytes, 18, (uint32_t)spec.width, 4);
    PutLittle(bytes, 22, (uint32_t)spec.height, 4);
    PutLittle(bytes, 26, 1, 2);
    PutLittle(bytes, 28, spec.bitCount, 2);
    PutLittle(bytes, 34, spec.sizeImage, 4);
    PutLittle(bytes, 46, spec.clrUsed, 4);
    for (int32_t i = 0; i < entries; i++) {
        const uint32_t rgb = colour(i);
        PutLittle(bytes, 14 + spec.infoSize + 4 * (size_t)i, rgb, 3);  // blue, green, red
    }
    for (int32_t row = 0; row < rows; row++) {
        const int32_t y = spec.height < 0 ? row : rows - 1 - row;
        uint8_t* line = &bytes[bitsOffset + (size_t)row * RowStride(spec)];
        for (int32_t x = 0; x < spec.width; x++) {
            const uint32_t value = pixel(x, y);
            const int32_t bit = x * spec.bitCount;
            if (spec.bitCount < 8) {
                const int shift = 8 - spec.bitCount - bit % 8;
                line[bit / 8] |= (uint8_t)((value & ((1u << spec.bitCount) - 1)) << shift);
            } else {
                for (int b = 0; b < spec.bitCount / 8; b++) line[bit / 8 + b] = (uint8_t)(value >> (8 * b));
            }
        }
    }
    return bytes;
}
