// Painting read back to the pixel: stones where the Board has them, grid and star points, the magenta ring;
// DrawImageFile draws compressed and bit-field pictures or returns 0; nothing leaks a GDI object or a file.
#include "paint_canvas.h"
#include "rules/board.h"
#include "settings/options.h"
#include "tests/unit/bitmap_builder.h"
#include "view/board_geometry.h"
#include "view/marker.h"
#include "view/paint_win32.h"
#include "win32_check.h"

static const DWORD kSentinel = 0x405060, kWood = 0xDEB062, kMagenta = 0xFF00FF;

static void PaintAll(HDC dc) {
    PaintBoard(dc);
    PaintStones(dc);
    PaintMarker(dc);
}

// The wood, a dark stone or a light one; anything else is wrong.
static Cell Seen(DWORD rgb) {
    if (rgb == kWood) return Empty;
    if (Red(rgb) < 130 && Green(rgb) < 130 && Blue(rgb) < 130) return Black;
    return Red(rgb) > 160 && Green(rgb) > 160 && Blue(rgb) > 150 ? White : Wall;
}

// A quarter cell up-left of each centre shows its cell; empty centres black (but 19,19, which no line
// reaches), beside them only star points; no magenta outside the marker, a ring round the last stone inside.
static void CheckPaint(Canvas& canvas, BoardGeometry g, bool fits) {
    boardGeometry = g;
    FillCanvas(canvas, kSentinel);
    PaintAll(canvas.dc);
    int wrong = 0;
    for (int x = 1; fits && x <= kBoardSize; x++)
        for (int y = 1; y <= kBoardSize; y++) {
            const PixelPoint c = IntersectionCentre(x, y);
            wrong += Seen(PixelAt(canvas, c.x - g.cellWidth / 4, c.y - g.cellHeight / 4)) != Board[x][y];
            if (Board[x][y] == Empty)
                wrong += (PixelAt(canvas, c.x, c.y) != (x == 19 && y == 19 ? kWood : 0)) +
                         (PixelAt(canvas, c.x + 2, c.y + 1) != (x % 6 == 4 && y % 6 == 4 ? 0 : kWood));
        }
    const PixelRect o = MarkerRect(), in = MarkerInnerRect();
    int stray = 0;
    for (int y = 0; y < canvas.height; y++)
        for (int x = 0; x < canvas.width; x++) {
            const bool inMarker = x >= o.left && x < o.right && y >= o.top && y < o.bottom;
            stray += !inMarker && PixelAt(canvas, x, y) == kMagenta;
        }
    const int w = g.cellWidth, h = g.cellHeight;
    ok(wrong == 0, "cells %dx%d: board pixels expected all right, %d wrong", w, h, wrong);
    ok(stray == 0, "cells %dx%d: magenta outside the marker expected none, got %d pixels", w, h, stray);
    if (h < 24) return;  // a smaller ring is too thin to read back
    const DWORD ring = PixelAt(canvas, (in.left + in.right) / 2, (o.top + in.top) / 2 + 1);
    const DWORD stone = PixelAt(canvas, (in.left + in.right) / 2, (in.top + in.bottom) / 2);
    ok(ring == kMagenta, "cells %dx%d: ring above the stone expected magenta, got %06lx", w, h, ring);
    ok(Seen(stone) == White, "cells %dx%d: stone inside the ring expected White, got %06lx", w, h, stone);
}

// Pictures of 4x2 pixels drawn one to one and read back: RLE8 and RLE4 (runs, then an absolute stretch) and
// 32-bit bit fields after a 40-byte header (masks in red, green, blue byte order, not the usual one). The
// other layouts the reader accepts are checked natively (bitmap_layout_test.cpp).
static void CheckCompressedAndBitFieldPictures(Canvas& canvas) {
    const DWORD r = 0xFF0000, g = 0x00FF00, b = 0x0000FF, w = 0xFFFFFF;
    const std::vector<uint32_t> colours = {0, r, g, b};
    // Rows bottom-up: white, blue, green, red under red, green, blue, white, each pixel with red in the
    // low byte as the masks say.
    std::vector<uint8_t> rgbMasks = BitmapFile({4, 2, 32, 0, 0, 40, kBitFields});
    const uint32_t masks[] = {0x0000FF, 0x00FF00, 0xFF0000};
    const uint32_t pixels[] = {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF,  // the bottom row first
                               0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};
    for (int i = 0; i < 3; i++) PutLittle(rgbMasks, 14 + 40 + 4 * i, masks[i], 4);
    for (int i = 0; i < 8; i++) PutLittle(rgbMasks, 14 + 52 + 4 * i, pixels[i], 4);
    const struct { const char* name; std::vector<uint8_t> file; DWORD expected[2][4]; } pictures[] = {
        {"rle8.img",  // 2 of colour 1, 2 of colour 2, end of line; 4 given as 3, 2, 1, 3; end of picture
         BitmapFile({4, 2, 8, 4, 14, 40, kRle8}, colours, {2, 1, 2, 2, 0, 0, 0, 4, 3, 2, 1, 3, 0, 1}),
         {{b, g, r, b}, {r, r, g, g}}},
        {"rle4.img",  // 4 of colours 1 and 2 in turn, end of line; 4 given as 3, 2, 1, 3; end of picture
         BitmapFile({4, 2, 4, 4, 10, 40, kRle4}, colours, {4, 0x12, 0, 0, 0, 4, 0x32, 0x13, 0, 1}),
         {{b, g, r, b}, {r, g, r, g}}},
        {"bitfields32.img", rgbMasks, {{r, g, b, w}, {w, b, g, r}}},
    };
    for (const auto& p : pictures) {
        WriteBytes(p.name, p.file);
        FillCanvas(canvas, kSentinel);
        const int drawn = DrawImageFile(canvas.dc, p.name, 0, 0, 4, 2);
        ok(drawn == 1, "%s: DrawImageFile expected 1, got %d", p.name, drawn);
        for (int y = 0; y < 2; y++)
            for (int x = 0; x < 4; x++)
                ok(PixelAt(canvas, x, y) == p.expected[y][x], "%s pixel (%d,%d): expected %06lx, got %06lx",
                   p.name, x, y, p.expected[y][x], PixelAt(canvas, x, y));
        ok(PixelAt(canvas, 4, 0) == kSentinel && PixelAt(canvas, 0, 2) == kSentinel,
           "%s: expected nothing drawn beside 4x2", p.name);
    }
}

int main() {
    const char* missing = CopyBoardPictures();
    ok(missing == NULL, "expected the pictures copied, %s was not", missing ? missing : "");
    InitWallRing();
    options.sound = 0;
    Phase = kPhaseBlack;
    for (const auto& m : {POINT{10, 10}, {10, 11}, {4, 4}, {16, 4}, {1, 1}, {1, 19}, {19, 18}, {9, 9}})
        PlaceStone(NULL, m.x, m.y);  // Black and White in turn; White's (9, 9) last
    Canvas canvas = CreateCanvas(600, 600);
    CheckPaint(canvas, BoardGeometry{18, 24, 11, -3}, true);
    // The grid checks need star dots of 2 pixels and a board that fits in 600.
    for (int cell = 6; cell <= 60; cell += 6)
        CheckPaint(canvas, BoardGeometry{cell, cell, 0, 0}, cell >= 18 && cell <= 30);

    // A missing file and one that is no bitmap draw nothing and are left closed; which bitmaps the layout
    // refuses is checked natively (bitmap_layout_test.cpp).
    WriteBytes("foreign.img", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'});
    for (const char* name : {"missing.img", "foreign.img"}) {
        FillCanvas(canvas, kSentinel);
        ok(DrawImageFile(canvas.dc, name, 0, 0, 600, 600) == 0, "%s: expected 0 from DrawImageFile", name);
        ok(PixelAt(canvas, 0, 0) == kSentinel, "%s: expected nothing drawn at (0,0)", name);
        if (strcmp(name, "missing.img") != 0) ok(NobodyHasOpen(name), "%s: expected the file closed", name);
    }

    CheckCompressedAndBitFieldPictures(canvas);

    // A thousand paints leave no GDI object or open file behind.
    const int before = GdiObjectCount();
    for (int i = 0; i < 1000; i++) {
        PaintAll(canvas.dc);
        DrawImageFile(canvas.dc, "foreign.img", 0, 0, 9, 9);
    }
    ok(GdiObjectCount() == before, "GDI objects after 1000 paints: expected %d, got %d", before,
       GdiObjectCount());
    for (const char* name : {kBoardImageFile, kBlackImageFile, kWhiteImageFile})
        ok(NobodyHasOpen(name), "%s: expected closed after the paints, left open", name);
    DestroyCanvas(canvas);
    return CheckSummary("board_paint");
}
