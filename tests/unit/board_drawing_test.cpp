// The last-move marker to the pixel, and the blinking of a five.
#include <gtest/gtest.h>

#include "rules/board.h"
#include "view/board_geometry.h"
#include "view/marker.h"
#include "view/win_highlight.h"
#include "position.h"

// Compares two pixel rectangles edge by edge, so a failure names the edge with its expected and got value.
static void ExpectSameRect(const PixelRect& expected, const PixelRect& got, const std::string& what) {
    EXPECT_EQ(expected.left, got.left) << what << ": left";
    EXPECT_EQ(expected.top, got.top) << what << ": top";
    EXPECT_EQ(expected.right, got.right) << what << ": right";
    EXPECT_EQ(expected.bottom, got.bottom) << what << ": bottom";
}

// The marker's ellipses on the last move only: its cell inset by 4 twelfths (outer) and 5 (inner) of the
// cell's width across and of its height down.
const struct {
    const char* name;
    BoardGeometry geometry;
    int32_t x, y;
    PixelRect outer, inner;
} kMarkerCases[] = {
    {"30-pixel cells, corner stone", {30, 30, 0, 0}, 1, 1, {15, 15, 25, 25}, {17, 17, 23, 23}},
    {"18-pixel cells, far corner", {18, 18, 0, 0}, 19, 19, {333, 333, 339, 339}, {334, 334, 338, 338}},
    {"cells 30 wide and 24 high", {30, 24, 0, 0}, 1, 1, {15, 12, 25, 20}, {17, 14, 23, 18}},
};

TEST(Marker, RectanglesOnTheLastStone) {
    for (const auto& c : kMarkerCases) {
        boardGeometry = c.geometry;
        historyX[0] = 10;  // an earlier stone, never marked
        historyY[0] = 10;
        historyX[1] = c.x;
        historyY[1] = c.y;
        moveCount = 2;
        ExpectSameRect(c.outer, MarkerRect(), std::string(c.name) + ": outer ellipse");
        ExpectSameRect(c.inner, MarkerInnerRect(), std::string(c.name) + ": inner ellipse");
    }
}


// Only a five's direction (1 to 4) is blinked: any other leaves every stone as it is.
TEST(WinHighlight, NoDirectionNoBlink) {
    for (int32_t direction : {0, 5}) {
        SetPosition("B 10,10 11,10 12,10 13,10 14,10");
        winnerColour = White;  // shown in place of Black's stones, were it blinked
        Phase = kPhaseFiveMade + 1;
        winDirection = direction;
        const std::string before = BoardSnapshot();
        HighlightStep(nullptr, 10, 10);
        EXPECT_EQ(before, BoardSnapshot()) << "direction " << direction << ": the board";
    }
}
