// The bitmap layout: where table and bits lie, every file refused as drawing would read beyond it, and the
// bounds of each role (the board, a stone) at their edges.
#include <gtest/gtest.h>

#include <algorithm>

#include "bitmap_builder.h"
#include "view/bitmap_layout.h"

const PictureBounds kBoard = kPictureBounds[kBoardPicture], kStone = kPictureBounds[kStonePicture];

// One header field set in a file built from a shape (none by default), bytes cut off its end, or the whole
// file grown with zeros to fileBytes and bfSize set to match.
struct Change {
    HeaderField field = {"no field", 0, 0};
    uint32_t value = 0;
    int cut = 0;
    int32_t fileBytes = 0;
};
static Change FileOf(int32_t bytes) {
    Change c;
    c.fileBytes = bytes;
    return c;
}

// The changed file laid out as DrawImageFile does: bfSize gives the block to read, and a file holding less
// gives what it holds. Reads past the block are the bitmap fuzzer's to catch.
static bool LayOutFile(PictureRole role, const BitmapShape& shape, const std::vector<uint8_t>& bits,
                       const Change& c, BitmapLayout& layout) {
    std::vector<uint8_t> file = BitmapFile(shape, {}, bits);
    if (c.field.size > 0) PutField(file, c.field, c.value);
    file.resize(file.size() - c.cut);
    if (c.fileBytes > 0) {
        file.resize(c.fileBytes, 0);
        PutField(file, kBfSize, c.fileBytes);
    }
    const int32_t blockBytes = BitmapBlockSize(file.data(), role);
    if (blockBytes == 0) return false;
    const size_t read = std::min((size_t)blockBytes, file.size() - 14);
    return LayOutBitmap(file.data() + 14, (int32_t)read, role, layout);
}

static const char* RoleName(PictureRole role) { return role == kBoardPicture ? "board" : "stone"; }

const struct { const char* name; int32_t BitmapLayout::*field; } kLayoutFields[] = {
    {"colourCount", &BitmapLayout::colourCount}, {"colourTableOffset", &BitmapLayout::colourTableOffset},
    {"bitsOffset", &BitmapLayout::bitsOffset}, {"bitsBytes", &BitmapLayout::bitsBytes},
    {"width", &BitmapLayout::width}, {"height", &BitmapLayout::height},
    {"sizeImage", &BitmapLayout::sizeImage}};

// Compressed data: a skip is 0, 2 and two offsets; 0, 1 ends the picture; 0, n gives n pixels one by one.
const std::vector<uint8_t> kTwoSkips = {0, 2, 1, 0, 0, 2, 1, 0, 0, 1};
const std::vector<uint8_t> kThreeSkips = {0, 2, 1, 0, 0, 2, 1, 0, 0, 2, 1, 0, 0, 1};
// Twelve pixels given one by one whose values read like three skips; no skip at all.
const std::vector<uint8_t> kPixelsLikeSkips = {0, 12, 0, 2, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1};
// At 4 bits, four pixels given in two bytes, then three skips; read as 8-bit pixels (four bytes), two.
const std::vector<uint8_t> kFourBitPixelsThenThreeSkips = {0, 4, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0,
                                                           0, 2, 0, 0, 0, 1};

// Colour counts given or implied (256 with RLE8, none with bit fields), compressed and bit-field images,
// sides and files at each role's bounds, sizes the system ignores: the table after the header or masks,
// bits after the table. Shapes are {width, height, bitCount, clrUsed, sizeImage, biSize, compression}.
TEST(BitmapLayout, ValidImagesAreLaidOutWithinTheirBytes) {
    const BitmapShape fourByFour = {4, 4, 8, 16, 0, 40};  // 40 + 64 + 16 bytes after the file header
    const struct {
        const char* name;
        PictureRole role;
        BitmapShape shape;
        // colourCount, colourTableOffset, bitsOffset, bitsBytes, width, height, sizeImage
        BitmapLayout expected;
        Change change = {};  // none unless given
        std::vector<uint8_t> bits = {};
    } rows[] = {
        {"1-bit 9x3, 2 colours implied", kStonePicture, {9, 3, 1, 0, 0, 40}, {2, 40, 48, 12, 9, 3, 12}},
        {"24-bit board as wide as a board may be", kBoardPicture, {kBoard.side, 1, 24, 0, 0, 40},
         {0, 40, 40, 3 * kBoard.side, kBoard.side, 1, 3 * kBoard.side}},
        {"1-bit board as tall as a board may be, top-down", kBoardPicture, {1, -kBoard.side, 1, 0, 0, 40},
         {2, 40, 48, 4 * kBoard.side, 1, kBoard.side, 4 * kBoard.side}},
        {"8-bit stone as large as a stone may be", kStonePicture, {kStone.side, kStone.side, 8, 0, 0, 40},
         {256, 40, 1064, kStone.side * kStone.side, kStone.side, kStone.side, kStone.side * kStone.side}},
        {"8-bit board one wider than a stone may be", kBoardPicture, {kStone.side + 1, 1, 8, 2, 0, 40},
         {2, 40, 48, (kStone.side + 4) / 4 * 4, kStone.side + 1, 1, (kStone.side + 4) / 4 * 4}},
        {"stone file of exactly the stone's bytes", kStonePicture, fourByFour, {16, 40, 104, 16, 4, 4, 16},
         FileOf(kStone.fileBytes)},
        {"board file of exactly the board's bytes", kBoardPicture, fourByFour, {16, 40, 104, 16, 4, 4, 16},
         FileOf(kBoard.fileBytes)},
        {"RLE8 4x2, 10 bytes of runs", kStonePicture, {4, 2, 8, 0, 10, 40, kRle8},
         {256, 40, 1064, 10, 4, 2, 10}},
        {"RLE4 4x2, 3 colours, 10 bytes of runs", kStonePicture, {4, 2, 4, 3, 10, 40, kRle4},
         {3, 40, 52, 10, 4, 2, 10}},
        {"RLE8 4x2 skipping as often as it has rows", kStonePicture, {4, 2, 8, 0, 10, 40, kRle8},
         {256, 40, 1064, 10, 4, 2, 10}, {}, kTwoSkips},
        {"RLE8 12x2 whose given pixels read like skips", kStonePicture, {12, 2, 8, 0, 16, 40, kRle8},
         {256, 40, 1064, 16, 12, 2, 16}, {}, kPixelsLikeSkips},
        {"32-bit bit fields, masks after a 40-byte header", kStonePicture, {2, 2, 32, 0, 0, 40, kBitFields},
         {0, 52, 52, 16, 2, 2, 16}},
        {"16-bit bit fields, masks inside a V5 header", kStonePicture, {3, 2, 16, 0, 0, 124, kBitFields},
         {0, 124, 124, 16, 3, 2, 16}},
        {"32-bit bit fields, V4 header, top-down", kStonePicture, {2, -2, 32, 0, 0, 108, kBitFields},
         {0, 108, 108, 16, 2, 2, 16}},
        {"24-bit 2x2 claiming 70 bytes", kStonePicture, {2, 2, 24, 0, 0, 40}, {0, 40, 40, 16, 2, 2, 16},
         {kBiSizeImage, 70}},
        {"bfSize 5 bytes past the end", kStonePicture, {3, 2, 24, 0, 0, 40}, {0, 40, 40, 24, 3, 2, 24},
         {kBfSize, 83}},
    };
    for (const auto& row : rows) {
        BitmapLayout got = {};
        const bool laidOut = LayOutFile(row.role, row.shape, row.bits, row.change, got);
        EXPECT_TRUE(laidOut) << "row \"" << row.name << "\" as " << RoleName(row.role)
                             << ": expected laid out, got refused";
        for (const auto& f : kLayoutFields)
            EXPECT_TRUE(!laidOut || got.*f.field == row.expected.*f.field)
                << "row \"" << row.name << "\": " << f.name << " expected " << row.expected.*f.field
                << ", got " << got.*f.field;
    }
}

// Files refused, each one field set in a valid file (most in the 8-bit 4x4 file of 16 colours: 40 + 64 + 16
// bytes after the file header), bytes cut off its end or the file grown: nothing drawn, nothing read outside,
// nothing beyond the role's bounds.
TEST(BitmapLayout, RefusesWhatWouldBeReadOutsideTheFileOrIsBeyondItsBounds) {
    const BitmapShape base = {4, 4, 8, 16, 0, 40};
    const struct {
        const char* name;
        PictureRole role;
        BitmapShape shape;
        Change change = {};
        std::vector<uint8_t> bits = {};
    } rows[] = {
        {"\"BA\" for \"BM\"", kStonePicture, base, {kBfType, 'B' | 'A' << 8}},
        {"stone file one byte over the stone's bytes", kStonePicture, base, FileOf(kStone.fileBytes + 1)},
        {"board file one byte over the board's bytes", kBoardPicture, base, FileOf(kBoard.fileBytes + 1)},
        {"bfSize one byte short of the last row", kStonePicture, base, {kBfSize, 133}},
        {"bfSize past the end of a file missing a byte of its last row", kStonePicture, base,
         {kBfSize, 134, 1}},
        {"biSize past the block", kStonePicture, base, {kBiSize, 121}},
        {"257 colours with room for them", kStonePicture, {4, 4, 8, 257, 0, 40}},
        {"2^30 colours, four times which wraps 32 bits", kStonePicture, base, {kBiClrUsed, 0x40000000u}},
        {"width 0", kStonePicture, base, {kBiWidth, 0}},
        {"height 0", kStonePicture, base, {kBiHeight, 0}},
        {"height -2^31", kBoardPicture, base, {kBiHeight, 0x80000000u}},
        {"stone one pixel wider than a stone may be", kStonePicture, {kStone.side + 1, 1, 8, 2, 0, 40}},
        {"stone one pixel taller than a stone may be", kStonePicture, {1, kStone.side + 1, 8, 2, 0, 40}},
        {"stone one pixel taller than a stone may be, top-down", kStonePicture,
         {1, -kStone.side - 1, 8, 2, 0, 40}},
        {"board one pixel wider than a board may be", kBoardPicture, {kBoard.side + 1, 1, 1, 0, 0, 40}},
        {"board one pixel taller than a board may be", kBoardPicture, {1, kBoard.side + 1, 1, 0, 0, 40}},
        {"RLE8 board one pixel wider than a board may be", kBoardPicture,
         {kBoard.side + 1, 2, 8, 16, 10, 40, kRle8}},
        {"2 planes", kStonePicture, base, {kBiPlanes, 2}},
        {"2 bits a pixel", kStonePicture, base, {kBiBitCount, 2}},
        {"JPEG compression", kStonePicture, base, {kBiCompression, 4}},
        {"RLE8 without biSizeImage", kStonePicture, base, {kBiCompression, kRle8}},
        {"RLE8 claiming 17 bytes of 16", kStonePicture, {4, 4, 8, 16, 16, 40, kRle8}, {kBiSizeImage, 17}},
        {"RLE8 with rows top-down", kStonePicture, {4, -2, 8, 0, 10, 40, kRle8}},
        {"RLE4 with rows top-down", kStonePicture, {4, -2, 4, 0, 10, 40, kRle4}},
        {"RLE8 4x2 skipping three times", kBoardPicture, {4, 2, 8, 0, 14, 40, kRle8}, {}, kThreeSkips},
        {"RLE4 8x2, four pixels given, then three skips", kBoardPicture, {8, 2, 4, 0, 18, 40, kRle4}, {},
         kFourBitPixelsThenThreeSkips},
        {"bit fields ending inside the masks", kStonePicture, {1, 1, 32, 0, 0, 40, kBitFields},
         {kBfSize, 64, 6}},
    };
    for (const auto& row : rows) {
        BitmapLayout layout;
        EXPECT_FALSE(LayOutFile(row.role, row.shape, row.bits, row.change, layout))
            << "row \"" << row.name << "\" as " << RoleName(row.role) << ": " << row.change.field.name << " "
            << row.change.value << ", cut " << row.change.cut << ", file bytes " << row.change.fileBytes
            << ": expected refused, got laid out";
    }
}
