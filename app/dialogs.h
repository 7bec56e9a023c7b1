// The two modal dialogs, the double-three warning "SsangsamBox" and the
// About box "AboutBox", both from the program's own resources and driven
// by one dialog procedure.
#pragma once

#include <windows.h>

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the dialog named, modal to the main window, and returns when it is
// closed. The main window's paints and timers go on meanwhile.
void ShowDialog(HWND window, const wchar_t* name);
