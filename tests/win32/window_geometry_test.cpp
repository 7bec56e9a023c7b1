// A real window and status bar: size changes lay out geometry, bar and texts; moves snap to screen edges.
#include <windows.h>
#include <commctrl.h>

#include <string.h>

#include "rules/board.h"
#include "settings/options.h"
#include "view/board_geometry.h"
#include "view/geometry_win32.h"
#include "view/status_bar_win32.h"
#include "view/status_text.h"
#include "win32_check.h"

static LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) UpdateGeometry(window, LOWORD(lParam), HIWORD(lParam));
    else if (message == WM_MOVE) SnapToScreenEdges(window);
    else return DefWindowProcA(window, message, wParam, lParam);
    return 0;
}

int main() {
    InitCommonControls();
    for (int i = 0; i < 5; i++) ok(SizeFitsScreen(i) == (i < 4), "size %d: expected fits %d", i, i < 4);
    WNDCLASSA windowClass = {0, TestWindowProc, 0, 0, GetModuleHandleA(NULL), NULL, NULL, NULL, NULL, "GeometryTest"};
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "GeometryTest", "", WS_POPUP | WS_VISIBLE, 200, 150, 360, 412, NULL, NULL,
                                  GetModuleHandleA(NULL), NULL);
    options.statusBar = 1;
    LayoutStatusBar(window);  // before the bar exists: nothing, and nothing breaks
    SetStatusText(0, "early");
    statusBarWindow = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                      window, NULL, GetModuleHandleA(NULL), NULL);

    // State (a win at Phase 4 sets its result, as play does), then a new width: the ten texts, parts at W/2.
    const struct { int bar, mode, colour, phase, winner, width; const char *part0, *part1; int edge, top; } bars[] = {
        {1, 1, 2, 1, 0, 465, "Your turn", "Computer vs Person", 232, 22},
        {1, 1, 1, 1, 0, 464, "Computer's turn", "Computer vs Person", 232, 22},
        {1, 2, 1, 2, 0, 470, "White's turn", "Person vs Person", 235, 22},
        {1, 1, 1, 4, 1, 472, "Computer win !", "Computer vs Person", 236, 22},
        {1, 2, 1, 4, 1, 473, "Black win !", "Person vs Person", 236, 22},
        {1, 2, 1, 4, 2, 474, "White win !", "Person vs Person", 237, 22},
        {1, 1, 1, 4, 2, 475, "You win !", "Computer vs Person", 237, 22},
        {1, 2, 1, 7, 1, 476, "You win !", "Person vs Person", 238, 22},   // blinking: the result kept
        {0, 1, 1, 4, 1, 464, "You win !", "Person vs Person", 238, 32},   // off: hidden, nothing set
        {1, 2, 1, 1, 0, 470, "Black's turn", "Person vs Person", 235, 22},
    };
    for (const auto& c : bars) {
        options.statusBar = c.bar, options.gameMode = c.mode, options.computerColour = c.colour;
        Phase = c.phase, winnerColour = c.winner;
        if (Phase == 4) SetStatusText(0, ResultText());
        MoveWindow(window, 200, 150, c.width, 412, TRUE);
        PumpMessages();
        char text[2][64] = {};
        int edges[3] = {};
        for (int part = 0; part < 2; part++) SendMessageA(statusBarWindow, SB_GETTEXTA, part, (LPARAM)text[part]);
        const LRESULT parts = SendMessageA(statusBarWindow, SB_GETPARTS, 3, (LPARAM)edges);
        ok(!strcmp(text[0], c.part0) && !strcmp(text[1], c.part1) && parts == 2 && edges[0] == c.edge &&
               edges[1] == 2 * c.edge && (IsWindowVisible(statusBarWindow) != 0) == (c.bar != 0) &&
               boardGeometry.cellHeight == 18 && boardGeometry.boardTop == c.top,
           "width %d: expected \"%s\" \"%s\" at %d, top %d; got \"%s\" \"%s\" at %d,%d, top %d", c.width, c.part0,
           c.part1, c.edge, c.top, text[0], text[1], edges[0], edges[1], (int)boardGeometry.boardTop);
    }

    // An edge 4 pixels from the screen's snaps (right - 5: the last column is right + w - 1), 5 stays; left first.
    const int w = 470, h = 412, right = GetSystemMetrics(SM_CXSCREEN) - w, bottom = GetSystemMetrics(SM_CYSCREEN) - h;
    const struct { int left, top, width, expectedLeft, expectedTop; } moves[] = {
        {4, 100, w, 0, 100},  {5, 100, w, 5, 100},  {-4, 100, w, 0, 100},  {100, -5, w, 100, -5},  {3, 2, w, 0, 0},
        {right - 5, 100, w, right, 100},  {right - 6, 100, w, right - 6, 100},  {100, bottom + 3, w, 100, bottom},
        {2, 100, right + w - 3, 0, 100},  // within reach of both sides
    };
    for (const auto& c : moves) {
        MoveWindow(window, c.left, c.top, c.width, h, TRUE);
        // A window manager confirms each move later, and the snap answers it again: let them settle.
        PumpMessagesFor(300);
        RECT r;
        GetWindowRect(window, &r);
        ok(r.left == c.expectedLeft && r.top == c.expectedTop && r.right - r.left == c.width,
           "moved to %d,%d: expected %d,%d, got %ld,%ld", c.left, c.top, c.expectedLeft, c.expectedTop, r.left, r.top);
    }
    DestroyWindow(window);
    return CheckSummary("window_geometry");
}
