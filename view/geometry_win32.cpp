#include "view/geometry_win32.h"

#include "settings/options.h"
#include "view/board_geometry.h"
#include "view/screen_snap.h"
#include "view/status_bar_win32.h"
#include "view/window_placement.h"
#include "view/window_size.h"

void UpdateGeometry(HWND window, int32_t clientWidth, int32_t clientHeight) {
    int32_t barHeight = options.statusBar != 0 ? StatusBarHeight() : 0;
    boardGeometry = ComputeGeometry(clientWidth, clientHeight, barHeight);
    // The first size changes arrive while the main window is being created,
    // before the status bar exists.
    if (statusBarWindow == NULL) return;
    if (options.statusBar != 0) {
        ShowWindow(statusBarWindow, SW_RESTORE);
        LayoutStatusBar(window);
    } else {
        ShowWindow(statusBarWindow, SW_HIDE);
    }
}

// What a fixed-size main window adds to its board on this system. Themes
// and DPI make the caption and menu bar taller than the 19 pixels the sizes
// were first made for; the board keeps its size.
static WindowFrame FixedSizeFrame() {
    RECT around = {0, 0, 0, 0};
    AdjustWindowRectEx(&around, WS_OVERLAPPEDWINDOW & ~(WS_MAXIMIZEBOX | WS_THICKFRAME), TRUE, 0);
    WindowFrame frame = {{around.right - around.left, around.bottom - around.top}, StatusBarHeight()};
    return frame;
}

WindowSize FixedWindowSize(int32_t sizeIndex) {
    return WindowSizeFor(sizeIndex, FixedSizeFrame(), options.statusBar);
}

bool SizeFitsScreen(int32_t sizeIndex) {
    return SizeFitsScreenHeight(sizeIndex, FixedSizeFrame(), GetSystemMetrics(SM_CYSCREEN));
}

void SnapToScreenEdges(HWND window) {
    RECT outer;
    if (!GetWindowRect(window, &outer)) return;
    int32_t left = SnapToEdge(outer.left, outer.right, GetSystemMetrics(SM_CXSCREEN));
    int32_t top = SnapToEdge(outer.top, outer.bottom, GetSystemMetrics(SM_CYSCREEN));
    // The snap's own move comes back as WM_MOVE; then nothing changes and
    // nothing more is moved.
    if (left == outer.left && top == outer.top) return;
    MoveWindow(window, left, top, outer.right - outer.left, outer.bottom - outer.top, TRUE);
}

static ScreenRect ScreenRectOf(const RECT& rect) {
    ScreenRect area = {rect.left, rect.top, rect.right, rect.bottom};
    return area;
}

static LONG Clamped(int64_t value) {
    return (LONG)(value < INT32_MIN ? INT32_MIN : value > INT32_MAX ? INT32_MAX : value);
}

void ChooseStartPosition(int32_t& x, int32_t& y, WindowSize size) {
    if (x == (int32_t)CW_USEDEFAULT) {
        y = (int32_t)CW_USEDEFAULT;
        return;
    }
    // Enough to see and drag: a caption's height, a smallest window's width.
    WindowSize grip = {GetSystemMetrics(SM_CXMIN), GetSystemMetrics(SM_CYCAPTION)};
    RECT work;
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0) &&
        WindowShowsOn(x, y, size, ScreenRectOf(work), grip))
        return;
    RECT window = {x, y, Clamped(int64_t(x) + size.width), Clamped(int64_t(y) + size.height)};
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), &monitor) &&
        WindowShowsOn(x, y, size, ScreenRectOf(monitor.rcWork), grip))
        return;
    x = (int32_t)CW_USEDEFAULT;
    y = (int32_t)CW_USEDEFAULT;
}

WindowSize FreeStartSize(int32_t width, int32_t height) {
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, TRUE, 0);
    // So narrow a window wraps its menu bar onto a second line.
    WindowSize around = {frame.right - frame.left, frame.bottom - frame.top + GetSystemMetrics(SM_CYMENU)};
    WindowSize stored = {width, height};
    return FreeWindowSize(stored, around, options.statusBar);
}
