#include "view/window_placement.h"

static int64_t Smaller(int64_t a, int64_t b) { return a < b ? a : b; }
static int64_t Larger(int64_t a, int64_t b) { return a > b ? a : b; }

bool WindowShowsOn(int32_t x, int32_t y, WindowSize size, const ScreenRect& area, WindowSize grip) {
    // In 64 bits: a stored corner near the end of 32 bits plus a width
    // must not wrap round onto the screen.
    int64_t shownWidth = Smaller(int64_t(x) + size.width, area.right) - Larger(x, area.left);
    int64_t shownHeight = Smaller(int64_t(y) + size.height, area.bottom) - Larger(y, area.top);
    return shownWidth >= grip.width && shownHeight >= grip.height;
}

WindowSize FreeWindowSize(WindowSize stored, WindowSize frame, int32_t statusBar) {
    int32_t smallestWidth = kSmallestBoardSide + frame.width;
    int32_t smallestHeight = kSmallestBoardSide + frame.height + (statusBar != 0 ? kStatusBarHeight : 0);
    WindowSize size;
    size.width = stored.width < smallestWidth ? smallestWidth : stored.width;
    size.height = stored.height < smallestHeight ? smallestHeight : stored.height;
    return size;
}
