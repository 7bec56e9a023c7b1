// A BOARD block as it is read, line by line up to its DONE, and the game
// it describes.
#pragma once

#include <stdint.h>

#include "tools/pbrain-kivrano/game_record.h"
#include "tools/pbrain-kivrano/game_terms.h"
#include "tools/pbrain-kivrano/protocol.h"

// The block's points in the order given, each with its field as the
// protocol has it (1 the brain's stone, 2 the opponent's, 3 a point of a
// won line), and the first thing wrong with the block.
struct BoardBlock {
    Point points[kMostMoves];
    int32_t fields[kMostMoves];
    int32_t length;
    char fault[kAnswerCapacity];
};

void StartBoardBlock(BoardBlock& block);

// One X,Y,F line of the block, in the protocol's coordinates (from 0).
void AddBoardLine(BoardBlock& block, const char* line, const GameTerms& terms);

// Notes a fault found outside the lines' text (a line too long to read);
// only the first fault of a block is reported.
void SetBoardFault(BoardBlock& block, const char* fault);

// At DONE: the game the block describes, with the brain the side to move
// (Black when both sides have as many stones, White when the opponent has
// one more). False, with the error written to answer, when the block had a
// fault, a point twice, or stone counts that leave the brain no turn.
bool RecordFromBoard(const BoardBlock& block, GameRecord& record, char* answer, int32_t capacity);
