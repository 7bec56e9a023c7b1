// Where the parts of a Windows bitmap file lie, worked out from the bytes
// actually read before any of them reaches the system. Every offset and
// length it gives lies inside those bytes.
#pragma once

#include <stdint.h>

const int32_t kBitmapFileHeaderBytes = 14;  // "BM", bfSize, two reserved words, bfOffBits
const int32_t kBitmapInfoHeaderBytes = 40;  // the smallest info header we read fields from
// A whole file, as bfSize gives it: room for a 24-bit picture of 1182 x 1182,
// larger than the board at the largest window size. A bigger one would be
// read again for every stone on every paint.
const int32_t kMaxBitmapFileBytes = 4 * 1024 * 1024;
const int32_t kMaxBitmapSide = 16384;
const int32_t kMaxPaletteColours = 256;     // the logical palette's size

// biCompression values we draw.
const uint32_t kBitmapRgb = 0, kBitmapRle8 = 1, kBitmapRle4 = 2, kBitmapBitFields = 3;

// Offset of biSizeImage inside the block that follows the file header.
const int32_t kSizeImageOffset = 20;

// bfSize - 14, the bytes to read after the 14-byte file header; 0 when the
// header does not begin with "BM" or that count is not positive or bfSize
// is larger than kMaxBitmapFileBytes. A file may hold fewer bytes than
// this: the layout is then bounded by what it holds.
int32_t BitmapBlockSize(const uint8_t* fileHeader);

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
// block, and 16- or 32-bit bit-field images whose three masks lie inside
// the block (inside a header of 52 bytes or more, or right after a 40-byte
// one). False for anything drawing would read outside the block, and for
// every other image: planes other than 1, sides zero, negative widths,
// sides beyond kMaxBitmapSide, other compressions and bit counts.
bool LayOutBitmap(const uint8_t* block, int32_t blockBytes, BitmapLayout& layout);
