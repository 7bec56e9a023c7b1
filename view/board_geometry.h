// Where the board lies in the main window's client area, in pixels, and
// which intersection a press lands on. Pure arithmetic, no system calls.
#pragma once

#include <stdint.h>

#include "platform/platform.h"
#include "rules/board.h"

// The board picture's unit: kBoardSize (19) cells of 6 pixels and a third of
// a cell of margin. A side k units long holds cells of 6k pixels, and one
// unit is the smallest side that shows the board.
const int32_t kBoardUnit = 116;

struct BoardGeometry {
    int32_t cellWidth;   // always a multiple of 6
    int32_t cellHeight;  // always a multiple of 6
    int32_t boardLeft;
    int32_t boardTop;    // negative when the client area is very low
};

// All zero until the first size change of the main window.
extern BoardGeometry boardGeometry;

// The geometry for a client area of clientWidth x clientHeight pixels, the
// bottom statusBarHeight of it kept for the status bar (0 while the bar is
// hidden). The board is centred in the largest multiple of kBoardUnit that
// fits each way; all divisions truncate toward zero.
BoardGeometry ComputeGeometry(int32_t clientWidth, int32_t clientHeight, int32_t statusBarHeight);

// The cell of intersection (x, y), x and y 1..19.
PixelRect CellRect(int32_t x, int32_t y);
// The whole board image: 19 cells plus a sixth of a cell of margin each side.
PixelRect BoardRect();

struct PixelPoint {
    int32_t x;
    int32_t y;
};

// The pixel of the grid point of intersection (x, y): the centre of its cell.
PixelPoint IntersectionCentre(int32_t x, int32_t y);

// The intersection (x, y) under a press at (px, py), from boardGeometry.
// True only when both lie in 1..19; false when the press is off the board,
// which includes every press while a cell size is 0 (x and y are then 0).
bool ClickToIntersection(int32_t px, int32_t py, int32_t& x, int32_t& y);
