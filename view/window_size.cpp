#include "view/window_size.h"

#include "settings/options.h"

// 116 * k + 6: a client area 6 pixels narrower is exactly k boards of 116
// pixels, so the cells come out 18, 24, 30, 36 and 42 pixels wide.
const int32_t kWindowSize[5] = {354, 470, 586, 702, 818};

// Table index for any value, so a size read from an edited settings file
// can never read past kWindowSize.
static int32_t FixedSize(int32_t sizeIndex) {
    if (sizeIndex < 0) return 0;
    if (sizeIndex > 4) return 4;
    return sizeIndex;
}

WindowSize WindowSizeFor(int32_t sizeIndex) {
    int32_t side = kWindowSize[FixedSize(sizeIndex)];
    WindowSize size;
    size.width = side;
    size.height = side + kExtraHeight + (options.statusBar != 0 ? kStatusBarHeight : 0);
    return size;
}

bool SizeFitsScreenHeight(int32_t sizeIndex, int32_t screenHeight) {
    // Two pixels more than the tallest window of this size.
    return screenHeight >= kWindowSize[FixedSize(sizeIndex)] + kExtraHeight + kStatusBarHeight + 2;
}
