// A real window and status bar: size changes lay out the geometry, the bar and its texts; moves snap to
// the screen's edges.
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

// Which sizes the screen takes: the window's outer height with the status bar, Tiny to Huge, against the
// screen's height; a screen high enough for all cannot show a size refused.
static void SizesThatFit() {
    static const int kHeight[5] = {412, 528, 644, 760, 876};
    const int screen = GetSystemMetrics(SM_CYSCREEN);
    for (int size = 0; size < 5; size++)
        ok(SizeFitsScreen(size) == (kHeight[size] <= screen), "size %d, %d high, on a screen %d high: "
           "expected %s", size, kHeight[size], screen, kHeight[size] <= screen ? "fits" : "refused");
    if (kHeight[4] <= screen) skip("a screen %d high takes every size: none can be seen refused", screen);
}

// The status bar after a change of state and width: its two texts, its parts split at half the width, and
// the board below it moved when it is hidden.
static void StatusBarLayout(HWND window) {
    static const struct {
        bool bar;
        int mode, colour, phase, winner, width;
        const char *turnText, *modeText;
        int edge, boardTop;
    } kRows[] = {
        {true, 1, 2, kPhaseBlack, 0, 465, "Your turn", "Computer vs Person", 232, 22},
        {true, 1, 1, kPhaseBlack, 0, 464, "Computer's turn", "Computer vs Person", 232, 22},
        {true, 2, 1, kPhaseWhite, 0, 470, "White's turn", "Person vs Person", 235, 22},
        {true, 1, 1, kPhaseFiveMade, Black, 472, "Computer win !", "Computer vs Person", 236, 22},
        {true, 2, 1, kPhaseFiveMade, Black, 473, "Black win !", "Person vs Person", 236, 22},
        {true, 2, 1, kPhaseFiveMade, White, 474, "White win !", "Person vs Person", 237, 22},
        {true, 1, 1, kPhaseFiveMade, White, 475, "You win !", "Computer vs Person", 237, 22},
        {true, 2, 1, kPhaseFiveMade + 3, Black, 476, "You win !", "Person vs Person", 238, 22},  // kept
        {false, 1, 1, kPhaseFiveMade, Black, 464, "You win !", "Person vs Person", 238, 32},  // nothing set
        {true, 2, 1, kPhaseBlack, 0, 470, "Black's turn", "Person vs Person", 235, 22},
    };
    for (const auto& c : kRows) {
        options.statusBar = c.bar;
        options.gameMode = c.mode;
        options.computerColour = c.colour;
        Phase = c.phase;
        winnerColour = c.winner;
        if (Phase == kPhaseFiveMade) SetStatusText(0, ResultText());  // as the paint after a five does
        MoveWindow(window, 200, 150, c.width, 412, TRUE);
        PumpMessages();
        char text[2][64] = {};
        for (int part = 0; part < 2; part++)
            SendMessageA(statusBarWindow, SB_GETTEXTA, part, (LPARAM)text[part]);
        int edges[3] = {};
        const LRESULT parts = SendMessageA(statusBarWindow, SB_GETPARTS, 3, (LPARAM)edges);
        const int w = c.width;
        ok(!strcmp(text[0], c.turnText), "width %d: status expected \"%s\", got \"%s\"", w, c.turnText,
           text[0]);
        ok(!strcmp(text[1], c.modeText), "width %d: mode text expected \"%s\", got \"%s\"", w, c.modeText,
           text[1]);
        ok(parts == 2, "width %d: parts expected 2, got %d", w, (int)parts);
        ok(edges[0] == c.edge, "width %d: first part's right edge expected %d, got %d", w, c.edge, edges[0]);
        ok(edges[1] == 2 * c.edge, "width %d: second part's right edge expected %d, got %d", w, 2 * c.edge,
           edges[1]);
        ok((IsWindowVisible(statusBarWindow) != 0) == c.bar, "width %d: status bar expected %s", w,
           c.bar ? "shown" : "hidden");
        ok(boardGeometry.cellHeight == 18, "width %d: cell height expected 18, got %d", w,
           (int)boardGeometry.cellHeight);
        ok(boardGeometry.boardTop == c.boardTop, "width %d: board top expected %d, got %d", w, c.boardTop,
           (int)boardGeometry.boardTop);
    }
}

// An edge 4 pixels from the screen's snaps to it, 5 stays (the last column is right + w - 1, so right - 5
// snaps); the left and top edges win over the right and bottom ones.
static void SnapToEdges(HWND window) {
    const int w = 470, h = 412;
    const int right = GetSystemMetrics(SM_CXSCREEN) - w, bottom = GetSystemMetrics(SM_CYSCREEN) - h;
    const struct { int left, top, width, expectedLeft, expectedTop; } kMoves[] = {
        {4, 100, w, 0, 100},    {5, 100, w, 5, 100},      {-4, 100, w, 0, 100},
        {100, -5, w, 100, -5},  {3, 2, w, 0, 0},          {right - 5, 100, w, right, 100},
        {right - 6, 100, w, right - 6, 100},              {100, bottom + 3, w, 100, bottom},
        {2, 100, right + w - 3, 0, 100},  // within reach of both sides
    };
    for (const auto& c : kMoves) {
        MoveWindow(window, c.left, c.top, c.width, h, TRUE);
        PumpMessages();
        RECT r;
        GetWindowRect(window, &r);
        ok(r.left == c.expectedLeft, "moved to (%d,%d): left expected %d, got %ld", c.left, c.top,
           c.expectedLeft, r.left);
        ok(r.top == c.expectedTop, "moved to (%d,%d): top expected %d, got %ld", c.left, c.top, c.expectedTop,
           r.top);
        ok(r.right - r.left == c.width, "moved to (%d,%d): width expected %d, got %ld", c.left, c.top,
           c.width, r.right - r.left);
    }
}

int main() {
    InitCommonControls();
    SizesThatFit();
    WNDCLASSA windowClass = {0, TestWindowProc, 0, 0, GetModuleHandleA(NULL), NULL, NULL, NULL, NULL,
                             "GeometryTest"};
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "GeometryTest", "", WS_POPUP | WS_VISIBLE, 200, 150, 360, 412, NULL,
                                  NULL, GetModuleHandleA(NULL), NULL);
    options.statusBar = 1;
    LayoutStatusBar(window);  // before the bar exists: nothing, and nothing breaks
    SetStatusText(0, "early");
    const DWORD barStyle = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP;
    statusBarWindow = CreateWindowExA(0, STATUSCLASSNAMEA, "", barStyle, 0, 0, 0, 0, window, NULL,
                                      GetModuleHandleA(NULL), NULL);
    StatusBarLayout(window);
    SnapToEdges(window);
    DestroyWindow(window);
    return CheckSummary("window_geometry");
}
