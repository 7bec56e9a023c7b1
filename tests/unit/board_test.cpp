// Clearing, taking back and replaying stones: the record, the turn, the cells the rules ask to repaint and
// the sounds. A stone's own placing and where the cells lie on screen are checked on a real window
// (game_play_test.cpp).
#include <gtest/gtest.h>

#include "platform_recorder.h"
#include "position.h"
#include "product.h"
#include "settings/options.h"

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

// NewGame empties the playing area and keeps the wall ring and the turn.
TEST_F(BoardTest, NewGameClearsThePlayingAreaOnly) {
    const std::string empty = BoardSnapshot();
    for (int stone : {10, 11, 1}) PlaceStone(nullptr, stone, stone);
    ResetPlatformRecord();
    NewGame(nullptr);
    EXPECT_EQ(empty, BoardSnapshot());
    EXPECT_EQ(0, moveCount);
    EXPECT_EQ(kPhaseWhite, Phase) << "the side to move after three stones";
    EXPECT_EQ(std::vector<std::string>{kClearSoundFile}, platformRecord.soundsPlayed);
    EXPECT_EQ(1, platformRecord.boardInvalidations);
    EXPECT_EQ("", platformRecord.invalidatedCells);
}

// Undo takes back two plies (or the one left), Redo replays up to two, silently; a new stone cuts off
// what could be replayed. Each case starts from Black (10,10), White (11,10), Black (10,11).
enum RecordAction { kEnd, kUndo, kRedo, kStoneOn9x9 };

const struct {
    const char* name;
    RecordAction actions[6];
    int32_t moves;
    int32_t phase;
    const char* record;
    const char* position;
    const char* repainted;
} kRecordCases[] = {
    {"one Undo", {kUndo}, 1, kPhaseWhite, "10,10 11,10", "B 10,10", "(10,11)(11,10)"},
    {"Undo from one stone", {kUndo, kUndo}, 0, kPhaseBlack, "10,10", "", "(10,11)(11,10)(10,10)"},
    {"Redo after two Undos", {kUndo, kUndo, kRedo}, 2, kPhaseBlack, "10,10 11,10 10,11",
     "B 10,10 W 11,10", "(10,11)(11,10)(10,10)(10,10)(11,10)"},
    {"Redo until none is left", {kUndo, kUndo, kRedo, kRedo, kRedo}, 3, kPhaseWhite,
     "10,10 11,10 10,11 end", "B 10,10 10,11 W 11,10", "(10,11)(11,10)(10,10)(10,10)(11,10)(10,11)"},
    {"a stone after Undo cuts off Redo", {kUndo, kStoneOn9x9, kRedo}, 2, kPhaseBlack, "10,10 9,9 end",
     "B 10,10 W 9,9", "(10,11)(11,10)(9,9)"},
};

TEST_F(BoardTest, UndoAndRedoFollowTheRecord) {
    const int opening[][2] = {{10, 10}, {11, 10}, {10, 11}};
    for (const auto& c : kRecordCases) {
        SetUp();
        for (int i = 0; i < 3; i++) PlaceStone(nullptr, opening[i][0], opening[i][1]);
        ResetPlatformRecord();
        int stonesPlaced = 0;
        for (const RecordAction* action = c.actions; *action != kEnd; action++) {
            if (*action == kUndo) UndoMoves(nullptr);
            if (*action == kRedo) RedoMoves(nullptr);
            if (*action == kStoneOn9x9) {
                PlaceStone(nullptr, 9, 9);
                stonesPlaced++;
            }
        }
        EXPECT_EQ(c.moves, moveCount) << c.name << ": move count";
        EXPECT_EQ(c.phase, Phase) << c.name << ": phase";
        EXPECT_EQ(c.record, RecordText()) << c.name << ": record";
        EXPECT_EQ(c.repainted, platformRecord.invalidatedCells) << c.name << ": cells repainted";
        EXPECT_EQ(stonesPlaced, (int)platformRecord.soundsPlayed.size())
            << c.name << ": sounds (new stones only)";
        const std::string board = BoardSnapshot();
        SetPosition(c.position);
        EXPECT_EQ(BoardSnapshot(), board) << c.name << ": the stones on the board";
    }
}

// The board's arrays have room for 20 x 20; InitWallRing walls everything past the game's 19 x 19.
TEST_F(BoardTest, InitWallRingLeavesOnlyTheGamesBoard) {
    int empty = 0;
    for (int x = 0; x < kBoardCells; x++)
        for (int y = 0; y < kBoardCells; y++) empty += Board[x][y] == Empty;
    EXPECT_EQ(361, empty) << "Empty cells";
}
