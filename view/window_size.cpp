#include "view/window_size.h"

// 348, 464, 580, 696 and 812 pixels.
const int32_t kBoardSide[kFreeSize] = {3 * kBoardUnit, 4 * kBoardUnit, 5 * kBoardUnit, 6 * kBoardUnit,
                                       7 * kBoardUnit};

// Table index for any value, so a size read from an edited settings file
// can never read past kBoardSide.
static int32_t FixedSize(int32_t sizeIndex) {
    if (sizeIndex < 0) return 0;
    if (IsFreeSize(sizeIndex)) return kFreeSize - 1;
    return sizeIndex;
}

WindowSize WindowSizeFor(int32_t sizeIndex, const WindowFrame& frame, int32_t statusBar) {
    int32_t side = kBoardSide[FixedSize(sizeIndex)];
    WindowSize size;
    size.width = side + frame.around.width;
    size.height = side + frame.around.height + (statusBar != 0 ? frame.statusBarHeight : 0);
    return size;
}

bool SizeFitsScreenHeight(int32_t sizeIndex, const WindowFrame& frame, int32_t screenHeight) {
    // Two pixels more than the tallest window of this size.
    return screenHeight >= WindowSizeFor(sizeIndex, frame, 1).height + 2;
}
