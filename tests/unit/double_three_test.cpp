// The double-three rule for the side to move.
#include <gtest/gtest.h>

#include "position.h"
#include "rules/double_three.h"

namespace {

struct DoubleThreeCase {
    const char* position;  // B stones are the side to move's unless Phase says otherwise
    int x, y;
    int phase;
    int expected;
};

const DoubleThreeCase kCases[] = {
    {"B 8,10 9,10 10,8 10,9", 10, 10, 1, 1},
    {"B 8,10 9,10 10,8 10,9 W 11,10", 10, 10, 1, 0},             // row three closed
    {"B 8,10 9,10 10,8 10,9 W 6,10 10,6", 10, 10, 1, 1},          // two past the ends is not looked at
    {"B 9,10 11,10 10,9 10,11", 10, 10, 1, 1},                    // new stone in the middle of both
    {"B 9,9 11,11 10,8 10,9", 10, 10, 1, 1},                      // diagonal and column
    {"B 7,10 8,10 9,10 10,8 10,9", 10, 10, 1, 0},                 // the row becomes a four
    {"B 7,10 9,10 10,8 10,9", 10, 10, 1, 0},                      // a broken three does not count
    {"B 8,10 9,10 9,9 9,11", 10, 10, 1, 1},                       // second three through an old stone
    {"B 1,10 2,10 3,8 3,9", 3, 10, 1, 0},                         // the wall closes the row three
    {"B 6,10 7,10 8,10 9,10 10,8 10,9 11,11 12,12", 10, 10, 1, 1},  // no look for fives
    {"W 8,10 9,10 10,8 10,9", 10, 10, 2, 1},                      // White to move
    {"W 8,10 9,10 10,8 10,9", 10, 10, 1, 0},                      // Black to move: not Black's threes
    {"B 8,10 9,10", 10, 10, 1, 0},                                // a single open three
    {"B 9,10 10,9", 10, 10, 1, 0},                                // twos only
};

TEST(IsDoubleThree, AnswersForTheSideToMoveAndRestoresTheCell) {
    for (const DoubleThreeCase& c : kCases) {
        SetPosition(c.position);
        Phase = c.phase;
        const std::string before = BoardSnapshot();
        EXPECT_EQ(c.expected, IsDoubleThree(c.x, c.y)) << c.position << " Phase " << c.phase;
        EXPECT_EQ(Empty, Board[c.x][c.y]) << c.position;
        EXPECT_EQ(before, BoardSnapshot()) << c.position;
    }
}

}  // namespace
