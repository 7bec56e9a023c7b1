// The bitmap layout: where the colour table and the bits lie, and every
// file it refuses because drawing would read beyond the bytes read.
#include <gtest/gtest.h>

#include "bitmap_builder.h"
#include "view/bitmap_layout.h"

namespace {

// What DrawImageFile does with a file: the header gives the block's size,
// a file shorter than that is refused, and the block is laid out.
bool LayOutFile(const std::vector<uint8_t>& file, BitmapLayout& layout) {
    if (file.size() < 14) return false;
    const int32_t blockBytes = BitmapBlockSize(file.data());
    if (blockBytes == 0 || file.size() - 14 < (size_t)blockBytes) return false;
    // A block of exactly its own size, so the sanitizers see any overreach.
    std::vector<uint8_t> block(file.begin() + 14, file.begin() + 14 + blockBytes);
    return LayOutBitmap(block.data(), blockBytes, layout);
}

struct ValidCase {
    const char* name;
    BitmapSpec spec;
    BitmapLayout expected;
};

const ValidCase kValid[] = {
    // name, {width, height, bits, clrUsed, sizeImage, infoSize},
    // {colours, table, bits offset, bits bytes, width, height, sizeImage}
    {"1-bit, two colours", {9, 3, 1, 0, 0, 40}, {2, 40, 48, 12, 9, 3, 12}},
    {"4-bit, sixteen colours", {5, 2, 4, 0, 0, 40}, {16, 40, 104, 8, 5, 2, 8}},
    {"8-bit, full table", {4, 4, 8, 0, 0, 40}, {256, 40, 1064, 16, 4, 4, 16}},
    {"8-bit, 16 colours used: bits 64 bytes after the header", {6, 3, 8, 16, 0, 40}, {16, 40, 104, 24, 6, 3, 24}},
    {"8-bit, 200 colours used", {4, 1, 8, 200, 0, 40}, {200, 40, 840, 4, 4, 1, 4}},
    {"24-bit: no table, bits right after the header", {3, 2, 24, 0, 0, 40}, {0, 40, 40, 24, 3, 2, 24}},
    {"24-bit top-down: rows counted positive", {3, -2, 24, 0, 0, 40}, {0, 40, 40, 24, 3, 2, 24}},
    {"24-bit with a table of 4", {1, 1, 24, 4, 0, 40}, {4, 40, 56, 4, 1, 1, 4}},
    {"16-bit", {3, 2, 16, 0, 0, 40}, {0, 40, 40, 16, 3, 2, 16}},
    {"32-bit", {2, 2, 32, 0, 0, 40}, {0, 40, 40, 16, 2, 2, 16}},
    {"8-bit top-down", {5, -3, 8, 0, 0, 40}, {256, 40, 1064, 24, 5, 3, 24}},
    {"a given size is kept", {4, 4, 8, 0, 10, 40}, {256, 40, 1064, 16, 4, 4, 10}},
    {"a larger info header moves the table", {4, 4, 8, 2, 0, 124}, {2, 124, 132, 16, 4, 4, 16}},
    // width x height would be 4096, eight times the bits: the rows' true
    // size is what drawing is told.
    {"1-bit 64x64 without a size", {64, 64, 1, 0, 0, 40}, {2, 40, 48, 512, 64, 64, 512}},
};

TEST(BitmapLayout, ValidImagesAreLaidOutWithinTheirBytes) {
    for (const ValidCase& c : kValid) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> file = BitmapFile(c.spec);
        BitmapLayout got = {};
        ASSERT_TRUE(LayOutFile(file, got));
        EXPECT_EQ(c.expected.colourCount, got.colourCount);
        EXPECT_EQ(c.expected.colourTableOffset, got.colourTableOffset);
        EXPECT_EQ(c.expected.bitsOffset, got.bitsOffset);
        EXPECT_EQ(c.expected.bitsBytes, got.bitsBytes);
        EXPECT_EQ(c.expected.width, got.width);
        EXPECT_EQ(c.expected.height, got.height);
        EXPECT_EQ(c.expected.sizeImage, got.sizeImage);
    }
}

// One change to a valid 8-bit 4x4 file (16 colours, 4 + 64 + 16 bytes after
// the 40-byte info header): a field set, or bytes cut from the end with
// bfSize following them.
struct Breakage {
    const char* name;
    int offset;    // file offset of the field, or -1
    int size;      // 1, 2 or 4
    uint32_t value;
    int cut;       // bytes removed from the end
};

const Breakage kRefused[] = {
    {"not BM", 1, 1, 'A', 0},
    {"bfSize - 14 zero", 2, 4, 14, 0},
    {"bfSize - 14 negative", 2, 4, 13, 0},
    {"bfSize beyond the file", 2, 4, 14 + 40 + 64 + 16 + 1, 0},
    {"bfSize absurd", 2, 4, 0xFFFFFFFFu, 0},
    {"block smaller than an info header", 2, 4, 14 + 39, 0},
    {"biSize smaller than an info header", 14, 4, 12, 0},
    {"biSize beyond the data", 14, 4, 40 + 64 + 16 + 1, 0},
    {"biSize huge", 14, 4, 0xFFFFFFF0u, 0},
    {"257 colours", 46, 4, 257, 0},
    {"colour count that wraps 32-bit arithmetic", 46, 4, 0x40000000u, 0},
    {"colour count -1", 46, 4, 0xFFFFFFFFu, 0},
    {"colour table beyond the data", 46, 4, 64, 0},
    {"bits start beyond the data", 14, 4, 40 + 16 + 1, 0},
    {"one byte of the rows missing", -1, 0, 0, 1},
    {"the rows missing", -1, 0, 0, 16},
    {"rows wider than the bits", 18, 4, 5, 0},
    {"more rows than the bits", 22, 4, 5, 0},
    {"more top-down rows than the bits", 22, 4, (uint32_t)-5, 0},
    {"given biSizeImage beyond the bits", 34, 4, 17, 0},
    {"given biSizeImage huge", 34, 4, 0xFFFFFFFFu, 0},
    {"width zero", 18, 4, 0, 0},
    {"height zero", 22, 4, 0, 0},
    {"width negative", 18, 4, (uint32_t)-4, 0},
    {"width INT32_MIN", 18, 4, 0x80000000u, 0},
    {"height INT32_MIN", 22, 4, 0x80000000u, 0},
    {"width absurd", 18, 4, 16385, 0},
    {"height absurd", 22, 4, 16385, 0},
    {"width whose rows overflow 32 bits", 18, 4, 0x7FFFFFFFu, 0},
    {"two planes", 26, 2, 2, 0},
    {"bit count 0", 28, 2, 0, 0},
    {"bit count 2", 28, 2, 2, 0},
    {"bit count 64", 28, 2, 64, 0},
    {"run-length compressed", 30, 4, 1, 0},
    {"bit fields", 30, 4, 3, 0},
    {"JPEG inside", 30, 4, 4, 0},
};

TEST(BitmapLayout, RefusesWhatWouldBeReadOutsideTheFile) {
    const BitmapSpec valid = {4, 4, 8, 16, 0, 40};
    BitmapLayout layout;
    ASSERT_TRUE(LayOutFile(BitmapFile(valid), layout)) << "the file every case starts from";
    for (const Breakage& b : kRefused) {
        SCOPED_TRACE(b.name);
        std::vector<uint8_t> file = BitmapFile(valid);
        if (b.offset >= 0) PutLittle(file, (size_t)b.offset, b.value, b.size);
        if (b.cut > 0) {
            file.resize(file.size() - b.cut);
            PutLittle(file, 2, (uint32_t)file.size(), 4);
        }
        EXPECT_FALSE(LayOutFile(file, layout));
    }
}

TEST(BitmapLayout, BlockSizeBounds) {
    struct {
        uint32_t bfSize;
        int32_t expected;
    } const cases[] = {
        {15, 1},
        {14 + 64 * 1024 * 1024, 64 * 1024 * 1024},
        {14 + 64 * 1024 * 1024 + 1, 0},
        {14, 0},
        {0, 0},
        {0x8000000Eu, 0},
    };
    for (const auto& c : cases) {
        uint8_t header[14] = {'B', 'M'};
        for (int i = 0; i < 4; i++) header[2 + i] = (uint8_t)(c.bfSize >> (8 * i));
        EXPECT_EQ(c.expected, BitmapBlockSize(header)) << "bfSize " << c.bfSize;
    }
}

TEST(BitmapLayout, SidesAtTheCapAreDrawn) {
    BitmapLayout layout;
    ASSERT_TRUE(LayOutFile(BitmapFile({kMaxBitmapSide, 1, 24, 0, 0, 40}), layout));
    EXPECT_EQ(kMaxBitmapSide * 3, layout.bitsBytes);
    ASSERT_TRUE(LayOutFile(BitmapFile({1, -kMaxBitmapSide, 1, 0, 0, 40}), layout));
    EXPECT_EQ(kMaxBitmapSide, layout.height);
}

}  // namespace
