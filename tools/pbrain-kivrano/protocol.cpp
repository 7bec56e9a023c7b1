#include "tools/pbrain-kivrano/protocol.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

static bool IsSpace(char c) { return c == ' ' || c == '\t'; }
static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
static char Upper(char c) { return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c; }
static char Lower(char c) { return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c; }

void TrimLineEnd(char* line) {
    size_t n = strlen(line);
    while (n > 0 && (line[n - 1] == '\n' || line[n - 1] == '\r' || IsSpace(line[n - 1]))) n--;
    line[n] = '\0';
}

static const struct {
    const char* word;
    CommandWord command;
} kCommandWords[] = {
    {"START", kCommandStart},       {"RECTSTART", kCommandRectStart}, {"BEGIN", kCommandBegin},
    {"TURN", kCommandTurn},         {"BOARD", kCommandBoard},         {"DONE", kCommandDone},
    {"RESTART", kCommandRestart},   {"TAKEBACK", kCommandTakeback},   {"INFO", kCommandInfo},
    {"ABOUT", kCommandAbout},       {"END", kCommandEnd},
};

CommandWord ParseCommandWord(const char* line, const char** arguments) {
    while (IsSpace(*line)) line++;
    *arguments = line;
    if (*line == '\0') return kCommandBlank;
    size_t length = 0;
    while (line[length] != '\0' && !IsSpace(line[length])) length++;
    const char* rest = line + length;
    while (IsSpace(*rest)) rest++;
    for (const auto& entry : kCommandWords) {
        if (strlen(entry.word) != length) continue;
        size_t i = 0;
        while (i < length && Upper(line[i]) == entry.word[i]) i++;
        if (i == length) {
            *arguments = rest;
            return entry.command;
        }
    }
    return kCommandUnknown;
}

bool ParseNumberList(const char* text, int32_t* values, int32_t count) {
    for (int32_t i = 0; i < count; i++) {
        while (IsSpace(*text)) text++;
        if (!IsDigit(*text)) return false;
        int32_t value = 0;
        int32_t digits = 0;
        while (IsDigit(*text)) {
            // Far more digits than any board needs: refuse before overflowing.
            if (++digits > 5) return false;
            value = value * 10 + (*text - '0');
            text++;
        }
        values[i] = value;
        while (IsSpace(*text)) text++;
        if (i + 1 < count) {
            if (*text != ',') return false;
            text++;
        }
    }
    return *text == '\0';
}

bool ParseInfoPair(const char* arguments, char* key, int32_t keyCapacity, const char** value) {
    while (IsSpace(*arguments)) arguments++;
    int32_t length = 0;
    while (arguments[length] != '\0' && !IsSpace(arguments[length])) length++;
    if (length == 0 || length >= keyCapacity) return false;
    // Keys in any letter case, like the command words.
    for (int32_t i = 0; i < length; i++) key[i] = Lower(arguments[i]);
    key[length] = '\0';
    const char* rest = arguments + length;
    while (IsSpace(*rest)) rest++;
    *value = rest;
    return true;
}

bool IsStoneLine(const char* line) {
    int32_t values[3];
    return ParseNumberList(line, values, 2) || ParseNumberList(line, values, 3);
}

void QuoteText(const char* text, char* out, int32_t capacity) {
    int32_t n = 0;
    for (; text[n] != '\0' && n < capacity - 1; n++) {
        const unsigned char c = (unsigned char)text[n];
        out[n] = c >= 0x20 && c < 0x7F ? (char)c : '?';
    }
    out[n] = '\0';
}

void Answer(char* answer, int32_t capacity, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(answer, (size_t)capacity, format, arguments);
    va_end(arguments);
}
