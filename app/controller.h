// The game flow: whose turn it is, the human's clicks, the computer's
// delayed reply, the blinking of a five, restarts, Undo and Redo with their
// menu items. Phase itself lives with the board (rules/board.h).
//
// Nothing that changes the board draws or calls the computer: it
// invalidates, and the paint that follows calls AfterPaint, which starts
// whatever comes next.
#pragma once

#include <windows.h>

#include <stdint.h>

// Both timers run at this interval, indexed by options.speed (0 Fast, 1 Slow).
extern const UINT kTimerInterval[2];
const UINT_PTR IDT_COMPUTER_REPLY = 201;
const UINT_PTR IDT_WIN_HIGHLIGHT = 202;

// Shown instead of a stone when the computer has no permitted point.
extern const char* const kNoComputerMoveText;

// WM_LBUTTONDOWN: the human's move at a client point.
void HandleBoardClick(HWND window, int32_t clientX, int32_t clientY);
// At the end of every paint, before EndPaint.
void AfterPaint(HWND window);
// IDT_COMPUTER_REPLY: the computer's move for the side to move.
void ComputerReply(HWND window);
// IDT_WIN_HIGHLIGHT: one step of the five's blinking.
void WinHighlightTick(HWND window);
// A new game with Black to move.
void RestartGame(HWND window);
void UndoCommand(HWND window);
void RedoCommand(HWND window);
void SetUndoEnabled(HWND window, bool on);
void SetRedoEnabled(HWND window, bool on);
