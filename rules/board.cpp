#include "rules/board.h"

#include "product.h"
#include "rules/lines.h"
#include "settings/options.h"

const int32_t kDirX[5] = {0, 1, 1, 0, -1};
const int32_t kDirY[5] = {0, 0, 1, 1, 1};

Cell Board[kBoardCells][kBoardCells];
int32_t historyX[kMostMoves + 1];
int32_t historyY[kMostMoves + 1];
int32_t moveCount = 0;
int32_t winnerColour = 0;
int32_t winDirection = 0;
int32_t Phase = kPhaseBlack;

void InitWallRing() {
    // Every walk along a line stops at this ring without a bounds test. The
    // room past column and row 19 is wall as well, so the game never sees it.
    for (int32_t x = 0; x < kBoardCells; x++)
        for (int32_t y = 0; y < kBoardCells; y++)
            if (x < 1 || x > kBoardSize || y < 1 || y > kBoardSize) Board[x][y] = Wall;
}

void PlaceStone(WindowHandle window, int32_t x, int32_t y) {
    Board[x][y] = Phase;
    historyX[moveCount] = x;
    historyY[moveCount] = y;
    moveCount++;
    historyX[moveCount] = 0;  // also cuts off the moves that were taken back
    InvalidateCell(window, x, y);
    if (options.sound) PlaySoundFile(kStoneSoundFile);

    winDirection = FindFive(x, y);
    if (winDirection != 0) {
        // FindFive moved (x, y) to the five's first stone; the win
        // highlight finds the five there.
        winnerColour = Board[x][y];
        historyX[0] = x;
        historyY[0] = y;
        Phase = kPhaseFiveMade;
    } else {
        Phase = Opponent(Phase);
    }
}

void NewGame(WindowHandle window) {
    for (int32_t x = 1; x <= kBoardSize; x++)
        for (int32_t y = 1; y <= kBoardSize; y++) Board[x][y] = Empty;
    if (options.sound && moveCount > 0) PlaySoundFile(kClearSoundFile);
    moveCount = 0;
    InvalidateBoard(window);
}

void UndoMoves(WindowHandle window) {
    for (int ply = 0; ply < 2; ply++) {
        if (moveCount == 0) continue;
        moveCount--;
        Board[historyX[moveCount]][historyY[moveCount]] = Empty;
        Phase = Opponent(Phase);
        InvalidateCell(window, historyX[moveCount], historyY[moveCount]);
    }
}

void RedoMoves(WindowHandle window) {
    for (int ply = 0; ply < 2; ply++) {
        if (historyX[moveCount] == 0) continue;
        int32_t x = historyX[moveCount];
        int32_t y = historyY[moveCount];
        Board[x][y] = Phase;
        moveCount++;
        Phase = Opponent(Phase);
        InvalidateCell(window, x, y);
    }
}
