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

// The update region is exactly the rectangle (none: nothing), and painting it erases nothing; then clears it.
static void CheckRepaint(HWND window, std::initializer_list<RECT> areas, const char* step) {
    RegionComparison region = CompareUpdateRegion(window, areas);
    ok(region.same, "after %s: repainted area expected %s, got %s", step, region.expected, region.got);
    eraseMessages = 0;
    UpdateWindow(window);
    ok(eraseMessages == 0, "after %s: WM_ERASEBKGND expected none, got %d", step, eraseMessages);
    PumpMessages();
    ValidateRect(window, NULL);
}

static RECT Area(const PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

int main() {
    HWND window = CreateTestWindow();
    boardGeometry = BoardGeometry{24, 24, 7, 3};  // 24-pixel cells, the board 7 pixels in and 3 down
    options.sound = 0;
    InitWallRing();
    const RECT corner = Area(CellRect(1, 19)), next = Area(CellRect(2, 19)), board = Area(BoardRect());
    ok(corner.left == 7 + 4, "cell (1,19): left expected %d, got %ld", 7 + 4, corner.left);
    ok(corner.bottom == 3 + 4 + 19 * 24, "cell (1,19): bottom expected %d, got %ld", 3 + 4 + 19 * 24,
       corner.bottom);
    ok(board.right == 7 + 19 * 24 + 8, "board: right expected %d, got %ld", 7 + 19 * 24 + 8, board.right);
    CheckRepaint(window, {}, "showing the window");
    PlaceStone(window, 1, 19);
    CheckRepaint(window, {corner}, "PlaceStone (1,19)");
    PlaceStone(window, 2, 19);
    CheckRepaint(window, {next}, "PlaceStone (2,19)");
    UndoMoves(window);
    CheckRepaint(window, {corner, next}, "UndoMoves");
    UndoMoves(window);
    CheckRepaint(window, {}, "UndoMoves with nothing to take back");
    RedoMoves(window);
    CheckRepaint(window, {corner, next}, "RedoMoves");
    NewGame(window);
    CheckRepaint(window, {board}, "NewGame");
    DestroyWindow(window);
    return CheckSummary("rules_invalidation");
}
