// The status bar's texts: the table, the choice of each text, and that no
// option value can make a choice leave the table.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "rules/board.h"
#include "settings/options.h"
#include "view/status_text.h"

namespace {

TEST(StatusText, TheTenTexts) {
    const char* expected[10] = {
        "Computer's turn", "Your turn", "Black's turn", "White's turn", "Computer win !",
        "You win !", "Black win !", "White win !", "Computer vs Person", "Person vs Person",
    };
    for (int i = 0; i < 10; i++) EXPECT_STREQ(expected[i], kStatusText[i]) << i;
}

struct Choice {
    int32_t gameMode, computerColour, value;  // value: Phase or winnerColour
    const char* turn;
    const char* result;
};

TEST(StatusText, TextsFollowModeColourAndSide) {
    const Choice cases[] = {
        {1, 1, 1, "Computer's turn", "Computer win !"},
        {1, 1, 2, "Your turn", "You win !"},
        {1, 2, 1, "Your turn", "You win !"},
        {1, 2, 2, "Computer's turn", "Computer win !"},
        {2, 1, 1, "Black's turn", "Black win !"},
        {2, 1, 2, "White's turn", "White win !"},
        {2, 2, 1, "Black's turn", "Black win !"},
        {2, 2, 2, "White's turn", "White win !"},
    };
    for (const Choice& c : cases) {
        options.gameMode = c.gameMode;
        options.computerColour = c.computerColour;
        Phase = c.value;
        winnerColour = c.value;
        EXPECT_STREQ(c.turn, TurnText()) << c.gameMode << c.computerColour << c.value;
        EXPECT_STREQ(c.result, ResultText()) << c.gameMode << c.computerColour << c.value;
        EXPECT_STREQ(c.gameMode == 1 ? "Computer vs Person" : "Person vs Person", ModeText());
    }
}

TEST(StatusText, ValuesFromAnEditedFileNeverLeaveTheirGroup) {
    const int32_t garbage[] = {INT32_MIN, -1, 0, 1, 2, 3, 4, 9, 10, INT32_MAX};
    for (int32_t mode : garbage)
        for (int32_t colour : garbage)
            for (int32_t value : garbage) {
                int32_t turn = TurnTextIndex(mode, colour, value);
                int32_t result = ResultTextIndex(mode, colour, value);
                ASSERT_TRUE(turn >= 0 && turn <= 3) << mode << " " << colour << " " << value;
                ASSERT_TRUE(result >= 4 && result <= 7) << mode << " " << colour << " " << value;
                // Read the way play reads them: the computer plays only in
                // mode 1, and only the side equal to computerColour.
                ASSERT_EQ(mode == 1 ? 0 : 2, turn & 2);
                ASSERT_EQ(mode == 1 && value == colour, turn == 0);
            }
    for (int32_t mode : garbage) {
        int32_t index = ModeTextIndex(mode);
        EXPECT_EQ(mode == 1 ? 8 : 9, index) << mode;
    }
    // A few the user could meet: a computer colour of 9 never moves, and
    // an unknown side counts as Black.
    options.gameMode = 1;
    options.computerColour = 9;
    Phase = 1;
    EXPECT_STREQ("Your turn", TurnText());
    options.gameMode = 0;
    Phase = 0;
    winnerColour = 9;
    EXPECT_STREQ("Black's turn", TurnText());
    EXPECT_STREQ("Black win !", ResultText());
    EXPECT_STREQ("Person vs Person", ModeText());
}

}  // namespace
