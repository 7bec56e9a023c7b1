// Where the main window starts and the size a Free window starts with: a
// stored position is kept only when enough of the caption bar shows on a
// screen to take hold of it, and a stored Free size is cut back to the
// screen and raised where it would leave no room for the board. Pure
// arithmetic over numbers the Win32 side reads from the system.
#pragma once

#include <stdint.h>

#include "view/window_size.h"

// The caption bar, the strip the user grabs to move the window, across the
// window's width: its top edge lies top pixels below the window's (the
// border), and it is height pixels high.
struct CaptionBar {
    int32_t top;
    int32_t height;
};

// True when the caption bar of a window with its outer top-left corner at
// (x, y) and this outer width overlaps the area by at least grip.width x
// grip.height pixels: enough of it shows to take hold of it and drag the
// window back. Any values, even the far ends of 32 bits, are safe.
bool CaptionShowsOn(int32_t x, int32_t y, int32_t width, CaptionBar caption, const PixelRect& area,
                    WindowSize grip);

// The outer size cut back where a window with its top-left corner at (x, y)
// would reach past the area's right or bottom edge, so that its lower rows
// and status bar show. Never grows it.
WindowSize CutToArea(WindowSize size, int32_t x, int32_t y, const PixelRect& area);

// The outer size a Free window starts with: the stored width and height,
// each raised to the smallest that shows the board when it is less. frame
// is what the window adds around its client area (borders, caption and
// menu bar); the status bar's height is added when statusBar is not 0.
WindowSize FreeWindowSize(WindowSize stored, WindowSize frame, int32_t statusBar);
