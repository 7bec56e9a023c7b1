#include "view/status_text.h"

#include "rules/board.h"
#include "settings/options.h"

const char* const kStatusText[10] = {
    "Computer's turn", "Your turn",   "Black's turn",       "White's turn",     "Computer win !",
    "You win !",       "Black win !", "White win !",        "Computer vs Person", "Person vs Person",
};

// The values are read as the game flow reads them, so that the bar agrees
// with the play even for values from an edited settings file: the computer
// plays only in Computer vs Person and only when Phase equals computerColour; any other
// mode is two people, and any side that is not White counts as Black. For
// the values the program sets itself this is the table arithmetic
// (Phase + 1) * (gameMode - 1) + (gameMode % 2) * ((computerColour + Phase) % 2),
// and every result is a fixed index of the table.
int32_t TurnTextIndex(int32_t gameMode, int32_t computerColour, int32_t phase) {
    if (gameMode == kComputerVsPerson) return phase == computerColour ? 0 : 1;
    return phase == White ? 3 : 2;
}

int32_t ResultTextIndex(int32_t gameMode, int32_t computerColour, int32_t winner) {
    if (gameMode == kComputerVsPerson) return winner == computerColour ? 4 : 5;
    return winner == White ? 7 : 6;
}

int32_t ModeTextIndex(int32_t gameMode) { return gameMode == kComputerVsPerson ? 8 : 9; }

int32_t gameModeInPlay = kDefaultOptions.gameMode;

const char* TurnText() { return kStatusText[TurnTextIndex(options.gameMode, options.computerColour, Phase)]; }

const char* ResultText() {
    return kStatusText[ResultTextIndex(gameModeInPlay, options.computerColour, winnerColour)];
}

const char* ModeText() { return kStatusText[ModeTextIndex(gameModeInPlay)]; }
