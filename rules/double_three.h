// The double-three rule: a move that gives the side to move two open threes
// at once is forbidden while the rule is in force.
#pragma once

#include <stdint.h>

// 1 when a stone of the side to move (Phase) on the Empty cell (x, y) would
// make two open threes, else 0. The board is unchanged afterwards.
int32_t IsDoubleThree(int32_t x, int32_t y);
