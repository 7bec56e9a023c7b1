// A compact way to write positions in tests:
//   SetPosition("B 10,10 11,10 12,10  W 10,11 11,11");
// "B" and "W" choose the colour of the coordinates (x,y) that follow.
// The game is reset first: empty board with its wall ring, no moves, Black
// to move, no five.
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
    Phase = 1;
}

inline void PutStones(const std::string& text) {
    std::istringstream in(text);
    std::string token;
    Cell colour = Black;
    while (in >> token) {
        if (token == "B") { colour = Black; continue; }
        if (token == "W") { colour = White; continue; }
        int x = 0, y = 0;
        char comma = 0;
        std::istringstream(token) >> x >> comma >> y;
        Board[x][y] = colour;
    }
}

inline void SetPosition(const std::string& text) {
    ResetGame();
    PutStones(text);
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
