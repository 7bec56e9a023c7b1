// The bitmap layout: where table and bits lie, and every file refused as drawing would read beyond it.
#include <gtest/gtest.h>

#include <algorithm>

#include "bitmap_builder.h"
#include "view/bitmap_layout.h"

// One header field set in a file built from a shape (none by default), and bytes cut off its end.
struct Change {
    HeaderField field = {"no field", 0, 0};
    uint32_t value = 0;
    int cut = 0;
};

// The changed file laid out as DrawImageFile does: bfSize gives the block to read, and a file holding less
// gives what it holds. Reads past the block are the bitmap fuzzer's to catch.
static bool LayOutFile(const BitmapShape& shape, const Change& c, BitmapLayout& layout) {
    std::vector<uint8_t> file = BitmapFile(shape);
    if (c.field.size > 0) PutField(file, c.field, c.value);
    file.resize(file.size() - c.cut);
    const int32_t blockBytes = BitmapBlockSize(file.data());
    if (blockBytes == 0) return false;
    const size_t read = std::min((size_t)blockBytes, file.size() - 14);
    return LayOutBitmap(file.data() + 14, (int32_t)read, layout);
}

const struct { const char* name; int32_t BitmapLayout::*field; } kLayoutFields[] = {
    {"colourCount", &BitmapLayout::colourCount}, {"colourTableOffset", &BitmapLayout::colourTableOffset},
    {"bitsOffset", &BitmapLayout::bitsOffset}, {"bitsBytes", &BitmapLayout::bitsBytes},
    {"width", &BitmapLayout::width}, {"height", &BitmapLayout::height},
    {"sizeImage", &BitmapLayout::sizeImage}};

// Colour counts given or implied (256 with RLE8, none with bit fields), compressed and bit-field images,
// sides at the cap, sizes the system ignores: the table after the header or masks, bits after the table.
// Shapes are {width, height, bitCount, clrUsed, sizeImage, biSize, compression}.
TEST(BitmapLayout, ValidImagesAreLaidOutWithinTheirBytes) {
    const int32_t cap = kMaxBitmapSide;
    const struct {
        const char* name;
        BitmapShape shape;
        // colourCount, colourTableOffset, bitsOffset, bitsBytes, width, height, sizeImage
        BitmapLayout expected;
        Change change = {};  // none unless given
    } rows[] = {
        {"1-bit 9x3, 2 colours implied", {9, 3, 1, 0, 0, 40}, {2, 40, 48, 12, 9, 3, 12}},
        {"24-bit as wide as the cap", {cap, 1, 24, 0, 0, 40}, {0, 40, 40, 3 * cap, cap, 1, 3 * cap}},
        {"1-bit as tall as the cap, top-down", {1, -cap, 1, 0, 0, 40}, {2, 40, 48, 4 * cap, 1, cap, 4 * cap}},
        {"RLE8 4x2, 10 bytes of runs", {4, 2, 8, 0, 10, 40, kRle8}, {256, 40, 1064, 10, 4, 2, 10}},
        {"RLE4 4x2, 3 colours, 10 bytes of runs", {4, 2, 4, 3, 10, 40, kRle4}, {3, 40, 52, 10, 4, 2, 10}},
        {"32-bit bit fields, masks after a 40-byte header", {2, 2, 32, 0, 0, 40, kBitFields},
         {0, 52, 52, 16, 2, 2, 16}},
        {"16-bit bit fields, masks inside a V5 header", {3, 2, 16, 0, 0, 124, kBitFields},
         {0, 124, 124, 16, 3, 2, 16}},
        {"32-bit bit fields, V4 header, top-down", {2, -2, 32, 0, 0, 108, kBitFields},
         {0, 108, 108, 16, 2, 2, 16}},
        {"24-bit 2x2 claiming 70 bytes", {2, 2, 24, 0, 0, 40}, {0, 40, 40, 16, 2, 2, 16}, {kBiSizeImage, 70}},
        {"bfSize 5 bytes past the end", {3, 2, 24, 0, 0, 40}, {0, 40, 40, 24, 3, 2, 24}, {kBfSize, 83}},
    };
    for (const auto& row : rows) {
        BitmapLayout got = {};
        const bool laidOut = LayOutFile(row.shape, row.change, got);
        EXPECT_TRUE(laidOut) << "row \"" << row.name << "\": expected laid out, got refused";
        for (const auto& f : kLayoutFields)
            EXPECT_TRUE(!laidOut || got.*f.field == row.expected.*f.field)
                << "row \"" << row.name << "\": " << f.name << " expected " << row.expected.*f.field
                << ", got " << got.*f.field;
    }
}

// Files refused, each one field set in a valid file (most in the 8-bit 4x4 file of 16 colours: 40 + 64 + 16
// bytes after the file header) or bytes cut off its end: nothing would be drawn and nothing read outside.
TEST(BitmapLayout, RefusesWhatWouldBeReadOutsideTheFile) {
    const BitmapShape base = {4, 4, 8, 16, 0, 40};
    const struct { const char* name; BitmapShape shape; Change change = {}; } rows[] = {
        {"\"BA\" for \"BM\"", base, {kBfType, 'B' | 'A' << 8}},
        {"bfSize one past the 4 MiB cap", base, {kBfSize, kMaxBitmapFileBytes + 1}},
        {"bfSize one byte short of the last row", base, {kBfSize, 133}},
        {"bfSize past the end of a file missing a byte of its last row", base, {kBfSize, 134, 1}},
        {"biSize past the block", base, {kBiSize, 121}},
        {"257 colours with room for them", {4, 4, 8, 257, 0, 40}},
        {"2^30 colours, four times which wraps 32 bits", base, {kBiClrUsed, 0x40000000u}},
        {"width 0", base, {kBiWidth, 0}},
        {"height 0", base, {kBiHeight, 0}},
        {"height -2^31", base, {kBiHeight, 0x80000000u}},
        {"width one past the side cap", base, {kBiWidth, 16385}},
        {"height one past the side cap", base, {kBiHeight, 16385}},
        {"2 planes", base, {kBiPlanes, 2}},
        {"2 bits a pixel", base, {kBiBitCount, 2}},
        {"JPEG compression", base, {kBiCompression, 4}},
        {"RLE8 without biSizeImage", base, {kBiCompression, kRle8}},
        {"RLE8 claiming 17 bytes of 16", {4, 4, 8, 16, 16, 40, kRle8}, {kBiSizeImage, 17}},
        {"RLE8 unpacking to more than 4 MiB", {2049, 2048, 8, 16, 10, 40, kRle8}},
        {"bit fields ending inside the masks", {1, 1, 32, 0, 0, 40, kBitFields}, {kBfSize, 64, 6}},
    };
    for (const auto& row : rows) {
        BitmapLayout layout;
        EXPECT_FALSE(LayOutFile(row.shape, row.change, layout))
            << "row \"" << row.name << "\": " << row.change.field.name << " " << row.change.value << ", cut "
            << row.change.cut << ": expected refused, got laid out";
    }
}
