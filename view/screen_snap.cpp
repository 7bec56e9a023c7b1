#include "view/screen_snap.h"

// 64-bit differences: the rectangle comes from the system and its far
// corners must not overflow the comparison.
static int64_t Distance(int64_t a, int64_t b) { return a > b ? a - b : b - a; }

int32_t SnapToEdge(int32_t start, int32_t end, int32_t screenExtent) {
    if (Distance(start, 0) < kSnapDistance) return 0;
    if (Distance(int64_t(screenExtent) - 1, end) < kSnapDistance)
        return int32_t(int64_t(screenExtent) - (int64_t(end) - start));
    return start;
}
