// Where the main window may start: enough of it on the screen to take hold of, and room for the board.
#include <gtest/gtest.h>

#include <stdint.h>

#include "view/window_placement.h"

// A 1024 x 738 work area, a Small window 470 x 528, a grip of 112 x 19.
TEST(WindowPlacement, StoredPositionIsUsableOnlyWithAGripOnTheArea) {
    const ScreenRect area = {0, 0, 1024, 738};
    const WindowSize small = {470, 528};
    const WindowSize grip = {112, 19};
    const struct { const char* what; int32_t x, y; bool shows; } rows[] = {
        {"112 x 19 in the bottom right corner", 912, 719, true},
        {"111 wide in the bottom right corner", 913, 719, false},
        {"18 high in the bottom right corner", 912, 720, false},
        {"111 wide left of the screen", -359, 50, false},
        {"18 high above the screen", 100, -510, false},
        {"at 5000,5000", 5000, 5000, false},
        {"at the smallest x", INT32_MIN + 1, 0, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.shows, WindowShowsOn(row.x, row.y, small, area, grip)) << row.what << ": shows";
}

// A frame of 8 x 46: the smallest Free window shows a board of 116 x 116 (+20 for the status bar).
TEST(WindowPlacement, FreeSizeIsRaisedOnlyWhereTheBoardHasNoRoom) {
    const WindowSize frame = {8, 46};
    const struct { const char* what; WindowSize stored; int32_t statusBar; WindowSize expected; } rows[] = {
        {"smallest with the bar", {124, 182}, 1, {124, 182}},
        {"a pixel too low with the bar", {124, 181}, 1, {124, 182}},
        {"a pixel too narrow", {123, 500}, 1, {124, 500}},
        {"negative", {INT32_MIN, -1}, 1, {124, 182}},
    };
    for (const auto& row : rows) {
        WindowSize size = FreeWindowSize(row.stored, frame, row.statusBar);
        EXPECT_EQ(row.expected.width, size.width) << row.what << ": width";
        EXPECT_EQ(row.expected.height, size.height) << row.what << ": height";
    }
}
