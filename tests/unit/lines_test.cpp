// Run lengths, bridged runs, five detection and the double-three rule along the lines of the board.
#include <gtest/gtest.h>

#include "position.h"
#include "rules/double_three.h"
#include "rules/lines.h"

// Solid and bridged run lengths with their open ends, from the stone named along Direction d.
const struct { const char* position; int x, y, d, solid, solidOpen, gapped, gappedOpen; } kRunCases[] = {
    {"B 1,10 2,10 3,10", 1, 10, 1, 3, 1, 3, 1},                // the Wall at column 0 closes one end
    {"B 7,10 8,10 9,10 W 6,10 10,10", 8, 10, 1, 3, 0, 0, 0},   // closed both sides: gapped reading 0
    {"B 7,10 8,10 9,10 W 10,10", 7, 10, 1, 3, 1, 3, 1},        // the backward reading decides
    {"B 6,10 7,10 9,10", 7, 10, 1, 2, 2, 3, 2},                // one gap bridged
    {"B 6,10 8,10 10,10", 8, 10, 1, 1, 2, 2, 2},               // only one gap per reading
    {"B 7,10 8,10 W 10,10", 7, 10, 1, 2, 2, 2, 1},             // a tie takes the forward reading
    {"B 6,10 7,10 10,10", 6, 10, 1, 2, 2, 2, 2},               // two Empty cells are not bridged
    {"B 1,1", 1, 1, 4, 1, 0, 0, 0},                            // corner, down-left: Wall both sides
    {"B 5,5 6,6 8,8", 5, 5, 2, 2, 2, 3, 2},                    // the diagonal walks the same way
};

TEST(RunLength, MeasuresSolidAndBridgedRuns) {
    for (const auto& c : kRunCases) {
        SetPosition(c.position);
        int32_t solidOpen = -1, gappedOpen = -1;
        const std::vector<int32_t> got{RunLength(c.x, c.y, c.d, solidOpen), solidOpen,  // braces: left to right
                                       GappedRunLength(c.x, c.y, c.d, gappedOpen), gappedOpen};
        EXPECT_EQ((std::vector<int32_t>{c.solid, c.solidOpen, c.gapped, c.gappedOpen}), got) << c.position;
    }
}

// Exactly five stones in a line, found in direction order, moving (x, y) to the first stone.
const struct { const char* position; int x, y, expected, firstX, firstY; } kFiveCases[] = {
    {"B 1,10 2,10 3,10 4,10 5,10", 3, 10, 1, 1, 10}, {"B 1,1 2,1 3,1 4,1", 4, 1, 0, 4, 1},  // five; four
    {"B 4,10 5,10 6,10 7,10 8,10 9,10", 6, 10, 0, 6, 10},                 // six is no five; x, y stay
    {"W 3,10 9,10 B 4,10 5,10 6,10 7,10 8,10", 8, 10, 1, 4, 10},          // closed at both ends
    {"B 6,10 7,10 8,10 9,10 10,10 10,6 10,7 10,8 10,9", 10, 10, 1, 6, 10},  // row before column
    {"B 10,3 9,4 8,5 7,6 6,7", 8, 5, 4, 10, 3},                           // down-left: upper-right end
    {"W 2,15 2,16 2,17 2,18 2,19", 2, 19, 3, 2, 15}, {"W 15,15 16,16 17,17 18,18 19,19", 17, 17, 2, 15, 15},
    {"B 4,10 5,10 6,10 7,10 8,10 9,10 6,11 6,12 6,13 6,14", 6, 10, 3, 6, 10},  // a six hides no five
};

TEST(FindFive, FindsExactlyFiveAndItsFirstStone) {
    for (const auto& c : kFiveCases) {
        SetPosition(c.position);
        int32_t x = c.x, y = c.y;
        EXPECT_EQ((std::vector<int32_t>{c.expected, c.firstX, c.firstY}), (std::vector<int32_t>{FindFive(x, y), x, y}))
            << c.position;
    }
}

// Two open threes through the cell for the side to move; the temporary stone goes again.
const struct { const char* position; int x, y, phase, expected; } kDoubleThreeCases[] = {
    {"B 8,10 9,10 10,8 10,9", 10, 10, 1, 1}, {"B 8,10 9,10", 10, 10, 1, 0},  // two open threes; a single one
    {"B 8,10 9,10 10,8 10,9 W 11,10", 10, 10, 1, 0},             // row three closed
    {"B 8,10 9,10 10,8 10,9 W 6,10 10,6", 10, 10, 1, 1},          // two past the ends is not looked at
    {"B 9,10 11,10 10,9 10,11", 10, 10, 1, 1}, {"B 9,9 11,11 10,8 10,9", 10, 10, 1, 1},  // in the middle; diagonal
    {"B 7,10 8,10 9,10 10,8 10,9", 10, 10, 1, 0}, {"B 7,10 9,10 10,8 10,9", 10, 10, 1, 0},  // a four; a broken three
    {"B 8,10 9,10 9,9 9,11", 10, 10, 1, 1},                       // second three through an old stone
    {"B 1,10 2,10 3,8 3,9", 3, 10, 1, 0},                         // the wall closes the row three
    {"B 6,10 7,10 8,10 9,10 10,8 10,9 11,11 12,12", 10, 10, 1, 1},  // no look for fives
    {"W 8,10 9,10 10,8 10,9", 10, 10, 2, 1}, {"W 8,10 9,10 10,8 10,9", 10, 10, 1, 0},  // only the side to move's
};

TEST(IsDoubleThree, AnswersForTheSideToMoveAndRestoresTheCell) {
    for (const auto& c : kDoubleThreeCases) {
        SetPosition(c.position);
        Phase = c.phase;
        const std::string before = BoardSnapshot();
        EXPECT_EQ(c.expected, IsDoubleThree(c.x, c.y)) << c.position << " Phase " << c.phase;
        EXPECT_EQ(before, BoardSnapshot()) << c.position;
    }
}
