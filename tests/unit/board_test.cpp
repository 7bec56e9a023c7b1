// Taking back and replaying stones: the record, the turn and the cells repainted. Placing a stone, New Game,
// the silence of Undo and Redo and where cells lie on screen are checked on a real window (game_play_test).
#include <gtest/gtest.h>

#include "platform_recorder.h"
#include "position.h"
#include "settings/options.h"

// Black to move on an empty board, nothing recorded yet.
class BoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGame();
        ResetPlatformRecord();
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

// Undo takes back two plies (or the one left), Redo replays up to two; a new stone cuts off
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
        for (const RecordAction* action = c.actions; *action != kEnd; action++) {
            if (*action == kUndo) UndoMoves(nullptr);
            if (*action == kRedo) RedoMoves(nullptr);
            if (*action == kStoneOn9x9) PlaceStone(nullptr, 9, 9);
        }
        EXPECT_EQ(c.moves, moveCount) << c.name << ": move count";
        EXPECT_EQ(c.phase, Phase) << c.name << ": phase";
        EXPECT_EQ(c.record, RecordText()) << c.name << ": record";
        EXPECT_EQ(c.repainted, platformRecord.invalidatedCells) << c.name << ": cells repainted";
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

// New Game empties the playing area (the ring stays), repaints the whole board, and sounds only when stones
// were there to clear.
TEST_F(BoardTest, NewGameClearsAndRepaintsTheBoard) {
    options.sound = 1;
    PlaceStone(nullptr, 10, 10);
    ResetPlatformRecord();
    NewGame(nullptr);
    NewGame(nullptr);
    EXPECT_EQ(0, moveCount) << "move count";
    EXPECT_EQ(2, platformRecord.boardInvalidations) << "whole-board repaints, one per New Game";
    EXPECT_EQ(std::vector<std::string>{"clear.wav"}, platformRecord.soundsPlayed)
        << "sounds of two New Games";
    ResetGame();
    const std::string emptyBoard = BoardSnapshot();
    PlaceStone(nullptr, 10, 10);
    NewGame(nullptr);
    EXPECT_EQ(emptyBoard, BoardSnapshot()) << "the board after New Game";
}
