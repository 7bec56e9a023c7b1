// Placing, clearing, taking back and replaying stones, and the repaints and sounds each asks for.
#include <gtest/gtest.h>

#include "platform_recorder.h"
#include "position.h"
#include "settings/options.h"
#include "view/board_geometry.h"

WindowHandle const kWindow = reinterpret_cast<WindowHandle>(0x1234);

// Sound on; 18-pixel cells at the window's corner.
class BoardTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGame(), ResetPlatformRecord(), options.sound = 1, boardGeometry = {18, 18, 0, 0}; }
};

// The record's stones up to the end-mark slot, with the move count, the turn and any five.
std::string Record() {
    std::string s = std::to_string(moveCount) + " phase " + std::to_string(Phase) + ":";
    for (int i = 0; i <= moveCount; i++)
        s += historyX[i] ? " " + std::to_string(historyX[i]) + "," + std::to_string(historyY[i]) : " end";
    return winDirection ? s + " five " + std::to_string(winDirection) + " of " + std::to_string(winnerColour) : s;
}

// A stone is recorded with the end mark after it, sounds (not once sound is off), the turn passes (its exact
// repaint is checked on a real window); a five ends the game naming its leftmost stone, a six does not.
TEST_F(BoardTest, PlaceStoneRecordsSoundsAndFindsFives) {
    PlaceStone(kWindow, 10, 11);
    EXPECT_EQ("1 phase 2: 10,11 end", Record());
    options.sound = 0;  // silent from now on, a new game included
    PlaceStone(kWindow, 12, 10);
    NewGame(kWindow);
    EXPECT_EQ(std::vector<std::string>{"putstone.wav"}, platformRecord.soundsPlayed);
    SetPosition("B 6,10 7,10 9,10 10,10"), PlaceStone(kWindow, 8, 10);
    EXPECT_EQ("1 phase 4: 6,10 end five 1 of 1", Record());
    SetPosition("B 4,10 5,10 6,10 8,10 9,10"), PlaceStone(kWindow, 7, 10);
    EXPECT_EQ("1 phase 2: 7,10 end", Record());
}

// NewGame empties the playing area, keeps the turn, sounds only if stones went, repaints the board.
TEST_F(BoardTest, NewGameClearsThePlayingAreaOnly) {
    const std::string empty = BoardSnapshot();
    for (int stone : {10, 11, 1}) PlaceStone(kWindow, stone, stone);
    for (const char* sound : {"clear.wav", ""}) {  // the second call finds no stones
        platformRecord = PlatformRecord();
        NewGame(kWindow);
        EXPECT_TRUE(empty == BoardSnapshot() && moveCount == 0 && Phase == 2) << sound;
        EXPECT_EQ(*sound ? std::vector<std::string>{sound} : std::vector<std::string>{}, platformRecord.soundsPlayed);
        EXPECT_EQ(std::vector<PixelRect>{(PixelRect{0, 0, 348, 348})}, platformRecord.invalidated);
    }
}

// Undo takes back two plies (or the one left), Redo replays up to two, silently; a new stone cuts off the rest.
// After `played` of Black (10,10), White (11,10), Black (10,11): U undo, R redo, P a stone on (9,9).
const struct { int played; const char *ops, *record, *position; } kRecordCases[] = {
    {3, "U", "1 phase 2: 10,10 11,10", "B 10,10"},
    {3, "UU", "0 phase 1: 10,10", ""},
    {3, "UUR", "2 phase 1: 10,10 11,10 10,11", "B 10,10 W 11,10"},  // from one stone, two replayed
    {3, "UURRR", "3 phase 2: 10,10 11,10 10,11 end", "B 10,10 10,11 W 11,10"},  // all back; then none left
    {3, "UPR", "2 phase 1: 10,10 9,9 end", "B 10,10 W 9,9"},  // the end mark follows the new stone
    {0, "UR", "0 phase 1: end", ""},
};

TEST_F(BoardTest, UndoAndRedoFollowTheRecord) {
    for (const auto& c : kRecordCases) {
        SetUp();
        const int moves[][2] = {{10, 10}, {11, 10}, {10, 11}};
        for (int i = 0; i < c.played; i++) PlaceStone(kWindow, moves[i][0], moves[i][1]);
        platformRecord = PlatformRecord();
        for (const char* op = c.ops; *op; op++)
            *op == 'U' ? UndoMoves(kWindow) : *op == 'R' ? RedoMoves(kWindow) : PlaceStone(kWindow, 9, 9);
        EXPECT_EQ(c.record, Record()) << c.ops;
        EXPECT_EQ(c.ops[1] == 'P', platformRecord.soundsPlayed.size() == 1) << c.ops;  // Redo is silent
        const std::string board = BoardSnapshot();
        SetPosition(c.position);
        EXPECT_EQ(BoardSnapshot(), board) << c.ops;
    }
}

// 361 stones, no five among them: the record fills and ends with its mark.
TEST_F(BoardTest, AFullBoardFillsTheRecordAndEndsIt) {
    for (int y = 1; y <= 19; y++)
        for (int x = 1; x <= 19; x++) {
            Phase = (x + 2 * y) % 4 < 2 ? Black : White;  // runs of two along rows and diagonals
            PlaceStone(kWindow, x, y);
            ASSERT_EQ(0, winDirection) << x << "," << y;
        }
    EXPECT_TRUE(moveCount == 361 && historyX[360] == 19 && historyY[360] == 19 && historyX[361] == 0);
}

// The board's arrays have room for 20 x 20; InitWallRing walls everything past the game's 19 x 19, so
// walks stop at column and row 20 as at a ring, and only the 361 playing cells stay Empty.
TEST_F(BoardTest, InitWallRingLeavesOnlyTheGamesBoard) {
    int empty = 0;
    for (int x = 0; x < kBoardCells; x++)
        for (int y = 0; y < kBoardCells; y++) empty += Board[x][y] == Empty;
    EXPECT_EQ(361, empty);
    for (int i = 0; i < kBoardCells; i++) {
        EXPECT_EQ(Wall, Board[20][i]) << "column 20, row " << i;
        EXPECT_EQ(Wall, Board[i][20]) << "row 20, column " << i;
    }
}
