// Board geometry in the client area, clicks to intersections, and the
// outer sizes of the main window. Pure arithmetic, no system calls.
#pragma once

#include <stdint.h>

#include "view/board_geometry.h"

extern const int32_t kWindowSize[5];     // outer widths of Tiny .. Huge
const int32_t kExtraHeight = 38;         // added to the outer height of a fixed size
const int32_t kStatusBarHeight = 20;     // reserved for the status bar

// The geometry for a client area of width x height pixels.
BoardGeometry ComputeGeometry(int32_t clientWidth, int32_t clientHeight, int32_t statusBar);

struct PixelPoint {
    int32_t x;
    int32_t y;
};

// The pixel of the grid point of intersection (x, y), from boardGeometry.
PixelPoint IntersectionCentre(int32_t x, int32_t y);

// The intersection under a press at (px, py); false when the press is off
// the board (including while a cell size is 0).
bool ClickToIntersection(int32_t px, int32_t py, int32_t& x, int32_t& y);

struct WindowSize {
    int32_t width;
    int32_t height;
};

// Outer size of the fixed size 0..4, with the status bar's allowance when
// options.statusBar is 1.
WindowSize WindowSizeFor(int32_t sizeIndex);
