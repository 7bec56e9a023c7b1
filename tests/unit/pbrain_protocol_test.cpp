// The brain protocol's text: command words, number lists, INFO pairs, and
// the quoting of input in answers.
#include <gtest/gtest.h>

#include <string>

#include "tools/pbrain-kivrano/protocol.h"

namespace {

struct CommandCase {
    const char* line;
    CommandWord command;
    const char* arguments;
};

const CommandCase kCommandCases[] = {
    {"START 19", kCommandStart, "19"},
    {"start 19", kCommandStart, "19"},
    {"  Turn   9,9", kCommandTurn, "9,9"},
    {"RECTSTART 10,7", kCommandRectStart, "10,7"},
    {"BEGIN", kCommandBegin, ""},
    {"BOARD", kCommandBoard, ""},
    {"DONE", kCommandDone, ""},
    {"RESTART", kCommandRestart, ""},
    {"TAKEBACK 3,4", kCommandTakeback, "3,4"},
    {"INFO timeout_turn 5000", kCommandInfo, "timeout_turn 5000"},
    {"ABOUT", kCommandAbout, ""},
    {"END", kCommandEnd, ""},
    {"\tEND", kCommandEnd, ""},
    {"", kCommandBlank, ""},
    {" \t ", kCommandBlank, ""},
    {"TURNS 9,9", kCommandUnknown, "TURNS 9,9"},
    {"STAR 19", kCommandUnknown, "STAR 19"},
    {"9,9,1", kCommandUnknown, "9,9,1"},
    {"START19", kCommandUnknown, "START19"},
};

TEST(BrainProtocol, CommandWordsInAnyCase) {
    for (const CommandCase& c : kCommandCases) {
        const char* arguments = nullptr;
        EXPECT_EQ(c.command, ParseCommandWord(c.line, &arguments)) << "'" << c.line << "'";
        EXPECT_STREQ(c.arguments, arguments) << "'" << c.line << "'";
    }
}

struct NumbersCase {
    const char* text;
    int count;
    bool ok;
    int32_t values[3];
};

const NumbersCase kNumbersCases[] = {
    {"9,9", 2, true, {9, 9}},
    {" 0 , 18 ", 2, true, {0, 18}},
    {"7,7,2", 3, true, {7, 7, 2}},
    {"19", 1, true, {19}},
    {"99999,0", 2, true, {99999, 0}},
    {"100000,0", 2, false, {}},
    {"99999999999999999999,0", 2, false, {}},
    {"9,9,9", 2, false, {}},
    {"9", 2, false, {}},
    {"9,", 2, false, {}},
    {",9", 2, false, {}},
    {"9,,9", 2, false, {}},
    {"-1,5", 2, false, {}},
    {"+1,5", 2, false, {}},
    {"9 9", 2, false, {}},
    {"9;9", 2, false, {}},
    {"9,9x", 2, false, {}},
    {"9.5,9", 2, false, {}},
    {"", 1, false, {}},
};

TEST(BrainProtocol, NumberListsAreExact) {
    for (const NumbersCase& c : kNumbersCases) {
        int32_t values[3] = {-1, -1, -1};
        ASSERT_EQ(c.ok, ParseNumberList(c.text, values, c.count)) << "'" << c.text << "'";
        if (!c.ok) continue;
        for (int i = 0; i < c.count; i++) EXPECT_EQ(c.values[i], values[i]) << "'" << c.text << "'";
    }
}

TEST(BrainProtocol, LineEndsAreCutOff) {
    const char* const cases[][2] = {
        {"TURN 1,1\r\n", "TURN 1,1"}, {"TURN 1,1\n", "TURN 1,1"}, {"DONE \t\r", "DONE"},
        {"\r\n", ""},                 {"", ""},                   {"  START 19", "  START 19"},
    };
    for (const auto& c : cases) {
        char line[64];
        strcpy(line, c[0]);
        TrimLineEnd(line);
        EXPECT_STREQ(c[1], line);
    }
}

TEST(BrainProtocol, InfoPairs) {
    char key[16];
    const char* value = nullptr;
    ASSERT_TRUE(ParseInfoPair("timeout_turn 5000", key, sizeof key, &value));
    EXPECT_STREQ("timeout_turn", key);
    EXPECT_STREQ("5000", value);
    ASSERT_TRUE(ParseInfoPair("  folder   C:\\my folder", key, sizeof key, &value));
    EXPECT_STREQ("folder", key);
    EXPECT_STREQ("C:\\my folder", value);
    ASSERT_TRUE(ParseInfoPair("rule", key, sizeof key, &value));
    EXPECT_STREQ("", value);
    EXPECT_FALSE(ParseInfoPair("", key, sizeof key, &value));
    EXPECT_FALSE(ParseInfoPair("a_key_far_too_long_for_the_buffer 1", key, sizeof key, &value));
}

TEST(BrainProtocol, QuotedTextIsOnePrintableLine) {
    char out[8];
    QuoteText("A\tB\x01\xff", out, sizeof out);
    EXPECT_STREQ("A?B??", out);
    QuoteText("0123456789", out, sizeof out);
    EXPECT_STREQ("0123456", out);
}

}  // namespace
