#include "tools/pbrain-kivrano/brain.h"

#include <stdio.h>
#include <string.h>

#include "ai/computer_player.h"
#include "product.h"
#include "rules/board.h"
#include "settings/options.h"
#include "tools/pbrain-kivrano/protocol.h"
#include "tools/pbrain-kivrano/winning_lines.h"

// Boards of any side from 5 to 20 are played on the rules' board, which has
// room for 20, with the cells outside them turned to Wall, so runs end there
// as at the real edge.
const int32_t kSmallestSide = 5;

static int32_t boardWidth = kBoardSize;
static int32_t boardHeight = kBoardSize;

// The protocol's rule bits: 1 exactly five wins (the game's rule); without
// it five or more wins. The others change the game itself.
const int32_t kRuleExactlyFive = 1;
const int32_t kRuleContinuous = 2;
const int32_t kRuleRenju = 4;
const int32_t kRuleCaro = 8;
static int32_t rule = kRuleExactlyFive;

// The stones of the current game in the order given, with their colours.
// The rules' own record cannot be replayed after a five (its first entry
// then names the five), and BOARD may give the colours in any order.
static int32_t recordX[kMostMoves];
static int32_t recordY[kMostMoves];
static Cell recordColour[kMostMoves];
static int32_t recordLength = 0;

// The points a BOARD marked as part of a won line of a continuous game
// (field 3): neither side's stone, but no longer free. They stand as Wall.
static int32_t markedX[kMostMoves];
static int32_t markedY[kMostMoves];
static int32_t markedLength = 0;

// The brain's colour in the current game; the opponent has the other.
static Cell brainColour = White;

// What the lines after a command belong to: a BOARD being read, or the
// stone lines of a block command the brain does not know, skipped up to
// its DONE so that the block gets the one answer its command got.
enum Block { kNoBlock, kBoardBlock, kUnknownBlock };
static Block block = kNoBlock;

// A BOARD being read: its stones, in the brain's terms (1 own, 2 the
// opponent's, 3 a marked point), and the first thing wrong with it.
static int32_t pendingX[kMostMoves];
static int32_t pendingY[kMostMoves];
static int32_t pendingField[kMostMoves];
static int32_t pendingLength = 0;
static char pendingError[kAnswerCapacity];

static void Answer(char* answer, int32_t capacity, const char* format, int32_t a = 0, int32_t b = 0) {
    snprintf(answer, (size_t)capacity, format, a, b);
}

static bool FiveOrMoreWins() { return (rule & kRuleExactlyFive) == 0; }

static const char* FiveText() { return FiveOrMoreWins() ? "five or more in a row" : "five in a row"; }

// Every cell inside the ring: Empty on the board in play, Wall past it.
static void FitBoardToSize() {
    for (int32_t x = 1; x <= kLargestBoardSize; x++)
        for (int32_t y = 1; y <= kLargestBoardSize; y++)
            Board[x][y] = x <= boardWidth && y <= boardHeight ? Empty : Wall;
}

// Sets the rules' state to the recorded stones, placed in order as the game
// places them. False when the position they make, judged as a whole and
// whatever their order, has a winning line.
static bool ReplayRecord() {
    NewGame(NULL);
    FitBoardToSize();
    for (int32_t i = 0; i < markedLength; i++) Board[markedX[i]][markedY[i]] = Wall;
    for (int32_t i = 0; i < recordLength; i++) {
        Phase = recordColour[i];
        PlaceStone(NULL, recordX[i], recordY[i]);
    }
    // A five made on the way may have grown into a longer line later.
    winDirection = 0;
    Phase = kPhaseBlack;
    for (int32_t i = 0; i < recordLength; i++)
        if (IsWinningStone(recordX[i], recordY[i], FiveOrMoreWins())) return false;
    return true;
}

// Back to the recorded position, with the side to move it had, or over if
// it has a winning line.
static void RestorePosition(int32_t phase) {
    Phase = ReplayRecord() ? phase : kPhaseFiveMade;
}

static void NewBrainGame() {
    recordLength = 0;
    markedLength = 0;
    block = kNoBlock;
    brainColour = White;
    ReplayRecord();
}

void StartBrain() {
    InitWallRing();  // the game does this once at start-up, as the settings load
    options.sound = 0;
    options.level = 1;
    options.allowDoubleThree = 0;
    rule = kRuleExactlyFive;
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

// Places a stone of colour as the game does; a stone that completes a
// winning line ends the game, as a five does in the game. True then.
static bool PlaceAndJudge(int32_t x, int32_t y, Cell colour) {
    Phase = colour;
    PlaceStone(NULL, x, y);
    if (!IsWinningStone(x, y, FiveOrMoreWins())) return false;
    Phase = kPhaseFiveMade;
    return true;
}

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

// The brain chooses and places its stone and names it in protocol
// coordinates. False, with nothing placed, when no cell qualifies.
static bool PlayBrainMove(char* answer, int32_t capacity) {
    const Cell colour = brainColour;
    Phase = colour;  // the double-three ban looks at the side to move
    options.computerColour = colour;
    int32_t x = 0;
    int32_t y = 0;
    if (moveCount == 0) {
        // The opening goes to the centre; on 19 x 19 that is the game's (10,10).
        x = (boardWidth + 1) / 2;
        y = (boardHeight + 1) / 2;
        if (Board[x][y] != Empty && !NearestFreeCell(x, y)) return false;
    } else if (!ChooseComputerMove(x, y)) {
        return false;
    } else if (FiveOrMoreWins()) {
        TakeOrBlockLongLines(colour, x, y);
    }
    PlaceAndJudge(x, y, colour);
    Record(x, y, colour);
    Answer(answer, capacity, "%d,%d", x - 1, y - 1);
    return true;
}

// A rule the brain cannot play is refused when a move is asked for, rather
// than a different game played. True, with the answer written, then.
static bool RefuseUnsupportedRule(char* answer, int32_t capacity) {
    if ((rule & ~kRuleExactlyFive) == 0) return false;
    const char* name = "unknown rule bits";
    if (rule & kRuleContinuous) name = "continuous game";
    else if (rule & kRuleRenju) name = "renju";
    else if (rule & kRuleCaro) name = "caro";
    snprintf(answer, (size_t)capacity,
             "ERROR rule %d (%s) is not supported: rule 0 (five or more wins) or 1 (exactly five wins) only",
             (int)rule, name);
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
        if (size[i] < kSmallestSide || size[i] > kLargestBoardSize) {
            Answer(answer, capacity, "ERROR unsupported size %dx%d: sides from 5 to 20 are supported", size[0], size[1]);
            return;
        }
    }
    boardWidth = size[0];
    boardHeight = size[1];
    NewBrainGame();
    Answer(answer, capacity, "OK");
}

static void HandleBegin(char* answer, int32_t capacity) {
    if (RefuseUnsupportedRule(answer, capacity)) return;
    if (moveCount != 0) {
        Answer(answer, capacity, "ERROR BEGIN needs an empty board");
        return;
    }
    brainColour = Black;
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
    if (RefuseUnsupportedRule(answer, capacity)) return;
    if (IsGameOver()) {
        snprintf(answer, (size_t)capacity, "ERROR the game is over: %s has been made", FiveText());
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
    // The stone is the opponent's, whoever moved last; on an empty board the
    // opponent has opened, as Black opens the game.
    const int32_t savedPhase = Phase;
    const Cell savedBrainColour = brainColour;
    if (moveCount == 0) brainColour = White;
    const Cell opponent = Opponent(brainColour);
    if (PlaceAndJudge(x, y, opponent)) {
        brainColour = savedBrainColour;
        RestorePosition(savedPhase);
        snprintf(answer, (size_t)capacity, "ERROR %d,%d makes %s: the game is over", (int)xy[0], (int)xy[1],
                 FiveText());
        return;
    }
    Record(x, y, opponent);
    if (!PlayBrainMove(answer, capacity)) {
        recordLength--;
        brainColour = savedBrainColour;
        RestorePosition(savedPhase);
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
    if (!OnBoard(stone[0] + 1, stone[1] + 1)) {
        snprintf(pendingError, sizeof pendingError, "ERROR %d,%d is off the board", stone[0], stone[1]);
        return;
    }
    if (pendingLength == kMostMoves) {
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
    block = kNoBlock;
    if (RefuseUnsupportedRule(answer, capacity)) return;
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
        else if (pendingField[i] == 2) theirs++;
    }
    Cell brain = 0;
    if (own == theirs) brain = Black;
    else if (theirs == own + 1) brain = White;
    else {
        Answer(answer, capacity, "ERROR %d own and %d opponent stones: the brain cannot be the side to move", own, theirs);
        return;
    }

    static int32_t savedX[kMostMoves], savedY[kMostMoves];
    static Cell savedColour[kMostMoves];
    static int32_t savedMarkedX[kMostMoves], savedMarkedY[kMostMoves];
    const int32_t savedLength = recordLength;
    const int32_t savedMarkedLength = markedLength;
    const int32_t savedPhase = Phase;
    const Cell savedBrainColour = brainColour;
    memcpy(savedX, recordX, sizeof recordX);
    memcpy(savedY, recordY, sizeof recordY);
    memcpy(savedColour, recordColour, sizeof recordColour);
    memcpy(savedMarkedX, markedX, sizeof markedX);
    memcpy(savedMarkedY, markedY, sizeof markedY);

    recordLength = 0;
    markedLength = 0;
    for (int32_t i = 0; i < pendingLength; i++) {
        if (pendingField[i] == 3) {
            markedX[markedLength] = pendingX[i];
            markedY[markedLength] = pendingY[i];
            markedLength++;
        } else {
            Record(pendingX[i], pendingY[i], pendingField[i] == 1 ? brain : Opponent(brain));
        }
    }
    brainColour = brain;
    const bool noFive = ReplayRecord();
    if (noFive && PlayBrainMove(answer, capacity)) return;

    if (noFive) Answer(answer, capacity, kNoCell);
    else snprintf(answer, (size_t)capacity, "ERROR the position has %s: the game is over", FiveText());
    memcpy(recordX, savedX, sizeof recordX);
    memcpy(recordY, savedY, sizeof recordY);
    memcpy(recordColour, savedColour, sizeof recordColour);
    memcpy(markedX, savedMarkedX, sizeof markedX);
    memcpy(markedY, savedMarkedY, sizeof markedY);
    recordLength = savedLength;
    markedLength = savedMarkedLength;
    brainColour = savedBrainColour;
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
        if (ParseNumberList(value, &number, 1)) rule = number;
    }
}

static const char kLineTooLong[] = "ERROR line too long";

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
        pendingLength = 0;
        snprintf(pendingError, sizeof pendingError, "%s", kLineTooLong);
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
            if (complete) AddBoardLine(line);
            else if (pendingError[0] == '\0') snprintf(pendingError, sizeof pendingError, "%s", kLineTooLong);
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
        if (command == kCommandBlank || (command == kCommandUnknown && complete && IsStoneLine(line))) return true;
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
