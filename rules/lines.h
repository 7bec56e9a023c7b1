// Walks along one line of the board. They only read it, and rely on the
// wall ring to stop: a walk goes on while a cell equals the starting stone.
#pragma once

#include <stdint.h>

#include "rules/board.h"

// Length of the solid run of like stones through (x, y) along d; openEnds
// counts the run's ends whose next cell is Empty.
int32_t RunLength(int32_t x, int32_t y, Direction d, int32_t& openEnds);

// The run read with at most one Empty cell bridged just past one of its
// ends; 0 when both ends of the solid run are closed.
int32_t GappedRunLength(int32_t x, int32_t y, Direction d, int32_t& openEnds);

// The direction of a line of exactly five through (x, y), or 0. On success
// x and y are moved to the line's first (backward end) stone.
Direction FindFive(int32_t& x, int32_t& y);
