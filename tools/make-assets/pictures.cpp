#include "pictures.h"

#include <math.h>

static uint8_t Clamp(double value) {
    if (value < 0) return 0;
    if (value > 255) return 255;
    return (uint8_t)(value + 0.5);
}

static Rgb Scaled(Rgb c, double factor) {
    return Rgb{Clamp(c.red * factor), Clamp(c.green * factor), Clamp(c.blue * factor)};
}

// The board: flat wood inside, and in the margin outside the grid a thin
// bevelled rim, lit from the top left, with a dark outline.
void MakeBoard(uint8_t* pixels, Rgb* palette) {
    enum { kWood, kOutline, kLitOuter, kLitInner, kShadedOuter, kShadedInner };
    for (int i = 0; i < 256; i++) palette[i] = kBoardColour;
    palette[kOutline] = Scaled(kBoardColour, 0.45);
    palette[kLitOuter] = Rgb{244, 210, 146};
    palette[kLitInner] = Rgb{233, 193, 122};
    palette[kShadedOuter] = Scaled(kBoardColour, 0.70);
    palette[kShadedInner] = Scaled(kBoardColour, 0.86);
    const int32_t n = kBoardSide;
    for (int32_t y = 0; y < n; y++)
        for (int32_t x = 0; x < n; x++) {
            const int32_t fromLeftOrTop = x < y ? x : y;
            const int32_t fromRight = n - 1 - x, fromBottom = n - 1 - y;
            const int32_t fromRightOrBottom = fromRight < fromBottom ? fromRight : fromBottom;
            const bool lit = fromLeftOrTop <= fromRightOrBottom;
            const int32_t edge = lit ? fromLeftOrTop : fromRightOrBottom;
            uint8_t index = kWood;
            if (edge == 0) index = kOutline;
            else if (edge == 1) index = lit ? kLitOuter : kShadedOuter;
            else if (edge == 2) index = lit ? kLitInner : kShadedInner;
            pixels[y * n + x] = index;
        }
}

// A stone's grey level at a point of its disc (u, v from -1 to 1, from the
// centre), lit from the top left: a soft gradient and a small highlight.
static double StoneTone(bool white, double u, double v) {
    double d2 = u * u + v * v;
    if (d2 > 1) d2 = 1;
    const double nz = sqrt(1 - d2);
    const double lx = -0.48, ly = -0.56, lz = 0.675;  // a unit vector
    double lit = u * lx + v * ly + nz * lz;
    if (lit < 0) lit = 0;
    double shine = lit * lit;
    shine *= shine;
    shine *= shine;  // lit^8: the highlight
    if (white) return 178 + 62 * lit + 14 * shine;
    return 22 + 26 * lit + 70 * shine;
}

static Rgb StoneColour(bool white, double tone) {
    // A touch of warmth in the white shell, a touch of blue in the slate.
    if (white) return Rgb{Clamp(tone), Clamp(tone - 1), Clamp(tone - 5)};
    return Rgb{Clamp(tone), Clamp(tone + 1), Clamp(tone + 4)};
}

static Rgb Blend(Rgb stone, double cover) {
    const Rgb b = kBoardColour;
    return Rgb{Clamp(b.red + (stone.red - b.red) * cover), Clamp(b.green + (stone.green - b.green) * cover),
               Clamp(b.blue + (stone.blue - b.blue) * cover)};
}

static int32_t Distance(Rgb a, Rgb b) {
    const int32_t dr = a.red - b.red, dg = a.green - b.green, db = a.blue - b.blue;
    return dr * dr + dg * dg + db * db;
}

// The palette: entry 0 the board; 160 solid tones across the stone; and
// the stone's edge over the board, 15 tones at 6 coverages.
static const int32_t kSolidTones = 160;
static const int32_t kEdgeTones = 15;
static const int32_t kEdgeCovers = 6;

void MakeStone(bool white, uint8_t* pixels, Rgb* palette) {
    const double darkest = white ? 178 : 22, lightest = white ? 254 : 118;
    for (int i = 0; i < 256; i++) palette[i] = kBoardColour;
    for (int i = 0; i < kSolidTones; i++)
        palette[1 + i] = StoneColour(white, darkest + (lightest - darkest) * i / (kSolidTones - 1));
    for (int t = 0; t < kEdgeTones; t++)
        for (int c = 1; c <= kEdgeCovers; c++)
            palette[1 + kSolidTones + t * kEdgeCovers + (c - 1)] =
                Blend(StoneColour(white, darkest + (lightest - darkest) * t / (kEdgeTones - 1)),
                      (double)c / (kEdgeCovers + 1));

    // The disc touches the picture's edges, so neighbouring stones touch.
    const int32_t n = kStoneSide, samples = 8;
    const double radius = n / 2.0;
    for (int32_t y = 0; y < n; y++)
        for (int32_t x = 0; x < n; x++) {
            int32_t inside = 0;
            for (int32_t sy = 0; sy < samples; sy++)
                for (int32_t sx = 0; sx < samples; sx++) {
                    const double u = (x + (sx + 0.5) / samples - radius) / radius;
                    const double v = (y + (sy + 0.5) / samples - radius) / radius;
                    if (u * u + v * v <= 1) inside++;
                }
            uint8_t best = 0;
            if (inside > 0) {
                const double u = (x + 0.5 - radius) / radius, v = (y + 0.5 - radius) / radius;
                const Rgb want = Blend(StoneColour(white, StoneTone(white, u, v)), (double)inside / (samples * samples));
                int32_t bestDistance = Distance(want, palette[0]);
                for (int i = 1; i < 256; i++) {
                    const int32_t d = Distance(want, palette[i]);
                    if (d < bestDistance) {
                        bestDistance = d;
                        best = (uint8_t)i;
                    }
                }
            }
            pixels[y * n + x] = best;
        }
}
