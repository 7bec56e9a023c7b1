#include "tools/pbrain-kivrano/winning_lines.h"

#include "rules/double_three.h"
#include "rules/lines.h"
#include "settings/options.h"

static bool RunOfFiveOrMore(int32_t x, int32_t y) {
    for (Direction d = 1; d <= 4; d++) {
        int32_t openEnds = 0;
        if (RunLength(x, y, d, openEnds) >= 5) return true;
    }
    return false;
}

bool IsWinningStone(int32_t x, int32_t y, bool fiveOrMore) {
    if (fiveOrMore) return RunOfFiveOrMore(x, y);
    return FindFive(x, y) != 0;  // x and y are copies: moving them is harmless
}

// A stone of colour on the Empty (x, y) would make five or more in a row.
static bool WouldWin(int32_t x, int32_t y, Cell colour) {
    Board[x][y] = colour;  // for the test only
    const bool wins = RunOfFiveOrMore(x, y);
    Board[x][y] = Empty;
    return wins;
}

// The first cell, in the computer player's scan order, where a stone of
// colour would win and the side to move may play.
static bool FindWinningCell(Cell colour, int32_t& x, int32_t& y) {
    for (int32_t cx = 1; cx <= kLargestBoardSize; cx++) {
        for (int32_t cy = 1; cy <= kLargestBoardSize; cy++) {
            if (Board[cx][cy] != Empty || !WouldWin(cx, cy, colour)) continue;
            if (options.allowDoubleThree == 0 && IsDoubleThree(cx, cy)) continue;
            x = cx;
            y = cy;
            return true;
        }
    }
    return false;
}

void TakeOrBlockLongLines(Cell own, int32_t& x, int32_t& y) {
    if (WouldWin(x, y, own) || FindWinningCell(own, x, y)) return;
    const Cell other = Opponent(own);
    if (WouldWin(x, y, other)) return;  // the move already stops that win
    FindWinningCell(other, x, y);
}
