// The brain protocol where the scripted conversations (converse.sh) cannot look: quoting of unprintable
// input, the INFO switches, and a full 20 x 20 board.
#include <gtest/gtest.h>

#include "position.h"
#include "settings/options.h"
#include "tools/pbrain-kivrano/brain.h"
#include "tools/pbrain-kivrano/protocol.h"

// An unprintable byte quoted back in an answer becomes '?', so the answer stays one printable line. Bad
// numbers and words are answered in the conversations (bad_lines.txt).
TEST(BrainProtocol, QuotedInputIsPrintable) {
    char out[8];
    QuoteText("A\tB\x01\xff", out, sizeof out);
    EXPECT_STREQ("A?B??", out) << "tab, 0x01 and 0xff quoted";
}

class Brain : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGame();
        StartBrain();
    }
    std::string Say(const std::string& line) {
        char answer[kAnswerCapacity];
        EXPECT_TRUE(HandleLine(line.c_str(), answer, kAnswerCapacity)) << line;
        return answer;
    }
};

// INFO sets the level and the double-three rule to 0 or 1 and ignores anything else; keys in any letter case.
TEST_F(Brain, InfoSetsTheLevelAndTheDoubleThreeRule) {
    const struct {
        const char* line;
        int32_t level;
        int32_t allowDoubleThree;
    } rows[] = {
        {"INFO kivrano_level 0", 0, 0},
        {"INFO KIVRANO_DOUBLE_THREE 1", 0, 1},
        {"INFO kivrano_level 2", 0, 1},
        {"INFO Kivrano_Level 1", 1, 1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ("", Say(row.line)) << row.line << ": answer";
        EXPECT_EQ(row.level, options.level) << row.line << ": level";
        EXPECT_EQ(row.allowDoubleThree, options.allowDoubleThree) << row.line << ": allowDoubleThree";
    }
}

// A 20 x 20 board filled but for one cell, without a five: the brain fills the last cell, and the
// rules' record holds all 400 stones.
TEST_F(Brain, TwentyBoardFilledToTheLastCell) {
    EXPECT_EQ("OK", Say("START 20"));
    Say("BOARD");
    for (int x = 0; x < 20; x++) {
        for (int y = 0; y < 20; y++) {
            if (x == 13 && y == 16) continue;  // the brain's by the pattern: 13 / 2 + 16 is even
            const int field = (x / 2 + y) % 2 ? 2 : 1;
            Say(std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(field));
        }
    }
    EXPECT_EQ("13,16", Say("DONE")) << "the answer to the full BOARD";
    EXPECT_EQ(400, moveCount) << "moves recorded";
}
