// The engine's signature: the moves it chooses in fixed positions and in
// whole games against itself. Any change in its behaviour changes a line
// here; a deliberate change must update the table.
#include <gtest/gtest.h>

#include <string>

#include "ai/computer_player.h"
#include "position.h"
#include "settings/options.h"

namespace {

struct Setting {
    int level;
    int allowDoubleThree;
};

const Setting kSettings[] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};

std::string SettingName(const Setting& s) {
    return std::string(s.level ? "God" : "Man") + (s.allowDoubleThree ? " 3x3 allowed" : " 3x3 banned");
}

class Signature : public ::testing::Test {
protected:
    void SetUp() override {
        savedOptions = options;
        options.sound = 0;
        randomState = 1;
    }
    void TearDown() override {
        options = savedOptions;
        randomState = 1;
    }
    Options savedOptions;
};

// Positions with White to move; each answer is "x,y" and the number of
// draws it took, for the four settings in the order of kSettings.
struct PositionSignature {
    const char* position;
    const char* answers[4];
};

const PositionSignature kPositions[] = {
    {"B 10,10 11,10 12,10  W 10,11 11,11",
     {"9,10 after 142", "9,10 after 142", "9,10 after 125", "9,10 after 125"}},
    {"W 11,10 13,10 14,10  B 5,15 6,15 15,5",
     {"12,10 after 67", "12,10 after 67", "12,10 after 63", "12,10 after 63"}},
    {"W 11,10 12,10 10,11 10,13  B 3,3 3,5 5,3 16,16",
     {"9,12 after 22", "9,12 after 22", "10,10 after 20", "10,10 after 20"}},
    {"W 11,10 13,10 14,10 10,11 10,13 10,14  B 3,3 3,5 5,3 16,16 16,14 4,16",
     {"10,12 after 21", "10,12 after 21", "10,12 after 21", "10,12 after 21"}},
    {"W 10,9 10,11 9,10 11,10  B 3,3 3,5 5,3 16,16 16,14",
     {"8,9 after 26", "10,10 after 22", "8,9 after 26", "10,10 after 22"}},
    {"B 9,9 10,10 11,11 9,11 12,8  W 8,8 11,9 10,12 13,13",
     {"9,12 after 115", "9,12 after 115", "9,12 after 115", "9,12 after 115"}},
    {"B 2,2 3,3 4,4 2,5 3,5  W 5,5 6,6 2,3 1,4 4,2",
     {"3,2 after 0", "3,2 after 0", "3,2 after 0", "3,2 after 0"}},
    {"B 18,1 18,2 18,3 19,5  W 17,1 17,2 16,3 19,6",
     {"17,3 after 238", "17,3 after 238", "17,3 after 238", "17,3 after 238"}},
};

int DrawsSinceStart() {
    uint32_t state = 1;
    for (int n = 0; n < 1000000; n++) {
        if (state == randomState) return n;
        state = state * 214013u + 2531011u;
    }
    return -1;
}

TEST_F(Signature, FixedPositions) {
    for (const PositionSignature& p : kPositions) {
        for (int s = 0; s < 4; s++) {
            SetPosition(p.position);
            moveCount = 2;  // anything but the opening
            Phase = White;
            options.computerColour = White;
            options.level = kSettings[s].level;
            options.allowDoubleThree = kSettings[s].allowDoubleThree;
            randomState = 1;
            int32_t x = 0, y = 0;
            ASSERT_TRUE(ChooseComputerMove(x, y));
            const std::string answer = std::to_string(x) + "," + std::to_string(y) + " after " +
                                       std::to_string(DrawsSinceStart());
            EXPECT_EQ(p.answers[s], answer) << p.position << ", " << SettingName(kSettings[s]);
        }
    }
}

// Both sides played by the computer from the empty board, the generator
// carrying on from move to move as in one run of the game.
std::string SelfPlay(const Setting& setting) {
    ResetGame();
    options.level = setting.level;
    options.allowDoubleThree = setting.allowDoubleThree;
    randomState = 1;
    std::string moves;
    while (moveCount < 361 && (Phase == Black || Phase == White)) {
        options.computerColour = Phase;
        int32_t x = 0, y = 0;
        if (!ChooseComputerMove(x, y)) break;
        PlaceStone(nullptr, x, y);
        moves += std::to_string(x) + "," + std::to_string(y) + " ";
    }
    moves += Phase == 4 ? (winnerColour == Black ? "Black wins" : "White wins") : "no five";
    return moves;
}

const char* const kSelfPlay[4] = {
    // Man, double three banned
    "10,10 11,10 10,9 10,11 10,8 12,9 10,7 10,6 13,8 9,12 8,13 9,11 9,9 11,11 8,11 12,11 13,11 "
    "11,12 11,9 11,13 11,14 12,10 8,9 7,9 12,8 12,12 12,13 11,8 13,7 14,6 10,12 13,10 10,13 14,9 "
    "15,8 14,10 15,10 14,11 15,12 14,12 14,8 14,13 White wins",
    // Man, double three allowed
    "10,10 11,10 10,9 10,11 10,8 12,9 10,7 10,6 13,8 9,12 8,13 9,11 9,9 11,11 8,11 12,11 13,11 "
    "11,12 11,9 11,13 11,14 12,10 8,9 7,9 12,8 12,12 12,13 10,12 8,10 8,12 White wins",
    // God, double three banned
    "10,10 11,10 10,9 10,11 10,8 12,9 10,7 10,6 9,12 13,8 14,7 11,11 11,9 12,11 9,11 13,11 14,11 "
    "12,8 8,12 7,13 12,10 13,9 11,7 13,10 13,7 13,12 White wins",
    // God, double three allowed
    "10,10 11,10 10,9 10,11 10,8 12,9 10,7 10,6 9,12 13,8 14,7 11,11 11,9 12,11 9,11 13,11 14,11 "
    "12,8 8,12 7,13 12,10 13,9 11,7 13,10 13,7 13,12 White wins",
};

TEST_F(Signature, SelfPlay) {
    for (int s = 0; s < 4; s++) EXPECT_EQ(kSelfPlay[s], SelfPlay(kSettings[s])) << SettingName(kSettings[s]);
}

}  // namespace
