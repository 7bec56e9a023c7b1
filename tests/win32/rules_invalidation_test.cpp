// On a real window: placing, clearing, taking back and replaying stones
// mark exactly the changed cells (or the board) for repainting, without
// erasing the background.
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

static HWND CreateTestWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.lpszClassName = "RulesInvalidationTest";
    windowClass.hbrBackground = (HBRUSH)GetStockObject(GRAY_BRUSH);
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "RulesInvalidationTest", "test", WS_OVERLAPPEDWINDOW, 0, 0,
                                  600, 600, NULL, NULL, GetModuleHandleA(NULL), NULL);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    PumpMessages();
    return window;
}

// Clears the update region, so the next check sees only what follows.
static void Settle(HWND window) {
    PumpMessages();
    ValidateRect(window, NULL);
}

static RECT ToRect(const PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

static void CheckRepaintWithoutErase(HWND window) {
    eraseMessages = 0;
    UpdateWindow(window);
    ok(eraseMessages == 0, "expected no WM_ERASEBKGND, got %d", eraseMessages);
}

int main() {
    HWND window = CreateTestWindow();
    ok(window != NULL, "expected a window, got %p", (void*)window);

    // 24-pixel cells, the board 7 pixels in from the left and 3 down.
    boardGeometry = BoardGeometry{24, 24, 7, 3};
    options.sound = 0;
    InitWallRing();
    Settle(window);

    PlaceStone(window, 10, 10);
    RECT cell = ToRect(CellRect(10, 10));
    ok(cell.left == 7 + 4 + 9 * 24 && cell.top == 3 + 4 + 9 * 24, "cell (10,10) at %ld,%ld", cell.left, cell.top);
    ok(UpdateRegionIs(window, cell), "PlaceStone should invalidate exactly cell (10,10)");
    CheckRepaintWithoutErase(window);

    Settle(window);
    PlaceStone(window, 1, 19);
    ok(UpdateRegionIs(window, ToRect(CellRect(1, 19))), "PlaceStone should invalidate exactly cell (1,19)");
    CheckRepaintWithoutErase(window);

    Settle(window);
    UndoMoves(window);
    HRGN both = CreateRectRgn(0, 0, 0, 0);
    HRGN a = CreateRectRgnIndirect(&cell);
    RECT corner = ToRect(CellRect(1, 19));
    HRGN b = CreateRectRgnIndirect(&corner);
    CombineRgn(both, a, b, RGN_OR);
    HRGN update = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(window, update, FALSE);
    ok(EqualRgn(update, both), "UndoMoves should invalidate exactly the two freed cells");
    ok(moveCount == 0, "expected moveCount 0 after undo, got %d", (int)moveCount);
    CheckRepaintWithoutErase(window);

    Settle(window);
    UndoMoves(window);
    ok(UpdateRegionIsEmpty(window), "UndoMoves on an empty record should invalidate nothing");

    Settle(window);
    RedoMoves(window);
    GetUpdateRgn(window, update, FALSE);
    ok(EqualRgn(update, both), "RedoMoves should invalidate exactly the two replayed cells");
    ok(moveCount == 2, "expected moveCount 2 after redo, got %d", (int)moveCount);
    CheckRepaintWithoutErase(window);

    Settle(window);
    NewGame(window);
    ok(UpdateRegionIs(window, ToRect(BoardRect())), "NewGame should invalidate exactly the board rectangle");
    RECT board = ToRect(BoardRect());
    ok(board.left == 7 && board.top == 3 && board.right == 7 + 19 * 24 + 8 && board.bottom == 3 + 19 * 24 + 8,
       "board rectangle (%ld,%ld,%ld,%ld)", board.left, board.top, board.right, board.bottom);
    CheckRepaintWithoutErase(window);

    DeleteObject(both);
    DeleteObject(a);
    DeleteObject(b);
    DeleteObject(update);
    DestroyWindow(window);
    return CheckSummary("rules_invalidation");
}
