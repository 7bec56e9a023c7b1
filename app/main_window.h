// The main window: its class, its creation from the saved options, its
// status bar, the window procedure and the message loop. WinMain
// (win_main.cpp) runs these steps in order; the tests run the same ones.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the class "Kivrano"; false when the platform refuses it.
bool RegisterMainWindowClass(HINSTANCE instance);
// Loads the options, decides the style and size, and creates the window
// (its WM_CREATE sets up the menu). NULL when it cannot be created.
HWND CreateMainWindow(HINSTANCE instance);
// The status bar along the bottom of the window; false when it cannot be
// created.
bool CreateStatusBar(HWND window, HINSTANCE instance);
// Everything before the message loop: class, options, window, status bar,
// first paint. NULL when any step fails, after a message box naming the
// step and the system's error code; nothing is then left open and nothing
// is saved.
HWND StartProgram(HINSTANCE instance, int showCommand);
// Until WM_QUIT; gives its wParam.
int RunMessageLoop();
