// The grid's lines and star points, in client pixels, from boardGeometry.
#pragma once

#include <stdint.h>

#include "platform/platform.h"

// A line drawn from (fromX, fromY) up to, but not including, (toX, toY).
struct GridLine {
    int32_t fromX;
    int32_t fromY;
    int32_t toX;
    int32_t toY;
};

// Row i from column 1 to column 19, and column i from row 1 to row 19.
GridLine HorizontalGridLine(int32_t i);
GridLine VerticalGridLine(int32_t i);

const int32_t kStarPointCount = 9;
// The dot on star point 0..8: columns 4, 10, 16 in the outer order, rows
// 4, 10, 16 in the inner; a box one pixel wider than the radius each side.
PixelRect StarPointRect(int32_t index);
