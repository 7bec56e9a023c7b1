// The menu: its state at start-up and the command of each item. Options
// change in memory only; the main window saves them when it is destroyed.
#pragma once

#include <windows.h>

#include <stdint.h>

// The item of each radio group that carries the check mark.
extern int32_t checkedLevelItem;   // IDM_LEVEL_MAN or IDM_LEVEL_GOD
extern int32_t checkedSpeedItem;   // IDM_SPEED_FAST or IDM_SPEED_SLOW
extern int32_t checkedSizeItem;    // IDM_SIZE_TINY .. IDM_SIZE_FREE
extern int32_t checkedColourItem;  // IDM_COLOR_BLACK or IDM_COLOR_WHITE

// MF_UNCHECKED, MF_CHECKED, indexed by a 0/1 option.
extern const UINT kCheckFlag[2];

// WM_CREATE: the check marks and grayed items from the loaded options,
// but for the sizes (SetSizeItems).
void SetInitialMenuState(HWND window);
// Once the status bar exists, and with it the fit of each size: the check
// mark on options.sizeIndex, and Small .. Huge grayed where they do not fit.
void SetSizeItems(HWND window);

// WM_COMMAND: runs the command of the menu identifier; any other
// identifier is ignored.
void RunMenuCommand(HWND window, int32_t command);
