// The computer player: rates every Empty intersection one move deep and
// plays the best, ties decided by the program's one random generator.
#pragma once

#include <stdint.h>

extern uint32_t randomState;  // 1 at program start, never reseeded

int32_t NextRandom();  // 0..32767

// The computer's move for the side to move (Phase), in x and y. False when
// no cell qualifies (every Empty cell a forbidden double three); x and y
// are then unchanged and nothing may be placed.
bool ChooseComputerMove(int32_t& x, int32_t& y);
