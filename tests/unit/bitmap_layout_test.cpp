// The bitmap layout: where table and bits lie, and every file refused as drawing would read beyond it.
#include <gtest/gtest.h>

#include <array>

#include "bitmap_builder.h"
#include "view/bitmap_layout.h"

// As DrawImageFile: bfSize gives the block, a shorter file is refused; a buffer of exactly the block's size.
static bool LayOutFile(const std::vector<uint8_t>& file, BitmapLayout& layout) {
    const int32_t blockBytes = file.size() < 14 ? 0 : BitmapBlockSize(file.data());
    if (blockBytes == 0 || file.size() - 14 < (size_t)blockBytes) return false;
    std::vector<uint8_t> block(file.begin() + 14, file.begin() + 14 + blockBytes);
    return LayOutBitmap(block.data(), blockBytes, layout);
}

// Bit counts, row orders, colour counts given or implied, sides at the cap: bits follow the table, rows' true size.
TEST(BitmapLayout, ValidImagesAreLaidOutWithinTheirBytes) {
    const int32_t cap = kMaxBitmapSide;
    const struct { BitmapShape shape; std::array<int32_t, 7> expected; } cases[] = {
        {{9, 3, 1, 0, 0, 40}, {2, 40, 48, 12, 9, 3, 12}},          {{5, 2, 4, 0, 0, 40}, {16, 40, 104, 8, 5, 2, 8}},
        {{4, 4, 8, 0, 0, 40}, {256, 40, 1064, 16, 4, 4, 16}},      {{4, 4, 8, 16, 0, 40}, {16, 40, 104, 16, 4, 4, 16}},
        {{3, 2, 24, 0, 0, 40}, {0, 40, 40, 24, 3, 2, 24}},         {{3, -2, 24, 4, 0, 40}, {4, 40, 56, 24, 3, 2, 24}},
        {{2, 2, 32, 0, 0, 40}, {0, 40, 40, 16, 2, 2, 16}},         {{4, 4, 8, 2, 10, 124}, {2, 124, 132, 16, 4, 4, 10}},
        {{64, 64, 1, 0, 0, 40}, {2, 40, 48, 512, 64, 64, 512}},
        {{cap, 1, 24, 0, 0, 40}, {0, 40, 40, 3 * cap, cap, 1, 3 * cap}},
        {{1, -cap, 1, 0, 0, 40}, {2, 40, 48, 4 * cap, 1, cap, 4 * cap}},
    };
    for (const auto& c : cases) {
        BitmapLayout l = {};
        ASSERT_TRUE(LayOutFile(BitmapFile(c.shape), l)) << c.shape.width << "x" << c.shape.height;
        EXPECT_EQ(c.expected, (std::array<int32_t, 7>{l.colourCount, l.colourTableOffset, l.bitsOffset,
                                                       l.bitsBytes, l.width, l.height, l.sizeImage}));
    }
}

// The valid 8-bit 4x4 file of 16 colours above (40 + 64 + 16 bytes after the header) with one field set or
// bytes cut (bfSize following): bfSize, biSize, colours, rows, sides, sizes, planes, bit counts, compression.
TEST(BitmapLayout, RefusesWhatWouldBeReadOutsideTheFile) {
    const struct { int offset, size; uint32_t value; int cut; } cases[] = {
        {1, 1, 'A', 0}, {2, 4, 14, 0}, {2, 4, 13, 0}, {2, 4, 135, 0}, {2, 4, 0xFFFFFFFFu, 0}, {2, 4, 53, 0},
        {14, 4, 12, 0}, {14, 4, 121, 0}, {14, 4, 0xFFFFFFF0u, 0}, {14, 4, 57, 0}, {46, 4, 257, 0}, {46, 4, 64, 0},
        {46, 4, 0x40000000u, 0}, {46, 4, 0xFFFFFFFFu, 0}, {0, 0, 0, 1}, {0, 0, 0, 16}, {18, 4, 5, 0}, {22, 4, 5, 0},
        {22, 4, (uint32_t)-5, 0}, {34, 4, 17, 0}, {34, 4, 0xFFFFFFFFu, 0}, {18, 4, 0, 0}, {22, 4, 0, 0},
        {18, 4, (uint32_t)-4, 0}, {18, 4, 0x80000000u, 0}, {22, 4, 0x80000000u, 0}, {18, 4, 16385, 0},
        {22, 4, 16385, 0}, {18, 4, 0x7FFFFFFFu, 0}, {26, 2, 2, 0}, {28, 2, 0, 0}, {28, 2, 2, 0}, {28, 2, 64, 0},
        {30, 4, 1, 0}, {30, 4, 3, 0}, {30, 4, 4, 0},
    };
    BitmapLayout layout;
    EXPECT_FALSE(LayOutFile(BitmapFile({4, 4, 8, 257, 0, 40}), layout)) << "257 colours, with room for them";
    for (const auto& c : cases) {
        std::vector<uint8_t> file = BitmapFile({4, 4, 8, 16, 0, 40});
        if (c.size > 0) PutLittle(file, (size_t)c.offset, c.value, c.size);
        file.resize(file.size() - c.cut);
        if (c.cut > 0) PutLittle(file, 2, (uint32_t)file.size(), 4);
        EXPECT_FALSE(LayOutFile(file, layout)) << "offset " << c.offset << " value " << c.value << " cut " << c.cut;
    }
}

// bfSize - 14 is the block to read, from 1 up to 64 MiB; anything else reads nothing.
TEST(BitmapLayout, BlockSizeBounds) {
    const uint32_t cap = kMaxBitmapBlockBytes, sizes[][2] = {{15, 1}, {14 + cap, cap}, {15 + cap, 0}, {14, 0}, {0, 0}};
    for (const auto& s : sizes) {
        std::vector<uint8_t> file = BitmapFile({});
        PutLittle(file, 2, s[0], 4);
        EXPECT_EQ((int32_t)s[1], BitmapBlockSize(file.data())) << "bfSize " << s[0];
    }
}
