// The brain protocol where the scripted conversations (converse.sh) cannot look: parsing and quoting details,
// the INFO switches, and the colour a BOARD gives.
#include <gtest/gtest.h>

#include "position.h"
#include "settings/options.h"
#include "tools/pbrain-kivrano/brain.h"
#include "tools/pbrain-kivrano/protocol.h"

// Only plain decimals up to 99999, as many as asked for; command words are whole words; quoting is printable.
TEST(BrainProtocol, NumbersWordsAndQuoting) {
    int32_t values[2] = {-1, -1};
    for (const char* text : {"99999999999999999999,0", "100000,0", "9,", ",9", "9,,9", "+1,5", "9;9", "9.5,9"})
        EXPECT_FALSE(ParseNumberList(text, values, 2)) << text;
    EXPECT_TRUE(ParseNumberList("99999,0", values, 2));
    const char* arguments = nullptr;
    for (const char* line : {"TURNS 9,9", "START19"}) EXPECT_EQ(kCommandUnknown, ParseCommandWord(line, &arguments));
    char out[8];  // input quoted back in an answer is one printable line, cut to fit
    QuoteText("A\tB\x01\xff", out, sizeof out);
    EXPECT_STREQ("A?B??", out);
    QuoteText("0123456789", out, sizeof out);
    EXPECT_STREQ("0123456", out);
}

class Brain : public ::testing::Test {
protected:
    void SetUp() override { saved = options, ResetGame(), StartBrain(); }
    void TearDown() override { options = saved; }
    std::string Say(const std::string& line) {
        char answer[kAnswerCapacity];
        EXPECT_TRUE(HandleLine(line.c_str(), answer, kAnswerCapacity)) << line;
        return answer;
    }
    Options saved;
};

// INFO sets the level and the double-three rule to 0 or 1 and ignores anything else.
TEST_F(Brain, InfoSetsTheLevelAndTheDoubleThreeRule) {
    const char* const lines[][2] = {{"level 0", "00"}, {"double_three 1", "01"}, {"level 2", "01"},
                                    {"double_three -1", "01"}, {"level", "01"}, {"level 1", "11"}};
    for (const auto& c : lines) {
        EXPECT_EQ("", Say(std::string("INFO kivrano_") + c[0]));
        EXPECT_EQ(c[1], std::to_string(options.level) + std::to_string(options.allowDoubleThree)) << c[0];
    }
}

// With equal counts the brain is Black and moves; the stones are replayed as a game.
TEST_F(Brain, BoardWithEqualCountsMakesTheBrainBlack) {
    for (const char* line : {"BOARD", "9,9,1", "10,10,2"}) Say(line);
    EXPECT_NE("ERROR", Say("DONE").substr(0, 5));
    EXPECT_TRUE(Board[10][10] == Black && Board[11][11] == White && moveCount == 3 && Phase == 2)
        << "moves " << moveCount << " phase " << Phase;
}
