// Run lengths, bridged runs and five detection along the lines of the board.
#include <gtest/gtest.h>

#include "position.h"
#include "rules/lines.h"

namespace {

struct RunCase {
    const char* position;  // X is Black, O is White; all on row 10 unless stated
    int x, y;
    Direction d;
    int solid, solidOpen;    // RunLength
    int gapped, gappedOpen;  // GappedRunLength
};

const RunCase kRunCases[] = {
    // Against the wall at column 0.
    {"B 1,10 2,10 3,10", 1, 10, 1, 3, 1, 3, 1},
    {"B 1,10 2,10 3,10", 3, 10, 1, 3, 1, 3, 1},
    // Closed both sides by the other colour: the gapped reading is 0.
    {"B 7,10 8,10 9,10 W 6,10 10,10", 8, 10, 1, 3, 0, 0, 0},
    // One end closed: the backward reading decides, from every stone.
    {"B 7,10 8,10 9,10 W 10,10", 7, 10, 1, 3, 1, 3, 1},
    {"B 7,10 8,10 9,10 W 10,10", 9, 10, 1, 3, 1, 3, 1},
    // One gap bridged.
    {"B 6,10 7,10 9,10", 6, 10, 1, 2, 2, 3, 2},
    {"B 6,10 7,10 9,10", 7, 10, 1, 2, 2, 3, 2},
    {"B 6,10 7,10 9,10", 9, 10, 1, 1, 2, 3, 2},
    // Only one gap per reading.
    {"B 6,10 8,10 10,10", 8, 10, 1, 1, 2, 2, 2},
    {"B 6,10 8,10 10,10", 6, 10, 1, 1, 2, 2, 2},
    // A tie takes the forward reading, whose far end is closed.
    {"B 7,10 8,10 W 10,10", 7, 10, 1, 2, 2, 2, 1},
    {"B 7,10 8,10 W 10,10", 8, 10, 1, 2, 2, 2, 1},
    // Two Empty cells are not bridged.
    {"B 6,10 7,10 10,10", 6, 10, 1, 2, 2, 2, 2},
    // A corner stone along the down-left diagonal: both neighbours are wall.
    {"B 1,1", 1, 1, 4, 1, 0, 0, 0},
    // Columns and diagonals walk the same way.
    {"B 5,5 5,6 5,7", 5, 6, 3, 3, 2, 3, 2},
    {"B 5,5 6,6 8,8", 5, 5, 2, 2, 2, 3, 2},
};

TEST(RunLength, MeasuresSolidAndBridgedRuns) {
    for (const RunCase& c : kRunCases) {
        SetPosition(c.position);
        int32_t open = -1;
        EXPECT_EQ(c.solid, RunLength(c.x, c.y, c.d, open)) << c.position << " from " << c.x;
        EXPECT_EQ(c.solidOpen, open) << c.position << " from " << c.x;
        open = -1;
        EXPECT_EQ(c.gapped, GappedRunLength(c.x, c.y, c.d, open)) << c.position << " from " << c.x;
        EXPECT_EQ(c.gappedOpen, open) << c.position << " from " << c.x;
    }
}

TEST(RunLength, OnlyReadsTheBoard) {
    SetPosition("B 6,10 7,10 9,10 W 10,10");
    const std::string before = BoardSnapshot();
    int32_t open = 0;
    for (Direction d = 1; d <= 4; d++) {
        RunLength(7, 10, d, open);
        GappedRunLength(7, 10, d, open);
    }
    EXPECT_EQ(before, BoardSnapshot());
}

struct FiveCase {
    const char* position;
    int x, y;                 // the stone asked about
    Direction expected;
    int firstX, firstY;       // where x, y end up
};

const FiveCase kFiveCases[] = {
    {"B 1,10 2,10 3,10 4,10 5,10", 3, 10, 1, 1, 10},
    {"B 1,10 2,10 3,10 4,10 5,10", 5, 10, 1, 1, 10},
    // Six in a row is no five; x and y stay.
    {"B 4,10 5,10 6,10 7,10 8,10 9,10", 6, 10, 0, 6, 10},
    // Closed at both ends still counts.
    {"W 3,10 9,10 B 4,10 5,10 6,10 7,10 8,10", 8, 10, 1, 4, 10},
    // A row five and a column five at once: the row is reported.
    {"B 6,10 7,10 8,10 9,10 10,10 10,6 10,7 10,8 10,9", 10, 10, 1, 6, 10},
    // Down-left diagonal starts at its upper-right end.
    {"B 10,3 9,4 8,5 7,6 6,7", 8, 5, 4, 10, 3},
    {"B 10,3 9,4 8,5 7,6 6,7", 6, 7, 4, 10, 3},
    // Column and down-right diagonal start at the top.
    {"W 2,15 2,16 2,17 2,18 2,19", 2, 19, 3, 2, 15},
    {"W 15,15 16,16 17,17 18,18 19,19", 17, 17, 2, 15, 15},
    // A six along the row does not hide a five along the column.
    {"B 4,10 5,10 6,10 7,10 8,10 9,10 6,11 6,12 6,13 6,14", 6, 10, 3, 6, 10},
    {"B 1,1 2,1 3,1 4,1", 4, 1, 0, 4, 1},
};

TEST(FindFive, FindsExactlyFiveAndItsFirstStone) {
    for (const FiveCase& c : kFiveCases) {
        SetPosition(c.position);
        int32_t x = c.x, y = c.y;
        EXPECT_EQ(c.expected, FindFive(x, y)) << c.position;
        EXPECT_EQ(c.firstX, x) << c.position;
        EXPECT_EQ(c.firstY, y) << c.position;
    }
}

}  // namespace
