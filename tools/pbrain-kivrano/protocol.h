// The text of the Gomocup brain protocol: command words, number lists and
// INFO pairs. Pure functions of the line, so they can be tested alone.
#pragma once

#include <stdint.h>

// Room for any answer, including a quoted piece of the line.
const int32_t kAnswerCapacity = 256;

enum CommandWord {
    kCommandBlank,  // nothing but spaces
    kCommandStart,
    kCommandRectStart,
    kCommandBegin,
    kCommandTurn,
    kCommandBoard,
    kCommandDone,
    kCommandRestart,
    kCommandTakeback,
    kCommandInfo,
    kCommandAbout,
    kCommandEnd,
    kCommandUnknown,
};

// Cuts the line end (LF, CR LF) and any trailing spaces off, in place.
void TrimLineEnd(char* line);

// The command word that opens the line, in any letter case, and where its
// arguments begin (past the spaces after the word).
CommandWord ParseCommandWord(const char* line, const char** arguments);

// Exactly `count` comma-separated decimal numbers, 0..99999, with optional
// spaces around each, and nothing else.
bool ParseNumberList(const char* text, int32_t* values, int32_t count);

// An INFO line's arguments: the key (copied in lower case, at most
// keyCapacity - 1 characters, else false) and where its value begins.
bool ParseInfoPair(const char* arguments, char* key, int32_t keyCapacity, const char** value);

// A line of a board block: X,Y or X,Y,F, as BOARD and the blocks of
// commands the brain does not know (SWAP2BOARD) send them.
bool IsStoneLine(const char* line);

// Writes an answer, without its line end, as printf does, cut to capacity.
void Answer(char* answer, int32_t capacity, const char* format, ...) __attribute__((format(printf, 3, 4)));

// Copies text for quoting in an answer: at most capacity - 1 characters,
// anything unprintable as '?', so an answer is always one printable line.
void QuoteText(const char* text, char* out, int32_t capacity);
