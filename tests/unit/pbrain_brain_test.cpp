// The brain behind the protocol: it plays exactly as the game's computer
// player, and no refused line changes its position.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ai/computer_player.h"
#include "position.h"
#include "settings/options.h"
#include "tools/pbrain-kivrano/brain.h"

namespace {

class Brain : public ::testing::Test {
protected:
    void SetUp() override {
        savedOptions = options;
        randomState = 1;
        ResetGame();
        StartBrain();
    }
    void TearDown() override {
        options = savedOptions;
        randomState = 1;
    }
    std::string Say(const std::string& line) {
        char answer[kAnswerCapacity];
        EXPECT_TRUE(HandleLine(line.c_str(), answer, kAnswerCapacity)) << line;
        return answer;
    }
    // Everything a refused line must leave alone.
    std::string State() {
        return BoardSnapshot() + " moves " + std::to_string(moveCount) + " phase " + std::to_string(Phase) +
               " random " + std::to_string(randomState);
    }
    Options savedOptions;
};

// "X,Y" in protocol terms to the game's (X + 1, Y + 1).
void GameCell(const std::string& text, int32_t& x, int32_t& y) {
    x = std::stoi(text) + 1;
    y = std::stoi(text.substr(text.find(',') + 1)) + 1;
}

// The opponent's next move: the first Empty cell of a fixed scattered walk
// over the board, in protocol terms.
std::string OpponentMove() {
    for (int i = 0;; i++) {
        const int x = (9 + i * 7) % 19;
        const int y = (9 + i * 11 + i / 19) % 19;
        if (Board[x + 1][y + 1] == Empty) return std::to_string(x) + "," + std::to_string(y);
    }
}

TEST_F(Brain, PlaysAsTheGamesComputerPlayer) {
    for (int level = 0; level <= 1; level++) {
        for (int allow = 0; allow <= 1; allow++) {
            randomState = 1;
            StartBrain();
            Say("INFO kivrano_level " + std::to_string(level));
            Say("INFO kivrano_double_three " + std::to_string(allow));
            // The brain plays White until someone makes five.
            std::vector<std::string> theirs, answers;
            while (answers.empty() || answers.back().compare(0, 5, "ERROR") != 0) {
                theirs.push_back(OpponentMove());
                answers.push_back(Say("TURN " + theirs.back()));
            }
            EXPECT_EQ(4, Phase) << answers.back();
            ASSERT_GT(answers.size(), 5u);

            // The same game in the game's own terms, from a fresh generator.
            ResetGame();
            randomState = 1;
            options.computerColour = White;
            for (size_t i = 0; i + 1 < answers.size(); i++) {
                int32_t x = 0, y = 0;
                GameCell(theirs[i], x, y);
                PlaceStone(nullptr, x, y);
                ASSERT_TRUE(ChooseComputerMove(x, y));
                int32_t bx = 0, by = 0;
                GameCell(answers[i], bx, by);
                EXPECT_EQ(x, bx) << "move " << i << " level " << level << " allow " << allow;
                EXPECT_EQ(y, by) << "move " << i << " level " << level << " allow " << allow;
                PlaceStone(nullptr, x, y);
            }
        }
    }
}

TEST_F(Brain, RefusedLinesLeaveThePositionAlone) {
    ASSERT_EQ("OK", Say("START 19"));
    ASSERT_EQ("10,9", Say("TURN 9,9"));
    ASSERT_EQ(White, Board[11][10]);
    const std::string before = State();
    const char* const refused[] = {
        "TURN 9,9",    "TURN 10,9", "TURN 19,3",    "TURN 3",     "TURN a,b",    "BEGIN",
        "START 25",    "START 0",   "RECTSTART 3,3", "DONE",      "TAKEBACK 9,9", "TAKEBACK 1,1",
        "HELLO THERE", "",          "INFO kivrano_level 5",
    };
    for (const char* line : refused) {
        Say(line);
        EXPECT_EQ(before, State()) << line;
    }
    // Faulty BOARDs, each answered at DONE.
    const std::vector<std::vector<std::string>> boards = {
        {"1,1,1", "1,1,2"},                                          // the same cell twice
        {"1,1,1", "2,2,1"},                                          // not the brain's turn
        {"1,1,1", "30,2,2"},                                         // off the board
        {"1,1,5", "2,2,2"},                                          // no such field
        {"0,0,2", "0,1,2", "0,2,2", "0,3,2", "0,4,2", "5,5,1", "6,6,1", "7,7,1", "9,9,1", "12,12,1"},
    };
    for (const auto& lines : boards) {
        Say("BOARD");
        for (const std::string& line : lines) EXPECT_EQ("", Say(line));
        EXPECT_EQ("ERROR", Say("DONE").substr(0, 5)) << lines[0];
        EXPECT_EQ(before, State()) << lines[0];
    }
    // The game goes on from where it was.
    EXPECT_EQ("OK", Say("TAKEBACK 10,9"));
    EXPECT_EQ(Empty, Board[11][10]);
    EXPECT_EQ(White, Phase);
}

TEST_F(Brain, BoardDecidesTheBrainsColourByTheCounts) {
    // Equal counts: the brain is Black.
    Say("BOARD");
    Say("9,9,1");
    Say("10,10,2");
    EXPECT_NE("ERROR", Say("DONE").substr(0, 5));
    EXPECT_EQ(Black, Board[10][10]);
    EXPECT_EQ(White, Board[11][11]);
    EXPECT_EQ(3, moveCount);
    EXPECT_EQ(White, Phase);
    // One opponent stone more: the brain is White; F 3 marks are not stones.
    Say("BOARD");
    Say("9,9,2");
    Say("3,3,3");
    EXPECT_NE("ERROR", Say("DONE").substr(0, 5));
    EXPECT_EQ(Black, Board[10][10]);
    EXPECT_EQ(Empty, Board[4][4]);
    EXPECT_EQ(2, moveCount);
    EXPECT_EQ(Black, Phase);
}

TEST_F(Brain, SmallBoardsAreWalledAndFilledToTheEnd) {
    ASSERT_EQ("OK", Say("RECTSTART 7,5"));
    for (int x = 1; x <= 19; x++)
        for (int y = 1; y <= 19; y++)
            EXPECT_EQ(x <= 7 && y <= 5 ? Empty : Wall, Board[x][y]) << x << "," << y;
    // The brain plays both sides by answering itself until the game ends.
    std::string answer = Say("BEGIN");
    EXPECT_EQ("3,2", answer);
    int moves = 1;
    while (answer.compare(0, 5, "ERROR") != 0 && moves < 100) {
        int32_t x = 0, y = 0;
        GameCell(answer, x, y);
        ASSERT_TRUE(x >= 1 && x <= 7 && y >= 1 && y <= 5) << answer;
        // Answer the brain's move with the first free cell.
        std::string next;
        for (int cx = 1; cx <= 7 && next.empty(); cx++)
            for (int cy = 1; cy <= 5 && next.empty(); cy++)
                if (Board[cx][cy] == Empty) next = std::to_string(cx - 1) + "," + std::to_string(cy - 1);
        if (next.empty()) break;
        answer = Say("TURN " + next);
        moves++;
    }
    EXPECT_LT(moves, 100);
    EXPECT_EQ("ERROR", answer.substr(0, 5));
}

TEST_F(Brain, RestartKeepsTheGeneratorGoing) {
    Say("START 19");
    EXPECT_EQ("10,9", Say("TURN 9,9"));
    const uint32_t afterFirstGame = randomState;
    EXPECT_EQ("OK", Say("RESTART"));
    EXPECT_EQ(0, moveCount);
    EXPECT_EQ(afterFirstGame, randomState);
    EXPECT_NE("10,9", Say("TURN 9,9"));
}

TEST_F(Brain, InfoSetsTheLevelAndTheDoubleThreeRule) {
    EXPECT_EQ(1, options.level);
    EXPECT_EQ(0, options.allowDoubleThree);
    EXPECT_EQ(0, options.sound);
    const char* const lines[][3] = {
        // line, level after, allowDoubleThree after
        {"INFO kivrano_level 0", "0", "0"},      {"INFO kivrano_double_three 1", "0", "1"},
        {"INFO kivrano_level 2", "0", "1"},      {"INFO kivrano_double_three -1", "0", "1"},
        {"INFO kivrano_level", "0", "1"},        {"INFO rule 4", "0", "1"},
        {"INFO kivrano_level 1", "1", "1"},      {"INFO kivrano_double_three 0", "1", "0"},
    };
    for (const auto& c : lines) {
        EXPECT_EQ("", Say(c[0]));
        EXPECT_EQ(std::stoi(c[1]), options.level) << c[0];
        EXPECT_EQ(std::stoi(c[2]), options.allowDoubleThree) << c[0];
    }
}

}  // namespace
