// pbrain-kivrano: the game's computer player as a Gomocup brain, reading
// commands on standard input and answering on standard output.
#include <stdio.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "tools/pbrain-kivrano/brain.h"
#include "tools/pbrain-kivrano/protocol.h"

const int kLineCapacity = 4096;

// The end of an answer line: CR LF on Windows, as its console programs
// write; LF alone elsewhere, as a manager on Linux may cut off only the LF
// and take "9,9\r" for a malformed move.
#ifdef _WIN32
static const char kLineEnd[] = "\r\n";
#else
static const char kLineEnd[] = "\n";
#endif

// Reads one line without its line end, LF or CR LF: the CR takes no room,
// so a line fits whichever end it has. False at the end of input with
// nothing read. A NUL byte becomes '?' so that it cannot cut the line
// short. overlong is set when the line did not fit: its first capacity - 1
// characters are kept and the rest is read and dropped.
static bool ReadLine(char* line, int capacity, bool& overlong) {
    int length = 0;
    overlong = false;
    int c = getchar();
    if (c == EOF) return false;
    while (c != EOF && c != '\n') {
        const int next = getchar();
        if (c == '\r' && (next == '\n' || next == EOF)) break;
        if (length < capacity - 1) line[length++] = c == '\0' ? '?' : (char)c;
        else overlong = true;
        c = next;
    }
    line[length] = '\0';
    return true;
}

int main() {
#ifdef _WIN32
    // Byte for byte: the answers end in kLineEnd of their own, and a CR or
    // a Ctrl-Z in the input must not be translated.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    StartBrain();
    static char line[kLineCapacity];
    char answer[kAnswerCapacity];
    bool overlong = false;
    while (ReadLine(line, kLineCapacity, overlong)) {
        if (overlong) {
            HandleOverlongLine(line, answer, kAnswerCapacity);
        } else {
            TrimLineEnd(line);
            if (!HandleLine(line, answer, kAnswerCapacity)) return 0;
        }
        if (answer[0] != '\0') {
            fputs(answer, stdout);
            fputs(kLineEnd, stdout);
            fflush(stdout);
        }
    }
    return 0;
}
