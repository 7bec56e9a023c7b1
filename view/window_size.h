// The outer sizes of the main window for the fixed sizes Tiny .. Huge, and
// whether one fits the screen. Each fixed size is a board of a given size;
// the window is that board plus whatever this system's caption, menu bar,
// frame and status bar take. Pure arithmetic, no system calls: the Win32
// side measures the frame and the bar. The board geometry
// (ComputeGeometry, IntersectionCentre, ClickToIntersection) comes with it.
#pragma once

#include <stdint.h>

#include "settings/options.h"
#include "view/board_geometry.h"

// The client width, and the client height above the status bar, of Tiny ..
// Huge, the sizes before kFreeSize: kBoardUnit * k for k = 3 .. 7, which
// gives cells of 18, 24, 30, 36 and 42 pixels with the board at the
// client's corner.
extern const int32_t kBoardSide[kFreeSize];

struct WindowSize {
    int32_t width;
    int32_t height;
};

// What the main window adds to its board, as this system draws it.
struct WindowFrame {
    WindowSize around;        // borders, caption and menu bar: outer size less client size
    int32_t statusBarHeight;  // the status bar control's own height
};

// Wine's default metrics, for which the sizes were first made: 3-pixel
// fixed frames, a 19-pixel caption and menu bar, a 20-pixel status bar.
// They give the outer sizes 354 x 392 (Tiny) .. 818 x 856 (Huge), 20 more
// with the status bar.
const WindowFrame kClassicFrame = {{6, 44}, 20};
// The status bar's height in the classic frame; what is reserved for the
// bar until the real one exists and can be measured.
const int32_t kStatusBarHeight = kClassicFrame.statusBarHeight;

// Outer size of the fixed size 0..4 in this frame, with the status bar's
// height when statusBar is not 0. An index outside 0..4 is taken as the
// nearest fixed size.
WindowSize WindowSizeFor(int32_t sizeIndex, const WindowFrame& frame, int32_t statusBar);

// True when the fixed size 0..4 in this frame fits a screen screenHeight
// pixels high, with two pixels to spare, counting the status bar whether it
// is shown or not. An index outside 0..4 is taken as the nearest fixed size.
bool SizeFitsScreenHeight(int32_t sizeIndex, const WindowFrame& frame, int32_t screenHeight);
