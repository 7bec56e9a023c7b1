// The engine behind the Gomocup brain protocol: one position, the brain
// always the side to move, every stone placed as the game places it and
// every move chosen by the game's computer player.
#pragma once

#include <stdint.h>

#include "tools/pbrain-kivrano/protocol.h"

// A 19 x 19 board with no stones, level God, the double-three ban in force.
// The random generator is left alone: it carries on from game to game.
void StartBrain();

// Handles one line of input (its line end already cut off). The answer,
// without a line end, is written to answer; it is empty when the protocol
// wants none. False when the brain is to exit.
bool HandleLine(const char* line, char* answer, int32_t capacity);

// A line too long for the reader's buffer, given by its start: never
// carried out. A command that expects an answer is answered with an error;
// any other line (INFO above all) is dropped without a word, as a manager
// would take any answer for the one to its next command.
void HandleOverlongLine(const char* start, char* answer, int32_t capacity);
