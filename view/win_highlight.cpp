#include "view/win_highlight.h"

#include "rules/board.h"
#include "view/board_geometry.h"

void HighlightStep(WindowHandle window, int32_t x0, int32_t y0) {
    // Only a completed five has a direction; without one there is nothing to blink.
    if (winDirection < 1 || winDirection > 4) return;
    const Cell shown = (Phase % 2) * winnerColour;
    for (int32_t k = 0; k < 5; k++) {
        const int32_t x = x0 + k * kDirX[winDirection];
        const int32_t y = y0 + k * kDirY[winDirection];
        Board[x][y] = shown;
        InvalidateArea(window, CellRect(x, y));
    }
}
