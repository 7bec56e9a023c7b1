// The board and the two stones, as 8-bit pictures with their colour tables.
#pragma once

#include <stdint.h>

#include "asset_files.h"

// The wood, exactly: the stones' corners are this colour, so a stone shows
// no square box on the board.
const Rgb kBoardColour = {222, 176, 98};

// The Tiny board's size: pixel for pixel there, and smooth enough to be
// stretched to any other.
const int32_t kBoardSide = 348;
const int32_t kStoneSide = 42;

// Fill pixels (side x side, rows from the top) and a 256-entry palette.
void MakeBoard(uint8_t* pixels, Rgb* palette);
void MakeStone(bool white, uint8_t* pixels, Rgb* palette);
