// The computer player: cell values at both levels with God's veto, its move and random draws, whole games.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ai/computer_player.h"
#include "ai/evaluation.h"
#include "position.h"
#include "settings/options.h"

// The computer plays White on an empty board unless a test says otherwise.
class Ai : public ::testing::Test {
protected:
    void SetUp() override {
        options = kDefaultOptions;
        options.computerColour = White;
        ResetGame();
    }
};

const char kPositionA[] = "B 10,10 11,10 12,10  W 10,11 11,11";

// Black is worth exactly 1000 at (10,10) once White stands on (9,10), 1001 with the row four's far end open.
#define WORTH_1000 "B 12,10 13,10 14,10  10,12 10,13 10,14  8,8 9,9 11,11 12,12 13,13  " \
                   "11,9 12,8 9,11 8,12 7,13 W 10,9 10,15"
// White's open four at (10,10), its other lines dead: exactly 10000, with Black's (9,10) then an open four.
#define EXACTLY_10000 "W 11,10 12,10 13,10  B 9,9 11,11 10,9 10,11 11,9 9,11 9,8"
#define OPEN_FOUR_UNDER_THREAT "W 11,10 13,10 14,10  B 12,12 12,13 12,14 12,15"
#define CROSS_UNDER_THREAT "W 11,10 13,10 14,10 10,11 10,13 10,14  B 5,10 6,10 7,10 8,10 3,3 3,5 16,16"

const struct { const char* position; int x, y; Cell colour; int man, god; } kWorkedExamples[] = {
    {kPositionA, 13, 10, Black, 1009, 1009},  // the opponent's open four; its gapped four scores less
    {kPositionA, 12, 11, White, 408, 0},  // vetoed: Black's (13,10) is worth 1009
    {"W 11,10 13,10 14,10  B 5,15 6,15 15,5", 10, 10, White, 52, 252},  // a gapped four: a tenth of 2002
    {"W 11,10 13,10 14,10  B 10,9 10,11", 10, 10, White, 48, 248},  // a dead column is no gapped direction
    {"W 6,10 8,10 9,10 12,10  B 5,10", 10, 10, White, 412, 2014},  // gapped readings tie: the forward one
    // a gapped three for a solid two
    {"W 11,10 12,10 10,11 10,13  B 3,3 3,5 5,3 16,16", 10, 10, White, 448, 610},
    {"W 11,10 13,10 14,10 10,11 10,13 10,14  B 3,3 3,5 5,3 16,16 16,14 4,16", 10, 10, White, 88, 4012},
    {"W 10,10 11,10 12,10 13,10 B 9,10", 14, 10, White, 100013, 100013},  // own five
    {"B 10,10 11,10 12,10 13,10 W 9,10", 14, 10, Black, 20003, 20003},  // the opponent's five
    {"W 9,10 10,10 11,10 12,10 14,10", 13, 10, White, 12, 12},    // six is worth nothing to either side
    {WORTH_1000 " 15,10 9,10", 10, 10, Black, 2, 1000},
    {WORTH_1000 " 9,10", 10, 10, Black, 2, 1001},
    {WORTH_1000 " 15,10", 9, 10, White, 48, 48},
    {WORTH_1000, 9, 10, White, 48, 0},  // vetoed above 1000, at God
    {EXACTLY_10000, 10, 10, White, 10000, 10000},
    {EXACTLY_10000 " W 10,10", 9, 10, Black, 1015, 1015},  // no veto
    // God vetoes only the computer's moves worth less than 10000: the open four at (12,10) stands though
    // Black's (12,11) would then make five; the gapped-four cross at (10,10) goes, as Black's (9,10) would.
    {OPEN_FOUR_UNDER_THREAT, 12, 10, White, 10012, 10012},
    {CROSS_UNDER_THREAT, 10, 10, White, 88, 0},
};

TEST_F(Ai, CellValuesAtBothLevels) {
    for (const auto& c : kWorkedExamples) {
        SetPosition(c.position);
        const std::string before = BoardSnapshot();
        for (int level : {0, 1}) {
            options.level = level;
            EXPECT_EQ(level ? c.god : c.man, EvaluateCell(c.x, c.y, c.colour))
                << c.position << ": cell (" << c.x << "," << c.y << ") at " << (level ? "God" : "Man");
            EXPECT_EQ(before, BoardSnapshot()) << c.position;
        }
    }
}

// How many times NextRandom has run since the generator's start.
int DrawsSinceStart() {
    const uint32_t reached = randomState;
    randomState = 1;
    for (int n = 0; n < 100000; n++) {
        if (randomState == reached) return n;
        NextRandom();
    }
    return -1;
}

// White (the computer) to move, at both levels: its answer and the random draws it took; the board stays.
const struct {
    const char* name;
    const char* position;
    int moves, allowDoubleThree;
    int x, y, draws;
} kMoveCases[] = {
    {"the opening", "", 0, 0, 10, 10, 0},
    {"the reply", "B 10,10", 1, 0, 11, 10, 149},
    // (10,10) makes two open threes: taken only while they are allowed.
    {"double three banned", "W 10,9 10,11 9,10 11,10  B 3,3 3,5 5,3 16,16 16,14", 9, 0, 8, 9, 26},
    {"double three allowed", "W 10,9 10,11 9,10 11,10  B 3,3 3,5 5,3 16,16 16,14", 9, 1, 10, 10, 22},
};

TEST_F(Ai, AnswersAndDrawsAtBothLevels) {
    for (const auto& c : kMoveCases) {
        for (int level : {0, 1}) {
            SetPosition(c.position);
            moveCount = c.moves;
            Phase = kPhaseWhite;
            randomState = 1;
            options.level = level;
            options.allowDoubleThree = c.allowDoubleThree;
            const std::string before = BoardSnapshot();
            int32_t x = 0;
            int32_t y = 0;
            ASSERT_TRUE(ChooseComputerMove(x, y)) << c.name;
            const std::string where = std::string(c.name) + (level ? " at God" : " at Man");
            EXPECT_EQ(c.x, x) << where << ": x";
            EXPECT_EQ(c.y, y) << where << ": y";
            EXPECT_EQ(c.draws, DrawsSinceStart()) << where << ": random draws";
            EXPECT_EQ(before, BoardSnapshot()) << where << ": the board";
        }
    }
}

// The computer on both sides from the empty board, the generator running on: every move in order and the
// winner (White in each). A difference names the first move that differs.
TEST_F(Ai, SelfPlaySignature) {
    const struct { const char* name; int level, allowDoubleThree; const char* moves; } kGames[] = {
        {"Man, double three banned", 0, 0,
         "10,10 11,10 10,9 10,11 10,8 12,9 10,7 10,6 13,8 9,12 8,13 9,11 9,9 11,11 8,11 12,11 13,11 11,12 "
         "11,9 11,13 11,14 12,10 8,9 7,9 12,8 12,12 12,13 11,8 13,7 14,6 10,12 13,10 10,13 14,9 15,8 14,10 "
         "15,10 14,11 15,12 14,12 14,8 14,13"},
        {"Man, double three allowed", 0, 1,
         "10,10 11,10 10,9 10,11 10,8 12,9 10,7 10,6 13,8 9,12 8,13 9,11 9,9 11,11 8,11 12,11 13,11 11,12 "
         "11,9 11,13 11,14 12,10 8,9 7,9 12,8 12,12 12,13 10,12 8,10 8,12"},
        {"God, double three banned", 1, 0,
         "10,10 11,10 10,9 10,11 10,8 12,9 10,7 10,6 9,12 13,8 14,7 11,11 11,9 12,11 9,11 13,11 14,11 12,8 "
         "8,12 7,13 12,10 13,9 11,7 13,10 13,7 13,12"},
    };
    for (const auto& game : kGames) {
        ResetGame();
        options.level = game.level;
        options.allowDoubleThree = game.allowDoubleThree;
        randomState = 1;
        std::vector<std::string> played;
        int32_t x = 0;
        int32_t y = 0;
        while (!IsGameOver()) {
            options.computerColour = Phase;
            if (!ChooseComputerMove(x, y)) break;
            PlaceStone(nullptr, x, y);
            played.push_back(std::to_string(x) + "," + std::to_string(y));
        }
        std::vector<std::string> expected;
        std::istringstream moves(game.moves);
        for (std::string move; moves >> move;) expected.push_back(move);
        size_t i = 0;
        while (i < expected.size() && i < played.size() && expected[i] == played[i]) i++;
        if (i < expected.size() || i < played.size()) {
            ADD_FAILURE() << game.name << ": move " << i + 1 << ": expected "
                          << (i < expected.size() ? expected[i] : "the game over") << ", got "
                          << (i < played.size() ? played[i] : "the game over");
        }
        EXPECT_EQ(White, winnerColour) << game.name << ": winner";
    }
}
