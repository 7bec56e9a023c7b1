// Painting read back to the pixel: stones where the Board has them, grid and star points, the magenta ring;
// DrawImageFile draws compressed and bit-field pictures or returns 0; a stone at the bounds of its role
// drawn, one byte or pixel beyond not; nothing leaks a GDI object or a file, also on a
// palette device (the run named palette_screen, on a screen of 256 colours, sets KIVRANO_PALETTE_DEVICE).
#include <string>

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
static const char* CellName(Cell cell) {
    return cell == Empty ? "wood" : cell == Black ? "black stone" : cell == White ? "white stone" : "neither";
}

// Wrong pixels counted, the first few named: "(x,y) expected ..., got rrggbb".
struct WrongPixels {
    int count = 0;
    std::string first;
    void Add(int x, int y, const char* expected, DWORD got) {
        if (count++ >= 3) return;
        char text[96];
        snprintf(text, sizeof text, "%s(%d,%d) expected %s, got %06lx", first.empty() ? "" : "; ", x, y,
                 expected, got);
        first += text;
    }
    void Colour(int x, int y, DWORD expected, DWORD got) {
        char name[16];
        snprintf(name, sizeof name, "%06lx", expected);
        if (got != expected) Add(x, y, name, got);
    }
};

// A quarter cell up-left of each centre shows its cell; empty centres black (but 19,19, which no line
// reaches), beside them only star points; no magenta outside the marker, a ring round the last stone inside.
static void CheckPaint(Canvas& canvas, BoardGeometry g, bool fits) {
    boardGeometry = g;
    FillCanvas(canvas, kSentinel);
    PaintAll(canvas.dc);
    WrongPixels wrong;
    for (int x = 1; fits && x <= kBoardSize; x++)
        for (int y = 1; y <= kBoardSize; y++) {
            const PixelPoint c = IntersectionCentre(x, y);
            const int qx = c.x - g.cellWidth / 4, qy = c.y - g.cellHeight / 4;
            const DWORD quarter = PixelAt(canvas, qx, qy);
            if (Seen(quarter) != Board[x][y]) wrong.Add(qx, qy, CellName(Board[x][y]), quarter);
            if (Board[x][y] != Empty) continue;
            wrong.Colour(c.x, c.y, x == 19 && y == 19 ? kWood : 0, PixelAt(canvas, c.x, c.y));
            const bool star = x % 6 == 4 && y % 6 == 4;
            wrong.Colour(c.x + 2, c.y + 1, star ? 0 : kWood, PixelAt(canvas, c.x + 2, c.y + 1));
        }
    const PixelRect o = MarkerRect(), in = MarkerInnerRect();
    WrongPixels stray;
    for (int y = 0; y < canvas.height; y++)
        for (int x = 0; x < canvas.width; x++) {
            const bool inMarker = x >= o.left && x < o.right && y >= o.top && y < o.bottom;
            if (!inMarker && PixelAt(canvas, x, y) == kMagenta) stray.Add(x, y, "no magenta", kMagenta);
        }
    const int w = g.cellWidth, h = g.cellHeight;
    ok(wrong.count == 0, "cells %dx%d: board pixels expected all right, %d wrong: %s", w, h, wrong.count,
       wrong.first.c_str());
    ok(stray.count == 0, "cells %dx%d: magenta outside the marker expected none, got %d pixels: %s", w, h,
       stray.count, stray.first.c_str());
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
    // 2 of colour 1, 2 of colour 2, end of line; 4 given as 3, 2, 1, 3; end of picture
    const std::vector<uint8_t> rle8Runs = {2, 1, 2, 2, 0, 0, 0, 4, 3, 2, 1, 3, 0, 1};
    const struct { const char* name; std::vector<uint8_t> file; DWORD expected[2][4]; } pictures[] = {
        {"rle8.img", BitmapFile({4, 2, 8, 4, 14, 40, kRle8}, colours, rle8Runs),
         {{b, g, r, b}, {r, r, g, g}}},
        {"rle4.img",  // 4 of colours 1 and 2 in turn, end of line; 4 given as 3, 2, 1, 3; end of picture
         BitmapFile({4, 2, 4, 4, 10, 40, kRle4}, colours, {4, 0x12, 0, 0, 0, 4, 0x32, 0x13, 0, 1}),
         {{b, g, r, b}, {r, g, r, g}}},
        {"bitfields32.img", rgbMasks, {{r, g, b, w}, {w, b, g, r}}},
    };
    for (const auto& p : pictures) {
        WriteBytes(p.name, p.file);
        FillCanvas(canvas, kSentinel);
        const int drawn = DrawImageFile(canvas.dc, p.name, kStonePicture, 0, 0, 4, 2);
        ok(drawn == 1, "%s: DrawImageFile expected 1, got %d", p.name, drawn);
        for (int y = 0; y < 2; y++)
            for (int x = 0; x < 4; x++)
                ok(PixelAt(canvas, x, y) == p.expected[y][x], "%s pixel (%d,%d): expected %06lx, got %06lx",
                   p.name, x, y, p.expected[y][x], PixelAt(canvas, x, y));
        ok(PixelAt(canvas, 4, 0) == kSentinel && PixelAt(canvas, 0, 2) == kSentinel,
           "%s: expected nothing drawn beside 4x2", p.name);
    }
    // Runs cannot be stored top-down: the same RLE8 picture with a negative height is refused.
    WriteBytes("rle8-top-down.img", BitmapFile({4, -2, 8, 4, 14, 40, kRle8}, colours, rle8Runs));
    FillCanvas(canvas, kSentinel);
    const int drawn = DrawImageFile(canvas.dc, "rle8-top-down.img", kStonePicture, 0, 0, 4, 2);
    ok(drawn == 0, "rle8-top-down.img: DrawImageFile expected 0, got %d", drawn);
    ok(PixelAt(canvas, 0, 0) == kSentinel, "rle8-top-down.img: pixel (0,0) expected %06lx, got %06lx",
       kSentinel, PixelAt(canvas, 0, 0));
}

// A 24-bit picture of one colour, grown with zeros to fileBytes (bfSize with it) unless that is 0.
static std::vector<uint8_t> OneColour(int width, int height, COLORREF colour, int32_t fileBytes) {
    std::vector<uint8_t> file = BitmapFile({width, height, 24, 0, 0, 40});
    const int stride = (width * 3 + 3) / 4 * 4;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            uint8_t* pixel = &file[14 + 40 + (size_t)y * stride + 3 * x];
            pixel[0] = GetBValue(colour);
            pixel[1] = GetGValue(colour);
            pixel[2] = GetRValue(colour);
        }
    if (fileBytes > 0) {
        file.resize(fileBytes, 0);
        PutField(file, kBfSize, fileBytes);
    }
    return file;
}

static LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// A stone at the bounds of its role, painted by PaintStones on a real window: a file of exactly the stone's
// bytes and a picture of its side are drawn, one byte or one pixel more is not. (Each bound's edges are
// bitmap_layout_test's; the board's role shows in CheckPaint, its picture being far beyond a stone's.) Pure
// blue reads back the same on any screen.
static void CheckStoneBoundsOnAWindow() {
    const PictureBounds stone = kPictureBounds[kStonePicture];
    const COLORREF blue = RGB(0, 0, 255);
    const struct {
        const char* name;
        int width, height;
        int32_t fileBytes;  // 0: as the picture needs
        bool drawn;
    } cases[] = {
        {"as large as a stone may be, in a file of the stone's bytes", stone.side, stone.side,
         stone.fileBytes, true},
        {"in a file one byte over the stone's bytes", 8, 8, stone.fileBytes + 1, false},
        {"one pixel wider than a stone may be", stone.side + 1, stone.side, 0, false},
    };
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = PlainWindowProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.lpszClassName = "PaintBounds";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "PaintBounds", "bounds", WS_POPUP | WS_VISIBLE, 0, 0, 600, 600, NULL,
                                  NULL, GetModuleHandleA(NULL), NULL);
    PumpMessages();
    HDC dc = GetDC(window);
    boardGeometry = BoardGeometry{30, 30, 0, 0};
    // Where the picture shows: a quarter cell into Black's (10, 10).
    const PixelRect cell = CellRect(10, 10);
    const POINT p = {cell.left + 30 / 4, cell.top + 30 / 4};
    HBRUSH sentinel = CreateSolidBrush(RGB(0x40, 0x50, 0x60));
    for (const auto& c : cases) {
        CopyBoardPictures();
        WriteBytes(kBlackImageFile, OneColour(c.width, c.height, blue, c.fileBytes));
        const RECT all = {0, 0, 600, 600};
        FillRect(dc, &all, sentinel);
        PaintBoard(dc);
        PaintStones(dc);
        const COLORREF got = GetPixel(dc, p.x, p.y);
        ok((got == blue) == c.drawn, "stone %s, %dx%d: pixel (%ld,%ld) expected %s, got %06lx", c.name,
           c.width, c.height, p.x, p.y, c.drawn ? "the picture's blue 0000ff" : "anything but 0000ff",
           (unsigned long)(GetRValue(got) << 16 | GetGValue(got) << 8 | GetBValue(got)));
    }
    DeleteObject(sentinel);
    ReleaseDC(window, dc);
    DestroyWindow(window);
    CopyBoardPictures();
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

    // A missing file, one that is no bitmap and one shorter than a file header draw nothing and are left
    // closed; which bitmaps the layout refuses is checked natively (bitmap_layout_test.cpp).
    WriteBytes("foreign.img", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'});
    WriteBytes("short.img", {'B', 'M', 60, 0, 0, 0, 0, 0, 0, 0});
    for (const char* name : {"missing.img", "foreign.img", "short.img"}) {
        FillCanvas(canvas, kSentinel);
        const int drawn = DrawImageFile(canvas.dc, name, kBoardPicture, 0, 0, 600, 600);
        ok(drawn == 0, "%s: DrawImageFile expected 0, got %d", name, drawn);
        ok(PixelAt(canvas, 0, 0) == kSentinel, "%s: expected nothing drawn at (0,0)", name);
        if (strcmp(name, "missing.img") != 0) ok(NobodyHasOpen(name), "%s: expected the file closed", name);
    }

    CheckCompressedAndBitFieldPictures(canvas);
    CheckStoneBoundsOnAWindow();

    // On a palette device every picture is drawn with a palette of its colours selected and realised.
    if (getenv("KIVRANO_PALETTE_DEVICE") != NULL) {
        const int caps = GetDeviceCaps(canvas.dc, RASTERCAPS);
        ok((caps & RC_PALETTE) != 0, "palette screen: RASTERCAPS expected RC_PALETTE, got %#x", caps);
    }
    // A thousand paints leave no GDI object (no palette either) or open file behind, and the default palette
    // selected.
    const int before = GdiObjectCount();
    for (int i = 0; i < 1000; i++) {
        PaintAll(canvas.dc);
        DrawImageFile(canvas.dc, "foreign.img", kStonePicture, 0, 0, 9, 9);
    }
    ok(GdiObjectCount() == before, "GDI objects after 1000 paints: expected %d, got %d", before,
       GdiObjectCount());
    const HGDIOBJ palette = GetCurrentObject(canvas.dc, OBJ_PAL), stock = GetStockObject(DEFAULT_PALETTE);
    ok(palette == stock, "palette selected after 1000 paints: expected the default %p, got %p", stock,
       palette);
    for (const char* name : {kBoardImageFile, kBlackImageFile, kWhiteImageFile})
        ok(NobodyHasOpen(name), "%s: expected closed after the paints, left open", name);
    DestroyCanvas(canvas);
    return CheckSummary("board_paint");
}
