// Painting the board into real device contexts and reading the pixels
// back: the board picture, the grid and star points, a stone wherever the
// Board has one and only there, the magenta ring on the last stone with the
// stone showing inside it; missing or foreign pictures draw nothing; and a
// thousand paints leave no GDI object or file behind.
#include <windows.h>

#include "paint_canvas.h"
#include "rules/board.h"
#include "settings/options.h"
#include "view/board_geometry.h"
#include "view/grid.h"
#include "view/marker.h"
#include "view/paint_win32.h"
#include "win32_check.h"

static const DWORD kSentinel = 0x405060;
static const DWORD kWood = 0xDEB062;  // the board picture's colour
static const DWORD kMagenta = 0xFF00FF;
static const char* const kPictures[3] = {"board.img", "black.img", "white.img"};

static void PaintAll(HDC dc) {
    PaintBoard(dc);
    PaintStones(dc);
    PaintMarker(dc);
}

// Black and White in turn; the last stone is White's at (9, 9).
static void SetUpGame() {
    for (int x = 1; x <= kBoardSize; x++)
        for (int y = 1; y <= kBoardSize; y++) Board[x][y] = Empty;
    InitWallRing();
    moveCount = 0;
    historyX[0] = 0;
    Phase = 1;
    options.sound = 0;
    const int moves[][2] = {{10, 10}, {10, 11}, {4, 4}, {16, 4}, {1, 1}, {1, 19}, {19, 18}, {9, 9}};
    for (const auto& m : moves) PlaceStone(NULL, m[0], m[1]);
}

// What a point looks like off the grid lines, a quarter cell up and left
// of its centre: the wood, a dark stone or a light one.
static Cell SeenAt(DWORD rgb) {
    if (rgb == kWood) return Empty;
    if (Red(rgb) < 130 && Green(rgb) < 130 && Blue(rgb) < 130) return Black;
    if (Red(rgb) > 160 && Green(rgb) > 160 && Blue(rgb) > 150) return White;
    return Wall;  // anything else is wrong
}

static PixelPoint Probe(int x, int y) {
    PixelPoint c = IntersectionCentre(x, y);
    return PixelPoint{c.x - boardGeometry.cellWidth / 4, c.y - boardGeometry.cellHeight / 4};
}

static void CheckStonesWhereTheBoardHasThem(const Canvas& canvas, const char* when) {
    int wrong = 0;
    for (int x = 1; x <= kBoardSize; x++)
        for (int y = 1; y <= kBoardSize; y++) {
            PixelPoint p = Probe(x, y);
            DWORD rgb = PixelAt(canvas, p.x, p.y);
            if (SeenAt(rgb) != Board[x][y] && wrong++ < 5)
                ok(0, "%s: at (%d,%d) expected cell %d, got colour %06lx", when, x, y, (int)Board[x][y], rgb);
        }
    ok(wrong == 0, "%s: expected every point to show its cell, %d did not", when, wrong);
}

static bool IsStarPoint(int x, int y) { return (x == 4 || x == 10 || x == 16) && (y == 4 || y == 10 || y == 16); }

static void CheckGridAndStarPoints(const Canvas& canvas) {
    int wrong = 0;
    for (int x = 1; x <= kBoardSize; x++)
        for (int y = 1; y <= kBoardSize; y++) {
            if (Board[x][y] != Empty) continue;
            PixelPoint c = IntersectionCentre(x, y);
            // Both lines meet at every empty point but the last one, which
            // neither line reaches.
            DWORD expected = x == 19 && y == 19 ? kWood : 0;
            DWORD got = PixelAt(canvas, c.x, c.y);
            if (got != expected && wrong++ < 5) ok(0, "point (%d,%d): expected %06lx, got %06lx", x, y, expected, got);
            // Off both lines, a dot only on a star point.
            expected = IsStarPoint(x, y) ? 0 : kWood;
            got = PixelAt(canvas, c.x + 2, c.y + 1);
            if (got != expected && wrong++ < 5) ok(0, "beside (%d,%d): expected %06lx, got %06lx", x, y, expected, got);
        }
    ok(wrong == 0, "expected black grid lines and star points on the wood, %d pixels wrong", wrong);
    // The lines end at the grid: the margin stays wood.
    PixelPoint first = IntersectionCentre(1, 2);
    ok(PixelAt(canvas, first.x - 1, first.y) == kWood, "expected wood left of the grid, got %06lx",
       PixelAt(canvas, first.x - 1, first.y));
    // The board picture fills BoardRect and nothing else.
    PixelRect board = BoardRect();
    ok(PixelAt(canvas, board.right, board.bottom - 5) == kSentinel && PixelAt(canvas, board.right - 1, 50) != kSentinel,
       "expected the board picture to end at x %d", (int)board.right);
}

static void CheckStonesHaveNoBox(const Canvas& canvas) {
    for (int x = 1; x <= kBoardSize; x++)
        for (int y = 1; y <= kBoardSize; y++) {
            if (Board[x][y] == Empty) continue;
            PixelRect cell = CellRect(x, y);
            DWORD corners[4] = {PixelAt(canvas, cell.left, cell.top), PixelAt(canvas, cell.right - 1, cell.top),
                                PixelAt(canvas, cell.left, cell.bottom - 1),
                                PixelAt(canvas, cell.right - 1, cell.bottom - 1)};
            for (DWORD corner : corners)
                ok(corner == kWood, "stone (%d,%d): expected wood in its corners, got %06lx", x, y, corner);
        }
}

// The ring lies between the two ellipses, magenta, and nothing magenta is
// anywhere else; the stone shows inside the inner one.
enum MarkerExpected { kContainedMarker, kRingAroundStone };

static void CheckMarker(const Canvas& canvas, const char* when, MarkerExpected expected) {
    PixelRect outer = MarkerRect();
    int inside = 0, outside = 0;
    GdiFlush();
    for (int y = 0; y < canvas.height; y++)
        for (int x = 0; x < canvas.width; x++) {
            if ((canvas.pixels[y * canvas.width + x] & 0xFFFFFF) != kMagenta) continue;
            bool in = x >= outer.left && x < outer.right && y >= outer.top && y < outer.bottom;
            (in ? inside : outside)++;
        }
    ok(outside == 0, "%s: expected no magenta outside the marker's box, got %d pixels", when, outside);
    if (expected != kRingAroundStone) return;
    PixelRect inner = MarkerInnerRect();
    const int midX = (inner.left + inner.right) / 2, midY = (inner.top + inner.bottom) / 2;
    ok(inside >= (outer.right - outer.left) * 3, "%s: expected a filled ring, got %d magenta pixels", when, inside);
    DWORD ring = PixelAt(canvas, midX, (outer.top + inner.top) / 2 + 1);
    ok(ring == kMagenta, "%s: expected magenta between the ellipses, got %06lx", when, ring);
    DWORD stone = PixelAt(canvas, midX, midY);
    ok(stone != kMagenta && SeenAt(stone) == Board[historyX[moveCount - 1]][historyY[moveCount - 1]],
       "%s: expected the stone inside the ring, got %06lx", when, stone);
}

static void CheckPaintInPlay(Canvas& canvas) {
    boardGeometry = BoardGeometry{30, 30, 0, 0};
    FillCanvas(canvas, kSentinel);
    PaintAll(canvas.dc);
    CheckStonesWhereTheBoardHasThem(canvas, "30-pixel cells");
    CheckGridAndStarPoints(canvas);
    CheckStonesHaveNoBox(canvas);
    CheckMarker(canvas, "30-pixel cells", kRingAroundStone);

    // Moved and with cells of another size, the stones follow.
    boardGeometry = BoardGeometry{18, 24, 11, -3};
    FillCanvas(canvas, kSentinel);
    PaintAll(canvas.dc);
    CheckStonesWhereTheBoardHasThem(canvas, "18 x 24 cells at (11,-3)");
    CheckMarker(canvas, "18 x 24 cells", kRingAroundStone);

    // No move yet: no marker, whatever the record held before.
    const int savedCount = moveCount;
    moveCount = 0;
    FillCanvas(canvas, kSentinel);
    PaintMarker(canvas.dc);
    ok(CountPixels(canvas, kSentinel) == canvas.width * canvas.height, "no move: expected no marker drawn");
    moveCount = savedCount;
}

// The flood fill must stay inside the ring at every cell size.
static void CheckMarkerAtEverySize(Canvas& canvas) {
    for (int cell = 6; cell <= 60; cell += 6) {
        boardGeometry = BoardGeometry{cell, cell, 0, 0};
        FillCanvas(canvas, kSentinel);
        PaintAll(canvas.dc);
        char when[40];
        wsprintfA(when, "%d-pixel cells", cell);
        // Below 24 pixels the inner ellipse is too small to see into.
        CheckMarker(canvas, when, cell >= 24 ? kRingAroundStone : kContainedMarker);
    }
}

static void CheckMissingAndForeignPictures(Canvas& canvas) {
    boardGeometry = BoardGeometry{30, 30, 0, 0};
    static const char gif[] = "GIF89a\x10\x00\x10\x00";
    for (int variant = 0; variant < 2; variant++) {
        const char* what = variant == 0 ? "without board.img" : "with a GIF as board.img";
        if (variant == 0) DeleteFileA("board.img");
        else WriteBytes("board.img", std::vector<uint8_t>(gif, gif + sizeof gif - 1));
        FillCanvas(canvas, kSentinel);
        PaintAll(canvas.dc);
        PixelPoint empty = Probe(5, 5);
        PixelPoint line = IntersectionCentre(5, 5);
        ok(PixelAt(canvas, empty.x, empty.y) == kSentinel, "%s: expected the background, got %06lx", what,
           PixelAt(canvas, empty.x, empty.y));
        ok(PixelAt(canvas, line.x, line.y) == 0, "%s: expected the grid still drawn", what);
        PixelPoint stone = Probe(10, 10);
        ok(SeenAt(PixelAt(canvas, stone.x, stone.y)) == Black, "%s: expected the stones still drawn", what);
        ok(variant == 0 || NobodyHasOpen("board.img"), "%s: the file was left open", what);
    }
    CopyAsset("board.img");

    DeleteFileA("black.img");
    FillCanvas(canvas, kSentinel);
    PaintAll(canvas.dc);
    PixelPoint black = Probe(10, 10), white = Probe(10, 11);
    ok(PixelAt(canvas, black.x, black.y) == kWood, "without black.img: expected the board beneath, got %06lx",
       PixelAt(canvas, black.x, black.y));
    ok(SeenAt(PixelAt(canvas, white.x, white.y)) == White, "without black.img: expected white stones still drawn");
    CopyAsset("black.img");
}

static void CheckThousandPaints(Canvas& canvas) {
    boardGeometry = BoardGeometry{18, 18, 0, 0};
    PaintAll(canvas.dc);  // anything GDI creates once for good, before counting
    const int gdiBefore = GdiObjectCount();
    const DWORD handlesBefore = HandleCount();
    for (int i = 0; i < 1000; i++) PaintAll(canvas.dc);
    const int gdiAfter = GdiObjectCount();
    ok(gdiAfter == gdiBefore, "GDI objects after 1000 paints: expected %d, got %d", gdiBefore, gdiAfter);
    ok(HandleCount() == handlesBefore, "handles after 1000 paints: expected %lu, got %lu", handlesBefore,
       HandleCount());
    for (const char* name : kPictures) ok(NobodyHasOpen(name), "%s was left open after 1000 paints", name);
    FillCanvas(canvas, kSentinel);
    PaintAll(canvas.dc);
    CheckStonesWhereTheBoardHasThem(canvas, "after 1000 paints");
    CheckMarker(canvas, "after 1000 paints", kRingAroundStone);
}

// On a real window: the marker's invalidation, and a paint through
// BeginPaint on the screen.
static LRESULT CALLBACK PaintWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        PaintAll(dc);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

static void CheckOnAWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = PaintWindowProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.lpszClassName = "BoardPaintTest";
    windowClass.hbrBackground = (HBRUSH)GetStockObject(GRAY_BRUSH);
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "BoardPaintTest", "paint", WS_POPUP | WS_VISIBLE, 0, 0, 348, 348, NULL, NULL,
                                  GetModuleHandleA(NULL), NULL);
    boardGeometry = BoardGeometry{18, 18, 0, 0};
    UpdateWindow(window);
    PumpMessages();

    ValidateRect(window, NULL);
    InvalidateMarker(window);
    PixelRect m = MarkerRect();
    ok(UpdateRegionIs(window, RECT{m.left, m.top, m.right, m.bottom}), "expected exactly the marker invalidated");
    const int savedCount = moveCount;
    moveCount = 0;
    ValidateRect(window, NULL);
    InvalidateMarker(window);
    ok(UpdateRegionIsEmpty(window), "on an empty board expected nothing invalidated");
    moveCount = savedCount;

    InvalidateRect(window, NULL, FALSE);
    UpdateWindow(window);
    HDC screen = GetDC(window);
    int wrong = 0;
    for (int x = 1; x <= kBoardSize; x++)
        for (int y = 1; y <= kBoardSize; y++) {
            PixelPoint p = Probe(x, y);
            DWORD rgb = GetPixel(screen, p.x, p.y);
            DWORD seen = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
            if (SeenAt(seen) != Board[x][y]) wrong++;
        }
    ok(wrong == 0, "on the window: expected every point to show its cell, %d did not", wrong);
    PixelRect inner = MarkerInnerRect(), outer = MarkerRect();
    COLORREF ring = GetPixel(screen, (inner.left + inner.right) / 2, (outer.top + inner.top) / 2 + 1);
    ok(ring == RGB(255, 0, 255), "on the window: expected the magenta ring, got %06lx", ring);
    ReleaseDC(window, screen);
    DestroyWindow(window);
}

int main() {
    for (const char* name : kPictures) ok(CopyAsset(name), "expected to copy %s from assets/", name);
    SetUpGame();
    Canvas canvas = CreateCanvas(600, 600);
    CheckPaintInPlay(canvas);
    CheckMarkerAtEverySize(canvas);
    CheckMissingAndForeignPictures(canvas);
    CheckThousandPaints(canvas);
    DestroyCanvas(canvas);
    CheckOnAWindow();
    return CheckSummary("board_paint");
}
