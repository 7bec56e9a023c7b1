#include "tools/pbrain-kivrano/brain.h"

#include <string.h>

#include "product.h"
#include "rules/board.h"
#include "settings/options.h"
#include "tools/pbrain-kivrano/board_block.h"
#include "tools/pbrain-kivrano/brain_move.h"
#include "tools/pbrain-kivrano/game_record.h"
#include "tools/pbrain-kivrano/game_terms.h"
#include "tools/pbrain-kivrano/protocol.h"

static GameTerms terms = {kBoardSize, kBoardSize, kRuleExactlyFive};
static GameRecord game;

// What the lines after a command belong to: a BOARD being read, or the
// stone lines of a block command the brain does not know, skipped up to
// its DONE so that the block gets the one answer its command got.
enum BlockKind { kNoBlock, kBoardBlock, kUnknownBlock };
static BlockKind block = kNoBlock;
static BoardBlock board;

static const char kNoCell[] = "ERROR no permitted cell for the brain";
static const char kLineTooLong[] = "ERROR line too long";

static void NewBrainGame() {
    ClearRecord(game);
    block = kNoBlock;
    ReplayRecord(game, terms);
}

void StartBrain() {
    InitWallRing();  // the game does this once at start-up, as the settings load
    options.sound = 0;
    options.level = 1;
    options.allowDoubleThree = 0;
    terms = GameTerms{kBoardSize, kBoardSize, kRuleExactlyFive};
    NewBrainGame();
}

static void HandleSize(const char* arguments, int32_t count, char* answer, int32_t capacity) {
    int32_t size[2] = {0, 0};
    if (!ParseNumberList(arguments, size, count)) {
        Answer(answer, capacity,
               count == 1 ? "ERROR START needs the board size" : "ERROR RECTSTART needs width,height");
        return;
    }
    if (count == 1) size[1] = size[0];
    for (int32_t i = 0; i < 2; i++) {
        if (size[i] < kSmallestSide || size[i] > kLargestBoardSize) {
            Answer(answer, capacity, "ERROR unsupported size %dx%d: sides from 5 to 20 are supported",
                   (int)size[0], (int)size[1]);
            return;
        }
    }
    terms.width = size[0];
    terms.height = size[1];
    NewBrainGame();
    Answer(answer, capacity, "OK");
}

static void HandleBegin(char* answer, int32_t capacity) {
    if (RefuseUnsupportedRule(terms, answer, capacity)) return;
    if (game.stoneCount != 0) {
        Answer(answer, capacity, "ERROR BEGIN needs an empty board");
        return;
    }
    game.brainColour = Black;
    if (!PlayBrainMove(game, terms, answer, capacity)) Answer(answer, capacity, kNoCell);
}

static void HandleTurn(const char* arguments, char* answer, int32_t capacity) {
    int32_t xy[2] = {0, 0};
    if (!ParseNumberList(arguments, xy, 2)) {
        Answer(answer, capacity, "ERROR TURN needs X,Y");
        return;
    }
    const int32_t x = xy[0] + 1;
    const int32_t y = xy[1] + 1;
    if (RefuseUnsupportedRule(terms, answer, capacity)) return;
    if (IsGameOver()) {
        Answer(answer, capacity, "ERROR the game is over: %s has been made", FiveText(terms));
        return;
    }
    if (!OnBoard(terms, x, y)) {
        Answer(answer, capacity, "ERROR %d,%d is off the board", (int)xy[0], (int)xy[1]);
        return;
    }
    if (Board[x][y] != Empty) {
        Answer(answer, capacity, "ERROR %d,%d is occupied", (int)xy[0], (int)xy[1]);
        return;
    }
    // The stone is the opponent's, whoever moved last; on an empty board the
    // opponent has opened, as Black opens the game.
    GameRecord next = game;
    if (next.stoneCount == 0) next.brainColour = White;
    if (PlayStone(next, terms, x, y, Opponent(next.brainColour))) {
        ReplayRecord(game, terms);
        Answer(answer, capacity, "ERROR %d,%d makes %s: the game is over", (int)xy[0], (int)xy[1],
               FiveText(terms));
        return;
    }
    if (!PlayBrainMove(next, terms, answer, capacity)) {
        ReplayRecord(game, terms);
        Answer(answer, capacity, kNoCell);
        return;
    }
    game = next;
}

// DONE: the BOARD's game replaces the current one if the brain can move in
// it; otherwise the game stays as it was.
static void HandleDone(char* answer, int32_t capacity) {
    block = kNoBlock;
    if (RefuseUnsupportedRule(terms, answer, capacity)) return;
    GameRecord next;
    if (!RecordFromBoard(board, next, answer, capacity)) return;
    if (!ReplayRecord(next, terms)) {
        ReplayRecord(game, terms);
        Answer(answer, capacity, "ERROR the position has %s: the game is over", FiveText(terms));
        return;
    }
    if (!PlayBrainMove(next, terms, answer, capacity)) {
        ReplayRecord(game, terms);
        Answer(answer, capacity, kNoCell);
        return;
    }
    game = next;
}

// Any stone, the last or one from the middle of the game, or a marked point.
static void HandleTakeback(const char* arguments, char* answer, int32_t capacity) {
    int32_t xy[2] = {0, 0};
    if (!ParseNumberList(arguments, xy, 2)) {
        Answer(answer, capacity, "ERROR TAKEBACK needs X,Y");
        return;
    }
    if (!OnBoard(terms, xy[0] + 1, xy[1] + 1)) {
        Answer(answer, capacity, "ERROR %d,%d is off the board", (int)xy[0], (int)xy[1]);
        return;
    }
    if (!TakeBack(game, xy[0] + 1, xy[1] + 1)) {
        Answer(answer, capacity, "ERROR %d,%d has no stone", (int)xy[0], (int)xy[1]);
        return;
    }
    // The game goes on from the position without the stone: over only if a
    // winning line still stands.
    ReplayRecord(game, terms);
    Answer(answer, capacity, "OK");
}

// A 0 or 1 option value; anything else leaves the option as it is.
static void SetSwitch(const char* value, int32_t& option) {
    int32_t number = 0;
    if (ParseNumberList(value, &number, 1) && number <= 1) option = number;
}

// INFO never answers: a manager would take any line for the answer to its
// next command. Time and memory limits need nothing (every answer comes far
// sooner than any limit). A rule the brain cannot play is refused at the
// next command that asks for a move.
static void HandleInfo(const char* arguments) {
    char key[32];
    const char* value = NULL;
    if (!ParseInfoPair(arguments, key, sizeof key, &value)) return;
    if (strcmp(key, "kivrano_level") == 0) SetSwitch(value, options.level);
    else if (strcmp(key, "kivrano_double_three") == 0) SetSwitch(value, options.allowDoubleThree);
    else if (strcmp(key, "rule") == 0) {
        int32_t number = 0;
        if (ParseNumberList(value, &number, 1)) terms.rule = number;
    }
}

// A line too long to read whole, known by its command word only: it is not
// carried out. Only a command that expects an answer gets the error.
static void DropOverlongLine(CommandWord command, char* answer, int32_t capacity) {
    switch (command) {
    case kCommandBlank:
    case kCommandInfo:
    case kCommandEnd:
        break;  // no answer expected: dropped without a word
    case kCommandBoard:
        // Its stone lines still follow, up to the DONE that gets the error.
        block = kBoardBlock;
        StartBoardBlock(board);
        SetBoardFault(board, kLineTooLong);
        break;
    case kCommandUnknown:
        // Far too long for a stone line: a command, whose block may follow.
        block = kUnknownBlock;
        Answer(answer, capacity, kLineTooLong);
        break;
    default:
        Answer(answer, capacity, kLineTooLong);
        break;
    }
}

// One line, whole (complete) or only its start (too long to read whole).
static bool HandleAnyLine(const char* line, bool complete, char* answer, int32_t capacity) {
    answer[0] = '\0';
    const char* arguments = NULL;
    const CommandWord command = ParseCommandWord(line, &arguments);
    if (command == kCommandEnd && complete) return false;
    if (block == kBoardBlock) {
        if (command == kCommandDone) {
            if (complete) {
                HandleDone(answer, capacity);
            } else {
                block = kNoBlock;
                Answer(answer, capacity, kLineTooLong);
            }
            return true;
        }
        if (command == kCommandBlank) return true;
        if (command == kCommandUnknown) {
            if (complete) AddBoardLine(board, line, terms);
            else SetBoardFault(board, kLineTooLong);
            return true;
        }
        // Another command: the BOARD was abandoned; the game stays as it was.
        block = kNoBlock;
    }
    if (block == kUnknownBlock) {
        if (command == kCommandDone) {
            block = kNoBlock;
            return true;
        }
        if (command == kCommandBlank) return true;
        if (command == kCommandUnknown && complete && IsStoneLine(line)) return true;
        // Anything else: there was no block, and the line is a command.
        block = kNoBlock;
    }
    if (!complete) {
        DropOverlongLine(command, answer, capacity);
        return true;
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
        block = kBoardBlock;
        StartBoardBlock(board);
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
        Answer(answer, capacity, "UNKNOWN command '%s'", quoted);
        // Stone lines up to DONE may follow (SWAP2BOARD and the like): they
        // belong to this command and its answer.
        if (!IsStoneLine(line)) block = kUnknownBlock;
        break;
    }
    return true;
}

bool HandleLine(const char* line, char* answer, int32_t capacity) {
    return HandleAnyLine(line, true, answer, capacity);
}

void HandleOverlongLine(const char* start, char* answer, int32_t capacity) {
    HandleAnyLine(start, false, answer, capacity);
}
