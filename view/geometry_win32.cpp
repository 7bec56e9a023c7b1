#include "view/geometry_win32.h"

#include "settings/options.h"
#include "view/board_geometry.h"
#include "view/screen_snap.h"
#include "view/status_bar_win32.h"
#include "view/window_size.h"

void UpdateGeometry(HWND window, int32_t clientWidth, int32_t clientHeight) {
    boardGeometry = ComputeGeometry(clientWidth, clientHeight, options.statusBar);
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

bool SizeFitsScreen(int32_t sizeIndex) {
    return SizeFitsScreenHeight(sizeIndex, GetSystemMetrics(SM_CYSCREEN));
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
