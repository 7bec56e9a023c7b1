// The rating of one Empty intersection for one colour: a stone is put there
// for the duration of the call and the runs through it are scored in the
// four directions. Whether a run counts on the own or the opponent scale
// depends on the stone's colour against options.computerColour; options.level
// 0 (Man) sums the solid runs only, anything else (God) also credits gapped
// runs and vetoes moves that leave the opponent a strong reply.
#pragma once

#include <stdint.h>

#include "rules/board.h"

// 10^(n-1) for n >= 1, and 1 for n <= 1.
int32_t TenPower(int32_t n);

// Score of the solid run through the stone on (x, y) along d.
int32_t SolidRunScore(int32_t x, int32_t y, Direction d);

// Score of the run through the stone on (x, y) along d that bridges one gap.
int32_t GappedRunScore(int32_t x, int32_t y, Direction d);

// Value of the Empty playing cell (x, y) for a stone of the colour given.
// The board is the same afterwards.
int32_t EvaluateCell(int32_t x, int32_t y, Cell colour);

// With the computer's stone on (x, y): whether an Empty cell at an end of
// one of its runs is worth more than 1000 to the opponent.
bool ThreatAtRunEnds(int32_t x, int32_t y);
