#include "view/status_text.h"

#include "rules/board.h"
#include "settings/options.h"

const char* const kStatusText[kStatusTextCount] = {
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
StatusTextIndex TurnTextIndex(int32_t gameMode, int32_t computerColour, int32_t phase) {
    if (gameMode == kComputerVsPerson) return phase == computerColour ? kComputersTurnText : kYourTurnText;
    return phase == White ? kWhitesTurnText : kBlacksTurnText;
}

StatusTextIndex ResultTextIndex(int32_t gameMode, int32_t computerColour, int32_t winner) {
    if (gameMode == kComputerVsPerson) return winner == computerColour ? kComputerWinText : kYouWinText;
    return winner == White ? kWhiteWinText : kBlackWinText;
}

StatusTextIndex ModeTextIndex(int32_t gameMode) {
    return gameMode == kComputerVsPerson ? kComputerVsPersonText : kPersonVsPersonText;
}

int32_t gameModeInPlay = kDefaultOptions.gameMode;
int32_t computerColourInPlay = kDefaultOptions.computerColour;

void StartGameInPlay() {
    gameModeInPlay = options.gameMode;
    computerColourInPlay = options.computerColour;
}

const char* TurnText() { return kStatusText[TurnTextIndex(options.gameMode, options.computerColour, Phase)]; }

const char* ResultText() {
    return kStatusText[ResultTextIndex(gameModeInPlay, computerColourInPlay, winnerColour)];
}

const char* ModeText() { return kStatusText[ModeTextIndex(gameModeInPlay)]; }
