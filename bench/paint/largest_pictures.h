// The largest pictures the bounds of a role allow, one of each kind the
// reader draws: every bit count uncompressed, bit fields, top-down rows,
// RLE8 and RLE4 with a run for every pixel, and RLE drawn one to one with
// a skip on every row. Which is the slowest depends on the system, so the
// paint bench times them all.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "view/bitmap_layout.h"

struct BenchPicture {
    std::string name;            // "24-bit 1024x1024", ...
    std::vector<uint8_t> bytes;  // the whole file
};

// drawnSide: the side the role's picture is drawn at, at the Huge size
// (812 for the board, 42 for a stone), where RLE is drawn one to one.
std::vector<BenchPicture> LargestPictures(PictureRole role, int32_t drawnSide);
