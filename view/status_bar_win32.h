// The status bar: a common-controls status window along the bottom of the
// main window, two parts of equal width.
#pragma once

#include <windows.h>

// Created by the main window at start-up; NULL until then.
extern HWND statusBarWindow;

// The bar's own height, which the control takes from the system's fonts and
// metrics (20 pixels on Wine's defaults, more under a theme);
// kStatusBarHeight until the bar exists.
int StatusBarHeight();

// Parts at W/2 and 2*(W/2) of the main window's client width W, the bar
// moved to the client area, part 0 the turn text while a game is in
// progress (IsSideToMove()), part 1 the mode text. Nothing before the bar exists.
void LayoutStatusBar(HWND window);
// Sets the text of part 0 or 1 (the control keeps its own copy); nothing
// while options.statusBar is 0, the bar does not exist, or for other parts.
void SetStatusText(int part, const char* text);
