#include "app/controller.h"

#include "ai/computer_player.h"
#include "app/dialogs.h"
#include "platform/platform.h"
#include "product.h"
#include "res/resource.h"
#include "rules/board.h"
#include "rules/double_three.h"
#include "settings/options.h"
#include "view/board_geometry.h"
#include "view/paint_win32.h"
#include "view/status_bar_win32.h"
#include "view/status_text.h"
#include "view/win_highlight.h"

const UINT kTimerInterval[2] = {100, 400};
const char* const kNoComputerMoveText = "No move for the computer";

static UINT TimerInterval() { return kTimerInterval[options.speed != 0 ? 1 : 0]; }

static bool ComputerToMove() { return options.gameMode == kComputerVsPerson && options.computerColour == Phase; }

// What every stone placed by play shares, the human's or the computer's:
// the menu items follow the record, and the old marker is erased.
static void PlaceMove(HWND window, int32_t x, int32_t y) {
    if (historyX[moveCount] != 0) SetRedoEnabled(window, false);  // the stone cuts off what could be redone
    if (moveCount < 1) SetUndoEnabled(window, true);
    if (options.markPrevious != 0) InvalidateMarker(window);
    PlaceStone(window, x, y);
}

void HandleBoardClick(HWND window, int32_t clientX, int32_t clientY) {
    // Ignored without a beep while the computer's reply is pending and
    // once a five is on the board.
    if (ComputerToMove()) return;
    if (IsGameOver()) return;

    int32_t x = 0;
    int32_t y = 0;
    if (!ClickToIntersection(clientX, clientY, x, y) || Board[x][y] != Empty) {
        MessageBeep(0);
        return;
    }
    if (options.allowDoubleThree == 0 && IsDoubleThree(x, y)) {
        MessageBeep(0);
        ShowDialog(window, L"SsangsamBox");
        return;
    }
    PlaceMove(window, x, y);
    // "Computer's turn" against the computer, else the side now to move.
    if (!IsSideToMove()) return;
    SetStatusText(0, options.gameMode == kComputerVsPerson ? kStatusText[kComputersTurnText] : TurnText());
}

void AfterPaint(HWND window) {
    if (Phase == kPhaseFiveMade) {
        // The five is on screen: no taking it back, and the blinking starts.
        SetUndoEnabled(window, false);
        SetTimer(window, IDT_WIN_HIGHLIGHT, TimerInterval(), NULL);
        SetStatusText(0, ResultText());
    } else if (moveCount == kMaxMoves) {
        // A full board without a five: the side to move opens the next game.
        NewGame(window);
        SetUndoEnabled(window, false);
    } else if (ComputerToMove()) {
        // Started here, so the reply always answers a board already shown;
        // another paint before it fires only restarts the interval.
        SetTimer(window, IDT_COMPUTER_REPLY, TimerInterval(), NULL);
    }
}

void ComputerReply(HWND window) {
    KillTimer(window, IDT_COMPUTER_REPLY);
    int32_t x = 0;
    int32_t y = 0;
    if (!ChooseComputerMove(x, y)) {
        // Only a board without an empty point can leave the computer no
        // move: the first empty point in scan order never lies in an open
        // three, because one end of the three would be an earlier empty
        // point. Nothing is placed, so the board and the record stay as
        // they are; the computer stays to move, and New Game or Undo (after
        // which it tries again) carry on.
        MessageBeep(0);
        SetStatusText(0, kNoComputerMoveText);
        return;
    }
    PlaceMove(window, x, y);
    if (IsSideToMove()) SetStatusText(0, kStatusText[kYourTurnText]);
}

void WinHighlightTick(HWND window) {
    if (options.sound != 0 && Phase == kPhaseFiveMade) PlaySoundFile(kFinishSoundFile);
    if (Phase == kPhaseWon) {
        KillTimer(window, IDT_WIN_HIGHLIGHT);
        if (options.continuousPlay != 0) RestartGame(window);
        return;
    }
    if (IsSideToMove()) {
        // The game was restarted while the five blinked: the new board is
        // left alone.
        KillTimer(window, IDT_WIN_HIGHLIGHT);
        return;
    }
    // Even Phase hides the five, odd shows it; the text blinks in step.
    HighlightStep(window, historyX[0], historyY[0]);
    SetStatusText(0, Phase % 2 == 1 ? ResultText() : "");
    Phase++;
}

void RestartGame(HWND window) {
    // Running timers are left alone: a pending blink stops itself at its
    // next tick, and a pending reply plays for whichever side is to move.
    NewGame(window);
    Phase = kPhaseBlack;
    StartGameInPlay();
    SetStatusText(0, TurnText());
    SetStatusText(1, ModeText());
    SetUndoEnabled(window, false);
    SetRedoEnabled(window, false);
}

void UndoCommand(HWND window) {
    if (historyX[moveCount] == 0) SetRedoEnabled(window, true);
    UndoMoves(window);
    if (moveCount < 1) SetUndoEnabled(window, false);
    if (options.markPrevious != 0) InvalidateMarker(window);
}

void RedoCommand(HWND window) {
    if (options.markPrevious != 0) InvalidateMarker(window);
    if (moveCount < 1) SetUndoEnabled(window, true);
    RedoMoves(window);
    if (historyX[moveCount] == 0) SetRedoEnabled(window, false);
}

void SetUndoEnabled(HWND window, bool on) { EnableMenuItem(GetMenu(window), IDM_UNDO, on ? MF_ENABLED : MF_GRAYED); }

void SetRedoEnabled(HWND window, bool on) { EnableMenuItem(GetMenu(window), IDM_REDO, on ? MF_ENABLED : MF_GRAYED); }
