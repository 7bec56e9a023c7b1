// Where the parts of a Windows bitmap file lie, worked out from the bytes
// actually read before any of them reaches the system. Every offset and
// length it gives lies inside those bytes.
#pragma once

#include <stdint.h>

const int32_t kBitmapFileHeaderBytes = 14;  // "BM", bfSize, two reserved words, bfOffBits
const int32_t kBitmapInfoHeaderBytes = 40;  // the smallest info header we read fields from
const int32_t kMaxPaletteColours = 256;     // the logical palette's size

// What a picture is drawn as. Pictures are read afresh on every paint: the
// board once, a stone once for every stone on the board, up to 361 times.
enum PictureRole { kBoardPicture, kStonePicture };

// How large a picture of each role may be; a larger one is not drawn. The
// system unpacks and converts the whole source for every draw, so a draw
// costs about its file's bytes and its pixels: the bounds keep a full
// board of the largest pictures within a few times the stock pictures' time.
struct PictureBounds {
    int32_t fileBytes;  // bfSize at most: the bytes read for every draw
    int32_t side;       // width and height each at most
};
// The board is stretched once into at most 812 x 812 (Huge); a stone into
// a cell of at most 42 x 42, so a larger stone only costs time.
const PictureBounds kPictureBounds[2] = {
    {4 * 1024 * 1024, 1024},  // kBoardPicture: a 24-bit 1024 x 1024 picture fits
    {20 * 1024, 64},          // kStonePicture: a 32-bit 64 x 64 picture fits
};

// biCompression values we draw.
const uint32_t kBitmapRgb = 0, kBitmapRle8 = 1, kBitmapRle4 = 2, kBitmapBitFields = 3;

// Offset of biSizeImage inside the block that follows the file header.
const int32_t kSizeImageOffset = 20;

// bfSize - 14, the bytes to read after the 14-byte file header; 0 when the
// header does not begin with "BM" or that count is not positive or bfSize
// is larger than the role's fileBytes. A file may hold fewer bytes than
// this: the layout is then bounded by what it holds.
int32_t BitmapBlockSize(const uint8_t* fileHeader, PictureRole role);

// The parts of the block read after the file header, as offsets from its start.
struct BitmapLayout {
    int32_t colourCount;        // colour table entries, 0..256
    int32_t colourTableOffset;  // biSize, or after the three masks that follow a 40-byte header
    int32_t bitsOffset;         // right after the colour table
    int32_t bitsBytes;          // what drawing the whole image reads: stride x rows, or the compressed data
    int32_t width;              // source width of the stretch
    int32_t height;             // source height: rows, positive whichever way they run
    int32_t sizeImage;          // biSizeImage as it must read while drawing
};

// Lays out the block of blockBytes bytes read after the file header.
// Draws uncompressed images of 1, 4, 8, 16, 24 or 32 bits, RLE8 and RLE4
// bottom-up images whose biSizeImage gives compressed data inside the
// block and which skip (delta codes) no more often than they have rows,
// and 16- or 32-bit bit-field images whose three masks lie inside the
// block (inside a header of 52 bytes or more, or right after a 40-byte
// one). False for anything drawing would read outside the block, and for
// every other image: planes other than 1, sides zero, negative widths,
// sides beyond the role's bounds, other compressions and bit counts.
bool LayOutBitmap(const uint8_t* block, int32_t blockBytes, PictureRole role, BitmapLayout& layout);
