// The blink of a completed five: each step writes the five cells on the
// board and marks exactly those cells for repainting.
#include <gtest/gtest.h>

#include "platform_recorder.h"
#include "position.h"
#include "rules/board.h"
#include "settings/options.h"
#include "view/board_geometry.h"
#include "view/win_highlight.h"

namespace {

WindowHandle const kWindow = reinterpret_cast<WindowHandle>(0x5678);

struct Five {
    const char* name;
    Cell winner;
    const char* stones;       // four of the five, and the opponent's replies
    int32_t lastX, lastY;     // the stone that completes it
    int32_t cells[5][2];      // the five from its run start
};

const Five kFives[] = {
    // Along direction 4, (-1, +1), from (10, 3); completed in the middle.
    {"down-left, completed in the middle", Black, "B 10,3 9,4 7,6 6,7  W 1,1 2,1 3,1 4,1", 8, 5,
     {{10, 3}, {9, 4}, {8, 5}, {7, 6}, {6, 7}}},
    {"along a row, completed at its start", Black, "B 4,19 5,19 6,19 7,19  W 1,1 2,1 3,1 4,1", 3, 19,
     {{3, 19}, {4, 19}, {5, 19}, {6, 19}, {7, 19}}},
    {"down a column, completed at its end", White, "W 19,1 19,2 19,3 19,4  B 1,1 2,1 3,1 4,1", 19, 5,
     {{19, 1}, {19, 2}, {19, 3}, {19, 4}, {19, 5}}},
};

TEST(WinHighlight, BlinksTheFiveThreeTimesAndEndsShown) {
    options.sound = 0;
    boardGeometry = BoardGeometry{24, 24, 5, 7};
    for (const Five& five : kFives) {
        SCOPED_TRACE(five.name);
        ResetGame();
        PutStones(five.stones);
        const Cell winner = five.winner;
        Phase = winner;
        PlaceStone(kWindow, five.lastX, five.lastY);
        ASSERT_EQ(4, Phase);
        ASSERT_EQ(five.cells[0][0], historyX[0]);
        ASSERT_EQ(five.cells[0][1], historyY[0]);

        // As the win-highlight timer does: a step, then the next Phase.
        for (; Phase <= 9; Phase++) {
            SCOPED_TRACE(testing::Message() << "Phase " << Phase);
            ResetPlatformRecord();
            HighlightStep(kWindow, historyX[0], historyY[0]);
            const Cell expected = Phase % 2 == 0 ? Empty : winner;
            ASSERT_EQ(5u, platformRecord.invalidated.size());
            for (int k = 0; k < 5; k++) {
                const int32_t x = five.cells[k][0], y = five.cells[k][1];
                EXPECT_EQ(expected, Board[x][y]) << "cell " << x << "," << y;
                EXPECT_EQ(CellRect(x, y), platformRecord.invalidated[k]);
                EXPECT_EQ(kWindow, platformRecord.invalidatedWindows[k]);
            }
        }
        for (int k = 0; k < 5; k++) EXPECT_EQ(winner, Board[five.cells[k][0]][five.cells[k][1]]);
        // Nothing around the five was touched: the opponent's stones stay.
        EXPECT_EQ(winner == Black ? White : Black, Board[1][1]);
    }
}

}  // namespace
