// Bridged runs, five detection and the double-three rule along the lines of the board.
// Positions are written as in position.h: "B" or "W", then the stones' x,y.
#include <gtest/gtest.h>

#include "position.h"
#include "rules/double_three.h"
#include "rules/lines.h"

// The bridged run through the stone at (x, y) along the row, with its open ends: two readings, one
// bridging a gap past each end. Solid runs and the rest are checked through the AI's worked examples.
const struct {
    const char* name;
    const char* position;
    int x, y;
    int length, openEnds;
} kBridgedRunCases[] = {
    {"closed on both sides: no reading", "B 7,10 8,10 9,10 W 6,10 10,10", 8, 10, 0, 0},
    {"the backward reading decides", "B 7,10 8,10 9,10 W 10,10", 7, 10, 3, 1},
    {"only one gap per reading", "B 6,10 8,10 10,10", 8, 10, 2, 2},
    {"a tie takes the forward reading", "B 7,10 8,10 W 10,10", 7, 10, 2, 1},
    {"two empty cells are not bridged", "B 6,10 7,10 10,10", 6, 10, 2, 2},
};

TEST(GappedRunLength, BridgesOneGapPerReading) {
    for (const auto& c : kBridgedRunCases) {
        SetPosition(c.position);
        int32_t openEnds = -1;
        EXPECT_EQ(c.length, GappedRunLength(c.x, c.y, 1, openEnds)) << c.name << ": length";
        EXPECT_EQ(c.openEnds, openEnds) << c.name << ": open ends";
    }
}

// Exactly five stones in a line, found in direction order; FindFive moves (x, y) to the five's first stone.
const struct {
    const char* name;
    const char* position;
    int x, y;
    int direction;  // 0: no five
    int firstX, firstY;
} kFiveCases[] = {
    {"five along the row", "B 1,10 2,10 3,10 4,10 5,10", 3, 10, 1, 1, 10},
    {"four is no five", "B 1,1 2,1 3,1 4,1", 4, 1, 0, 4, 1},
    {"six is no five, and x, y stay", "B 4,10 5,10 6,10 7,10 8,10 9,10", 6, 10, 0, 6, 10},
    {"closed at both ends still wins", "W 3,10 9,10 B 4,10 5,10 6,10 7,10 8,10", 8, 10, 1, 4, 10},
    {"the row is found before the column",
     "B 6,10 7,10 8,10 9,10 10,10 10,6 10,7 10,8 10,9", 10, 10, 1, 6, 10},
    {"down-left: the first stone is the upper-right end", "B 10,3 9,4 8,5 7,6 6,7", 8, 5, 4, 10, 3},
    {"a column against the bottom wall", "W 2,15 2,16 2,17 2,18 2,19", 2, 19, 3, 2, 15},
    {"a diagonal into the corner", "W 15,15 16,16 17,17 18,18 19,19", 17, 17, 2, 15, 15},
    {"a six in the row hides no five in the column",
     "B 4,10 5,10 6,10 7,10 8,10 9,10 6,11 6,12 6,13 6,14", 6, 10, 3, 6, 10},
};

TEST(FindFive, FindsExactlyFiveAndItsFirstStone) {
    for (const auto& c : kFiveCases) {
        SetPosition(c.position);
        int32_t x = c.x;
        int32_t y = c.y;
        const int32_t direction = FindFive(x, y);
        EXPECT_EQ(c.direction, direction) << c.name << ": direction of the five";
        EXPECT_EQ(c.firstX, x) << c.name << ": x of the first stone";
        EXPECT_EQ(c.firstY, y) << c.name << ": y of the first stone";
    }
}

// Two open threes through the cell for the side to move; the trial stone is taken away again.
const struct {
    const char* name;
    const char* position;
    int x, y;
    int sideToMove;
    bool doubleThree;
} kDoubleThreeCases[] = {
    {"two open threes", "B 8,10 9,10 10,8 10,9", 10, 10, Black, true},
    {"a single open three", "B 8,10 9,10", 10, 10, Black, false},
    {"the row three is closed", "B 8,10 9,10 10,8 10,9 W 11,10", 10, 10, Black, false},
    {"stones two past the ends are not looked at", "B 8,10 9,10 10,8 10,9 W 6,10 10,6", 10, 10, Black, true},
    {"the move in the middle of both threes", "B 9,10 11,10 10,9 10,11", 10, 10, Black, true},
    {"a diagonal three", "B 9,9 11,11 10,8 10,9", 10, 10, Black, true},
    {"a four is no three", "B 7,10 8,10 9,10 10,8 10,9", 10, 10, Black, false},
    {"a broken three is no three", "B 7,10 9,10 10,8 10,9", 10, 10, Black, false},
    {"the second three runs through an old stone", "B 8,10 9,10 9,9 9,11", 10, 10, Black, true},
    {"the wall closes the row three", "B 1,10 2,10 3,8 3,9", 3, 10, Black, false},
    {"a five made by the same move is not looked at",
     "B 6,10 7,10 8,10 9,10 10,8 10,9 11,11 12,12", 10, 10, Black, true},
    {"White's threes with White to move", "W 8,10 9,10 10,8 10,9", 10, 10, White, true},
    {"White's threes with Black to move", "W 8,10 9,10 10,8 10,9", 10, 10, Black, false},
};

TEST(IsDoubleThree, AnswersForTheSideToMoveAndRestoresTheCell) {
    for (const auto& c : kDoubleThreeCases) {
        SetPosition(c.position);
        Phase = c.sideToMove;
        const std::string before = BoardSnapshot();
        EXPECT_EQ(c.doubleThree, IsDoubleThree(c.x, c.y) != 0) << c.name;
        EXPECT_EQ(before, BoardSnapshot()) << c.name << ": the board after the test";
    }
}
