// Where the main window may start: enough of its caption bar on a screen to take hold of, and room for the
// board and the status bar.
#include <gtest/gtest.h>

#include <stdint.h>

#include "view/window_placement.h"

// A Medium window 586 wide whose caption bar lies 3 pixels below its top and is 19 high; a grip of 112 x 9.
// Three areas: a 1024 x 768 monitor's work area above a 30-pixel taskbar, and the work area of a second
// 1280 x 1024 monitor left of the first and 200 pixels higher.
TEST(WindowPlacement, StoredPositionIsKeptOnlyWithTheCaptionBarOnTheArea) {
    const PixelRect taskbarBelow = {0, 0, 1024, 738};
    const PixelRect leftAndHigher = {-1280, -200, 0, 824};
    const CaptionBar caption = {3, 19};
    const WindowSize grip = {112, 9};
    const struct { const char* what; PixelRect area; int32_t x, y; bool shows; } rows[] = {
        {"top left corner", taskbarBelow, 0, 0, true},
        {"112 wide at the right edge", taskbarBelow, 912, 100, true},
        {"111 wide at the right edge", taskbarBelow, 913, 100, false},
        {"111 wide at the left edge", taskbarBelow, -475, 100, false},
        {"9 high at the top edge", taskbarBelow, 100, -13, true},
        {"8 high at the top edge", taskbarBelow, 100, -14, false},
        {"the rest of the window on the screen, the caption above it", taskbarBelow, 100, -600, false},
        {"9 high above the taskbar", taskbarBelow, 100, 726, true},
        {"on the taskbar, below the work area", taskbarBelow, 100, 740, false},
        {"at the second monitor's top left", leftAndHigher, -1280, -200, true},
        {"above the second monitor's top", leftAndHigher, -1000, -230, false},
        {"112 wide at the second monitor's right edge", leftAndHigher, -112, 500, true},
        {"the second monitor's position on the first", taskbarBelow, -1280, -200, false},
        {"at 5000,5000", taskbarBelow, 5000, 5000, false},
        {"at the smallest x", taskbarBelow, INT32_MIN + 1, 0, false},
        {"at the largest y", taskbarBelow, 0, INT32_MAX, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.shows, CaptionShowsOn(row.x, row.y, 586, caption, row.area, grip)) << row.what;
}

// A Free size ends at the right and bottom edges of the area at most, wherever its corner is; never grows.
TEST(WindowPlacement, FreeSizeIsCutBackToTheArea) {
    const PixelRect taskbarBelow = {0, 0, 1024, 738};
    const PixelRect leftAndHigher = {-1280, -200, 0, 824};
    const struct { const char* what; PixelRect area; int32_t x, y; WindowSize stored, expected; } rows[] = {
        {"100000 x 100000 at 30,20", taskbarBelow, 30, 20, {100000, 100000}, {994, 718}},
        {"fits at 30,20", taskbarBelow, 30, 20, {700, 500}, {700, 500}},
        {"partly left of the area", taskbarBelow, -40, 20, {2000, 500}, {1064, 500}},
        {"100000 x 100000 on the second monitor", leftAndHigher, -1270, -190, {100000, 100000}, {1270, 1014}},
        {"corner past the far ends", taskbarBelow, INT32_MAX, INT32_MAX, {700, 500}, {0, 0}},
    };
    for (const auto& row : rows) {
        WindowSize size = CutToArea(row.stored, row.x, row.y, row.area);
        EXPECT_EQ(row.expected.width, size.width) << row.what << ": width";
        EXPECT_EQ(row.expected.height, size.height) << row.what << ": height";
    }
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
