#include "tools/pbrain-kivrano/board_block.h"

#include <stdio.h>
#include <string.h>

#include "tools/pbrain-kivrano/protocol.h"

void StartBoardBlock(BoardBlock& block) {
    block.length = 0;
    block.fault[0] = '\0';
}

void SetBoardFault(BoardBlock& block, const char* fault) {
    if (block.fault[0] == '\0') snprintf(block.fault, sizeof block.fault, "%s", fault);
}

void AddBoardLine(BoardBlock& block, const char* line, const GameTerms& terms) {
    if (block.fault[0] != '\0') return;  // the first fault is the one reported
    int32_t stone[3] = {0, 0, 0};
    char quoted[64];
    QuoteText(line, quoted, sizeof quoted);
    if (!ParseNumberList(line, stone, 3) || stone[2] < 1 || stone[2] > 3) {
        Answer(block.fault, sizeof block.fault, "ERROR bad BOARD line '%s': X,Y,F expected, F 1 to 3",
               quoted);
        return;
    }
    if (!OnBoard(terms, stone[0] + 1, stone[1] + 1)) {
        Answer(block.fault, sizeof block.fault, "ERROR %d,%d is off the board", (int)stone[0], (int)stone[1]);
        return;
    }
    if (block.length == kMostMoves) {
        Answer(block.fault, sizeof block.fault, "ERROR too many stones");
        return;
    }
    block.points[block.length] = Point{stone[0] + 1, stone[1] + 1};
    block.fields[block.length] = stone[2];
    block.length++;
}

bool RecordFromBoard(const BoardBlock& block, GameRecord& record, char* answer, int32_t capacity) {
    if (block.fault[0] != '\0') {
        Answer(answer, capacity, "%s", block.fault);
        return false;
    }
    int32_t own = 0;
    int32_t theirs = 0;
    static bool seen[kBoardCells][kBoardCells];
    memset(seen, 0, sizeof seen);
    for (int32_t i = 0; i < block.length; i++) {
        const Point& at = block.points[i];
        if (seen[at.x][at.y]) {
            Answer(answer, capacity, "ERROR %d,%d is occupied", (int)at.x - 1, (int)at.y - 1);
            return false;
        }
        seen[at.x][at.y] = true;
        if (block.fields[i] == 1) own++;
        else if (block.fields[i] == 2) theirs++;
    }
    ClearRecord(record);
    if (own == theirs) record.brainColour = Black;
    else if (theirs == own + 1) record.brainColour = White;
    else {
        Answer(answer, capacity, "ERROR %d own and %d opponent stones: the brain cannot be the side to move",
               (int)own, (int)theirs);
        return false;
    }
    for (int32_t i = 0; i < block.length; i++) {
        const Point& at = block.points[i];
        if (block.fields[i] == 3) {
            record.marks[record.markCount++] = at;
        } else {
            const Cell colour = block.fields[i] == 1 ? record.brainColour : Opponent(record.brainColour);
            record.stones[record.stoneCount++] = Stone{at.x, at.y, colour};
        }
    }
    return true;
}
