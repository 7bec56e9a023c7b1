// The three sounds, as 16-bit samples at kSampleRate.
#pragma once

#include <stdint.h>

// Each fills up to capacity samples and returns how many it made.
int32_t MakeStoneClick(int16_t* samples, int32_t capacity);   // a stone set down on wood
int32_t MakeClearingSweep(int16_t* samples, int32_t capacity);  // stones swept off the board
int32_t MakeWinPhrase(int16_t* samples, int32_t capacity);    // four rising bell notes
