// Grid line ends, star points and the last-move marker to the pixel, and the cells each win blink writes.
#include <gtest/gtest.h>

#include "pixel_rect_check.h"
#include "platform_recorder.h"
#include "position.h"
#include "settings/options.h"
#include "view/board_geometry.h"
#include "view/grid.h"
#include "view/marker.h"
#include "view/win_highlight.h"

static PixelRect Ends(const GridLine& l) { return PixelRect{l.fromX, l.fromY, l.toX, l.toY}; }

// Lines run between the outer centres; star dots a ninth of a cell each way, columns then rows.
TEST(Grid, LineEndsAndStarPoints) {
    boardGeometry = BoardGeometry{30, 24, 7, -5};  // each direction on its own
    ExpectSameRect(PixelRect{27, 11, 567, 11}, Ends(HorizontalGridLine(1)), "row 1's line");
    ExpectSameRect(PixelRect{567, 11, 567, 443}, Ends(VerticalGridLine(19)), "column 19's line");
    ExpectSameRect(PixelRect{114, 225, 121, 230}, StarPointRect(1), "star point 1, column 4 row 10");
    ExpectSameRect(PixelRect{474, 369, 481, 374}, StarPointRect(8), "star point 8, column 16 row 16");
}

// The marker's ellipses on the last move only: its cell inset by 4 twelfths (outer) and 5 (inner) of the
// cell's width across and of its height down.
const struct {
    const char* name;
    BoardGeometry geometry;
    int32_t x, y;
    PixelRect outer, inner;
} kMarkerCases[] = {
    {"30-pixel cells, corner stone", {30, 30, 0, 0}, 1, 1, {15, 15, 25, 25}, {17, 17, 23, 23}},
    {"18-pixel cells, far corner", {18, 18, 0, 0}, 19, 19, {333, 333, 339, 339}, {334, 334, 338, 338}},
    {"cells 30 wide and 24 high", {30, 24, 0, 0}, 1, 1, {15, 12, 25, 20}, {17, 14, 23, 18}},
};

TEST(Marker, RectanglesOnTheLastStone) {
    for (const auto& c : kMarkerCases) {
        boardGeometry = c.geometry;
        historyX[0] = 10;  // an earlier stone, never marked
        historyY[0] = 10;
        historyX[1] = c.x;
        historyY[1] = c.y;
        moveCount = 2;
        ExpectSameRect(c.outer, MarkerRect(), std::string(c.name) + ": outer ellipse");
        ExpectSameRect(c.inner, MarkerInnerRect(), std::string(c.name) + ": inner ellipse");
    }
}

// Each blink step sets the five to the winner (odd Phase) or empty (even), invalidating just those cells;
// the last step leaves the five shown.
const struct {
    const char* name;
    Cell winner;
    const char* stones;
    int32_t lastX, lastY;  // the stone that completes the five
    int32_t firstX, firstY, stepX, stepY;
} kFives[] = {
    {"Black's diagonal completed in its middle", Black, "B 10,3 9,4 7,6 6,7  W 1,1 2,1 3,1 4,1", 8, 5,
     10, 3, -1, 1},
    {"White's column at the edge", White, "W 19,1 19,2 19,3 19,4  B 1,1 2,1 3,1 4,1", 19, 5, 19, 1, 0, 1},
};

TEST(WinHighlight, BlinksTheFiveAndEndsShown) {
    options.sound = 0;
    boardGeometry = BoardGeometry{24, 24, 5, 7};
    for (const auto& f : kFives) {
        SetPosition(f.stones);
        Phase = f.winner;
        PlaceStone(NULL, f.lastX, f.lastY);
        for (; Phase <= kPhaseBlinkEnd; Phase++) {  // as the blink timer steps it
            ResetPlatformRecord();
            HighlightStep(NULL, historyX[0], historyY[0]);
            ASSERT_EQ(5u, platformRecord.invalidated.size()) << f.name << ", Phase " << Phase << ": repaints";
            const Cell shown = Phase % 2 ? f.winner : Empty;
            for (int32_t k = 0; k < 5; k++) {
                const int32_t x = f.firstX + k * f.stepX;
                const int32_t y = f.firstY + k * f.stepY;
                const std::string where = std::string(f.name) + ", Phase " + std::to_string(Phase) +
                                          ", cell (" + std::to_string(x) + "," + std::to_string(y) + ")";
                EXPECT_EQ(shown, Board[x][y]) << where << ": the stone shown";
                ExpectSameRect(CellRect(x, y), platformRecord.invalidated[k], where + ": repaint");
            }
        }
    }
}
