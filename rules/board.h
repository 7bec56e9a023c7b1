// The board, the record of the current line of play, and the operations
// that change them. They carry out moves; whether a move is allowed and
// whose turn it is are decided by their callers.
#pragma once

#include <stdint.h>

#include "platform/platform.h"

typedef int32_t Cell;
const Cell Empty = 0;
const Cell Black = 1;  // also the number of the Black side
const Cell White = 2;  // also the number of the White side
const Cell Wall = 3;   // the ring around the playing area

// The other side: White for Black and Black for White. Also turns a Phase
// of one side to move into the other's, as the two values are the colours.
inline Cell Opponent(Cell colour) { return colour % 2 + 1; }

// 1 along the row rightwards, 2 down-right, 3 down the column, 4 down-left.
typedef int32_t Direction;
extern const int32_t kDirX[5];
extern const int32_t kDirY[5];

const int32_t kBoardSize = 19;                 // the game's playing area 1..19 each way
const int32_t kMaxMoves = kBoardSize * kBoardSize;
// The arrays have room for a 20 x 20 area, the tournament board the engine
// plays on for other programs; the game walls everything past its 19.
const int32_t kLargestBoardSize = 20;
const int32_t kBoardCells = kLargestBoardSize + 2;  // with the wall ring
const int32_t kMostMoves = kLargestBoardSize * kLargestBoardSize;

// Indexed [x][y]: x the column from the left, y the row from the top.
extern Cell Board[kBoardCells][kBoardCells];

// The moves of the current line of play. historyX[moveCount] is 0 after
// every placement (the end mark); entries between moveCount and the next 0
// are moves taken back that can be replayed.
extern int32_t historyX[kMostMoves + 1];
extern int32_t historyY[kMostMoves + 1];
extern int32_t moveCount;

// The result of the last move: the colour and direction of a completed five.
extern int32_t winnerColour;
extern int32_t winDirection;

// Whose turn it is (1 Black, 2 White) or how far the blinking of a five has
// got (4 to 10). Driven by the game flow; a stone is always written with it,
// which is why the two turn values equal the colours. 3 is never set.
extern int32_t Phase;
const int32_t kPhaseBlack = Black;     // Black to move
const int32_t kPhaseWhite = White;     // White to move
const int32_t kPhaseFiveMade = 4;      // a five was just made; the blinking has not started
const int32_t kPhaseBlinkEnd = 9;      // 5..9: the blinking is under way
const int32_t kPhaseWon = 10;          // the blinking is over; the game waits for a restart

// A side is to move: neither a five nor its blinking is under way.
inline bool IsSideToMove() { return Phase <= kPhaseWhite; }
// A five has been made; the game stays over until a restart.
inline bool IsGameOver() { return Phase >= kPhaseFiveMade; }

void InitWallRing();
void PlaceStone(WindowHandle window, int32_t x, int32_t y);
void NewGame(WindowHandle window);
void UndoMoves(WindowHandle window);
void RedoMoves(WindowHandle window);
