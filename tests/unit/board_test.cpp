// Placing, clearing, taking back and replaying stones: the record, the turn, the cells the rules ask to
// repaint and the sounds. Where those cells lie on screen is checked on a real window.
#include <gtest/gtest.h>

#include "platform_recorder.h"
#include "position.h"
#include "product.h"
#include "settings/options.h"

WindowHandle const kWindow = reinterpret_cast<WindowHandle>(0x1234);

// Sound on, Black to move on an empty board.
class BoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGame();
        ResetPlatformRecord();
        options.sound = 1;
    }
};

// The recorded moves up to and with the end-mark slot, for example "10,10 11,10 end".
std::string RecordText() {
    std::string text;
    for (int i = 0; i <= moveCount; i++) {
        if (i > 0) text += " ";
        text += historyX[i] ? std::to_string(historyX[i]) + "," + std::to_string(historyY[i]) : "end";
    }
    return text;
}

std::string CellsText(const std::vector<CellPosition>& cells) {
    std::string text;
    for (const CellPosition& cell : cells)
        text += "(" + std::to_string(cell.x) + "," + std::to_string(cell.y) + ")";
    return text;
}

TEST_F(BoardTest, AStoneIsRecordedRepaintedAndSounded) {
    PlaceStone(kWindow, 10, 11);
    EXPECT_EQ(Black, Board[10][11]);
    EXPECT_EQ(1, moveCount);
    EXPECT_EQ("10,11 end", RecordText());
    EXPECT_EQ(kPhaseWhite, Phase) << "the turn passes to White";
    EXPECT_EQ("(10,11)", CellsText(platformRecord.invalidatedCells));
    EXPECT_EQ(kWindow, platformRecord.invalidatedWindows.at(0));
    EXPECT_EQ(std::vector<std::string>{kStoneSoundFile}, platformRecord.soundsPlayed);
}

// NewGame empties the playing area and keeps the wall ring and the turn.
TEST_F(BoardTest, NewGameClearsThePlayingAreaOnly) {
    const std::string empty = BoardSnapshot();
    for (int stone : {10, 11, 1}) PlaceStone(kWindow, stone, stone);
    ResetPlatformRecord();
    NewGame(kWindow);
    EXPECT_EQ(empty, BoardSnapshot());
    EXPECT_EQ(0, moveCount);
    EXPECT_EQ(kPhaseWhite, Phase) << "the side to move after three stones";
    EXPECT_EQ(std::vector<std::string>{kClearSoundFile}, platformRecord.soundsPlayed);
    EXPECT_EQ(1, platformRecord.boardInvalidations);
    EXPECT_EQ("", CellsText(platformRecord.invalidatedCells));
}

// Undo takes back two plies (or the one left), Redo replays up to two, silently; a new stone cuts off
// what could be replayed. Each case starts from the first `played` of Black (10,10), White (11,10),
// Black (10,11).
enum RecordAction { kEnd, kUndo, kRedo, kStoneOn9x9 };

const struct {
    const char* name;
    int played;
    RecordAction actions[6];
    int32_t moves;
    int32_t phase;
    const char* record;
    const char* position;
    const char* repainted;
} kRecordCases[] = {
    {"one Undo", 3, {kUndo}, 1, kPhaseWhite, "10,10 11,10", "B 10,10", "(10,11)(11,10)"},
    {"Undo from one stone", 3, {kUndo, kUndo}, 0, kPhaseBlack, "10,10", "", "(10,11)(11,10)(10,10)"},
    {"Redo after two Undos", 3, {kUndo, kUndo, kRedo}, 2, kPhaseBlack, "10,10 11,10 10,11",
     "B 10,10 W 11,10", "(10,11)(11,10)(10,10)(10,10)(11,10)"},
    {"Redo until none is left", 3, {kUndo, kUndo, kRedo, kRedo, kRedo}, 3, kPhaseWhite,
     "10,10 11,10 10,11 end", "B 10,10 10,11 W 11,10", "(10,11)(11,10)(10,10)(10,10)(11,10)(10,11)"},
    {"a stone after Undo cuts off Redo", 3, {kUndo, kStoneOn9x9, kRedo}, 2, kPhaseBlack, "10,10 9,9 end",
     "B 10,10 W 9,9", "(10,11)(11,10)(9,9)"},
};

TEST_F(BoardTest, UndoAndRedoFollowTheRecord) {
    const int opening[][2] = {{10, 10}, {11, 10}, {10, 11}};
    for (const auto& c : kRecordCases) {
        SetUp();
        for (int i = 0; i < c.played; i++) PlaceStone(kWindow, opening[i][0], opening[i][1]);
        ResetPlatformRecord();
        int stonesPlaced = 0;
        for (const RecordAction* action = c.actions; *action != kEnd; action++) {
            if (*action == kUndo) UndoMoves(kWindow);
            if (*action == kRedo) RedoMoves(kWindow);
            if (*action == kStoneOn9x9) {
                PlaceStone(kWindow, 9, 9);
                stonesPlaced++;
            }
        }
        EXPECT_EQ(c.moves, moveCount) << c.name << ": move count";
        EXPECT_EQ(c.phase, Phase) << c.name << ": phase";
        EXPECT_EQ(c.record, RecordText()) << c.name << ": record";
        EXPECT_EQ(c.repainted, CellsText(platformRecord.invalidatedCells)) << c.name << ": cells repainted";
        EXPECT_EQ(stonesPlaced, (int)platformRecord.soundsPlayed.size())
            << c.name << ": sounds (new stones only)";
        const std::string board = BoardSnapshot();
        SetPosition(c.position);
        EXPECT_EQ(BoardSnapshot(), board) << c.name << ": the stones on the board";
    }
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
