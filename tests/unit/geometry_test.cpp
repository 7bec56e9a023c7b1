// Board geometry, presses, window sizes, screen fit, snapping, and the choice of the status bar's texts.
#include <gtest/gtest.h>

#include <array>

#include "rules/board.h"
#include "settings/options.h"
#include "view/screen_snap.h"
#include "view/status_text.h"
#include "view/window_size.h"

// Cells are multiples of 6 in the largest multiple of 116 that fits, centred; the bar keeps 20 pixels.
TEST(Geometry, ClientSizesGiveCellsAndOffsets) {
    const struct { int32_t width, height, statusBar; std::array<int32_t, 4> cellsLeftTop; } cases[] = {
        {348, 348, 0, {18, 18, 0, 0}}, {348, 368, 1, {18, 18, 0, 0}}, {348, 368, 9, {18, 18, 0, 0}},
        {464, 464, 0, {24, 24, 0, 0}}, {580, 580, 0, {30, 30, 0, 0}}, {696, 696, 0, {36, 36, 0, 0}},
        {812, 812, 0, {42, 42, 0, 0}}, {400, 348, 0, {18, 18, 26, 0}}, {348, 500, 0, {18, 24, 0, 18}},
        {115, 348, 0, {0, 18, 57, 0}}, {0, 0, 1, {0, 0, 0, -10}}, {348, 9, 1, {18, 0, 0, -5}},  // -11 / 2 is -5
    };
    for (const auto& c : cases) {
        BoardGeometry g = ComputeGeometry(c.width, c.height, c.statusBar);
        EXPECT_EQ(c.cellsLeftTop, (std::array<int32_t, 4>{g.cellWidth, g.cellHeight, g.boardLeft, g.boardTop}))
            << c.width << "x" << c.height << " bar " << c.statusBar;
    }
}

// Presses to intersections: cell edges, beyond the board, before a moved board (truncating), no cells.
TEST(Geometry, PressesToIntersections) {
    const struct { BoardGeometry g; int32_t px, py; bool onBoard; int32_t x, y; } cases[] = {
        {{18, 18, 0, 0}, 0, 1, true, 1, 1},       {{18, 18, 0, 0}, 2, 3, true, 1, 1},
        {{18, 18, 0, 0}, 20, 21, true, 1, 2},     {{18, 18, 0, 0}, 21, 344, true, 2, 19},
        {{18, 18, 0, 0}, 345, 100, false, 20, 6}, {{18, 18, 0, 0}, 100, 345, false, 6, 20},
        {{18, 18, 26, -5}, 12, 0, true, 1, 1},    {{18, 18, 26, -5}, 11, 0, false, 0, 1},
        {{0, 18, 57, 0}, 60, 60, false, 0, 0},    {{18, 0, 0, -5}, 60, 0, false, 0, 0},
    };
    for (const auto& c : cases) {
        int32_t x = -1, y = -1;
        boardGeometry = c.g;
        EXPECT_TRUE(ClickToIntersection(c.px, c.py, x, y) == c.onBoard && x == c.x && y == c.y)
            << c.px << "," << c.py << " gave " << x << "," << y;
    }
}

// Outer sizes of Tiny..Huge (+20 with the bar, nearest when out of range); fit from 2 pixels above the tallest.
TEST(WindowSize, FixedSizesAndScreenFit) {
    const int32_t widths[5] = {354, 470, 586, 702, 818}, thresholds[5] = {414, 530, 646, 762, 878};
    for (int32_t k = 0; k < 10; k++) {
        const int32_t i = k % 5, bar = options.statusBar = k / 5;
        EXPECT_TRUE(WindowSizeFor(i).width == widths[i] && WindowSizeFor(i).height == widths[i] + 38 + 20 * bar &&
                    SizeFitsScreenHeight(i, thresholds[i]) && !SizeFitsScreenHeight(i, thresholds[i] - 1))
            << "size " << i << " bar " << bar;
    }
    EXPECT_TRUE(WindowSizeFor(-1).width == 354 && WindowSizeFor(9).width == 818 && !SizeFitsScreenHeight(9, 877));
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

// Even for garbage options: the computer's turn only in mode 1 on its colour, any side but White is Black.
TEST(StatusText, GarbageOptionValuesNeverLeaveTheirGroup) {
    const int32_t garbage[] = {INT32_MIN, -1, 0, 1, 2, 3, 9, INT32_MAX};
    for (int32_t mode : garbage)
        for (int32_t colour : garbage)
            for (int32_t value : garbage) {
                const int32_t turn = mode == 1 ? (value == colour ? 0 : 1) : (value == White ? 3 : 2);
                ASSERT_TRUE(TurnTextIndex(mode, colour, value) == turn &&
                            ResultTextIndex(mode, colour, value) == turn + 4 && ModeTextIndex(mode) == 9 - (mode == 1))
                    << mode << " " << colour << " " << value;
            }
}
