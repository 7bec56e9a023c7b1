// Every coordinate the painting uses, to the pixel: grid lines, star
// points, the marker's two ellipses.
#include <gtest/gtest.h>

#include "platform_recorder.h"
#include "rules/board.h"
#include "view/board_geometry.h"
#include "view/grid.h"
#include "view/marker.h"

// At global scope so that GoogleTest's printing finds them.
static bool operator==(const GridLine& a, const GridLine& b) {
    return a.fromX == b.fromX && a.fromY == b.fromY && a.toX == b.toX && a.toY == b.toY;
}

static std::ostream& operator<<(std::ostream& out, const GridLine& l) {
    return out << "(" << l.fromX << "," << l.fromY << ")-(" << l.toX << "," << l.toY << ")";
}

static std::ostream& operator<<(std::ostream& out, const PixelRect& r) {
    return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace {

TEST(Grid, EighteenPixelCellsAtTheOrigin) {
    boardGeometry = BoardGeometry{18, 18, 0, 0};
    EXPECT_EQ((GridLine{12, 12, 336, 12}), HorizontalGridLine(1));
    EXPECT_EQ((GridLine{12, 336, 336, 336}), HorizontalGridLine(19));
    EXPECT_EQ((GridLine{12, 12, 12, 336}), VerticalGridLine(1));
    EXPECT_EQ((GridLine{336, 12, 336, 336}), VerticalGridLine(19));
    EXPECT_EQ((GridLine{12, 174, 336, 174}), HorizontalGridLine(10));
    EXPECT_EQ((PixelRect{64, 64, 69, 69}), StarPointRect(0));
}

TEST(Grid, StarPointsColumnByColumn) {
    // Thirty-pixel cells with the board moved, and 24-pixel rows: the two
    // directions are computed apart.
    boardGeometry = BoardGeometry{30, 24, 7, -5};
    // centre x = 7 + 5 + (x - 1) * 30 + 15; centre y = -5 + 4 + (y - 1) * 24 + 12
    const int32_t cx[3] = {117, 297, 477};
    const int32_t cy[3] = {83, 227, 371};
    for (int32_t k = 0; k < kStarPointCount; k++) {
        SCOPED_TRACE(k);
        const int32_t x = cx[k / 3], y = cy[k % 3];
        EXPECT_EQ((PixelRect{x - 3, y - 2, x + 4, y + 3}), StarPointRect(k));
    }
    EXPECT_EQ((GridLine{27, 11, 567, 11}), HorizontalGridLine(1));
    EXPECT_EQ((GridLine{567, 11, 567, 443}), VerticalGridLine(19));
}

struct MarkerCase {
    BoardGeometry geometry;
    int32_t x, y;  // the last move
    PixelRect outer, inner;
};

const MarkerCase kMarkers[] = {
    // A 30-pixel cell: outer box inset 10 (10 across), inner 12 (6 across).
    {{30, 30, 0, 0}, 1, 1, {15, 15, 25, 25}, {17, 17, 23, 23}},
    // An 18-pixel cell: insets 6 and 7 (6 and 4 across); cell (19,19) at 327.
    {{18, 18, 0, 0}, 19, 19, {333, 333, 339, 339}, {334, 334, 338, 338}},
    // Cells of 24 by 36 with the board moved: each direction on its own.
    {{24, 36, 10, -4}, 3, 2, {10 + 4 + 48 + 8, -4 + 6 + 36 + 12, 10 + 4 + 48 + 16, -4 + 6 + 36 + 24},
     {10 + 4 + 48 + 10, -4 + 6 + 36 + 15, 10 + 4 + 48 + 14, -4 + 6 + 36 + 21}},
};

TEST(Marker, RectanglesOnTheLastStone) {
    for (const MarkerCase& c : kMarkers) {
        SCOPED_TRACE(testing::Message() << "cell " << c.geometry.cellWidth << "x" << c.geometry.cellHeight);
        boardGeometry = c.geometry;
        // An earlier move elsewhere must not matter: only the last one counts.
        historyX[0] = 10;
        historyY[0] = 10;
        historyX[1] = c.x;
        historyY[1] = c.y;
        historyX[2] = 0;
        moveCount = 2;
        EXPECT_EQ(c.outer, MarkerRect());
        EXPECT_EQ(c.inner, MarkerInnerRect());
    }
}

}  // namespace
