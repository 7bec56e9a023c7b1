// Windows bitmap files built in memory for tests: a valid file from a few numbers, for a test to break.
#pragma once

#include <stdint.h>

#include <vector>

// A header field of the file by its name, where it lies and how wide it is.
struct HeaderField { const char* name; size_t offset; int size; };
const HeaderField kBfType = {"bfType", 0, 2}, kBfSize = {"bfSize", 2, 4}, kBfOffBits = {"bfOffBits", 10, 4},
                  kBiSize = {"biSize", 14, 4}, kBiWidth = {"biWidth", 18, 4}, kBiHeight = {"biHeight", 22, 4},
                  kBiPlanes = {"biPlanes", 26, 2}, kBiBitCount = {"biBitCount", 28, 2},
                  kBiCompression = {"biCompression", 30, 4}, kBiSizeImage = {"biSizeImage", 34, 4},
                  kBiClrUsed = {"biClrUsed", 46, 4};
const uint32_t kRle8 = 1, kRle4 = 2, kBitFields = 3;  // biCompression

struct BitmapShape {
    int32_t width = 4, height = 4;  // negative height: rows stored top-down
    uint16_t bitCount = 8;
    uint32_t clrUsed = 0, sizeImage = 0, infoSize = 40;  // clrUsed 0: 2^bitCount entries up to 8 bits
    uint32_t compression = 0;  // RLE: the bits are sizeImage bytes; bit fields: masks at 40..52
};

inline void PutLittle(std::vector<uint8_t>& bytes, size_t offset, uint32_t value, int size) {
    for (int i = 0; i < size; i++) bytes[offset + i] = (uint8_t)(value >> (8 * i));
}
inline void PutField(std::vector<uint8_t>& bytes, const HeaderField& f, uint32_t value) {
    PutLittle(bytes, f.offset, value, f.size);
}

// Header, bit-field masks (5-6-5 at 16 bits, 8-8-8 at 32), colour table and bits (rows padded to 4 bytes, or
// the compressed data), all zero unless given: colours as 0xRRGGBB, bits as the whole section.
inline std::vector<uint8_t> BitmapFile(const BitmapShape& s, const std::vector<uint32_t>& colours = {},
                                       const std::vector<uint8_t>& bits = {}) {
    const int32_t entries = s.clrUsed ? (int32_t)s.clrUsed : s.bitCount <= 8 ? 1 << s.bitCount : 0;
    const int32_t rows = s.height < 0 ? -s.height : s.height, stride = (s.width * s.bitCount + 31) / 32 * 4;
    const bool compressed = s.compression == kRle8 || s.compression == kRle4;
    const uint32_t masksEnd = s.compression == kBitFields && s.infoSize < 52 ? 52 : s.infoSize;
    const uint32_t bitsOffset = 14 + masksEnd + 4 * entries;
    const uint32_t total = bitsOffset + (compressed ? s.sizeImage : stride * rows);
    std::vector<uint8_t> bytes(total, 0);
    const struct { HeaderField field; uint32_t value; } fields[] = {
        {kBfType, 'B' | 'M' << 8}, {kBfSize, total}, {kBfOffBits, bitsOffset}, {kBiSize, s.infoSize},
        {kBiWidth, (uint32_t)s.width}, {kBiHeight, (uint32_t)s.height}, {kBiPlanes, 1},
        {kBiBitCount, s.bitCount}, {kBiCompression, s.compression}, {kBiSizeImage, s.sizeImage},
        {kBiClrUsed, s.clrUsed}};
    for (const auto& f : fields) PutField(bytes, f.field, f.value);
    if (s.compression == kBitFields) {
        const uint32_t masks[2][3] = {{0xF800, 0x07E0, 0x001F}, {0xFF0000, 0xFF00, 0xFF}};
        for (int i = 0; i < 3; i++) PutLittle(bytes, 14 + 40 + 4 * i, masks[s.bitCount == 32][i], 4);
    }
    for (size_t i = 0; i < colours.size(); i++) PutLittle(bytes, 14 + masksEnd + 4 * i, colours[i], 4);
    for (size_t i = 0; i < bits.size(); i++) bytes[bitsOffset + i] = bits[i];
    return bytes;
}
