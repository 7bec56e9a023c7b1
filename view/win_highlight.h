// One blink step of a completed five, done on the board itself.
#pragma once

#include <stdint.h>

#include "platform/platform.h"

// Sets the five cells starting at (x0, y0) along winDirection to the
// winner's colour when Phase is odd, Empty when it is even, and marks each
// for repainting.
void HighlightStep(WindowHandle window, int32_t x0, int32_t y0);
