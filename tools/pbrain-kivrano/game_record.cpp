#include "tools/pbrain-kivrano/game_record.h"

#include <stddef.h>

#include "tools/pbrain-kivrano/winning_lines.h"

void ClearRecord(GameRecord& record) {
    record.stoneCount = 0;
    record.markCount = 0;
    record.brainColour = White;
}

// Every cell inside the ring: Empty on the board in play, Wall past it.
static void FitBoardToSize(const GameTerms& terms) {
    for (int32_t x = 1; x <= kLargestBoardSize; x++)
        for (int32_t y = 1; y <= kLargestBoardSize; y++)
            Board[x][y] = OnBoard(terms, x, y) ? Empty : Wall;
}

bool ReplayRecord(const GameRecord& record, const GameTerms& terms) {
    NewGame(NULL);
    FitBoardToSize(terms);
    for (int32_t i = 0; i < record.markCount; i++) Board[record.marks[i].x][record.marks[i].y] = Wall;
    for (int32_t i = 0; i < record.stoneCount; i++) {
        Phase = record.stones[i].colour;
        PlaceStone(NULL, record.stones[i].x, record.stones[i].y);
    }
    // A five made on the way may have grown into a longer line later.
    winDirection = 0;
    Phase = record.brainColour;
    if (ContinuousGame(terms)) return true;
    for (int32_t i = 0; i < record.stoneCount; i++) {
        if (IsWinningStone(record.stones[i].x, record.stones[i].y, FiveOrMoreWins(terms))) {
            Phase = kPhaseFiveMade;
            return false;
        }
    }
    return true;
}

bool PlayStone(GameRecord& record, const GameTerms& terms, int32_t x, int32_t y, Cell colour) {
    Phase = colour;
    PlaceStone(NULL, x, y);
    record.stones[record.stoneCount++] = Stone{x, y, colour};
    // PlaceStone ends the game at any five; whether it is over is the
    // brain's to say, by its rule.
    const bool over = !ContinuousGame(terms) && IsWinningStone(x, y, FiveOrMoreWins(terms));
    Phase = over ? kPhaseFiveMade : Opponent(colour);
    return over;
}

bool TakeBack(GameRecord& record, int32_t x, int32_t y) {
    for (int32_t i = 0; i < record.stoneCount; i++) {
        if (record.stones[i].x != x || record.stones[i].y != y) continue;
        record.stoneCount--;
        for (; i < record.stoneCount; i++) record.stones[i] = record.stones[i + 1];
        return true;
    }
    for (int32_t i = 0; i < record.markCount; i++) {
        if (record.marks[i].x != x || record.marks[i].y != y) continue;
        record.markCount--;
        for (; i < record.markCount; i++) record.marks[i] = record.marks[i + 1];
        return true;
    }
    return false;
}
