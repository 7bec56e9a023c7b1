// Positions for tests: SetPosition("B 10,10 11,10  W 10,11") empties the board (walls kept), clears
// the record, gives Black the move and puts the stones: "B" or "W", then each stone's x,y.
#pragma once

#include <sstream>
#include <string>

#include "rules/board.h"

inline void ResetGame() {
    for (int x = 0; x < kBoardCells; x++)
        for (int y = 0; y < kBoardCells; y++) Board[x][y] = Empty;
    InitWallRing();
    for (int i = 0; i <= kMaxMoves; i++) historyX[i] = historyY[i] = 0;
    moveCount = 0;
    winnerColour = 0;
    winDirection = 0;
    Phase = kPhaseBlack;
}

inline void SetPosition(const std::string& text) {
    ResetGame();
    std::istringstream in(text);
    std::string token;
    Cell colour = Black;
    while (in >> token) {
        if (token == "B" || token == "W") {
            colour = token == "B" ? Black : White;
            continue;
        }
        int x = 0;
        int y = 0;
        char comma = 0;
        std::istringstream(token) >> x >> comma >> y;
        Board[x][y] = colour;
    }
}

// The whole board (ring included) as a string, to compare positions.
inline std::string BoardSnapshot() {
    std::string s;
    for (int y = 0; y < kBoardCells; y++) {
        for (int x = 0; x < kBoardCells; x++) s += (char)('0' + Board[x][y]);
        s += '\n';
    }
    return s;
}
