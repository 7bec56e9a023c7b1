// Board geometry, presses, window sizes, screen fit, snapping, and the choice of the status bar's texts.
#include <gtest/gtest.h>

#include <string>

#include "rules/board.h"
#include "settings/options.h"
#include "view/board_geometry.h"
#include "view/screen_snap.h"
#include "view/status_text.h"
#include "view/window_size.h"

// Cells are multiples of 6 in the largest multiple of 116 that fits, centred; the bar keeps 20 pixels.
const struct {
    const char* name;
    int32_t width, height, statusBar;
    BoardGeometry expected;
} kClientSizeCases[] = {
    {"Tiny without the bar", 348, 348, 0, {18, 18, 0, 0}},
    {"Tiny with the bar", 348, 368, 1, {18, 18, 0, 0}},
    {"any statusBar but 0 keeps the bar", 348, 368, 9, {18, 18, 0, 0}},
    {"Small", 464, 464, 0, {24, 24, 0, 0}},
    {"Medium", 580, 580, 0, {30, 30, 0, 0}},
    {"Large", 696, 696, 0, {36, 36, 0, 0}},
    {"Huge", 812, 812, 0, {42, 42, 0, 0}},
    {"wider than tall: centred across", 400, 348, 0, {18, 18, 26, 0}},
    {"taller than wide: cells 18 by 24, centred down", 348, 500, 0, {18, 24, 0, 18}},
    {"too narrow for a cell", 115, 348, 0, {0, 18, 57, 0}},
    {"no client area, bar on", 0, 0, 1, {0, 0, 0, -10}},
    {"9 pixels high, bar on: -11 / 2 is -5", 348, 9, 1, {18, 0, 0, -5}},
};

TEST(Geometry, ClientSizesGiveCellsAndOffsets) {
    for (const auto& c : kClientSizeCases) {
        const BoardGeometry got = ComputeGeometry(c.width, c.height, c.statusBar);
        EXPECT_EQ(c.expected.cellWidth, got.cellWidth) << c.name << ": cellWidth";
        EXPECT_EQ(c.expected.cellHeight, got.cellHeight) << c.name << ": cellHeight";
        EXPECT_EQ(c.expected.boardLeft, got.boardLeft) << c.name << ": boardLeft";
        EXPECT_EQ(c.expected.boardTop, got.boardTop) << c.name << ": boardTop";
    }
}

// Presses to intersections: cell edges, beyond the board, before a moved board (truncating), no cells.
const struct {
    BoardGeometry geometry;
    int32_t pressX, pressY;
    bool onBoard;
    int32_t x, y;
} kPressCases[] = {
    {{18, 18, 0, 0}, 0, 1, true, 1, 1},       {{18, 18, 0, 0}, 2, 3, true, 1, 1},
    {{18, 18, 0, 0}, 20, 21, true, 1, 2},     {{18, 18, 0, 0}, 21, 344, true, 2, 19},
    {{18, 18, 0, 0}, 345, 100, false, 20, 6}, {{18, 18, 0, 0}, 100, 345, false, 6, 20},
    {{18, 18, 26, -5}, 12, 0, true, 1, 1},    {{18, 18, 26, -5}, 11, 0, false, 0, 1},
    {{0, 18, 57, 0}, 60, 60, false, 0, 0},    {{18, 0, 0, -5}, 60, 0, false, 0, 0},
};

TEST(Geometry, PressesToIntersections) {
    for (const auto& c : kPressCases) {
        int32_t x = -1;
        int32_t y = -1;
        boardGeometry = c.geometry;
        const bool onBoard = ClickToIntersection(c.pressX, c.pressY, x, y);
        const std::string press = "press at " + std::to_string(c.pressX) + "," + std::to_string(c.pressY) +
                                  " with cells " + std::to_string(c.geometry.cellWidth) + "x" +
                                  std::to_string(c.geometry.cellHeight);
        EXPECT_EQ(c.onBoard, onBoard) << press << ": on the board";
        EXPECT_EQ(c.x, x) << press << ": x";
        EXPECT_EQ(c.y, y) << press << ": y";
    }
}

// Outer sizes of Tiny..Huge (20 more with the bar, the nearest size when out of range); a size fits a
// screen from 2 pixels above its height.
TEST(WindowSize, FixedSizesAndScreenFit) {
    const char* const names[5] = {"Tiny", "Small", "Medium", "Large", "Huge"};
    const int32_t widths[5] = {354, 470, 586, 702, 818};
    const int32_t lowestScreens[5] = {414, 530, 646, 762, 878};
    for (int32_t bar = 0; bar <= 1; bar++) {
        options.statusBar = bar;
        for (int32_t i = 0; i < 5; i++) {
            const std::string size = std::string(names[i]) + (bar ? " with the bar" : " without the bar");
            EXPECT_EQ(widths[i], WindowSizeFor(i).width) << size << ": width";
            EXPECT_EQ(widths[i] + 38 + 20 * bar, WindowSizeFor(i).height) << size << ": height";
            EXPECT_TRUE(SizeFitsScreenHeight(i, lowestScreens[i])) << size << " on a screen "
                                                                   << lowestScreens[i] << " high";
            EXPECT_FALSE(SizeFitsScreenHeight(i, lowestScreens[i] - 1)) << size << " on a screen "
                                                                        << lowestScreens[i] - 1 << " high";
        }
    }
    EXPECT_EQ(354, WindowSizeFor(-1).width) << "size -1 is taken as Tiny";
    EXPECT_EQ(818, WindowSizeFor(9).width) << "size 9 is taken as Huge";
    EXPECT_FALSE(SizeFitsScreenHeight(9, 877)) << "size 9 on a screen 877 high";
}

// An edge less than 5 pixels from the screen's lands on it, the start edge first.
TEST(ScreenSnap, EdgesWithinFourPixelsSnapStartFirst) {
    const struct { int32_t start, end, screen, expected; } cases[] = {
        {665, 1019, 1024, 670}, {664, 1018, 1024, 664}, {673, 1027, 1024, 670}, {674, 1028, 1024, 674},
        {4, 358, 1024, 0},      {5, 359, 1024, 5},      {-4, 350, 1024, 0},      {-5, 349, 1024, -5},
        {2, 1022, 1024, 0},     {372, 764, 768, 376},   {INT32_MIN, INT32_MAX, 1024, INT32_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, SnapToEdge(c.start, c.end, c.screen)) << c.start;
}

// The texts for values an edited settings file may hold: the computer's turn and win only in Computer vs
// Person on its own colour; any other mode is two people, and any side but White counts as Black.
const struct {
    const char* name;
    int32_t gameMode, computerColour, side;  // side: the Phase for the turn text, the winner for the result
    const char *turn, *result, *mode;
} kStatusTextCases[] = {
    {"the computer White, White's side", kComputerVsPerson, White, White,
     "Computer's turn", "Computer win !", "Computer vs Person"},
    {"the computer White, Black's side", kComputerVsPerson, White, Black,
     "Your turn", "You win !", "Computer vs Person"},
    {"two people, White's side", kPersonVsPerson, White, White,
     "White's turn", "White win !", "Person vs Person"},
    {"two people, Black's side", kPersonVsPerson, Black, Black,
     "Black's turn", "Black win !", "Person vs Person"},
    {"mode 0 is two people; side 0 counts as Black", 0, 0, 0,
     "Black's turn", "Black win !", "Person vs Person"},
    {"mode 3 is two people", 3, White, White,
     "White's turn", "White win !", "Person vs Person"},
    {"the computer's colour 9: White is the person", kComputerVsPerson, 9, White,
     "Your turn", "You win !", "Computer vs Person"},
    {"the computer's colour 9 on side 9", kComputerVsPerson, 9, 9,
     "Computer's turn", "Computer win !", "Computer vs Person"},
    {"the lowest values", INT32_MIN, INT32_MIN, INT32_MIN,
     "Black's turn", "Black win !", "Person vs Person"},
    {"the highest values", INT32_MAX, INT32_MAX, INT32_MAX,
     "Black's turn", "Black win !", "Person vs Person"},
};

TEST(StatusText, TextsForEveryOptionValue) {
    for (const auto& c : kStatusTextCases) {
        EXPECT_STREQ(c.turn, kStatusText[TurnTextIndex(c.gameMode, c.computerColour, c.side)])
            << c.name << ": turn";
        EXPECT_STREQ(c.result, kStatusText[ResultTextIndex(c.gameMode, c.computerColour, c.side)])
            << c.name << ": result";
        EXPECT_STREQ(c.mode, kStatusText[ModeTextIndex(c.gameMode)]) << c.name << ": mode";
    }
}
