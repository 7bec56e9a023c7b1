#include "tools/pbrain-kivrano/brain.h"

#include <stdio.h>
#include <string.h>

#include "ai/computer_player.h"
#include "product.h"
#include "rules/board.h"
#include "settings/options.h"
#include "tools/pbrain-kivrano/protocol.h"

// Boards smaller than the game's are played on its board with the cells
// outside them turned to Wall, so runs end there as at the real edge.
const int32_t kSmallestSide = 5;

static int32_t boardWidth = kBoardSize;
static int32_t boardHeight = kBoardSize;

// The stones of the current game in the order given, with their colours.
// The rules' own record cannot be replayed after a five (its first entry
// then names the five), and BOARD may give the colours in any order.
static int32_t recordX[kMaxMoves];
static int32_t recordY[kMaxMoves];
static Cell recordColour[kMaxMoves];
static int32_t recordLength = 0;

// A BOARD being read: its stones, in the brain's terms (1 own, 2 the
// opponent's), and the first thing wrong with it.
static bool readingBoard = false;
static int32_t pendingX[kMaxMoves];
static int32_t pendingY[kMaxMoves];
static int32_t pendingField[kMaxMoves];
static int32_t pendingLength = 0;
static char pendingError[kAnswerCapacity];

static void Answer(char* answer, int32_t capacity, const char* format, int32_t a = 0, int32_t b = 0) {
    snprintf(answer, (size_t)capacity, format, a, b);
}

static void WallOffOutsideBoard() {
    for (int32_t x = 1; x <= kBoardSize; x++)
        for (int32_t y = 1; y <= kBoardSize; y++)
            if (x > boardWidth || y > boardHeight) Board[x][y] = Wall;
}

// Sets the rules' state to the recorded stones, placed in order as the game
// places them. False when any of them made a five.
static bool ReplayRecord() {
    NewGame(NULL);
    WallOffOutsideBoard();
    Phase = Black;
    winDirection = 0;
    bool five = false;
    for (int32_t i = 0; i < recordLength; i++) {
        Phase = recordColour[i];
        PlaceStone(NULL, recordX[i], recordY[i]);
        if (winDirection != 0) five = true;
    }
    return !five;
}

// Back to the recorded position, with the side to move it had.
static void RestorePosition(int32_t phase) {
    ReplayRecord();
    Phase = phase;
}

static void NewBrainGame() {
    recordLength = 0;
    readingBoard = false;
    ReplayRecord();
}

void StartBrain() {
    InitWallRing();  // the game does this once at start-up, as the settings load
    options.sound = 0;
    options.level = 1;
    options.allowDoubleThree = 0;
    boardWidth = kBoardSize;
    boardHeight = kBoardSize;
    NewBrainGame();
}

static bool OnBoard(int32_t x, int32_t y) {
    return x >= 1 && x <= boardWidth && y >= 1 && y <= boardHeight;
}

static void Record(int32_t x, int32_t y, Cell colour) {
    recordX[recordLength] = x;
    recordY[recordLength] = y;
    recordColour[recordLength] = colour;
    recordLength++;
}

// The brain, the side to move, chooses and places its stone and names it in
// protocol coordinates. False, with nothing placed, when no cell qualifies.
static bool PlayBrainMove(char* answer, int32_t capacity) {
    const Cell colour = Phase;
    options.computerColour = colour;
    int32_t x = 0;
    int32_t y = 0;
    if (moveCount == 0) {
        // The opening goes to the centre; on 19 x 19 that is the game's (10,10).
        x = (boardWidth + 1) / 2;
        y = (boardHeight + 1) / 2;
    } else if (!ChooseComputerMove(x, y)) {
        return false;
    }
    PlaceStone(NULL, x, y);
    Record(x, y, colour);
    Answer(answer, capacity, "%d,%d", x - 1, y - 1);
    return true;
}

static const char kNoCell[] = "ERROR no permitted cell for the brain";

static void HandleSize(const char* arguments, int32_t count, char* answer, int32_t capacity) {
    int32_t size[2] = {0, 0};
    if (!ParseNumberList(arguments, size, count)) {
        Answer(answer, capacity, count == 1 ? "ERROR START needs the board size" : "ERROR RECTSTART needs width,height");
        return;
    }
    if (count == 1) size[1] = size[0];
    for (int32_t i = 0; i < 2; i++) {
        if (size[i] < kSmallestSide || size[i] > kBoardSize) {
            Answer(answer, capacity, "ERROR unsupported size %dx%d: sides from 5 to 19 are supported", size[0], size[1]);
            return;
        }
    }
    boardWidth = size[0];
    boardHeight = size[1];
    NewBrainGame();
    Answer(answer, capacity, "OK");
}

static void HandleBegin(char* answer, int32_t capacity) {
    if (moveCount != 0) {
        Answer(answer, capacity, "ERROR BEGIN needs an empty board");
        return;
    }
    Phase = Black;
    if (!PlayBrainMove(answer, capacity)) Answer(answer, capacity, kNoCell);
}

static void HandleTurn(const char* arguments, char* answer, int32_t capacity) {
    int32_t xy[2] = {0, 0};
    if (!ParseNumberList(arguments, xy, 2)) {
        Answer(answer, capacity, "ERROR TURN needs X,Y");
        return;
    }
    const int32_t x = xy[0] + 1;
    const int32_t y = xy[1] + 1;
    if (Phase != Black && Phase != White) {
        Answer(answer, capacity, "ERROR the game is over: five in a row has been made");
        return;
    }
    if (!OnBoard(x, y)) {
        Answer(answer, capacity, "ERROR %d,%d is off the board", xy[0], xy[1]);
        return;
    }
    if (Board[x][y] != Empty) {
        Answer(answer, capacity, "ERROR %d,%d is occupied", xy[0], xy[1]);
        return;
    }
    const Cell opponent = Phase;
    PlaceStone(NULL, x, y);
    if (winDirection != 0) {
        RestorePosition(opponent);
        Answer(answer, capacity, "ERROR %d,%d makes five in a row: the game is over", xy[0], xy[1]);
        return;
    }
    Record(x, y, opponent);
    if (!PlayBrainMove(answer, capacity)) {
        recordLength--;
        RestorePosition(opponent);
        Answer(answer, capacity, kNoCell);
    }
}

static void AddBoardLine(const char* line) {
    if (pendingError[0] != '\0') return;  // the first fault is the one reported
    int32_t stone[3] = {0, 0, 0};
    char quoted[64];
    QuoteText(line, quoted, sizeof quoted);
    if (!ParseNumberList(line, stone, 3) || stone[2] < 1 || stone[2] > 3) {
        snprintf(pendingError, sizeof pendingError, "ERROR bad BOARD line '%s': X,Y,F expected, F 1 to 3", quoted);
        return;
    }
    if (stone[2] == 3) return;  // a winning-line mark of continuous games: not a stone
    if (!OnBoard(stone[0] + 1, stone[1] + 1)) {
        snprintf(pendingError, sizeof pendingError, "ERROR %d,%d is off the board", stone[0], stone[1]);
        return;
    }
    if (pendingLength == kMaxMoves) {
        snprintf(pendingError, sizeof pendingError, "ERROR too many stones");
        return;
    }
    pendingX[pendingLength] = stone[0] + 1;
    pendingY[pendingLength] = stone[1] + 1;
    pendingField[pendingLength] = stone[2];
    pendingLength++;
}

// DONE: the BOARD's position replaces the game, if it is one the brain can
// move in; otherwise the game stays as it was.
static void HandleDone(char* answer, int32_t capacity) {
    readingBoard = false;
    if (pendingError[0] != '\0') {
        snprintf(answer, (size_t)capacity, "%s", pendingError);
        return;
    }
    int32_t own = 0;
    int32_t theirs = 0;
    static bool seen[kBoardCells][kBoardCells];
    memset(seen, 0, sizeof seen);
    for (int32_t i = 0; i < pendingLength; i++) {
        if (seen[pendingX[i]][pendingY[i]]) {
            Answer(answer, capacity, "ERROR %d,%d is occupied", pendingX[i] - 1, pendingY[i] - 1);
            return;
        }
        seen[pendingX[i]][pendingY[i]] = true;
        if (pendingField[i] == 1) own++;
        else theirs++;
    }
    Cell brain = 0;
    if (own == theirs) brain = Black;
    else if (theirs == own + 1) brain = White;
    else {
        Answer(answer, capacity, "ERROR %d own and %d opponent stones: the brain cannot be the side to move", own, theirs);
        return;
    }

    static int32_t savedX[kMaxMoves], savedY[kMaxMoves];
    static Cell savedColour[kMaxMoves];
    const int32_t savedLength = recordLength;
    const int32_t savedPhase = Phase;
    memcpy(savedX, recordX, sizeof recordX);
    memcpy(savedY, recordY, sizeof recordY);
    memcpy(savedColour, recordColour, sizeof recordColour);

    recordLength = 0;
    for (int32_t i = 0; i < pendingLength; i++)
        Record(pendingX[i], pendingY[i], pendingField[i] == 1 ? brain : brain % 2 + 1);
    const bool noFive = ReplayRecord();
    Phase = brain;
    if (noFive && PlayBrainMove(answer, capacity)) return;

    if (noFive) Answer(answer, capacity, kNoCell);
    else Answer(answer, capacity, "ERROR the position has five in a row: the game is over");
    memcpy(recordX, savedX, sizeof recordX);
    memcpy(recordY, savedY, sizeof recordY);
    memcpy(recordColour, savedColour, sizeof recordColour);
    recordLength = savedLength;
    RestorePosition(savedPhase);
}

static void HandleTakeback(const char* arguments, char* answer, int32_t capacity) {
    int32_t xy[2] = {0, 0};
    if (!ParseNumberList(arguments, xy, 2)) {
        Answer(answer, capacity, "ERROR TAKEBACK needs X,Y");
        return;
    }
    const int32_t last = recordLength - 1;
    if (last < 0 || recordX[last] != xy[0] + 1 || recordY[last] != xy[1] + 1) {
        Answer(answer, capacity, "ERROR %d,%d is not the last stone placed", xy[0], xy[1]);
        return;
    }
    // The side whose stone it was is to move again.
    recordLength--;
    RestorePosition(recordColour[last]);
    Answer(answer, capacity, "OK");
}

// A 0 or 1 option value; anything else leaves the option as it is.
static void SetSwitch(const char* value, int32_t& option) {
    int32_t number = 0;
    if (ParseNumberList(value, &number, 1) && number <= 1) option = number;
}

// INFO never answers: a manager would take any line for the answer to its
// next command. Time and memory limits need nothing (every answer comes far
// sooner than any limit), and the brain plays exactly five whatever the rule.
static void HandleInfo(const char* arguments) {
    char key[32];
    const char* value = NULL;
    if (!ParseInfoPair(arguments, key, sizeof key, &value)) return;
    if (strcmp(key, "kivrano_level") == 0) SetSwitch(value, options.level);
    else if (strcmp(key, "kivrano_double_three") == 0) SetSwitch(value, options.allowDoubleThree);
}

bool HandleLine(const char* line, char* answer, int32_t capacity) {
    answer[0] = '\0';
    const char* arguments = NULL;
    const CommandWord command = ParseCommandWord(line, &arguments);
    if (command == kCommandEnd) return false;
    if (readingBoard) {
        if (command == kCommandDone) {
            HandleDone(answer, capacity);
            return true;
        }
        if (command == kCommandBlank) return true;
        if (command == kCommandUnknown) {
            AddBoardLine(line);
            return true;
        }
        // Another command: the BOARD was abandoned; the game stays as it was.
        readingBoard = false;
    }
    char quoted[96];
    switch (command) {
    case kCommandBlank:
        break;  // no answer, so the conversation stays in step
    case kCommandStart:
        HandleSize(arguments, 1, answer, capacity);
        break;
    case kCommandRectStart:
        HandleSize(arguments, 2, answer, capacity);
        break;
    case kCommandBegin:
        HandleBegin(answer, capacity);
        break;
    case kCommandTurn:
        HandleTurn(arguments, answer, capacity);
        break;
    case kCommandBoard:
        readingBoard = true;
        pendingLength = 0;
        pendingError[0] = '\0';
        break;
    case kCommandDone:
        Answer(answer, capacity, "ERROR DONE without BOARD");
        break;
    case kCommandRestart:
        NewBrainGame();
        Answer(answer, capacity, "OK");
        break;
    case kCommandTakeback:
        HandleTakeback(arguments, answer, capacity);
        break;
    case kCommandInfo:
        HandleInfo(arguments);
        break;
    case kCommandAbout:
        Answer(answer, capacity,
               "name=\"Kivrano\", version=\"" KIVRANO_VERSION "\", author=\"The Kivrano developers\", country=\"Korea\"");
        break;
    case kCommandEnd:
        return false;
    case kCommandUnknown:
        QuoteText(line, quoted, sizeof quoted);
        snprintf(answer, (size_t)capacity, "UNKNOWN command '%s'", quoted);
        break;
    }
    return true;
}

void HandleOverlongLine(char* answer, int32_t capacity) {
    answer[0] = '\0';
    if (readingBoard) {
        if (pendingError[0] == '\0') snprintf(pendingError, sizeof pendingError, "ERROR line too long");
        return;
    }
    Answer(answer, capacity, "ERROR line too long");
}
