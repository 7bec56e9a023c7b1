// The status bar's texts and how each is chosen. Indexes never leave the
// table, whatever the options hold.
#pragma once

#include <stdint.h>

// The texts by name, in the table's order.
enum StatusTextIndex : int32_t {
    kComputersTurnText,     // "Computer's turn"
    kYourTurnText,          // "Your turn"
    kBlacksTurnText,        // "Black's turn"
    kWhitesTurnText,        // "White's turn"
    kComputerWinText,       // "Computer win !"
    kYouWinText,            // "You win !"
    kBlackWinText,          // "Black win !"
    kWhiteWinText,          // "White win !"
    kComputerVsPersonText,  // "Computer vs Person"
    kPersonVsPersonText,    // "Person vs Person"
    kStatusTextCount
};
extern const char* const kStatusText[kStatusTextCount];

// The turn text: the computer's or yours in Computer vs Person (the
// computer's when phase equals computerColour), Black's or White's in
// Person vs Person.
StatusTextIndex TurnTextIndex(int32_t gameMode, int32_t computerColour, int32_t phase);
// The result text: the computer's or your win in Computer vs Person,
// Black's or White's in Person vs Person, from the winner's colour.
StatusTextIndex ResultTextIndex(int32_t gameMode, int32_t computerColour, int32_t winner);
// The mode text.
StatusTextIndex ModeTextIndex(int32_t gameMode);

// The game mode and the computer's colour of the game on the board:
// options.gameMode and options.computerColour as they were when that game
// started. A mode or colour chosen after a five, while the finished game
// stays on the board, takes over at the next game.
extern int32_t gameModeInPlay;
extern int32_t computerColourInPlay;
// Both taken from the options, as a new game starts.
void StartGameInPlay();

// The same from options, the game in play, Phase and winnerColour.
// Whose turn it is, for Phase 1 or 2.
const char* TurnText();
// Who has won the game on the board, from winnerColour.
const char* ResultText();
// "Computer vs Person" or "Person vs Person", for the game on the board.
const char* ModeText();
