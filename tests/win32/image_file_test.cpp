// DrawImageFile against real GDI: valid bitmaps of every bit count and row
// order land right side up with their colours; missing, foreign and
// malformed files draw nothing and return 0; no file or GDI object is left
// behind, however often it runs.
#include <windows.h>

#include "paint_canvas.h"
#include "tests/unit/bitmap_builder.h"
#include "view/paint_win32.h"
#include "win32_check.h"

static const DWORD kSentinel = 0x123456;
static const DWORD kOrange = 0xE08020;
static const DWORD kBlue = 0x2040C0;

// Index 1 orange, everything else blue; or the same as direct colours.
static uint32_t TwoColours(int32_t index) { return index == 1 ? kOrange : kBlue; }
static uint32_t TopLeftIndex(int32_t x, int32_t y) { return x < 4 && y < 3 ? 1 : 0; }
static uint32_t TopLeftRgb(int32_t x, int32_t y) { return x < 4 && y < 3 ? kOrange : kBlue; }

struct Valid {
    const char* name;
    BitmapSpec spec;
};

// 8 x 6 pictures with an orange 4 x 3 corner at the top left, the rest blue.
static const Valid kValid[] = {
    {"1-bit", {8, 6, 1, 0, 0, 40}},
    {"1-bit top-down", {8, -6, 1, 0, 0, 40}},
    {"4-bit", {8, 6, 4, 0, 0, 40}},
    {"4-bit, 2 colours used", {8, -6, 4, 2, 0, 40}},
    {"8-bit, 256 colours", {8, 6, 8, 0, 0, 40}},
    {"8-bit, 16 colours used", {8, 6, 8, 16, 0, 40}},
    {"8-bit top-down", {8, -6, 8, 0, 0, 40}},
    {"8-bit with its size given", {8, 6, 8, 0, 48, 40}},
    {"24-bit", {8, 6, 24, 0, 0, 40}},
    {"24-bit top-down", {8, -6, 24, 0, 0, 40}},
    {"32-bit", {8, 6, 32, 0, 0, 40}},
};

static void CheckDrawsRightSideUp(Canvas& canvas) {
    for (const Valid& v : kValid) {
        std::vector<uint8_t> file =
            BitmapFile(v.spec, TwoColours, v.spec.bitCount <= 8 ? TopLeftIndex : TopLeftRgb);
        // The bits follow the colour table whatever bfOffBits says.
        PutLittle(file, 10, 0, 4);
        WriteBytes("picture.img", file);
        FillCanvas(canvas, kSentinel);
        // Stretched three times: 24 x 18 pixels at (10, 20).
        int drawn = DrawImageFile(canvas.dc, "picture.img", 10, 20, 24, 18);
        ok(drawn == 1, "%s: expected 1, got %d", v.name, drawn);
        const struct {
            int x, y;
            DWORD rgb;
        } probes[] = {
            {11, 21, kOrange}, {20, 28, kOrange},  // the orange corner, top left
            {23, 21, kBlue}, {11, 29, kBlue},      // right of it, below it
            {33, 37, kBlue},                       // the last pixel
            {9, 21, kSentinel}, {34, 37, kSentinel}, {11, 38, kSentinel}, {11, 19, kSentinel},
        };
        for (const auto& p : probes) {
            DWORD got = PixelAt(canvas, p.x, p.y);
            ok(got == p.rgb, "%s: at (%d,%d) expected %06lx, got %06lx", v.name, p.x, p.y, p.rgb, got);
        }
        ok(NobodyHasOpen("picture.img"), "%s: the file was left open", v.name);
    }
}

struct Refused {
    const char* name;
    int offset;  // file offset of a field of a valid 8 x 6 8-bit file, or -1
    int size;
    uint32_t value;
    int cut;     // bytes cut from the end, bfSize unchanged
};

static const Refused kRefused[] = {
    {"not BM", 0, 2, 0x4D42 ^ 0x0100, 0},
    {"bfSize - 14 negative", 2, 4, 10, 0},
    {"bfSize beyond the file", -1, 0, 0, 1},
    {"bfSize huge", 2, 4, 0x7FFFFFFF, 0},
    {"biSize beyond the data", 14, 4, 100000, 0},
    {"257 colours", 46, 4, 257, 0},
    {"colour count that wraps 32-bit arithmetic", 46, 4, 0x40000000, 0},
    {"rows beyond the bits", 22, 4, 7, 0},
    {"biSizeImage beyond the bits", 34, 4, 49, 0},
    {"width INT32_MIN", 18, 4, 0x80000000u, 0},
    {"height INT32_MIN", 22, 4, 0x80000000u, 0},
    {"width negative", 18, 4, (uint32_t)-8, 0},
    {"run-length compressed", 30, 4, 1, 0},
};

static void CheckDrawsNothing(Canvas& canvas, const char* what, const char* fileName) {
    FillCanvas(canvas, kSentinel);
    int drawn = DrawImageFile(canvas.dc, fileName, 0, 0, canvas.width, canvas.height);
    ok(drawn == 0, "%s: expected 0, got %d", what, drawn);
    int untouched = CountPixels(canvas, kSentinel);
    ok(untouched == canvas.width * canvas.height, "%s: expected nothing drawn, %d pixels changed", what,
       canvas.width * canvas.height - untouched);
}

static void CheckRefusals(Canvas& canvas) {
    const BitmapSpec spec = {8, 6, 8, 0, 0, 40};
    for (const Refused& r : kRefused) {
        std::vector<uint8_t> file = BitmapFile(spec, TwoColours, TopLeftIndex);
        if (r.offset >= 0) PutLittle(file, (size_t)r.offset, r.value, r.size);
        file.resize(file.size() - r.cut);
        WriteBytes("broken.img", file);
        CheckDrawsNothing(canvas, r.name, "broken.img");
        ok(NobodyHasOpen("broken.img"), "%s: the file was left open", r.name);
    }
    CheckDrawsNothing(canvas, "missing file", "missing.img");

    static const uint8_t png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    WriteBytes("foreign.img", std::vector<uint8_t>(png, png + sizeof png));
    CheckDrawsNothing(canvas, "a PNG file", "foreign.img");
    ok(NobodyHasOpen("foreign.img"), "a PNG file: the file was left open");
    WriteBytes("short.img", std::vector<uint8_t>{'B', 'M', 60, 0});
    CheckDrawsNothing(canvas, "a file shorter than its header", "short.img");
    WriteBytes("empty.img", std::vector<uint8_t>());
    CheckDrawsNothing(canvas, "an empty file", "empty.img");
    ok(NobodyHasOpen("empty.img"), "an empty file: the file was left open");
}

static void CheckZeroSize(Canvas& canvas) {
    WriteBytes("picture.img", BitmapFile({8, 6, 8, 0, 0, 40}, TwoColours, TopLeftIndex));
    FillCanvas(canvas, kSentinel);
    int drawn = DrawImageFile(canvas.dc, "picture.img", 5, 5, 0, 0);
    ok(drawn == 1, "0 x 0: expected 1, got %d", drawn);
    ok(CountPixels(canvas, kSentinel) == canvas.width * canvas.height, "0 x 0: expected nothing visible");
}

// The checks below mean something only if they can see a leak.
static void CheckTheLeakDetectors() {
    int before = GdiObjectCount();
    HBRUSH brush = CreateSolidBrush(kBlue);
    int with = GdiObjectCount();
    DeleteObject(brush);
    ok(with == before + 1 && GdiObjectCount() == before, "GDI count: expected %d, %d, %d; got %d, %d, %d", before,
       before + 1, before, before, with, GdiObjectCount());
    HFILE held = _lopen("picture.img", OF_READ);
    ok(!NobodyHasOpen("picture.img"), "a file held open should be seen as open");
    _lclose(held);
}

static void CheckNothingLeaks(Canvas& canvas) {
    const int gdiBefore = GdiObjectCount();
    const DWORD handlesBefore = HandleCount();
    for (int i = 0; i < 1000; i++) {
        DrawImageFile(canvas.dc, "picture.img", 0, 0, 40, 40);
        DrawImageFile(canvas.dc, "broken.img", 0, 0, 40, 40);
        DrawImageFile(canvas.dc, "foreign.img", 0, 0, 40, 40);
    }
    const int gdiAfter = GdiObjectCount();
    ok(gdiAfter == gdiBefore, "GDI objects after 3000 calls: expected %d, got %d", gdiBefore, gdiAfter);
    ok(HandleCount() == handlesBefore, "handles after 3000 calls: expected %lu, got %lu", handlesBefore,
       HandleCount());
    ok(NobodyHasOpen("picture.img") && NobodyHasOpen("broken.img") && NobodyHasOpen("foreign.img"),
       "a file was left open after 3000 calls");
    // Still drawing: nothing ran out.
    FillCanvas(canvas, kSentinel);
    ok(DrawImageFile(canvas.dc, "picture.img", 0, 0, 8, 6) == 1 && PixelAt(canvas, 0, 0) == kOrange,
       "expected the picture to draw after 3000 calls, got %06lx", PixelAt(canvas, 0, 0));
}

int main() {
    Canvas canvas = CreateCanvas(64, 48);
    ok(canvas.pixels != NULL, "expected a DIB section");
    CheckDrawsRightSideUp(canvas);
    CheckRefusals(canvas);
    CheckZeroSize(canvas);
    CheckTheLeakDetectors();
    CheckNothingLeaks(canvas);
    DestroyCanvas(canvas);
    return CheckSummary("image_file");
}
