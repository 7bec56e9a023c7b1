// Where the board lies in the main window's client area, in pixels.
#pragma once

#include <stdint.h>

#include "platform/platform.h"

struct BoardGeometry {
    int32_t cellWidth;   // always a multiple of 6
    int32_t cellHeight;  // always a multiple of 6
    int32_t boardLeft;
    int32_t boardTop;    // negative when the client area is very low
};

// All zero until the first size change of the main window.
extern BoardGeometry boardGeometry;

// The cell of intersection (x, y), x and y 1..19.
PixelRect CellRect(int32_t x, int32_t y);
// The whole board image: 19 cells plus a sixth of a cell of margin each side.
PixelRect BoardRect();
