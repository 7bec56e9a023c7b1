// The outer sizes of the main window for the fixed sizes Tiny .. Huge, and
// whether one fits the screen. Pure arithmetic, no system calls; the board
// geometry (ComputeGeometry, IntersectionCentre, ClickToIntersection) comes
// with it.
#pragma once

#include <stdint.h>

#include "view/board_geometry.h"

extern const int32_t kWindowSize[5];     // outer widths of Tiny .. Huge
const int32_t kExtraHeight = 38;         // added to the outer height of a fixed size
const int32_t kStatusBarHeight = 20;     // reserved for the status bar

struct WindowSize {
    int32_t width;
    int32_t height;
};

// Outer size of the fixed size 0..4, with the status bar's allowance when
// options.statusBar is not 0. An index outside 0..4 is taken as the
// nearest fixed size.
WindowSize WindowSizeFor(int32_t sizeIndex);

// True when the fixed size 0..4 fits a screen screenHeight pixels high,
// counting the status bar's allowance whether it is shown or not. An index
// outside 0..4 is taken as the nearest fixed size.
bool SizeFitsScreenHeight(int32_t sizeIndex, int32_t screenHeight);
