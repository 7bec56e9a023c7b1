// Where the parts of a Windows bitmap file lie, worked out from the bytes
// actually read before any of them reaches the system. Every offset and
// length it gives lies inside those bytes.
#pragma once

#include <stdint.h>

const int32_t kBitmapFileHeaderBytes = 14;  // "BM", bfSize, two reserved words, bfOffBits
const int32_t kBitmapInfoHeaderBytes = 40;  // the smallest info header we read fields from
const int32_t kMaxBitmapBlockBytes = 64 * 1024 * 1024;  // far beyond any board or stone picture
const int32_t kMaxBitmapSide = 16384;
const int32_t kMaxPaletteColours = 256;     // the logical palette's size

// Offset of biSizeImage inside the block that follows the file header.
const int32_t kSizeImageOffset = 20;

// bfSize - 14, the bytes to read after the 14-byte file header; 0 when the
// header does not begin with "BM" or that count is not positive or is
// larger than kMaxBitmapBlockBytes.
int32_t BitmapBlockSize(const uint8_t* fileHeader);

// The parts of the block read after the file header, as offsets from its start.
struct BitmapLayout {
    int32_t colourCount;        // colour table entries, 0..256
    int32_t colourTableOffset;  // biSize
    int32_t bitsOffset;         // right after the colour table
    int32_t bitsBytes;          // what drawing the whole image reads: row stride x rows
    int32_t width;              // source width of the stretch
    int32_t height;             // source height: rows, positive whichever way they run
    int32_t sizeImage;          // biSizeImage as it must read while drawing
};

// Lays out the block of blockBytes bytes that followed the file header.
// False for anything drawing would read outside the block, and for the
// images the game does not draw: compressed ones, bit counts other than
// 1, 4, 8, 16, 24, 32, planes other than 1, sides zero, negative widths,
// or sides beyond kMaxBitmapSide.
bool LayOutBitmap(const uint8_t* block, int32_t blockBytes, BitmapLayout& layout);
