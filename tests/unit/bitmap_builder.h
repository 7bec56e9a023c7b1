// Windows bitmap files built in memory for tests: a valid file from a few numbers, for a test to break.
#pragma once

#include <stdint.h>

#include <vector>

struct BitmapShape {
    int32_t width = 4, height = 4;  // negative height: rows stored top-down
    uint16_t bitCount = 8;
    uint32_t clrUsed = 0, sizeImage = 0, infoSize = 40;  // clrUsed 0: 2^bitCount entries up to 8 bits
};

inline void PutLittle(std::vector<uint8_t>& bytes, size_t offset, uint32_t value, int size) {
    for (int i = 0; i < size; i++) bytes[offset + i] = (uint8_t)(value >> (8 * i));
}

// Header, then colour table and rows padded to 4 bytes, all zero.
inline std::vector<uint8_t> BitmapFile(const BitmapShape& s) {
    const int32_t entries = s.clrUsed ? (int32_t)s.clrUsed : s.bitCount <= 8 ? 1 << s.bitCount : 0;
    const int32_t rows = s.height < 0 ? -s.height : s.height, stride = (s.width * s.bitCount + 31) / 32 * 4;
    const uint32_t bitsOffset = 14 + s.infoSize + 4 * entries, total = bitsOffset + stride * rows;
    std::vector<uint8_t> bytes(total, 0);
    const uint32_t fields[][3] = {{0, 'B' | 'M' << 8, 2}, {2, total, 4}, {10, bitsOffset, 4}, {14, s.infoSize, 4},
                                  {18, (uint32_t)s.width, 4}, {22, (uint32_t)s.height, 4}, {26, 1, 2},
                                  {28, s.bitCount, 2}, {34, s.sizeImage, 4}, {46, s.clrUsed, 4}};
    for (const auto& f : fields) PutLittle(bytes, f[0], f[1], (int)f[2]);
    return bytes;
}
