#include "ai/computer_player.h"

#include "ai/evaluation.h"
#include "rules/board.h"
#include "rules/double_three.h"
#include "settings/options.h"

uint32_t randomState = 1;

int32_t NextRandom() {
    randomState = randomState * 214013u + 2531011u;  // wraps modulo 2^32
    return (int32_t)((randomState >> 16) & 0x7FFF);
}

bool ChooseComputerMove(int32_t& x, int32_t& y) {
    if (moveCount == 0) {
        // The opening goes to the centre, without rating or drawing.
        x = 10;
        y = 10;
        return true;
    }
    const Cell own = options.computerColour;
    const Cell other = Opponent(own);
    int32_t best = -1;  // below every score, so the first qualifying cell is taken
    bool taken = false;
    // Every cell inside the ring: on the game's board the cells past 19 are
    // Wall and skipped like stones, before any draw.
    for (int32_t cx = 1; cx <= kLargestBoardSize; cx++) {
        for (int32_t cy = 1; cy <= kLargestBoardSize; cy++) {
            if (Board[cx][cy] != Empty) continue;
            if (options.allowDoubleThree == 0 && IsDoubleThree(cx, cy)) continue;
            const int32_t score = EvaluateCell(cx, cy, own) + EvaluateCell(cx, cy, other);
            // A tie draws from the generator even when a better cell comes
            // later, so every later tie-break depends on the whole scan.
            if (score > best || (score == best && NextRandom() % 7 == 0)) {
                best = score;
                x = cx;
                y = cy;
                taken = true;
            }
        }
    }
    return taken;
}
