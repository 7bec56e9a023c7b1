// Each fixed size gives the board it was made for, whatever the caption, menu bar, frame and status bar
// measure on the rig's metrics (metrics_profile.h): the outer size measured under Wine, a client area
// 116·k wide and 116·k high above the status bar, square cells of 6·k pixels at its corner, and the
// client's pixels exactly those of the board painted alone at that size, so no bar covers a row. The
// status bar takes its own height on and off; Free adds 2 pixels each way; the window keeps its corner.
// Back to a fixed size from Free, the sizing frame goes.
#include "game_window.h"
#include "metrics_profile.h"
#include "view/paint_win32.h"

static HWND window;  // the game's main window, started once for the whole run
static const MetricsProfile& profile = RigProfile();
static const char* const kSizeName[5] = {"Tiny", "Small", "Medium", "Large", "Huge"};

// The metrics the rig's profile promises, as Wine reports them to the game.
static void ExpectProfileMetrics() {
    const char* name = profile.name;
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    ok(caption == profile.captionHeight, "%s metrics: SM_CYCAPTION expected %d, got %d", name,
       profile.captionHeight, caption);
    ok(GetSystemMetrics(SM_CYMENU) == profile.menuHeight, "%s metrics: SM_CYMENU expected %d, got %d", name,
       profile.menuHeight, GetSystemMetrics(SM_CYMENU));
    RECT bar;
    GetWindowRect(statusBarWindow, &bar);
    ok(bar.bottom - bar.top == profile.statusBarHeight, "%s metrics: status bar height expected %d, got %ld",
       name, profile.statusBarHeight, bar.bottom - bar.top);
}

// Pixels of the window's client square side x side that differ from the board painted alone on a canvas
// with the geometry the size was made for; the first of them, top row first, in `at`.
static int PixelsUnlikeTheBoardAlone(int side, POINT& at, DWORD& alonePixel, DWORD& shownPixel) {
    const int cell = side / 116 * 6;
    Canvas alone = CreateCanvas(side, side);
    Canvas shown = CreateCanvas(side, side);
    const BoardGeometry windowGeometry = boardGeometry;
    boardGeometry = {cell, cell, 0, 0};
    PaintBoard(alone.dc);
    PaintStones(alone.dc);
    PaintMarker(alone.dc);
    boardGeometry = windowGeometry;
    HDC dc = GetDC(window);
    BitBlt(shown.dc, 0, 0, side, side, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    int differ = 0;
    for (int y = 0; y < side; y++)
        for (int x = 0; x < side; x++) {
            if (PixelAt(alone, x, y) == PixelAt(shown, x, y)) continue;
            if (differ++ != 0) continue;
            at = {x, y};
            alonePixel = PixelAt(alone, x, y);
            shownPixel = PixelAt(shown, x, y);
        }
    DestroyCanvas(alone);
    DestroyCanvas(shown);
    return differ;
}

// The window at the fixed size, with or without the status bar, after the step: its outer size, the board's
// geometry and its pixels.
static void ExpectFixedSize(const char* step, int size, bool bar) {
    UpdateWindow(window);
    const int side = 116 * (size + 3);
    const int cell = 6 * (size + 3);
    const int width = profile.outerWidth[size];
    const int height = profile.outerHeight[size] - (bar ? 0 : profile.statusBarHeight);
    RECT outer;
    GetWindowRect(window, &outer);
    ok(outer.right - outer.left == width, "%s: width expected %d, got %ld", step, width,
       outer.right - outer.left);
    ok(outer.bottom - outer.top == height, "%s: height expected %d, got %ld", step, height,
       outer.bottom - outer.top);
    const BoardGeometry& g = boardGeometry;
    ok(g.cellWidth == cell, "%s: cellWidth expected %d, got %d", step, cell, g.cellWidth);
    ok(g.cellHeight == cell, "%s: cellHeight expected %d, got %d", step, cell, g.cellHeight);
    ok(g.boardLeft == 0, "%s: boardLeft expected 0, got %d", step, g.boardLeft);
    ok(g.boardTop == 0, "%s: boardTop expected 0, got %d", step, g.boardTop);
    POINT at = {};
    DWORD alone = 0, shown = 0;
    const int differ = PixelsUnlikeTheBoardAlone(side, at, alone, shown);
    ok(differ == 0, "%s: client pixels expected those of the board alone, %d differ, the first at (%ld,%ld): "
       "expected %06lx, got %06lx", step, differ, at.x, at.y, alone, shown);
}

int main() {
    window = StartFreshGame();
    ExpectProfileMetrics();
    // Two people: no reply of the computer's changes the board between the paints compared. Stones in the
    // corners, the middle and beside each other, the marker on the last.
    Command(window, IDM_COMPUTER_VS_PERSON);
    SetUpPosition(window, {{1, 1}, {19, 19}, {10, 10}, {11, 10}, {4, 16}, {19, 1}});
    // At the top of the screen, so that each size the screen holds shows whole.
    RECT r;
    GetWindowRect(window, &r);
    MoveWindow(window, 20, 0, r.right - r.left, r.bottom - r.top, TRUE);
    PumpMessages();
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int largest = 0;
    char step[96];
    for (int size = 0; size < 5; size++) {
        if (profile.outerHeight[size] > screenHeight) break;  // the window manager would cut it short
        largest = size;
        snprintf(step, sizeof step, "%s metrics, after Menu(%s)", profile.name,
                 ItemName(IDM_SIZE_TINY + size));
        Command(window, IDM_SIZE_TINY + size);
        ExpectFixedSize(step, size, true);
    }
    snprintf(step, sizeof step, "%s metrics, %s, after Menu(IDM_STATUS_BAR)", profile.name,
             kSizeName[largest]);
    Command(window, IDM_STATUS_BAR);
    ExpectFixedSize(step, largest, false);
    snprintf(step, sizeof step, "%s metrics, %s, after Menu(IDM_STATUS_BAR) twice", profile.name,
             kSizeName[largest]);
    Command(window, IDM_STATUS_BAR);
    ExpectFixedSize(step, largest, true);

    snprintf(step, sizeof step, "%s metrics, %s, after Menu(IDM_SIZE_FREE)", profile.name,
             kSizeName[largest]);
    Command(window, IDM_SIZE_FREE);
    GetWindowRect(window, &r);
    const int width = profile.outerWidth[largest] + 2;
    const int height = profile.outerHeight[largest] + 2;
    ok(r.right - r.left == width, "%s: width expected %d, got %ld", step, width, r.right - r.left);
    ok(r.bottom - r.top == height, "%s: height expected %d, got %ld", step, height, r.bottom - r.top);
    ok(r.left == 20, "%s: left expected 20 as before the sizes, got %ld", step, r.left);
    ok(r.top == 0, "%s: top expected 0 as before the sizes, got %ld", step, r.top);
    // Free chosen again while it is checked adds nothing; a fixed size takes the sizing frame away.
    Command(window, IDM_SIZE_FREE);
    RECT again;
    GetWindowRect(window, &again);
    ok(EqualRect(&r, &again), "%s twice: window expected as after the first", step);
    snprintf(step, sizeof step, "%s metrics, Free, after Menu(%s)", profile.name,
             ItemName(IDM_SIZE_TINY + largest));
    Command(window, IDM_SIZE_TINY + largest);
    ExpectFixedSize(step, largest, true);
    const bool sizeable = (GetWindowLongA(window, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX)) != 0;
    ok(!sizeable, "%s: sizing frame expected absent", step);
    ExitGame(window);
    return CheckSummary("window_size");
}
