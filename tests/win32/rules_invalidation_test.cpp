// On a real window: placing, clearing, taking back and replaying stones mark
// exactly the changed cells (or the board) for repainting, without erasing.
#include <windows.h>

#include "rules/board.h"
#include "settings/options.h"
#include "view/board_geometry.h"
#include "win32_check.h"

static int eraseMessages = 0;

static LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) eraseMessages++;
    return DefWindowProcA(window, message, wParam, lParam);
}

// A shown window with a background brush, so an erase would be seen.
static HWND CreateTestWindow() {
    WNDCLASSA windowClass = {0, TestWindowProc, 0, 0, GetModuleHandleA(NULL), NULL, NULL,
                             (HBRUSH)GetStockObject(GRAY_BRUSH), NULL, "RulesInvalidationTest"};
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "RulesInvalidationTest", "test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  600, 600, NULL, NULL, GetModuleHandleA(NULL), NULL);
    UpdateWindow(window);
    return window;
}

// Checks that the update region is exactly the rectangle and that painting it erases nothing, then clears it.
static void CheckRepaint(HWND window, const PixelRect& r, const char* what) {
    ok(UpdateRegionIs(window, RECT{r.left, r.top, r.right, r.bottom}), "%s should invalidate exactly (%d,%d)-(%d,%d)",
       what, r.left, r.top, r.right, r.bottom);
    eraseMessages = 0;
    UpdateWindow(window);
    ok(eraseMessages == 0, "%s: expected no WM_ERASEBKGND, got %d", what, eraseMessages);
    PumpMessages();
    ValidateRect(window, NULL);
}

int main() {
    HWND window = CreateTestWindow();
    boardGeometry = BoardGeometry{24, 24, 7, 3};  // 24-pixel cells, the board 7 pixels in and 3 down
    options.sound = 0;
    InitWallRing();
    const PixelRect none = {0, 0, 0, 0}, corner = CellRect(1, 19), next = CellRect(2, 19), board = BoardRect();
    const PixelRect both = {corner.left, corner.top, next.right, next.bottom};  // the two cells side by side
    ok(corner.left == 7 + 4 && corner.bottom == 3 + 4 + 19 * 24 && board.right == 7 + 19 * 24 + 8,
       "cell (1,19) at %d,%d, board right edge %d", corner.left, corner.top, board.right);
    CheckRepaint(window, none, "showing the window");
    PlaceStone(window, 1, 19);
    CheckRepaint(window, corner, "PlaceStone (1,19)");
    PlaceStone(window, 2, 19);
    CheckRepaint(window, next, "PlaceStone (2,19)");
    UndoMoves(window);
    CheckRepaint(window, both, "UndoMoves");
    UndoMoves(window);
    CheckRepaint(window, none, "UndoMoves with nothing to take back");
    RedoMoves(window);
    CheckRepaint(window, both, "RedoMoves");
    NewGame(window);
    CheckRepaint(window, board, "NewGame");
    DestroyWindow(window);
    return CheckSummary("rules_invalidation");
}
