// The rating of one intersection: run scores, the worked positions at both
// levels, the gapped credit and the threat veto of level God.
#include <gtest/gtest.h>

#include "ai/evaluation.h"
#include "position.h"
#include "settings/options.h"

namespace {

const int kMan = 0;
const int kGod = 1;

// Every test rates for the computer playing White unless it says otherwise.
class Evaluation : public ::testing::Test {
protected:
    void SetUp() override {
        savedOptions = options;
        options.computerColour = White;
        options.level = kGod;
    }
    void TearDown() override { options = savedOptions; }
    Options savedOptions;
};

TEST_F(Evaluation, TenPowerIsTenToTheNMinusOne) {
    const int32_t expected[] = {1, 1, 1, 10, 100, 1000, 10000, 100000};
    for (int32_t n = -1; n <= 6; n++) EXPECT_EQ(expected[n + 1], TenPower(n)) << "n " << n;
}

struct RunScoreCase {
    const char* position;
    int x, y;  // the stone whose run along the row (Direction 1) is scored
    int solid;
    int gapped;
};

// Row 10. White is the computer (own scale), Black the opponent.
const RunScoreCase kRunScoreCases[] = {
    // own solid runs: n <= 3 scale with the open ends, fours jump, five wins
    {"W 10,10", 10, 10, 4, 0},
    {"W 10,10 B 9,10", 10, 10, 2, 0},
    {"W 10,10 B 9,10 11,10", 10, 10, 0, 0},
    {"W 10,10 11,10", 10, 10, 40, 0},
    {"W 10,10 11,10 B 12,10", 10, 10, 20, 0},
    {"W 10,10 11,10 12,10", 11, 10, 400, 202},
    {"W 10,10 11,10 12,10 B 9,10", 11, 10, 200, 101},  // nothing beyond the gap: the far end counts
    {"W 10,10 11,10 12,10 13,10", 10, 10, 10000, 2002},
    {"W 10,10 11,10 12,10 13,10 B 9,10", 10, 10, 2000, 2001},
    {"W 10,10 11,10 12,10 13,10 B 9,10 14,10", 10, 10, 0, 0},
    {"W 10,10 11,10 12,10 13,10 14,10", 12, 10, 100002, 0},
    {"W 10,10 11,10 12,10 13,10 14,10 B 9,10 15,10", 12, 10, 100000, 0},
    {"W 10,10 11,10 12,10 13,10 14,10 15,10", 12, 10, 0, 0},  // six is worth nothing
    // own gapped runs: 101 per open end for a three, 2000 + e for a four
    {"W 10,10 11,10 13,10", 10, 10, 40, 202},
    {"W 10,10 11,10 13,10 B 9,10", 10, 10, 20, 101},
    {"W 10,10 11,10 13,10 B 9,10 14,10", 10, 10, 20, 0},  // a gapped three with no open end
    {"W 10,10 11,10 13,10 14,10", 10, 10, 40, 2002},
    {"W 10,10 11,10 13,10 14,10 B 9,10 15,10", 10, 10, 20, 2000},
    // opponent solid runs: n * n up to three, fours by their ends, a five to deny
    {"B 10,10", 10, 10, 1, 0},
    {"B 10,10 W 9,10 11,10", 10, 10, 1, 0},
    {"B 10,10 11,10", 10, 10, 4, 0},
    {"B 10,10 11,10 12,10 W 9,10 13,10", 11, 10, 9, 0},
    {"B 10,10 11,10 12,10 13,10", 10, 10, 1006, 502},
    {"B 10,10 11,10 12,10 13,10 W 9,10", 10, 10, 2, 501},
    {"B 10,10 11,10 12,10 13,10 W 9,10 14,10", 10, 10, 0, 0},
    {"B 10,10 11,10 12,10 13,10 14,10 W 9,10 15,10", 10, 10, 20000, 0},
    {"B 10,10 11,10 12,10 13,10 14,10 15,10", 10, 10, 0, 0},
    // opponent gapped runs: half the power of ten plus the open ends
    {"B 10,10 11,10 13,10", 10, 10, 4, 52},
    {"B 10,10 12,10 13,10 14,10 W 9,10", 10, 10, 1, 501},
    // at the edge the Wall closes the run
    {"W 1,10 2,10 3,10", 1, 10, 200, 101},
    {"B 1,10 2,10 3,10 4,10", 2, 10, 2, 501},
};

TEST_F(Evaluation, RunScoresFollowTheOwnAndOpponentScales) {
    for (const RunScoreCase& c : kRunScoreCases) {
        SetPosition(c.position);
        EXPECT_EQ(c.solid, SolidRunScore(c.x, c.y, 1)) << c.position;
        EXPECT_EQ(c.gapped, GappedRunScore(c.x, c.y, 1)) << c.position;
    }
}

TEST_F(Evaluation, TheScaleFollowsTheComputersColourNotTheSideToMove) {
    SetPosition("B 10,10 11,10 12,10");
    Phase = White;
    options.computerColour = Black;
    EXPECT_EQ(400, SolidRunScore(11, 10, 1));
    options.computerColour = White;
    EXPECT_EQ(9, SolidRunScore(11, 10, 1));
}

struct CellCase {
    const char* position;
    int x, y;
    Cell colour;
    int man;
    int god;
};

const char kPositionA[] = "B 10,10 11,10 12,10  W 10,11 11,11";
const char kPositionB[] = "W 11,10 13,10 14,10  B 5,15 6,15 15,5";
const char kPositionC[] = "W 11,10 12,10 10,11 10,13  B 3,3 3,5 5,3 16,16";
const char kPositionD[] = "W 11,10 13,10 14,10 10,11 10,13 10,14  B 3,3 3,5 5,3 16,16 16,14 4,16";
const char kPositionDSwapped[] = "B 11,10 13,10 14,10 10,11 10,13 10,14  W 3,3 3,5 5,3 16,16 16,14 4,16";

const CellCase kWorkedExamples[] = {
    {kPositionA, 13, 10, Black, 1009, 1009},   // the opponent's open four; its gapped four scores less
    {kPositionA, 13, 10, White, 14, 14},       // no Black reply worth more than 1000 next to it
    {kPositionA, 12, 11, White, 408, 0},       // vetoed: Black's (13,10) is worth 1009
    {kPositionB, 10, 10, White, 52, 252},      // one gapped four alone: a tenth of 2002
    {kPositionB, 12, 10, White, 10012, 10012}, // an open four, too strong to veto
    // A direction closed at both ends scores 0 solid and 0 gapped: it is not
    // a better-gapped direction, so the gapped four still stands alone.
    {"W 11,10 13,10 14,10  B 10,9 10,11", 10, 10, White, 48, 248},
    {kPositionC, 10, 10, White, 448, 610},     // S > 100: the gapped three replaces the solid two
    {kPositionD, 10, 10, White, 88, 4012},     // two gapped fours replace their solid twos
    {kPositionDSwapped, 10, 10, Black, 10, 1006},
};

TEST_F(Evaluation, WorkedPositionsAtBothLevels) {
    for (const CellCase& c : kWorkedExamples) {
        SetPosition(c.position);
        const std::string before = BoardSnapshot();
        options.level = kMan;
        EXPECT_EQ(c.man, EvaluateCell(c.x, c.y, c.colour)) << c.position << " at " << c.x << "," << c.y;
        EXPECT_EQ(before, BoardSnapshot()) << c.position;
        options.level = kGod;
        EXPECT_EQ(c.god, EvaluateCell(c.x, c.y, c.colour)) << c.position << " at " << c.x << "," << c.y;
        EXPECT_EQ(before, BoardSnapshot()) << c.position;
    }
}

TEST_F(Evaluation, AnyLevelOtherThanManIsGod) {
    SetPosition(kPositionB);
    options.level = 7;
    EXPECT_EQ(252, EvaluateCell(10, 10, White));
}

TEST_F(Evaluation, ThreatTestStopsAtTheFirstEndWorthMoreThan1000) {
    SetPosition(kPositionA);
    Board[12][11] = White;  // the computer's stone, as EvaluateCell puts it
    const std::string before = BoardSnapshot();
    EXPECT_TRUE(ThreatAtRunEnds(12, 11));
    EXPECT_EQ(before, BoardSnapshot());

    SetPosition(kPositionA);
    Board[13][10] = White;
    EXPECT_FALSE(ThreatAtRunEnds(13, 10));
}

// Black, the opponent, gets at (10,10) two gapped fours closed at both ends
// (500 each) and two lines of six (0 each), once White stands on (9,10):
// worth exactly 1000. Opening the row four's far end at (15,10) makes it 1001.
const char kWorth1000[] =
    "B 12,10 13,10 14,10  10,12 10,13 10,14  8,8 9,9 11,11 12,12 13,13  11,9 12,8 9,11 8,12 7,13 "
    "W 10,9 10,15 15,10";

TEST_F(Evaluation, VetoNeedsAnOpponentReplyWorthMoreThan1000) {
    SetPosition(kWorth1000);
    Board[9][10] = White;
    ASSERT_EQ(1000, EvaluateCell(10, 10, Black));
    Board[9][10] = Empty;
    EXPECT_EQ(48, EvaluateCell(9, 10, White));

    Board[15][10] = Empty;
    Board[9][10] = White;
    ASSERT_EQ(1001, EvaluateCell(10, 10, Black));
    Board[9][10] = Empty;
    const std::string before = BoardSnapshot();
    EXPECT_EQ(0, EvaluateCell(9, 10, White));
    EXPECT_EQ(before, BoardSnapshot());

    options.level = kMan;  // Man never vetoes
    EXPECT_EQ(48, EvaluateCell(9, 10, White));
}

TEST_F(Evaluation, VetoIsNeverTestedAtTenThousandOrMore) {
    // Black would answer at (13,11), next to (12,10), with a five. White's
    // open four at (12,10) stands; a White two there is vetoed.
    SetPosition("W 11,10 13,10 14,10  B 13,12 13,13 13,14 13,15");
    EXPECT_EQ(10012, EvaluateCell(12, 10, White));
    SetPosition("W 11,10  B 13,12 13,13 13,14 13,15");
    EXPECT_EQ(0, EvaluateCell(12, 10, White));
    options.level = kMan;
    EXPECT_EQ(40 + 4 + 4 + 4, EvaluateCell(12, 10, White));

    // Exactly 10000: an open four whose other three lines are closed at
    // both ends, next to Black's (9,10), where Black would make an open four.
    options.level = kGod;
    SetPosition("W 11,10 12,10 13,10  B 9,9 11,11 10,9 10,11 11,9 9,11 9,8");
    EXPECT_EQ(10000, EvaluateCell(10, 10, White));
    Board[10][10] = White;
    EXPECT_TRUE(ThreatAtRunEnds(10, 10));
}

TEST_F(Evaluation, OnlyTheComputersColourIsVetoed) {
    // Same stones, computer Black: White's value at (12,11) is no longer vetoed.
    SetPosition(kPositionA);
    options.computerColour = Black;
    EXPECT_EQ(9 + 1 + 1 + 1, EvaluateCell(12, 11, White));
}

TEST_F(Evaluation, CornerCellsStopAtTheWall) {
    SetPosition("W 2,1 3,1");
    const std::string before = BoardSnapshot();
    // Row: three with the Wall behind it (200, gapped 202); column and the
    // down-right diagonal: single stones with the Wall behind (2 each);
    // down-left: both neighbours Wall (0).
    options.level = kMan;
    EXPECT_EQ(204, EvaluateCell(1, 1, White));
    options.level = kGod;
    EXPECT_EQ(204, EvaluateCell(1, 1, White));  // the gapped three (101) is worth less
    EXPECT_EQ(before, BoardSnapshot());
}

}  // namespace
