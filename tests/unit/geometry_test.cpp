// Board geometry, window sizes, presses and the status bar's texts.
#include <gtest/gtest.h>

#include "rules/board.h"
#include "settings/options.h"
#include "view/board_geometry.h"
#include "view/status_text.h"
#include "view/window_size.h"

// Cells are multiples of 6 in the largest multiple of 116 that fits, centred; the bar keeps its own height.
const struct {
    const char* name;
    int32_t width, height, statusBarHeight;
    BoardGeometry expected;
} kClientSizeCases[] = {
    {"Tiny with a 20-pixel bar", 348, 368, 20, {18, 18, 0, 0}},
    {"Medium with a 24-pixel bar", 580, 604, 24, {30, 30, 0, 0}},
    {"taller than wide: cells 18 by 24, centred down", 348, 500, 0, {18, 24, 0, 18}},
    {"too narrow for a cell", 115, 348, 0, {0, 18, 57, 0}},
    {"9 pixels high, a 20-pixel bar: -11 / 2 is -5", 348, 9, 20, {18, 0, 0, -5}},
};

TEST(Geometry, ClientSizesGiveCellsAndOffsets) {
    for (const auto& c : kClientSizeCases) {
        const BoardGeometry got = ComputeGeometry(c.width, c.height, c.statusBarHeight);
        EXPECT_EQ(c.expected.cellWidth, got.cellWidth) << c.name << ": cellWidth";
        EXPECT_EQ(c.expected.cellHeight, got.cellHeight) << c.name << ": cellHeight";
        EXPECT_EQ(c.expected.boardLeft, got.boardLeft) << c.name << ": boardLeft";
        EXPECT_EQ(c.expected.boardTop, got.boardTop) << c.name << ": boardTop";
    }
}

// Wine's default metrics (frame 6 x 44, bar 20) and a themed Windows' (caption 24 and menu bar 21
// with their lines, bar 24), as measured under Wine. The classic sizes are the table the game was made with.
const WindowFrame kThemedFrame = {{6, 51}, 24};
const struct {
    const char* name;
    WindowFrame frame;
    int32_t sizeIndex;
    WindowSize withBar, withoutBar;
    int32_t leastScreenHeight;  // the lowest screen the size fits
} kWindowSizeCases[] = {
    {"classic Tiny", kClassicFrame, 0, {354, 412}, {354, 392}, 414},
    {"classic Small", kClassicFrame, 1, {470, 528}, {470, 508}, 530},
    {"classic Medium", kClassicFrame, 2, {586, 644}, {586, 624}, 646},
    {"classic Large", kClassicFrame, 3, {702, 760}, {702, 740}, 762},
    {"classic Huge", kClassicFrame, 4, {818, 876}, {818, 856}, 878},
    {"themed Tiny", kThemedFrame, 0, {354, 423}, {354, 399}, 425},
    {"themed Huge", kThemedFrame, 4, {818, 887}, {818, 863}, 889},
    {"index -1 is Tiny", kClassicFrame, -1, {354, 412}, {354, 392}, 414},
    {"index 5 is Huge", kClassicFrame, 5, {818, 876}, {818, 856}, 878},
};

TEST(WindowSize, EachFixedSizeIsItsBoardPlusTheFrameAndBar) {
    for (const auto& c : kWindowSizeCases) {
        const WindowSize with = WindowSizeFor(c.sizeIndex, c.frame, 1);
        const WindowSize without = WindowSizeFor(c.sizeIndex, c.frame, 0);
        EXPECT_EQ(c.withBar.width, with.width) << c.name << ": width with the bar";
        EXPECT_EQ(c.withBar.height, with.height) << c.name << ": height with the bar";
        EXPECT_EQ(c.withoutBar.width, without.width) << c.name << ": width without the bar";
        EXPECT_EQ(c.withoutBar.height, without.height) << c.name << ": height without the bar";
        EXPECT_TRUE(SizeFitsScreenHeight(c.sizeIndex, c.frame, c.leastScreenHeight))
            << c.name << ": fits a screen " << c.leastScreenHeight << " high";
        EXPECT_FALSE(SizeFitsScreenHeight(c.sizeIndex, c.frame, c.leastScreenHeight - 1))
            << c.name << ": fits a screen " << c.leastScreenHeight - 1 << " high";
    }
}

// Presses to intersections on 18-pixel cells: the edges of a cell, beyond the board, before a board
// moved right and up (truncating), and on a board without cells.
const struct {
    const char* name;
    BoardGeometry geometry;
    int32_t pressX, pressY;
    bool onBoard;
    int32_t x, y;
} kPressCases[] = {
    {"top left corner", {18, 18, 0, 0}, 0, 1, true, 1, 1},
    {"x on the last pixel of column 1, y on the first of row 2", {18, 18, 0, 0}, 20, 21, true, 1, 2},
    {"x on the first pixel of column 2, y on the last of row 19", {18, 18, 0, 0}, 21, 344, true, 2, 19},
    {"right of the board", {18, 18, 0, 0}, 345, 100, false, 20, 6},
    {"on a moved board", {18, 18, 26, -5}, 12, 0, true, 1, 1},
    {"left of a moved board", {18, 18, 26, -5}, 11, 0, false, 0, 1},
    {"no cell width", {0, 18, 57, 0}, 60, 60, false, 0, 0},
    {"no cell height", {18, 0, 0, 57}, 60, 60, false, 0, 0},
    {"above a board moved down", {18, 18, 0, 20}, 100, 2, false, 6, 0},
    {"below the board", {18, 18, 0, 0}, 100, 345, false, 6, 20},
};

TEST(Geometry, PressesToIntersections) {
    for (const auto& c : kPressCases) {
        int32_t x = -1;
        int32_t y = -1;
        boardGeometry = c.geometry;
        EXPECT_EQ(c.onBoard, ClickToIntersection(c.pressX, c.pressY, x, y)) << c.name << ": on the board";
        EXPECT_EQ(c.x, x) << c.name << ": x";
        EXPECT_EQ(c.y, y) << c.name << ": y";
    }
}

// The status bar's texts for each side in each mode: whose turn, who won, and the mode.
const struct {
    const char* name;
    int32_t gameMode, computerColour;
    int32_t side;  // the Phase for the turn text, the winner for the result text
    const char *turn, *result, *mode;
} kStatusTextCases[] = {
    {"the computer White, White's side", kComputerVsPerson, White, White,
     "Computer's turn", "Computer win !", "Computer vs Person"},
    {"the computer Black, White's side", kComputerVsPerson, Black, White,
     "Your turn", "You win !", "Computer vs Person"},
    {"two people, White's side", kPersonVsPerson, White, White,
     "White's turn", "White win !", "Person vs Person"},
    {"two people, Black's side", kPersonVsPerson, White, Black,
     "Black's turn", "Black win !", "Person vs Person"},
};

TEST(StatusText, TextsForEachSideAndMode) {
    for (const auto& c : kStatusTextCases) {
        EXPECT_STREQ(c.turn, kStatusText[TurnTextIndex(c.gameMode, c.computerColour, c.side)])
            << c.name << ": turn text";
        EXPECT_STREQ(c.result, kStatusText[ResultTextIndex(c.gameMode, c.computerColour, c.side)])
            << c.name << ": result text";
        EXPECT_STREQ(c.mode, kStatusText[ModeTextIndex(c.gameMode)]) << c.name << ": mode text";
    }
}
