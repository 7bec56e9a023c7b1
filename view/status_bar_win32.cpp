#include "view/status_bar_win32.h"

#include <commctrl.h>

#include "rules/board.h"
#include "settings/options.h"
#include "view/status_text.h"
#include "view/window_size.h"

HWND statusBarWindow = NULL;

int StatusBarHeight() {
    RECT bar;
    if (statusBarWindow == NULL || !GetWindowRect(statusBarWindow, &bar)) return kStatusBarHeight;
    return bar.bottom - bar.top;
}

void LayoutStatusBar(HWND window) {
    if (statusBarWindow == NULL) return;
    RECT client;
    GetClientRect(window, &client);
    int width = client.right - client.left;
    int height = client.bottom - client.top;
    // Equal halves, rounded down: for an odd width the second part stops
    // one pixel short of the right edge.
    int partEdges[2] = {width / 2, (width / 2) * 2};
    // The control keeps its own height and places itself along the bottom.
    MoveWindow(statusBarWindow, 0, 0, width, height, TRUE);
    SendMessageA(statusBarWindow, SB_SETPARTS, 2, (LPARAM)partEdges);
    // During and after the blinking of a five, part 0 keeps the result.
    if (IsSideToMove()) SetStatusText(0, TurnText());
    SetStatusText(1, ModeText());
}

void SetStatusText(int part, const char* text) {
    if (options.statusBar == 0 || statusBarWindow == NULL) return;
    // The part number shares wParam with the drawing style (high byte 0:
    // the default sunken part), so nothing but 0 or 1 may reach it.
    if (part != 0 && part != 1) return;
    SendMessageA(statusBarWindow, SB_SETTEXTA, (WPARAM)part, (LPARAM)text);
}
