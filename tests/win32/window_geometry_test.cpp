// On a real top-level window: size changes recompute the geometry and show
// or hide the status bar; a window moved close to a screen edge is pulled
// onto it; the fixed sizes are tested against the real screen height.
#include <windows.h>
#include <commctrl.h>

#include "settings/options.h"
#include "view/board_geometry.h"
#include "view/geometry_win32.h"
#include "view/status_bar_win32.h"
#include "win32_check.h"

static int positionChanges = 0;

// Dispatches size and move messages as the main window does.
static LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        positionChanges++;
        break;
    case WM_SIZE:
        UpdateGeometry(window, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_MOVE:
        SnapToScreenEdges(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

static RECT OuterRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

static void CheckGeometryFollowsClient(HWND window, const char* when) {
    RECT client;
    GetClientRect(window, &client);
    BoardGeometry expected = ComputeGeometry(client.right, client.bottom, options.statusBar);
    ok(boardGeometry.cellWidth == expected.cellWidth && boardGeometry.cellHeight == expected.cellHeight &&
           boardGeometry.boardLeft == expected.boardLeft && boardGeometry.boardTop == expected.boardTop,
       "%s: expected geometry %d,%d,%d,%d for client %ldx%ld, got %d,%d,%d,%d", when, (int)expected.cellWidth,
       (int)expected.cellHeight, (int)expected.boardLeft, (int)expected.boardTop, client.right, client.bottom,
       (int)boardGeometry.cellWidth, (int)boardGeometry.cellHeight, (int)boardGeometry.boardLeft,
       (int)boardGeometry.boardTop);
}

// Moves the window's top-left corner; the WM_MOVE that follows snaps it.
static void MoveTo(HWND window, int left, int top) {
    RECT r = OuterRect(window);
    MoveWindow(window, left, top, r.right - r.left, r.bottom - r.top, TRUE);
    PumpMessages();
}

static void CheckSnaps(HWND window) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    RECT r = OuterRect(window);
    const int width = r.right - r.left, height = r.bottom - r.top;
    // {requested left, top} -> {where the window must end up}
    const struct { int left, top, expectedLeft, expectedTop; } cases[] = {
        {4, 100, 0, 100},
        {5, 100, 5, 100},
        {-4, 100, 0, 100},
        {-5, 100, -5, 100},
        {100, 4, 100, 0},
        {100, 5, 100, 5},
        {100, -4, 100, 0},
        // Right edge 4 pixels short of the screen's last column, then 5.
        {screenWidth - 1 - 4 - width, 100, screenWidth - width, 100},
        {screenWidth - 1 - 5 - width, 100, screenWidth - 1 - 5 - width, 100},
        {screenWidth - 1 + 4 - width, 100, screenWidth - width, 100},
        {100, screenHeight - 1 - 4 - height, 100, screenHeight - height},
        {100, screenHeight - 1 - 5 - height, 100, screenHeight - 1 - 5 - height},
        {3, 2, 0, 0},  // both edges at once
    };
    for (const auto& c : cases) {
        MoveTo(window, c.left, c.top);
        RECT now = OuterRect(window);
        ok(now.left == c.expectedLeft && now.top == c.expectedTop,
           "moved to %d,%d: expected %d,%d, got %ld,%ld", c.left, c.top, c.expectedLeft, c.expectedTop,
           now.left, now.top);
        ok(now.right - now.left == width && now.bottom - now.top == height,
           "moved to %d,%d: expected size %dx%d kept, got %ldx%ld", c.left, c.top, width, height,
           now.right - now.left, now.bottom - now.top);
    }

    // Nowhere near an edge, or already on one: nothing is moved.
    const int stillLefts[] = {5, 0};
    for (int left : stillLefts) {
        MoveTo(window, left, 200);
        positionChanges = 0;
        SnapToScreenEdges(window);
        ok(positionChanges == 0, "at %d,200: expected no move, got %d", left, positionChanges);
    }
}

int main() {
    InitCommonControls();
    options.statusBar = 1;

    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    ok(screenHeight == 768, "expected the rig's 768-pixel screen, got %d", screenHeight);
    // Thresholds 414, 530, 646, 762, 878.
    const bool fits[5] = {true, true, true, true, false};
    for (int i = 0; i < 5; i++)
        ok(SizeFitsScreen(i) == fits[i], "size %d: expected fits %d, got %d", i, fits[i], SizeFitsScreen(i));

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.lpszClassName = "WindowGeometryTest";
    windowClass.hbrBackground = (HBRUSH)GetStockObject(GRAY_BRUSH);
    RegisterClassA(&windowClass);
    // The size changes during creation come before the status bar exists.
    boardGeometry = BoardGeometry{0, 0, 0, 0};
    HWND window = CreateWindowExA(0, "WindowGeometryTest", "test", WS_OVERLAPPEDWINDOW, 200, 150, 354, 412,
                                  NULL, NULL, GetModuleHandleA(NULL), NULL);
    ok(window != NULL, "expected a window, got %p", (void*)window);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    PumpMessages();
    ok(statusBarWindow == NULL, "expected no status bar yet, got %p", (void*)statusBarWindow);
    CheckGeometryFollowsClient(window, "before the status bar");

    statusBarWindow = CreateWindowExA(0, STATUSCLASSNAMEA, "", 0x50000100, 0, 0, 0, 0, window, NULL,
                                      GetModuleHandleA(NULL), NULL);
    ok(statusBarWindow != NULL, "expected a status bar, got %p", (void*)statusBarWindow);

    // Switching the bar off and on as the menu does: the height changes by
    // 20 and the size change hides or shows the bar.
    const int bars[] = {0, 1, 0, 1};
    for (int bar : bars) {
        options.statusBar = bar;
        RECT r = OuterRect(window);
        MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top + (bar ? 20 : -20), TRUE);
        PumpMessages();
        bool shown = IsWindowVisible(statusBarWindow) != 0;
        ok(shown == (bar != 0), "statusBar %d: expected the bar shown %d, got %d", bar, bar, shown);
        CheckGeometryFollowsClient(window, bar ? "with the bar" : "without the bar");
    }
    // A minimised window reports a 0x0 client area.
    ShowWindow(window, SW_MINIMIZE);
    PumpMessages();
    ok(boardGeometry.cellWidth == 0 && boardGeometry.cellHeight == 0 && boardGeometry.boardTop == -10,
       "minimised: expected cells 0,0 and top -10, got %d,%d and %d", (int)boardGeometry.cellWidth,
       (int)boardGeometry.cellHeight, (int)boardGeometry.boardTop);
    ShowWindow(window, SW_RESTORE);
    PumpMessages();
    CheckGeometryFollowsClient(window, "restored");

    CheckSnaps(window);

    DestroyWindow(window);
    statusBarWindow = NULL;
    return CheckSummary("window_geometry");
}
