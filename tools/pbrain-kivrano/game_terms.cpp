#include "tools/pbrain-kivrano/game_terms.h"

#include "tools/pbrain-kivrano/protocol.h"

const char* FiveText(const GameTerms& terms) {
    return FiveOrMoreWins(terms) ? "five or more in a row" : "five in a row";
}

bool RefuseUnsupportedRule(const GameTerms& terms, char* answer, int32_t capacity) {
    if ((terms.rule & ~(kRuleExactlyFive | kRuleContinuous)) == 0) return false;
    const char* name = "unknown rule bits";
    if (terms.rule & kRuleRenju) name = "renju";
    else if (terms.rule & kRuleCaro) name = "caro";
    Answer(answer, capacity,
           "ERROR rule %d (%s) is not supported: bits 1 (exactly five) and 2 (continuous) only",
           (int)terms.rule, name);
    return true;
}
