// Where the main window starts and how small a Free window may start:
// a stored position is kept only when enough of the window shows on a
// screen to take hold of it, and a stored Free size is raised where it
// would leave no room for the board. Pure arithmetic over numbers the
// Win32 side reads from the system.
#pragma once

#include <stdint.h>

#include "view/window_size.h"

// A rectangle in screen pixels; right and bottom are exclusive.
struct ScreenRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// The smallest client area that shows the board: cells of 6 pixels.
const int32_t kSmallestBoardSide = 116;

// True when a window with its outer top-left corner at (x, y) and this
// outer size overlaps the area by at least grip.width x grip.height pixels:
// enough of it shows to be seen and dragged back. Any values, even the
// far ends of 32 bits, are safe.
bool WindowShowsOn(int32_t x, int32_t y, WindowSize size, const ScreenRect& area, WindowSize grip);

// The outer size a Free window starts with: the stored width and height,
// each raised to the smallest that shows the board when it is less. frame
// is what the window adds around its client area (borders, caption and
// menu bar); the status bar's height is added when statusBar is not 0.
WindowSize FreeWindowSize(WindowSize stored, WindowSize frame, int32_t statusBar);
