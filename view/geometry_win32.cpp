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

static PixelRect PixelRectOf(const RECT& rect) {
    PixelRect area = {rect.left, rect.top, rect.right, rect.bottom};
    return area;
}

static LONG Clamped(int64_t value) {
    return (LONG)(value < INT32_MIN ? INT32_MIN : value > INT32_MAX ? INT32_MAX : value);
}

// The caption bar of a window of this style: below the border that
// AdjustWindowRectEx puts above it.
static CaptionBar CaptionBarOf(DWORD style) {
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    CaptionBar caption = {-frame.top - GetSystemMetrics(SM_CYCAPTION), GetSystemMetrics(SM_CYCAPTION)};
    return caption;
}

// The work area of the monitor nearest to the caption bar of a window at
// (x, y) this wide: the screen the user would take hold of it on.
static bool WorkAreaUnderCaption(int32_t x, int32_t y, int32_t width, CaptionBar caption, PixelRect& area) {
    int64_t top = int64_t(y) + caption.top;
    RECT bar = {x, Clamped(top), Clamped(int64_t(x) + width), Clamped(top + caption.height)};
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromRect(&bar, MONITOR_DEFAULTTONEAREST), &monitor)) return false;
    area = PixelRectOf(monitor.rcWork);
    return true;
}

static bool PrimaryWorkArea(PixelRect& area) {
    RECT work;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) return false;
    area = PixelRectOf(work);
    return true;
}

void ChooseStartPosition(int32_t& x, int32_t& y, WindowSize size, DWORD style) {
    if (x == (int32_t)CW_USEDEFAULT) {
        y = (int32_t)CW_USEDEFAULT;
        return;
    }
    CaptionBar caption = CaptionBarOf(style);
    // Enough to take hold of: a smallest window's width, half the caption's
    // height.
    WindowSize grip = {GetSystemMetrics(SM_CXMIN), caption.height / 2};
    PixelRect area;
    if (PrimaryWorkArea(area) && CaptionShowsOn(x, y, size.width, caption, area, grip)) return;
    if (WorkAreaUnderCaption(x, y, size.width, caption, area) &&
        CaptionShowsOn(x, y, size.width, caption, area, grip))
        return;
    x = (int32_t)CW_USEDEFAULT;
    y = (int32_t)CW_USEDEFAULT;
}

// What a Free window adds around its client area.
static WindowSize FreeFrame() {
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, TRUE, 0);
    // So narrow a window wraps its menu bar onto a second line.
    WindowSize around = {frame.right - frame.left, frame.bottom - frame.top + GetSystemMetrics(SM_CYMENU)};
    return around;
}

WindowSize FreeStartSize(int32_t width, int32_t height) {
    WindowSize stored = {width, height};
    return FreeWindowSize(stored, FreeFrame(), options.statusBar);
}

WindowSize FitFreeStartSize(WindowSize size, int32_t x, int32_t y) {
    PixelRect area;
    if (x == (int32_t)CW_USEDEFAULT) {
        // The platform places it on the primary monitor, as far as is known
        // here at its work area's top-left corner.
        if (!PrimaryWorkArea(area)) return size;
        x = area.left;
        y = area.top;
    } else if (!WorkAreaUnderCaption(x, y, size.width, CaptionBarOf(WS_OVERLAPPEDWINDOW), area)) {
        return size;
    }
    return FreeWindowSize(CutToArea(size, x, y, area), FreeFrame(), options.statusBar);
}
