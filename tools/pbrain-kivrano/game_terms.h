// What a manager chose for the brain's games: the board's sides and the
// rule. They hold from game to game until changed.
#pragma once

#include <stdint.h>

// Boards of any side from 5 to 20 are played on the rules' board, which has
// room for 20, with the cells outside them turned to Wall, so runs end there
// as at the real edge.
const int32_t kSmallestSide = 5;

// The protocol's rule bits: 1 exactly five wins (the game's rule); without
// it five or more wins. The others change the game itself.
const int32_t kRuleExactlyFive = 1;
const int32_t kRuleContinuous = 2;
const int32_t kRuleRenju = 4;
const int32_t kRuleCaro = 8;

struct GameTerms {
    int32_t width;
    int32_t height;
    int32_t rule;  // the protocol's rule bits
};

inline bool FiveOrMoreWins(const GameTerms& terms) { return (terms.rule & kRuleExactlyFive) == 0; }

// A continuous game: the manager does not stop at a five, so neither does
// the brain; it answers every move, whatever lines stand on the board.
inline bool ContinuousGame(const GameTerms& terms) { return (terms.rule & kRuleContinuous) != 0; }

// (x, y) in the rules' coordinates, from 1, lies on the board in play.
inline bool OnBoard(const GameTerms& terms, int32_t x, int32_t y) {
    return x >= 1 && x <= terms.width && y >= 1 && y <= terms.height;
}

// "five in a row" or "five or more in a row", for answers.
const char* FiveText(const GameTerms& terms);

// A rule the brain cannot play (renju, caro, bits it does not know) is
// refused when a move is asked for, rather than a different game played.
// True, with the answer written, then.
bool RefuseUnsupportedRule(const GameTerms& terms, char* answer, int32_t capacity);
