// The board's place in the client area, presses to intersections, window
// sizes, the screen-fit test and edge snapping, to the pixel.
#include <gtest/gtest.h>

#include <climits>

#include "platform_recorder.h"
#include "settings/options.h"
#include "view/board_geometry.h"
#include "view/screen_snap.h"
#include "view/window_size.h"

namespace {

struct GeometryCase {
    int32_t width, height, statusBar;
    int32_t cellWidth, cellHeight, boardLeft, boardTop;
};

TEST(Geometry, ClientSizesGiveCellsAndOffsets) {
    const GeometryCase cases[] = {
        {348, 348, 0, 18, 18, 0, 0},
        {348, 368, 1, 18, 18, 0, 0},   // the bar's 20 pixels are not the board's
        {348, 368, 9, 18, 18, 0, 0},   // any non-zero statusBar is on
        {464, 464, 0, 24, 24, 0, 0},
        {580, 580, 0, 30, 30, 0, 0},
        {696, 696, 0, 36, 36, 0, 0},
        {812, 812, 0, 42, 42, 0, 0},
        {400, 348, 0, 18, 18, 26, 0},  // centred in 348 of 400
        {348, 500, 0, 18, 24, 0, 18},  // each direction on its own
        {115, 348, 0, 0, 18, 57, 0},   // too narrow for a cell
        {0, 0, 1, 0, 0, 0, -10},       // minimised
        {348, 10, 1, 18, 0, 0, -5},
        {348, 9, 1, 18, 0, 0, -5},     // -11 / 2 truncates to -5, not -6
        {348, 0, 0, 18, 0, 0, 0},
        {65535, 65535, 1, 3384, 3384, 55, 45},
    };
    for (const GeometryCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " bar " << c.statusBar);
        BoardGeometry g = ComputeGeometry(c.width, c.height, c.statusBar);
        EXPECT_EQ(c.cellWidth, g.cellWidth);
        EXPECT_EQ(c.cellHeight, g.cellHeight);
        EXPECT_EQ(c.boardLeft, g.boardLeft);
        EXPECT_EQ(c.boardTop, g.boardTop);
    }
}

TEST(Geometry, EveryFixedSizeFillsItsClientAreaExactly) {
    for (int i = 0; i < 5; i++) {
        BoardGeometry g = ComputeGeometry(kWindowSize[i] - 6, kWindowSize[i] - 6, 0);
        EXPECT_EQ(18 + 6 * i, g.cellWidth) << "size " << i;
        EXPECT_EQ(0, g.boardLeft) << "size " << i;
    }
}

TEST(Geometry, CellsBoardAndCentresOfTheTinyBoard) {
    boardGeometry = ComputeGeometry(348, 348, 0);
    EXPECT_EQ((PixelRect{0, 0, 348, 348}), BoardRect());
    EXPECT_EQ((PixelRect{3, 3, 21, 21}), CellRect(1, 1));
    EXPECT_EQ((PixelRect{327, 327, 345, 345}), CellRect(19, 19));
    PixelPoint first = IntersectionCentre(1, 1), last = IntersectionCentre(19, 19);
    EXPECT_EQ(12, first.x);
    EXPECT_EQ(12, first.y);
    EXPECT_EQ(336, last.x);
    EXPECT_EQ(336, last.y);
}

TEST(Geometry, PressesOnTheTinyBoardToColumns) {
    boardGeometry = BoardGeometry{18, 18, 0, 0};
    const struct { int32_t px, column; bool onBoard; } cases[] = {
        {0, 1, true}, {1, 1, true}, {2, 1, true}, {3, 1, true}, {20, 1, true},
        {21, 2, true}, {344, 19, true}, {345, 20, false}, {400, 23, false},
    };
    for (const auto& c : cases) {
        int32_t x = -1, y = -1;
        EXPECT_EQ(c.onBoard, ClickToIntersection(c.px, 100, x, y)) << "px " << c.px;
        EXPECT_EQ(c.column, x) << "px " << c.px;
        EXPECT_EQ(6, y);
        // The same arithmetic downwards.
        EXPECT_EQ(c.onBoard, ClickToIntersection(100, c.px, x, y)) << "py " << c.px;
        EXPECT_EQ(c.column, y) << "py " << c.px;
    }
}

TEST(Geometry, PressesBeforeTheFirstCellTruncateTowardZero) {
    // The first cell starts at 29: up to 17 pixels before it is still column 1.
    boardGeometry = BoardGeometry{18, 18, 26, -5};
    int32_t x, y;
    EXPECT_TRUE(ClickToIntersection(12, 0, x, y));
    EXPECT_EQ(1, x);
    EXPECT_EQ(1, y);  // (0 + 5 - 3) / 18 + 1
    EXPECT_FALSE(ClickToIntersection(11, 0, x, y));
    EXPECT_EQ(0, x);
}

TEST(Geometry, EveryPixelOfACellMapsToItsIntersection) {
    const int32_t sizes[][3] = {{348, 348, 0}, {400, 368, 1}, {813, 600, 1}, {470, 900, 0}};
    for (const auto& s : sizes) {
        boardGeometry = ComputeGeometry(s[0], s[1], s[2]);
        for (int32_t cx = 1; cx <= 19; cx++)
            for (int32_t cy = 1; cy <= 19; cy++) {
                PixelRect cell = CellRect(cx, cy);
                PixelPoint centre = IntersectionCentre(cx, cy);
                ASSERT_EQ(cell.left + boardGeometry.cellWidth / 2, centre.x);
                ASSERT_EQ(cell.top + boardGeometry.cellHeight / 2, centre.y);
                for (int32_t px = cell.left; px < cell.right; px++)
                    for (int32_t py = cell.top; py < cell.bottom; py++) {
                        int32_t x, y;
                        ASSERT_TRUE(ClickToIntersection(px, py, x, y)) << px << "," << py;
                        ASSERT_EQ(cx, x);
                        ASSERT_EQ(cy, y);
                    }
            }
    }
}

TEST(Geometry, NoCellsMeansEveryPressIsOffTheBoard) {
    const BoardGeometry empty[] = {
        ComputeGeometry(115, 348, 0), ComputeGeometry(348, 135, 1),
        ComputeGeometry(0, 0, 1), BoardGeometry{0, 0, 0, 0},
    };
    for (const BoardGeometry& g : empty) {
        boardGeometry = g;
        for (int32_t p : {0, 1, 50, 65535}) {
            int32_t x = -1, y = -1;
            EXPECT_FALSE(ClickToIntersection(p, p, x, y));
            EXPECT_EQ(0, x);
            EXPECT_EQ(0, y);
        }
    }
}

TEST(WindowSize, FixedSizesWithAndWithoutTheBar) {
    const int32_t widths[5] = {354, 470, 586, 702, 818};
    for (int32_t bar : {0, 1}) {
        options.statusBar = bar;
        for (int i = 0; i < 5; i++) {
            WindowSize size = WindowSizeFor(i);
            EXPECT_EQ(widths[i], size.width);
            EXPECT_EQ(widths[i] + 38 + 20 * bar, size.height);
        }
    }
    // Indexes outside the table take the nearest fixed size.
    EXPECT_EQ(354, WindowSizeFor(-1).width);
    EXPECT_EQ(818, WindowSizeFor(9).width);
    EXPECT_EQ(818, WindowSizeFor(INT32_MAX).width);
}

TEST(WindowSize, FitsTheScreenFromTwoPixelsAboveTheTallestWindow) {
    const int32_t thresholds[5] = {414, 530, 646, 762, 878};
    for (int32_t bar : {0, 1}) {
        options.statusBar = bar;  // counted whether shown or not
        for (int i = 0; i < 5; i++) {
            EXPECT_TRUE(SizeFitsScreenHeight(i, thresholds[i])) << i;
            EXPECT_FALSE(SizeFitsScreenHeight(i, thresholds[i] - 1)) << i;
        }
    }
    EXPECT_TRUE(SizeFitsScreenHeight(0, 529));
    EXPECT_FALSE(SizeFitsScreenHeight(1, 529));
    EXPECT_FALSE(SizeFitsScreenHeight(9, 877));
    EXPECT_TRUE(SizeFitsScreenHeight(-1, 414));
}

TEST(ScreenSnap, EdgesWithinFourPixelsSnapLeftEdgeFirst) {
    const struct { int32_t start, end, screen, expected; } cases[] = {
        {666, 1020, 1024, 670},   // |1023 - 1020| = 3: right edge onto 1024
        {665, 1019, 1024, 670},   // 4 short
        {664, 1018, 1024, 664},   // 5 short: stays
        {673, 1027, 1024, 670},   // 4 beyond
        {674, 1028, 1024, 674},   // 5 beyond: stays
        {670, 1024, 1024, 670},   // already on the right edge
        {5, 359, 1024, 5},
        {4, 358, 1024, 0},
        {-4, 350, 1024, 0},
        {-5, 349, 1024, -5},
        {0, 354, 1024, 0},
        {2, 1022, 1024, 0},       // within reach of both: the left one wins
        {372, 764, 768, 376},     // the same rule downwards
        {200, 592, 768, 200},
        {-100000, 100000, 1024, -100000},
        {INT32_MIN, INT32_MAX, 1024, INT32_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, SnapToEdge(c.start, c.end, c.screen)) << c.start << ".." << c.end;
}

}  // namespace
