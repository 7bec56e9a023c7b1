#include "rules/lines.h"

// Number of consecutive cells equal to own, starting step cells away from
// (x, y) and stepping by step along d (step is +1 or -1).
static int32_t CountOwn(int32_t x, int32_t y, Direction d, int32_t step, int32_t start, Cell own) {
    int32_t n = 0;
    for (int32_t k = start;; k++) {
        if (Board[x + step * k * kDirX[d]][y + step * k * kDirY[d]] != own) return n;
        n++;
    }
}

static Cell CellAt(int32_t x, int32_t y, Direction d, int32_t k) {
    return Board[x + k * kDirX[d]][y + k * kDirY[d]];
}

int32_t RunLength(int32_t x, int32_t y, Direction d, int32_t& openEnds) {
    const Cell own = Board[x][y];
    const int32_t back = CountOwn(x, y, d, -1, 1, own);
    openEnds = CellAt(x, y, d, -(back + 1)) == Empty ? 1 : 0;
    const int32_t fwd = CountOwn(x, y, d, +1, 1, own);
    if (CellAt(x, y, d, fwd + 1) == Empty) openEnds++;
    return back + fwd + 1;
}

// One reading of GappedRunLength: the gap is looked for past the end that
// lies in direction step (+1 forward, -1 backward).
static int32_t GappedReading(int32_t x, int32_t y, Direction d, int32_t step, int32_t& open) {
    const Cell own = Board[x][y];
    const int32_t behind = CountOwn(x, y, d, -step, 1, own);
    open = CellAt(x, y, d, -step * (behind + 1)) == Empty ? 1 : 0;
    const int32_t ahead = CountOwn(x, y, d, step, 1, own);
    if (CellAt(x, y, d, step * (ahead + 1)) != Empty) return 0;
    // The gap cell itself counts neither as a stone nor as an open end.
    const int32_t beyond = CountOwn(x, y, d, step, ahead + 2, own);
    if (CellAt(x, y, d, step * (ahead + 2 + beyond)) == Empty) open++;
    return behind + 1 + ahead + beyond;
}

int32_t GappedRunLength(int32_t x, int32_t y, Direction d, int32_t& openEnds) {
    int32_t openF = 0;
    int32_t openB = 0;
    const int32_t lengthF = GappedReading(x, y, d, +1, openF);
    const int32_t lengthB = GappedReading(x, y, d, -1, openB);
    // A tie goes to the forward reading.
    if (lengthB > lengthF) {
        openEnds = openB;
        return lengthB;
    }
    openEnds = openF;
    return lengthF;
}

Direction FindFive(int32_t& x, int32_t& y) {
    const Cell own = Board[x][y];
    for (Direction d = 1; d <= 4; d++) {
        const int32_t back = CountOwn(x, y, d, -1, 1, own);
        const int32_t sx = x - back * kDirX[d];
        const int32_t sy = y - back * kDirY[d];
        if (CountOwn(sx, sy, d, +1, 0, own) == 5) {
            x = sx;
            y = sy;
            return d;
        }
    }
    return 0;
}
