// The brain's own move: the opening near the centre, the computer player's
// choice after it, and under five or more the long lines it takes or blocks.
#pragma once

#include <stdint.h>

#include "tools/pbrain-kivrano/game_record.h"
#include "tools/pbrain-kivrano/game_terms.h"

// The rules' state holds the recorded game, the brain to move. The brain
// chooses and plays its stone, records it and names it in protocol
// coordinates. False, with nothing placed, when no cell qualifies.
bool PlayBrainMove(GameRecord& record, const GameTerms& terms, char* answer, int32_t capacity);
