// The computer's move: the centre opening, the scan with its tie-breaks and
// their exact number of random draws, and the double-three rule.
#include <gtest/gtest.h>

#include "ai/computer_player.h"
#include "ai/evaluation.h"
#include "position.h"
#include "settings/options.h"

namespace {

// The number of generator steps that lead from state `from` to state `to`.
int DrawsBetween(uint32_t from, uint32_t to) {
    for (int n = 0; n < 1000000; n++) {
        if (from == to) return n;
        from = from * 214013u + 2531011u;
    }
    return -1;
}

class MoveChoice : public ::testing::Test {
protected:
    void SetUp() override {
        savedOptions = options;
        options.computerColour = White;
        options.level = 1;
        options.allowDoubleThree = 0;
        randomState = 1;
    }
    void TearDown() override {
        options = savedOptions;
        randomState = 1;
    }
    Options savedOptions;
};

TEST_F(MoveChoice, GeneratorStartsWithTheKnownSequence) {
    const int32_t expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int32_t value : expected) EXPECT_EQ(value, NextRandom());
    EXPECT_EQ(10, DrawsBetween(1, randomState));
}

TEST_F(MoveChoice, FirstStoneGoesToTheCentreWithoutADraw) {
    ResetGame();
    options.computerColour = Black;
    int32_t x = 0, y = 0;
    EXPECT_TRUE(ChooseComputerMove(x, y));
    EXPECT_EQ(10, x);
    EXPECT_EQ(10, y);
    EXPECT_EQ(1u, randomState);
}

TEST_F(MoveChoice, ReplyToTheCentreAtBothLevels) {
    for (int level = 0; level <= 1; level++) {
        SetPosition("B 10,10");
        moveCount = 1;
        Phase = White;
        options.level = level;
        randomState = 1;
        // The eight neighbours score 21, every other cell at most 20.
        for (int x = 1; x <= 19; x++)
            for (int y = 1; y <= 19; y++) {
                if (Board[x][y] != Empty) continue;
                const int score = EvaluateCell(x, y, White) + EvaluateCell(x, y, Black);
                const bool neighbour = abs(x - 10) <= 1 && abs(y - 10) <= 1;
                if (neighbour) EXPECT_EQ(21, score) << x << "," << y;
                else EXPECT_LE(score, 20) << x << "," << y;
            }
        ASSERT_EQ(1u, randomState);
        const std::string before = BoardSnapshot();
        int32_t x = 0, y = 0;
        EXPECT_TRUE(ChooseComputerMove(x, y));
        EXPECT_EQ(11, x) << "level " << level;
        EXPECT_EQ(10, y) << "level " << level;
        EXPECT_EQ(149, DrawsBetween(1, randomState)) << "level " << level;
        EXPECT_EQ(before, BoardSnapshot());
    }
}

// White (the computer) around an empty (10,10) that would make two open threes.
const char kDoubleThreePoint[] = "W 10,9 10,11 9,10 11,10  B 3,3 3,5 5,3 16,16 16,14";

struct DoubleThreeCase {
    int allowDoubleThree;
    int x, y;
    int draws;
};

const DoubleThreeCase kDoubleThreeCases[] = {
    {1, 10, 10, 22},  // allowed: the double three (812) is the best cell
    {0, 8, 9, 26},    // forbidden: skipped however high its score
};

TEST_F(MoveChoice, DoubleThreePointIsChosenOnlyWhileAllowed) {
    for (const DoubleThreeCase& c : kDoubleThreeCases) {
        for (int level = 0; level <= 1; level++) {
            SetPosition(kDoubleThreePoint);
            moveCount = 9;
            Phase = White;
            options.level = level;
            options.allowDoubleThree = c.allowDoubleThree;
            randomState = 1;
            EXPECT_EQ(812, EvaluateCell(10, 10, White) + EvaluateCell(10, 10, Black));
            const std::string before = BoardSnapshot();
            int32_t x = 0, y = 0;
            EXPECT_TRUE(ChooseComputerMove(x, y));
            EXPECT_EQ(c.x, x) << "allow " << c.allowDoubleThree << " level " << level;
            EXPECT_EQ(c.y, y) << "allow " << c.allowDoubleThree << " level " << level;
            EXPECT_EQ(c.draws, DrawsBetween(1, randomState))
                << "allow " << c.allowDoubleThree << " level " << level;
            EXPECT_EQ(before, BoardSnapshot());
        }
    }
}

// A board without an Empty cell. (While any cell is Empty, one of them is
// not a double three: the threes' ends must themselves be Empty, so the
// Empty cell first in any order along a line that is not one of the four
// directions has no open three through it.)
void FillBoard() {
    for (int x = 1; x <= 19; x++)
        for (int y = 1; y <= 19; y++) Board[x][y] = (x / 2 + y) % 2 ? Black : White;
    moveCount = 361;
}

TEST_F(MoveChoice, NoQualifyingCellLeavesTheOutputsAndTheGeneratorAlone) {
    for (int allow = 0; allow <= 1; allow++) {
        ResetGame();
        FillBoard();
        Phase = White;
        options.allowDoubleThree = allow;
        randomState = 12345;
        const std::string before = BoardSnapshot();
        int32_t x = -7, y = 42;
        EXPECT_FALSE(ChooseComputerMove(x, y));
        EXPECT_EQ(-7, x);
        EXPECT_EQ(42, y);
        EXPECT_EQ(12345u, randomState);
        EXPECT_EQ(before, BoardSnapshot());
    }
}

TEST_F(MoveChoice, TheLastEmptyCellIsTakenEvenWhenEverythingScoresZero) {
    ResetGame();
    FillBoard();
    Board[19][19] = Empty;
    moveCount = 360;
    Phase = White;
    int32_t x = 0, y = 0;
    EXPECT_TRUE(ChooseComputerMove(x, y));
    EXPECT_EQ(19, x);
    EXPECT_EQ(19, y);
    EXPECT_EQ(1u, randomState);  // one cell, no tie
}

}  // namespace
