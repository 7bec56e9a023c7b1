#include "tools/pbrain-kivrano/brain_move.h"

#include "ai/computer_player.h"
#include "settings/options.h"
#include "tools/pbrain-kivrano/protocol.h"
#include "tools/pbrain-kivrano/winning_lines.h"

// The Empty cell nearest the centre (x, y), the first of them in scan
// order: the opening when a marked point stands on the centre itself.
// False, with x and y unchanged, when every cell is marked.
static bool NearestFreeCell(int32_t& x, int32_t& y) {
    int32_t best = -1;
    int32_t bestX = x;
    int32_t bestY = y;
    for (int32_t cx = 1; cx <= kLargestBoardSize; cx++) {
        for (int32_t cy = 1; cy <= kLargestBoardSize; cy++) {
            const int32_t distance = (cx - x) * (cx - x) + (cy - y) * (cy - y);
            if (Board[cx][cy] == Empty && (best < 0 || distance < best)) {
                best = distance;
                bestX = cx;
                bestY = cy;
            }
        }
    }
    x = bestX;
    y = bestY;
    return best >= 0;
}

bool PlayBrainMove(GameRecord& record, const GameTerms& terms, char* answer, int32_t capacity) {
    const Cell colour = record.brainColour;
    Phase = colour;  // the double-three ban looks at the side to move
    options.computerColour = colour;
    int32_t x = 0;
    int32_t y = 0;
    if (record.stoneCount == 0) {
        // The opening goes to the centre; on 19 x 19 that is the game's (10,10).
        x = (terms.width + 1) / 2;
        y = (terms.height + 1) / 2;
        if (Board[x][y] != Empty && !NearestFreeCell(x, y)) return false;
    } else if (!ChooseComputerMove(x, y)) {
        return false;
    } else if (FiveOrMoreWins(terms)) {
        TakeOrBlockLongLines(colour, x, y);
    }
    PlayStone(record, terms, x, y, colour);
    Answer(answer, capacity, "%d,%d", (int)x - 1, (int)y - 1);
    return true;
}
