// The status bar's texts and how each is chosen. Indexes never leave the
// table, whatever the options hold.
#pragma once

#include <stdint.h>

extern const char* const kStatusText[10];

// Index of the turn text: 0/1 in Computer vs Person (the computer's turn
// when phase equals computerColour), 2/3 in Person vs Person (Black, White).
int32_t TurnTextIndex(int32_t gameMode, int32_t computerColour, int32_t phase);
// Index of the result text: 4/5 in Computer vs Person, 6/7 in Person vs
// Person, from the winner's colour.
int32_t ResultTextIndex(int32_t gameMode, int32_t computerColour, int32_t winner);
// Index of the mode text: 8 Computer vs Person, 9 Person vs Person.
int32_t ModeTextIndex(int32_t gameMode);

// The game mode of the game on the board: options.gameMode as it was when
// that game started. A mode chosen after a five, while the finished game
// stays on the board, takes over at the next game.
extern int32_t gameModeInPlay;

// The same from options, gameModeInPlay, Phase and winnerColour.
// Whose turn it is, for Phase 1 or 2.
const char* TurnText();
// Who has won the game on the board, from winnerColour.
const char* ResultText();
// "Computer vs Person" or "Person vs Person", for the game on the board.
const char* ModeText();
