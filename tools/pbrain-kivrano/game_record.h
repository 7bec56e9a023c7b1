// The brain's game as a value: its stones in the order given, the marked
// points, and the brain's colour. The rules' board, record and Phase are
// set from it whenever it changes, so a command that fails part way can
// put back the game as it was.
#pragma once

#include <stdint.h>

#include "rules/board.h"
#include "tools/pbrain-kivrano/game_terms.h"

// Points in the rules' coordinates, from 1.
struct Point {
    int32_t x;
    int32_t y;
};

struct Stone {
    int32_t x;
    int32_t y;
    Cell colour;
};

struct GameRecord {
    // The rules' own record cannot be replayed after a five (its first entry
    // then names the five), and BOARD may give the colours in any order.
    Stone stones[kMostMoves];
    int32_t stoneCount;
    // The points a BOARD marked as part of a won line of a continuous game
    // (field 3): neither side's stone, but no longer free. They stand as
    // Wall.
    Point marks[kMostMoves];
    int32_t markCount;
    // The brain's colour; the opponent has the other.
    Cell brainColour;
};

// No stones and no marks, the brain White until it opens.
void ClearRecord(GameRecord& record);

// Sets the rules' state to the recorded stones on a board of the terms'
// size, placed in order as the game places them. The position they make is
// judged as a whole, whatever their order: a winning line ends the game
// (Phase kPhaseFiveMade, and false) unless the game is continuous; else
// the brain is to move.
bool ReplayRecord(const GameRecord& record, const GameTerms& terms);

// Places a stone of colour as the game does and records it. A stone that
// completes a winning line ends the game, as a five does in the game,
// unless the game is continuous. True when it ends the game (Phase is then
// kPhaseFiveMade).
bool PlayStone(GameRecord& record, const GameTerms& terms, int32_t x, int32_t y, Cell colour);

// Takes the stone or the marked point on (x, y) out of the record, from
// anywhere in it: the others keep their order, so a replay gives the
// position without it. False when there is none.
bool TakeBack(GameRecord& record, int32_t x, int32_t y);
