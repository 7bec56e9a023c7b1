#include "view/window_placement.h"

static int64_t Smaller(int64_t a, int64_t b) { return a < b ? a : b; }
static int64_t Larger(int64_t a, int64_t b) { return a > b ? a : b; }

bool CaptionShowsOn(int32_t x, int32_t y, int32_t width, CaptionBar caption, const PixelRect& area,
                    WindowSize grip) {
    // In 64 bits: a stored corner near the end of 32 bits plus a width
    // must not wrap round onto the screen.
    int64_t top = int64_t(y) + caption.top;
    int64_t shownWidth = Smaller(int64_t(x) + width, area.right) - Larger(x, area.left);
    int64_t shownHeight = Smaller(top + caption.height, area.bottom) - Larger(top, area.top);
    return shownWidth >= grip.width && shownHeight >= grip.height;
}

WindowSize CutToArea(WindowSize size, int32_t x, int32_t y, const PixelRect& area) {
    WindowSize cut;
    cut.width = (int32_t)Smaller(size.width, Larger(0, int64_t(area.right) - x));
    cut.height = (int32_t)Smaller(size.height, Larger(0, int64_t(area.bottom) - y));
    return cut;
}

WindowSize FreeWindowSize(WindowSize stored, WindowSize frame, int32_t statusBar) {
    // The smallest client area that shows the board: one unit, cells of 6 pixels.
    int32_t smallestWidth = kBoardUnit + frame.width;
    int32_t smallestHeight = kBoardUnit + frame.height + (statusBar != 0 ? kStatusBarHeight : 0);
    WindowSize size;
    size.width = stored.width < smallestWidth ? smallestWidth : stored.width;
    size.height = stored.height < smallestHeight ? smallestHeight : stored.height;
    return size;
}
