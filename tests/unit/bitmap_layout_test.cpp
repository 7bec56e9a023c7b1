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
// bits after the table.
TEST(BitmapLayout, ValidImagesAreLaidOutWithinTheirBytes) {
    const BitmapShape fourByFour = {.clrUsed = 16};  // 40 + 64 + 16 bytes after the file header
    const struct {
        const char* name;
        PictureRole role;
        BitmapShape shape;
        BitmapLayout expected;
        Change change = {};  // none unless given
        std::vector<uint8_t> bits = {};
    } rows[] = {
        {"1-bit 9x3, 2 colours implied", kStonePicture,
         {.width = 9, .height = 3, .bitCount = 1},
         {.colourCount = 2, .colourTableOffset = 40, .bitsOffset = 48, .bitsBytes = 12, .width = 9,
          .height = 3, .sizeImage = 12}},
        {"24-bit board as wide as a board may be", kBoardPicture,
         {.width = kBoard.side, .height = 1, .bitCount = 24},
         {.colourCount = 0, .colourTableOffset = 40, .bitsOffset = 40, .bitsBytes = 3 * kBoard.side,
          .width = kBoard.side, .height = 1, .sizeImage = 3 * kBoard.side}},
        {"1-bit board as tall as a board may be, top-down", kBoardPicture,
         {.width = 1, .height = -kBoard.side, .bitCount = 1},
         {.colourCount = 2, .colourTableOffset = 40, .bitsOffset = 48, .bitsBytes = 4 * kBoard.side,
          .width = 1, .height = kBoard.side, .sizeImage = 4 * kBoard.side}},
        {"8-bit stone as large as a stone may be", kStonePicture,
         {.width = kStone.side, .height = kStone.side},
         {.colourCount = 256, .colourTableOffset = 40, .bitsOffset = 1064,
          .bitsBytes = kStone.side * kStone.side, .width = kStone.side, .height = kStone.side,
          .sizeImage = kStone.side * kStone.side}},
        {"8-bit board one wider than a stone may be", kBoardPicture,
         {.width = kStone.side + 1, .height = 1, .clrUsed = 2},
         {.colourCount = 2, .colourTableOffset = 40, .bitsOffset = 48,
          .bitsBytes = (kStone.side + 4) / 4 * 4, .width = kStone.side + 1, .height = 1,
          .sizeImage = (kStone.side + 4) / 4 * 4}},
        {"stone file of exactly the stone's bytes", kStonePicture,
         fourByFour,
         {.colourCount = 16, .colourTableOffset = 40, .bitsOffset = 104, .bitsBytes = 16, .width = 4,
          .height = 4, .sizeImage = 16}, FileOf(kStone.fileBytes)},
        {"board file of exactly the board's bytes", kBoardPicture,
         fourByFour,
         {.colourCount = 16, .colourTableOffset = 40, .bitsOffset = 104, .bitsBytes = 16, .width = 4,
          .height = 4, .sizeImage = 16}, FileOf(kBoard.fileBytes)},
        {"RLE4 4x2, 3 colours, 10 bytes of runs", kStonePicture,
         {.height = 2, .bitCount = 4, .clrUsed = 3, .sizeImage = 10, .compression = kRle4},
         {.colourCount = 3, .colourTableOffset = 40, .bitsOffset = 52, .bitsBytes = 10, .width = 4,
          .height = 2, .sizeImage = 10}},
        {"RLE8 4x2 skipping as often as it has rows", kStonePicture,
         {.height = 2, .sizeImage = 10, .compression = kRle8},
         {.colourCount = 256, .colourTableOffset = 40, .bitsOffset = 1064, .bitsBytes = 10, .width = 4,
          .height = 2, .sizeImage = 10}, {}, kTwoSkips},
        {"RLE8 12x2 whose given pixels read like skips", kStonePicture,
         {.width = 12, .height = 2, .sizeImage = 16, .compression = kRle8},
         {.colourCount = 256, .colourTableOffset = 40, .bitsOffset = 1064, .bitsBytes = 16, .width = 12,
          .height = 2, .sizeImage = 16}, {}, kPixelsLikeSkips},
        {"32-bit bit fields, masks after a 40-byte header", kStonePicture,
         {.width = 2, .height = 2, .bitCount = 32, .compression = kBitFields},
         {.colourCount = 0, .colourTableOffset = 52, .bitsOffset = 52, .bitsBytes = 16, .width = 2,
          .height = 2, .sizeImage = 16}},
        {"16-bit bit fields, masks inside a V5 header", kStonePicture,
         {.width = 3, .height = 2, .bitCount = 16, .infoSize = 124, .compression = kBitFields},
         {.colourCount = 0, .colourTableOffset = 124, .bitsOffset = 124, .bitsBytes = 16, .width = 3,
          .height = 2, .sizeImage = 16}},
        {"4-bit 3x2, 16 colours implied", kStonePicture,
         {.width = 3, .height = 2, .bitCount = 4},
         {.colourCount = 16, .colourTableOffset = 40, .bitsOffset = 104, .bitsBytes = 8, .width = 3,
          .height = 2, .sizeImage = 8}},
        {"16-bit 2x2 without masks", kStonePicture,
         {.width = 2, .height = 2, .bitCount = 16},
         {.colourCount = 0, .colourTableOffset = 40, .bitsOffset = 40, .bitsBytes = 8, .width = 2,
          .height = 2, .sizeImage = 8}},
        {"32-bit 1x1 without masks", kStonePicture,
         {.width = 1, .height = 1, .bitCount = 32},
         {.colourCount = 0, .colourTableOffset = 40, .bitsOffset = 40, .bitsBytes = 4, .width = 1,
          .height = 1, .sizeImage = 4}},
        {"24-bit 2x2 claiming 70 bytes", kStonePicture,
         {.width = 2, .height = 2, .bitCount = 24},
         {.colourCount = 0, .colourTableOffset = 40, .bitsOffset = 40, .bitsBytes = 16, .width = 2,
          .height = 2, .sizeImage = 16}, {kBiSizeImage, 70}},
        {"bfSize 5 bytes past the end", kStonePicture,
         {.width = 3, .height = 2, .bitCount = 24},
         {.colourCount = 0, .colourTableOffset = 40, .bitsOffset = 40, .bitsBytes = 24, .width = 3,
          .height = 2, .sizeImage = 24}, {kBfSize, 83}},
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
    const BitmapShape base = {.clrUsed = 16};
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
        {"bfSize 14: the file header alone", kStonePicture, base, {kBfSize, 14}},
        {"bfSize 53: one byte short of the info header", kStonePicture, base, {kBfSize, 53}},
        {"biSize 39", kStonePicture, base, {kBiSize, 39}},
        {"bfSize past the end of a file missing a byte of its last row", kStonePicture,
         base, {kBfSize, 134, 1}},
        {"biSize past the block", kStonePicture, base, {kBiSize, 121}},
        {"257 colours with room for them", kStonePicture, {.clrUsed = 257}},
        {"2^30 colours, four times which wraps 32 bits", kStonePicture, base, {kBiClrUsed, 0x40000000u}},
        {"width 0", kStonePicture, base, {kBiWidth, 0}},
        {"height 0", kStonePicture, base, {kBiHeight, 0}},
        {"height -2^31", kBoardPicture, base, {kBiHeight, 0x80000000u}},
        {"stone one pixel wider than a stone may be", kStonePicture,
         {.width = kStone.side + 1, .height = 1, .clrUsed = 2}},
        {"stone one pixel taller than a stone may be", kStonePicture,
         {.width = 1, .height = kStone.side + 1, .clrUsed = 2}},
        {"stone one pixel taller than a stone may be, top-down", kStonePicture,
         {.width = 1, .height = -kStone.side - 1, .clrUsed = 2}},
        {"board one pixel wider than a board may be", kBoardPicture,
         {.width = kBoard.side + 1, .height = 1, .bitCount = 1}},
        {"2 planes", kStonePicture, base, {kBiPlanes, 2}},
        {"2 bits a pixel", kStonePicture, base, {kBiBitCount, 2}},
        {"JPEG compression", kStonePicture, base, {kBiCompression, 4}},
        {"RLE8 without biSizeImage", kStonePicture, base, {kBiCompression, kRle8}},
        {"RLE8 at 4 bits a pixel", kStonePicture, {.bitCount = 4, .sizeImage = 10, .compression = kRle8}},
        {"RLE4 at 8 bits a pixel", kStonePicture, {.sizeImage = 10, .compression = kRle4}},
        {"bit fields at 24 bits a pixel", kStonePicture, {.bitCount = 24, .compression = kBitFields}},
        {"RLE8 claiming 17 bytes of 16", kStonePicture,
         {.clrUsed = 16, .sizeImage = 16, .compression = kRle8}, {kBiSizeImage, 17}},
        {"RLE8 with rows top-down", kStonePicture, {.height = -2, .sizeImage = 10, .compression = kRle8}},
        {"RLE8 4x2 skipping three times", kBoardPicture,
         {.height = 2, .sizeImage = 14, .compression = kRle8}, {}, kThreeSkips},
        {"RLE4 8x2, four pixels given, then three skips", kBoardPicture,
         {.width = 8, .height = 2, .bitCount = 4, .sizeImage = 18, .compression = kRle4}, {},
         kFourBitPixelsThenThreeSkips},
        {"bit fields ending inside the masks", kStonePicture,
         {.width = 1, .height = 1, .bitCount = 32, .compression = kBitFields}, {kBfSize, 64, 6}},
    };
    for (const auto& row : rows) {
        BitmapLayout layout;
        EXPECT_FALSE(LayOutFile(row.role, row.shape, row.bits, row.change, layout))
            << "row \"" << row.name << "\" as " << RoleName(row.role) << ": " << row.change.field.name << " "
            << row.change.value << ", cut " << row.change.cut << ", file bytes " << row.change.fileBytes
            << ": expected refused, got laid out";
    }
}
