// The geometry's Win32 side: size changes, the screen-fit test and the
// snapping of the window to screen edges.
#pragma once

#include <windows.h>

#include <stdint.h>

#include "view/window_size.h"

// On WM_SIZE, with the client width and height (the message's low and high
// words): recompute boardGeometry, leaving the status bar's own height at
// the bottom when options.statusBar is on, then show the bar and lay it out,
// or hide it. Safe before the status bar exists: the geometry is computed
// with kStatusBarHeight then. Invalidates nothing.
void UpdateGeometry(HWND window, int32_t clientWidth, int32_t clientHeight);
// The outer size of the fixed size 0..4 on this system: the board, the
// frame, caption and menu bar of a fixed-size window (AdjustWindowRectEx),
// and the status bar's own height when options.statusBar is on
// (kStatusBarHeight until the bar exists).
WindowSize FixedWindowSize(int32_t sizeIndex);
// True when the fixed size 0..4, with its status bar, fits the screen
// height (SM_CYSCREEN) with two pixels to spare.
bool SizeFitsScreen(int32_t sizeIndex);
// On WM_MOVE: pull the window onto a screen edge it is within 4 pixels of;
// it is moved only when its position changes.
void SnapToScreenEdges(HWND window);
// The stored position, or the platform's default (CW_USEDEFAULT for both)
// when a window of this size and style there would not show enough of its
// caption bar to take hold of, on the work area nor on that of the monitor
// nearest to the bar: above the screen, or on a monitor unplugged since. A
// stored x of CW_USEDEFAULT is the default already.
void ChooseStartPosition(int32_t& x, int32_t& y, WindowSize size, DWORD style);
// A stored Free size, raised where it would leave no room for the board.
WindowSize FreeStartSize(int32_t width, int32_t height);
// A Free size, raised as above, cut back so that the window at the position
// ChooseStartPosition chose ends within the work area it opens on (at
// CW_USEDEFAULT, the primary one): its status bar and lower rows show.
WindowSize FitFreeStartSize(WindowSize size, int32_t x, int32_t y);
