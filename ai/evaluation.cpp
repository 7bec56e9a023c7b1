#include "ai/evaluation.h"

#include "rules/lines.h"
#include "settings/options.h"

int32_t TenPower(int32_t n) {
    int32_t value = 1;
    for (int32_t i = 1; i <= n - 1; i++) value *= 10;
    return value;
}

int32_t SolidRunScore(int32_t x, int32_t y, Direction d) {
    int32_t e = 0;
    const int32_t n = RunLength(x, y, d, e);
    if (n > 5) return 0;  // six or more in a line is worth nothing to either side
    if (Board[x][y] == options.computerColour) {
        if (n == 5) return TenPower(6) + e;
        if (n == 4) return e == 0 ? 0 : TenPower(3 + e) * (3 - e);
        return TenPower(n) * 2 * e;
    }
    // The opponent's runs: a five to deny ranks first, an open four next;
    // a four with one open end counts less than any three.
    if (n == 5) return 2 * TenPower(5);
    if (n == 4) return e == 2 ? TenPower(4) + 3 * e : 2 * e;
    return n * n;
}

int32_t GappedRunScore(int32_t x, int32_t y, Direction d) {
    int32_t e = 0;
    const int32_t n = GappedRunLength(x, y, d, e);
    if (n < 3 || n > 4) return 0;
    if (Board[x][y] == options.computerColour) {
        if (n == 4) return e + 2 * TenPower(4);
        return TenPower(3) * e + e;
    }
    return TenPower(n) / 2 + e;
}

// The four directions' scores combined by the level, with the stone in place.
static int32_t CombinedScore(int32_t x, int32_t y, Cell colour) {
    int32_t solid = 0;           // every direction's solid score
    int32_t gapped = 0;          // the gapped scores of the directions where they beat the solid one
    int32_t solidOfGapped = 0;   // the solid scores of those same directions
    int32_t gappedDirections = 0;
    for (Direction d = 1; d <= 4; d++) {
        const int32_t s = SolidRunScore(x, y, d);
        const int32_t g = GappedRunScore(x, y, d);
        solid += s;
        if (g > s) {
            gapped += g;
            solidOfGapped += s;
            gappedDirections++;
        }
    }
    if (options.level == 0) return solid;

    int32_t total = solid;
    if (total > TenPower(3) || (gappedDirections > 1 && gapped > 4 * TenPower(3)))
        total += gapped - solidOfGapped;
    else if (gapped > 400)
        total += gapped / 10;  // one gapped four alone earns a tenth of its score

    // Only the computer's own moves are vetoed; the nested evaluations of
    // the opponent's replies therefore never recurse further.
    if (total < TenPower(5) && colour == options.computerColour && ThreatAtRunEnds(x, y))
        total = 0;
    return total;
}

int32_t EvaluateCell(int32_t x, int32_t y, Cell colour) {
    Board[x][y] = colour;  // for the duration of the rating only
    const int32_t value = CombinedScore(x, y, colour);
    Board[x][y] = Empty;
    return value;
}

// The cell just past the run of (x, y)'s colour, stepping by step along d.
static bool ThreatPastRunEnd(int32_t x, int32_t y, Direction d, int32_t step) {
    const Cell own = Board[x][y];
    int32_t ex = x + step * kDirX[d];
    int32_t ey = y + step * kDirY[d];
    while (Board[ex][ey] == own) {
        ex += step * kDirX[d];
        ey += step * kDirY[d];
    }
    // A Wall or an opponent's stone closes the end and is not examined.
    return Board[ex][ey] == Empty && EvaluateCell(ex, ey, Opponent(own)) > TenPower(4);
}

bool ThreatAtRunEnds(int32_t x, int32_t y) {
    for (Direction d = 1; d <= 4; d++) {
        if (ThreatPastRunEnd(x, y, d, -1)) return true;
        if (ThreatPastRunEnd(x, y, d, +1)) return true;
    }
    return false;
}
