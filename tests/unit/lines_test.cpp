// Five detection and the double-three rule along the lines of the board. Bridged runs are scored only by the
// computer player: its worked examples (ai_test.cpp) check them.
#include <gtest/gtest.h>

#include "position.h"
#include "rules/double_three.h"
#include "rules/lines.h"

// Exactly five stones in a line, found in direction order; FindFive moves (x, y) to the five's first stone.
const struct {
    const char* name;
    const char* position;
    int x, y;
    int direction;  // 0: no five
    int firstX, firstY;
} kFiveCases[] = {
    {"five along the row", "B 1,10 2,10 3,10 4,10 5,10", 3, 10, 1, 1, 10},
    {"six is no five, and x, y stay", "B 4,10 5,10 6,10 7,10 8,10 9,10", 6, 10, 0, 6, 10},
    {"closed at both ends still wins", "W 3,10 9,10 B 4,10 5,10 6,10 7,10 8,10", 8, 10, 1, 4, 10},
    {"down-left: the first stone is the upper-right end", "B 10,3 9,4 8,5 7,6 6,7", 8, 5, 4, 10, 3},
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
    {"the row three is closed", "B 8,10 9,10 10,8 10,9 W 11,10", 10, 10, Black, false},
    {"a four is no three", "B 7,10 8,10 9,10 10,8 10,9", 10, 10, Black, false},
    {"the second three runs through an old stone", "B 8,10 9,10 9,9 9,11", 10, 10, Black, true},
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
