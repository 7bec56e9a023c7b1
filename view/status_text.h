// The status bar's texts and how each is chosen. Indexes never leave the
// table, whatever the options hold.
#pragma once

#include <stdint.h>

extern const char* const kStatusText[10];

// Whose turn it is, for Phase 1 or 2.
const char* TurnText();
// Who has won, from winnerColour.
const char* ResultText();
// "Computer vs Person" or "Person vs Person".
const char* ModeText();
