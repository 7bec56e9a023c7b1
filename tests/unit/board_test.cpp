// Placing, clearing, taking back and replaying stones, and what each asks
// of the system (cells to repaint, sounds).
#include <gtest/gtest.h>

#include "platform_recorder.h"
#include "position.h"
#include "rules/board.h"
#include "settings/options.h"
#include "view/board_geometry.h"

namespace {

WindowHandle const kWindow = reinterpret_cast<WindowHandle>(0x1234);

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGame();
        ResetPlatformRecord();
        options.sound = 1;
        // 18-pixel cells at the window's corner.
        boardGeometry = BoardGeometry{18, 18, 0, 0};
    }
    void Play(std::initializer_list<std::pair<int, int>> moves) {
        for (auto m : moves) PlaceStone(kWindow, m.first, m.second);
    }
};

TEST_F(BoardTest, WallRingSurroundsAnUntouchedPlayingArea) {
    for (int x = 0; x < kBoardCells; x++)
        for (int y = 0; y < kBoardCells; y++) Board[x][y] = Empty;
    Board[10][10] = Black;
    InitWallRing();
    int walls = 0;
    for (int x = 0; x < kBoardCells; x++)
        for (int y = 0; y < kBoardCells; y++) {
            bool ring = x == 0 || y == 0 || x == 20 || y == 20;
            if (ring) { EXPECT_EQ(Wall, Board[x][y]); walls++; }
            else EXPECT_EQ(x == 10 && y == 10 ? Black : Empty, Board[x][y]);
        }
    EXPECT_EQ(80, walls);
}

TEST_F(BoardTest, PlaceStoneRecordsRepaintsSoundsAndPassesTheTurn) {
    PlaceStone(kWindow, 10, 10);
    EXPECT_EQ(Black, Board[10][10]);
    EXPECT_EQ(1, moveCount);
    EXPECT_EQ(10, historyX[0]);
    EXPECT_EQ(10, historyY[0]);
    EXPECT_EQ(0, historyX[1]);
    EXPECT_EQ(2, Phase);
    EXPECT_EQ(0, winDirection);
    ASSERT_EQ(1u, platformRecord.invalidated.size());
    EXPECT_EQ((PixelRect{165, 165, 183, 183}), platformRecord.invalidated[0]);
    EXPECT_EQ(kWindow, platformRecord.invalidatedWindows[0]);
    EXPECT_EQ(std::vector<std::string>{"putstone.wav"}, platformRecord.soundsPlayed);

    PlaceStone(kWindow, 11, 10);
    EXPECT_EQ(White, Board[11][10]);
    EXPECT_EQ(1, Phase);
}

TEST_F(BoardTest, SoundOffPlaysNothing) {
    options.sound = 0;
    Play({{10, 10}, {11, 10}});
    NewGame(kWindow);
    EXPECT_TRUE(platformRecord.soundsPlayed.empty());
}

TEST_F(BoardTest, FiveSetsTheWinnerAndStoresItsFirstStone) {
    // Black's stone on (8, 10) completes 6..10 in its middle.
    Play({{6, 10}, {6, 12}, {7, 10}, {7, 12}, {9, 10}, {8, 12}, {10, 10}, {12, 12}});
    EXPECT_EQ(1, Phase);
    PlaceStone(kWindow, 8, 10);
    EXPECT_EQ(4, Phase);
    EXPECT_EQ(1, winDirection);
    EXPECT_EQ(Black, winnerColour);
    EXPECT_EQ(6, historyX[0]);
    EXPECT_EQ(10, historyY[0]);
    EXPECT_EQ(9, moveCount);
    EXPECT_EQ(0, historyX[9]);
}

TEST_F(BoardTest, SixInARowIsAnOrdinaryMove) {
    SetPosition("B 4,10 5,10 6,10 8,10 9,10");
    PlaceStone(kWindow, 7, 10);
    EXPECT_EQ(0, winDirection);
    EXPECT_EQ(2, Phase);
}

TEST_F(BoardTest, NewGameClearsThePlayingAreaOnly) {
    Play({{10, 10}, {11, 10}, {1, 1}});
    platformRecord = PlatformRecord();
    const int phaseBefore = Phase;
    NewGame(kWindow);
    for (int x = 1; x <= 19; x++)
        for (int y = 1; y <= 19; y++) ASSERT_EQ(Empty, Board[x][y]);
    EXPECT_EQ(Wall, Board[0][0]);
    EXPECT_EQ(0, moveCount);
    EXPECT_EQ(phaseBefore, Phase);
    EXPECT_EQ(std::vector<std::string>{"clear.wav"}, platformRecord.soundsPlayed);
    ASSERT_EQ(1u, platformRecord.invalidated.size());
    EXPECT_EQ((PixelRect{0, 0, 348, 348}), platformRecord.invalidated[0]);
}

TEST_F(BoardTest, NewGameOnAnEmptyBoardIsSilentButRepaints) {
    NewGame(kWindow);
    EXPECT_TRUE(platformRecord.soundsPlayed.empty());
    EXPECT_EQ(1u, platformRecord.invalidated.size());
}

TEST_F(BoardTest, UndoTakesBackTwoPliesAndRedoReplaysThem) {
    Play({{10, 10}, {11, 10}, {10, 11}});
    const std::string before = BoardSnapshot();
    platformRecord = PlatformRecord();

    UndoMoves(kWindow);
    EXPECT_EQ(1, moveCount);
    EXPECT_EQ(2, Phase);
    EXPECT_EQ(Empty, Board[10][11]);
    EXPECT_EQ(Empty, Board[11][10]);
    ASSERT_EQ(2u, platformRecord.invalidated.size());
    EXPECT_EQ(CellRect(10, 11), platformRecord.invalidated[0]);
    EXPECT_EQ(CellRect(11, 10), platformRecord.invalidated[1]);

    UndoMoves(kWindow);  // one stone left: only it goes
    EXPECT_EQ(0, moveCount);
    EXPECT_EQ(1, Phase);

    platformRecord = PlatformRecord();
    RedoMoves(kWindow);
    EXPECT_EQ(2, moveCount);
    EXPECT_EQ(1, Phase);
    EXPECT_EQ(Black, Board[10][10]);
    EXPECT_EQ(White, Board[11][10]);
    EXPECT_TRUE(platformRecord.soundsPlayed.empty());
    RedoMoves(kWindow);  // one move left to replay
    EXPECT_EQ(3, moveCount);
    EXPECT_EQ(2, Phase);
    EXPECT_EQ(before, BoardSnapshot());
    RedoMoves(kWindow);  // nothing left
    EXPECT_EQ(3, moveCount);
    EXPECT_EQ(2, Phase);
}

TEST_F(BoardTest, UndoAndRedoWithNothingToDoChangeNothing) {
    UndoMoves(kWindow);
    RedoMoves(kWindow);
    EXPECT_EQ(0, moveCount);
    EXPECT_EQ(1, Phase);
    EXPECT_TRUE(platformRecord.invalidated.empty());
}

TEST_F(BoardTest, APlacementCutsOffTheMovesTakenBack) {
    Play({{10, 10}, {11, 10}, {10, 11}, {12, 12}});
    UndoMoves(kWindow);
    PlaceStone(kWindow, 9, 9);
    EXPECT_EQ(0, historyX[moveCount]);
    RedoMoves(kWindow);
    EXPECT_EQ(3, moveCount);
    EXPECT_EQ(Empty, Board[12][12]);
}

TEST_F(BoardTest, UndoFromOneStoneThenRedoReplaysTwo) {
    Play({{10, 10}, {11, 10}, {10, 11}});
    UndoMoves(kWindow);  // one stone left, two moves behind it
    UndoMoves(kWindow);  // takes back just that stone
    EXPECT_EQ(0, moveCount);
    RedoMoves(kWindow);
    EXPECT_EQ(2, moveCount);
    EXPECT_EQ(Black, Board[10][10]);
    EXPECT_EQ(White, Board[11][10]);
}

TEST_F(BoardTest, AFullBoardFillsTheRecordAndEndsIt) {
    // Colours in runs of two along rows and diagonals, alternating down
    // columns: no line ever holds five.
    for (int y = 1; y <= 19; y++)
        for (int x = 1; x <= 19; x++) {
            Phase = (x + 2 * y) % 4 < 2 ? Black : White;
            PlaceStone(kWindow, x, y);
            ASSERT_EQ(0, winDirection) << x << "," << y;
        }
    EXPECT_EQ(361, moveCount);
    EXPECT_EQ(0, historyX[361]);
    EXPECT_EQ(19, historyX[360]);
    EXPECT_EQ(19, historyY[360]);
}

}  // namespace
