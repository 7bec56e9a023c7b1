#include "rules/double_three.h"

#include "rules/board.h"
#include "rules/lines.h"

// A solid run of exactly three with both next cells Empty; nothing further
// out is looked at.
static bool IsOpenThree(int32_t x, int32_t y, Direction d) {
    int32_t openEnds = 0;
    return RunLength(x, y, d, openEnds) == 3 && openEnds == 2;
}

static int32_t FindDoubleThree(int32_t x, int32_t y) {
    Direction first = 0;
    for (Direction d = 1; d <= 4 && first == 0; d++)
        if (IsOpenThree(x, y, d)) first = d;
    if (first == 0) return 0;

    // The three's backward end stone S, then S and the two stones after it.
    const Cell own = Board[x][y];
    int32_t sx = x;
    int32_t sy = y;
    while (Board[sx - kDirX[first]][sy - kDirY[first]] == own) {
        sx -= kDirX[first];
        sy -= kDirY[first];
    }
    for (int32_t k = 0; k < 3; k++) {
        const int32_t px = sx + k * kDirX[first];
        const int32_t py = sy + k * kDirY[first];
        for (Direction e = 1; e <= 4; e++)
            if (e != first && IsOpenThree(px, py, e)) return 1;
    }
    return 0;
}

int32_t IsDoubleThree(int32_t x, int32_t y) {
    Board[x][y] = Phase;  // the side to move's stone, for the test only
    const int32_t result = FindDoubleThree(x, y);
    Board[x][y] = Empty;
    return result;
}
