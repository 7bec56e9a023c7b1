// Grid line ends, star points and the last-move marker to the pixel, and the cells each win blink writes.
#include <gtest/gtest.h>

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
    EXPECT_EQ((PixelRect{27, 11, 567, 11}), Ends(HorizontalGridLine(1)));
    EXPECT_EQ((PixelRect{567, 11, 567, 443}), Ends(VerticalGridLine(19)));
    EXPECT_EQ((PixelRect{114, 225, 121, 230}), StarPointRect(1));  // column 4, row 10
    EXPECT_EQ((PixelRect{474, 369, 481, 374}), StarPointRect(8));  // column 16, row 16
}

// The marker's ellipses on the last move only: the cell inset by 4 and 5 twelfths.
TEST(Marker, RectanglesOnTheLastStone) {
    const struct { int32_t cell, x, y; PixelRect outer, inner; } cases[] = {
        {30, 1, 1, {15, 15, 25, 25}, {17, 17, 23, 23}}, {18, 19, 19, {333, 333, 339, 339}, {334, 334, 338, 338}}};
    for (const auto& c : cases) {
        boardGeometry = BoardGeometry{c.cell, c.cell, 0, 0};
        historyX[0] = historyY[0] = 10, historyX[1] = c.x, historyY[1] = c.y, moveCount = 2;
        EXPECT_TRUE(MarkerRect() == c.outer && MarkerInnerRect() == c.inner) << c.cell;
    }
}

// Each blink step sets the five to the winner (odd Phase) or empty (even), invalidating just those cells.
TEST(WinHighlight, BlinksTheFiveAndEndsShown) {
    const struct { Cell winner; const char* stones; int32_t lastX, lastY, x0, y0, dx, dy; } fives[] = {
        {Black, "B 10,3 9,4 7,6 6,7  W 1,1 2,1 3,1 4,1", 8, 5, 10, 3, -1, 1},  // completed in the middle
        {White, "W 19,1 19,2 19,3 19,4  B 1,1 2,1 3,1 4,1", 19, 5, 19, 1, 0, 1},
    };
    options.sound = 0;
    boardGeometry = BoardGeometry{24, 24, 5, 7};
    for (const auto& f : fives) {
        SetPosition(f.stones), Phase = f.winner;
        PlaceStone(NULL, f.lastX, f.lastY);
        for (; Phase <= 9; Phase++) {  // as the blink timer steps it; 9 leaves the five shown
            ResetPlatformRecord();
            HighlightStep(NULL, historyX[0], historyY[0]);
            ASSERT_EQ(5u, platformRecord.invalidated.size());
            for (int32_t k = 0, x = f.x0, y = f.y0; k < 5; k++, x += f.dx, y += f.dy)
                EXPECT_TRUE(Board[x][y] == (Phase % 2 ? f.winner : Empty) &&
                            CellRect(x, y) == platformRecord.invalidated[k]) << x << "," << y << " Phase " << Phase;
        }
    }
}
