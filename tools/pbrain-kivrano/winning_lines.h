// Which lines win the brain's game: exactly five, as in the game (rule 1 of
// the protocol), or five or more (rule 0). The game's rules and computer
// player know only the first; under the second the brain takes or blocks a
// line of six or more itself.
#pragma once

#include <stdint.h>

#include "rules/board.h"

// The stone on (x, y) belongs to a winning line.
bool IsWinningStone(int32_t x, int32_t y, bool fiveOrMore);

// Under five or more: the computer player's move (x, y) for own, the side to
// move, is replaced by a cell that wins for own when it does not win
// itself, else by a cell that stops the opponent's win when it does not.
// Cells forbidden by the double-three ban are passed over.
void TakeOrBlockLongLines(Cell own, int32_t& x, int32_t& y);
