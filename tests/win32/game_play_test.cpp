// The game on the real main window, played as a user plays it: game 1 against the computer, game 2 between
// two people, the menu commands, the dialogs and the help call. Beeps, sounds, dialogs and the help call are
// recorded in `heard` (game_window.h) instead of being made.
#include "game_window.h"

#include <functional>
#include <string>
#include <vector>

// What the player can see after a step.
struct GameState {
    int phase;           // kPhaseBlack or kPhaseWhite to move, kPhaseFiveMade, blinking, kPhaseWon
    int moves;           // moveCount: the stones of the record up to the current one
    int stones;          // the stones on the board (the blinking takes the five off and puts it back)
    bool undo;           // IDM_UNDO: kEnabled or kGrayed
    bool redo;           // IDM_REDO: kEnabled or kGrayed
    const char* status;  // the status bar's first part: whose turn, or the result
    const char* heard;   // the beeps, sounds, dialogs and help calls since the last step, in order
};
const bool kEnabled = true;
const bool kGrayed = false;

// An empty board, Black to move, Undo and Redo grayed.
static GameState EmptyBoard(const char* status, const char* heard) {
    return {.phase = kPhaseBlack, .moves = 0, .stones = 0, .undo = kGrayed, .redo = kGrayed, .status = status,
            .heard = heard};
}

// A game in play: the moves played all on the board, Undo enabled, Redo grayed.
static GameState Played(int phase, int moves, const char* status, const char* heard) {
    return {.phase = phase, .moves = moves, .stones = moves, .undo = kEnabled, .redo = kGrayed,
            .status = status, .heard = heard};
}

// A user's action, with its name for the failure messages.
struct Action {
    std::string name;
    std::function<void(HWND)> run;
};
// The human clicks the intersection (x, y).
static Action Click(int x, int y) {
    return {"Click(" + std::to_string(x) + ", " + std::to_string(y) + ")",
            [=](HWND window) { ClickIntersection(window, x, y); }};
}
static Action Menu(int item) {
    return {std::string("Menu(") + ItemName(item) + ")", [=](HWND window) { Command(window, item); }};
}
// The window repaints what was invalidated.
static Action Paint() { return {"Paint()", [](HWND window) { UpdateWindow(window); }}; }
// Messages run until the timer ticks once: the computer's reply or one step of the five's blinking.
static Action TimerTick(const char* name, UINT_PTR timer) {
    return {name, [=](HWND window) { ok(RunUntilTick(window, timer), "%s: expected a tick in 3 s", name); }};
}
static Action ReplyTick() { return TimerTick("ReplyTick()", IDT_COMPUTER_REPLY); }
static Action BlinkTick() { return TimerTick("BlinkTick()", IDT_WIN_HIGHLIGHT); }
// Black to move with four down column 10 and White's stones apart; the click on (10, 14) makes five.
static Action PlayFive() {
    return {"PlayFive()", [](HWND window) {
        SetUpPosition(window, {{10, 10}, {11, 10}, {10, 11}, {1, 1}, {10, 12}, {1, 3}, {10, 13}, {1, 5}});
        ClickIntersection(window, 10, 14);
    }};
}

static std::string PhaseName(int phase) {
    if (phase == kPhaseBlack) return "kPhaseBlack";
    if (phase == kPhaseWhite) return "kPhaseWhite";
    if (phase == kPhaseFiveMade) return "kPhaseFiveMade";
    if (phase == kPhaseWon) return "kPhaseWon";
    if (phase > kPhaseFiveMade && phase <= kPhaseBlinkEnd)
        return "kPhaseFiveMade + " + std::to_string(phase - kPhaseFiveMade);
    return std::to_string(phase);
}

// Runs the actions, then checks each field of the state; gives the step's name ("after Click(10, 10)",
// after the row's name when it has one) for further checks.
static std::string Step(HWND window, const std::vector<Action>& actions, const GameState& want,
                        const std::string& row = "") {
    std::string step = row.empty() ? "after" : row + ": after";
    for (size_t i = 0; i < actions.size(); i++) {
        step += (i ? ", " : " ") + actions[i].name;
        actions[i].run(window);
    }
    const char* after = step.c_str();
    ok(Phase == want.phase, "%s: phase expected %s, got %s", after, PhaseName(want.phase).c_str(),
       PhaseName(Phase).c_str());
    ok(moveCount == want.moves, "%s: moves expected %d, got %d", after, want.moves, (int)moveCount);
    ok(StonesOnBoard() == want.stones, "%s: stones expected %d, got %d", after, want.stones, StonesOnBoard());
    const bool undo = !Grayed(window, IDM_UNDO);
    const bool redo = !Grayed(window, IDM_REDO);
    ok(undo == want.undo, "%s: undo expected %s, got %s", after, GrayedText(!want.undo), GrayedText(!undo));
    ok(redo == want.redo, "%s: redo expected %s, got %s", after, GrayedText(!want.redo), GrayedText(!redo));
    ok(!strcmp(StatusText(0), want.status), "%s: status expected \"%s\", got \"%s\"", after, want.status,
       StatusText(0));
    ok(!strcmp(heard, want.heard), "%s: heard expected \"%s\", got \"%s\"", after, want.heard, heard);
    heard[0] = 0;
    return step;
}

// Game 1: the human's stone, no reply before the paint, the reply, the marker moving; clicks meanwhile
// ignored.
static void FirstExchange(HWND window) {
    std::string step = Step(window, {Click(10, 10)}, Played(kPhaseWhite, 1, "Computer's turn",
                                                             "putstone.wav"));
    ok(Board[10][10] == Black, "%s: cell (10,10) expected Black, got %d", step.c_str(), (int)Board[10][10]);
    ok(!KillTimer(window, IDT_COMPUTER_REPLY), "%s: expected no reply timer before the paint", step.c_str());

    step = Step(window, {Click(5, 5), Paint()}, Played(kPhaseWhite, 1, "Computer's turn", ""));
    ok(MarkerPixels(window, MarkerRect()) > 0, "%s: expected the marker on (10,10)", step.c_str());

    PixelRect oldMarker = MarkerRect();
    step = Step(window, {Click(5, 6), ReplyTick()}, Played(kPhaseBlack, 2, "Your turn", "putstone.wav"));
    PumpMessages();
    ok(Board[11][10] == White, "%s: cell (11,10) expected White, got %d", step.c_str(), (int)Board[11][10]);
    ok(!KillTimer(window, IDT_COMPUTER_REPLY), "%s: expected the reply timer stopped", step.c_str());
    ok(MarkerPixels(window, MarkerRect()) > 0, "%s: expected the marker on (11,10)", step.c_str());
    ok(MarkerPixels(window, oldMarker) == 0, "%s: expected the marker on (10,10) erased", step.c_str());
}

// Game 1's five: nothing before its paint, then seven ticks blink the five and the text, then silence.
static void WinAndBlink(HWND window) {
    std::string step = Step(window, {PlayFive()}, Played(kPhaseFiveMade, 9, "Your turn", "putstone.wav"));
    ok(!KillTimer(window, IDT_WIN_HIGHLIGHT), "%s: expected no blinking before the paint", step.c_str());
    step = Step(window, {Paint()}, {.phase = kPhaseFiveMade, .moves = 9, .stones = 9,
        .undo = kGrayed, .redo = kGrayed, .status = "You win !", .heard = ""});
    ok(MarkerPixels(window, MarkerRect()) > 0, "%s: expected the marker on the winning stone", step.c_str());

    // Each tick, with a click that must be ignored: stones off and on, the text with them, the sound first.
    static const struct { int phase, stones; const char *status, *heard; } kTicks[] = {
        {kPhaseFiveMade + 1, 4, "", "finish.wav"}, {kPhaseFiveMade + 2, 9, "You win !", ""},
        {kPhaseFiveMade + 3, 4, "", ""},           {kPhaseFiveMade + 4, 9, "You win !", ""},
        {kPhaseFiveMade + 5, 4, "", ""},           {kPhaseWon, 9, "You win !", ""},
        {kPhaseWon, 9, "You win !", ""},  // the seventh tick only stops the timer
    };
    for (int i = 0; i < 7; i++)
        step = Step(window, {BlinkTick(), Click(5, 5)}, {.phase = kTicks[i].phase, .moves = 9,
            .stones = kTicks[i].stones, .undo = kGrayed, .redo = kGrayed, .status = kTicks[i].status,
            .heard = kTicks[i].heard}, "tick " + std::to_string(i + 1));
    ok(!KillTimer(window, IDT_WIN_HIGHLIGHT), "%s: expected the blink timer stopped", step.c_str());
    ok(MarkerPixels(window, MarkerRect()) == 0, "%s: expected no marker once the game is won", step.c_str());

    // The status bar hidden and shown again keeps the result.
    Step(window, {Menu(IDM_STATUS_BAR), Menu(IDM_STATUS_BAR)}, {.phase = kPhaseWon, .moves = 9, .stones = 9,
        .undo = kGrayed, .redo = kGrayed, .status = "You win !", .heard = ""});
    Step(window, {Menu(IDM_NEW_GAME)}, EmptyBoard("Your turn", "clear.wav"));
}

// Continuous play restarts at the seventh tick; New Game while blinking clears at once, and the next tick
// only stops the timer.
static void AfterTheFive(HWND window) {
    Step(window, {Menu(IDM_CONTINUOUS_PLAY), Menu(IDM_SPEED_FAST), PlayFive(), BlinkTick(), BlinkTick(),
                  BlinkTick(), BlinkTick(), BlinkTick(), BlinkTick(), BlinkTick()},
         EmptyBoard("Your turn", "putstone.wav finish.wav clear.wav"));
    std::string step = Step(window,
        {Menu(IDM_CONTINUOUS_PLAY), PlayFive(), BlinkTick(), BlinkTick(), BlinkTick(), Menu(IDM_NEW_GAME)},
        EmptyBoard("Your turn", "putstone.wav finish.wav clear.wav"));
    ok(RunUntilTick(window, IDT_WIN_HIGHLIGHT), "%s: expected one more blink tick", step.c_str());
    ok(!KillTimer(window, IDT_WIN_HIGHLIGHT), "%s: expected that tick to stop the blink timer", step.c_str());
    ok(StonesOnBoard() == 0, "%s: expected that tick to leave the new board empty", step.c_str());
}

// A full board without a five (diagonal stripe pairs, 181 Black) restarts at the paint; the side to move
// is kept.
static void FullBoardRestarts(HWND window) {
    for (int x = 1; x <= 19; x++)
        for (int y = 1; y <= 19; y++) Board[x][y] = (x + 2 * y - 2) / 2 % 2 ? Black : White;
    Board[2][1] = Empty;  // Black's last stone
    moveCount = 360;
    Phase = kPhaseBlack;
    ClickIntersection(window, 2, 1);
    ok(moveCount == 361, "after Click(2, 1): moves expected 361, got %d", (int)moveCount);
    ok(winDirection == 0, "after Click(2, 1): expected no five, got one in direction %d", (int)winDirection);
    std::string step = Step(window, {Paint()}, {.phase = kPhaseWhite, .moves = 0, .stones = 0,
        .undo = kGrayed, .redo = kGrayed, .status = "Computer's turn", .heard = "putstone.wav clear.wav"});
    ok(RunUntilTick(window, IDT_COMPUTER_REPLY), "%s: expected the computer's reply", step.c_str());
    ok(Board[10][10] == White, "%s: expected the computer to open at (10,10) with White", step.c_str());
    Command(window, IDM_NEW_GAME);
}

// Sound off: the stones fall silently. Mark Previous off: no marker on the last stone.
static void SoundAndMarkerOff(HWND window) {
    heard[0] = 0;
    std::string step = Step(window, {Menu(IDM_SOUND), Menu(IDM_MARK_PREVIOUS), Click(10, 10), ReplyTick()},
                            Played(kPhaseBlack, 2, "Your turn", ""));
    UpdateWindow(window);
    ok(MarkerPixels(window, MarkerRect()) == 0, "%s: expected no marker on (11,10)", step.c_str());
    Step(window, {Menu(IDM_SOUND), Menu(IDM_MARK_PREVIOUS), Menu(IDM_NEW_GAME)},
         EmptyBoard("Your turn", "clear.wav"));
}

// Level and speed are pairs of choices: the chosen item is checked, its partner not, and the option follows.
static void LevelAndSpeed(HWND window) {
    const struct { int item, partner; const int32_t* option; int32_t value; } kChoices[] = {
        {IDM_LEVEL_MAN, IDM_LEVEL_GOD, &options.level, 0},
        {IDM_LEVEL_GOD, IDM_LEVEL_MAN, &options.level, 1},
        {IDM_SPEED_FAST, IDM_SPEED_SLOW, &options.speed, 0},
        {IDM_SPEED_SLOW, IDM_SPEED_FAST, &options.speed, 1},
    };
    for (const auto& c : kChoices) {
        const std::string step = std::string("after Menu(") + ItemName(c.item) + ")";
        Command(window, c.item);
        ExpectItem(window, step.c_str(), c.item, true, false);
        ExpectItem(window, step.c_str(), c.partner, false, false);
        ok(*c.option == c.value, "%s: option expected %d, got %d", step.c_str(), c.value, (int)*c.option);
    }
}

// Sizes keep the corner and check only their item; Free adds 2 pixels and a frame; the bar takes 20 pixels.
static void SizesAndStatusBar(HWND window) {
    static const struct { int item, width, height, checkedSize; bool bar; } kSteps[] = {
        {IDM_SIZE_TINY, 354, 412, IDM_SIZE_TINY, true},
        {IDM_SIZE_MEDIUM, 586, 644, IDM_SIZE_MEDIUM, true},
        {IDM_SIZE_FREE, 588, 646, IDM_SIZE_FREE, true},
        {IDM_SIZE_MEDIUM, 586, 644, IDM_SIZE_MEDIUM, true},
        {IDM_STATUS_BAR, 586, 624, IDM_SIZE_MEDIUM, false},
        {IDM_STATUS_BAR, 586, 644, IDM_SIZE_MEDIUM, true},
    };
    MoveWindow(window, 50, 40, 586, 644, TRUE);
    for (const auto& s : kSteps) {
        const char* item = ItemName(s.item);
        Command(window, s.item);
        RECT r;
        GetWindowRect(window, &r);
        ok(r.left == 50, "after Menu(%s): left expected 50, got %ld", item, r.left);
        ok(r.top == 40, "after Menu(%s): top expected 40, got %ld", item, r.top);
        ok(r.right - r.left == s.width, "after Menu(%s): width expected %d, got %ld", item, s.width,
           r.right - r.left);
        ok(r.bottom - r.top == s.height, "after Menu(%s): height expected %d, got %ld", item, s.height,
           r.bottom - r.top);
        for (int size = IDM_SIZE_TINY; size <= IDM_SIZE_FREE; size++)
            ok(Checked(window, size) == (size == s.checkedSize), "after Menu(%s): %s expected %s", item,
               ItemName(size), CheckedText(size == s.checkedSize));
        const bool sizeable = (GetWindowLongA(window, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX)) != 0;
        ok(sizeable == (s.checkedSize == IDM_SIZE_FREE), "after Menu(%s): sizing frame expected %s", item,
           s.checkedSize == IDM_SIZE_FREE ? "present" : "absent");
        ok(Checked(window, IDM_STATUS_BAR) == s.bar, "after Menu(%s): IDM_STATUS_BAR expected %s", item,
           CheckedText(s.bar));
        ok((IsWindowVisible(statusBarWindow) != 0) == s.bar, "after Menu(%s): status bar expected %s", item,
           s.bar ? "shown" : "hidden");
    }
}

static void ExpectMoveLandsAt(HWND window, int left, int top, int wantLeft, int wantTop) {
    MoveWindow(window, left, top, 586, 644, TRUE);
    // A window manager confirms each move later, and the snap answers it again: let them settle.
    PumpMessagesFor(300);
    RECT r;
    GetWindowRect(window, &r);
    ok(r.left == wantLeft, "moved to (%d,%d): left expected %d, got %ld", left, top, wantLeft, r.left);
    ok(r.top == wantTop, "moved to (%d,%d): top expected %d, got %ld", left, top, wantTop, r.top);
}
// A Medium window moved with an edge within 4 pixels of the screen's lands on the screen's edge.
static void SnapsToScreenEdges(HWND window) {
    const int right = GetSystemMetrics(SM_CXSCREEN) - 586;
    const int bottom = GetSystemMetrics(SM_CYSCREEN) - 644;
    ExpectMoveLandsAt(window, 3, 2, 0, 0);
    ExpectMoveLandsAt(window, right - 3, bottom - 4, right, bottom);
}

static void ExpectModeText(const std::string& step, const char* want) {
    ok(!strcmp(StatusText(1), want), "%s: mode text expected \"%s\", got \"%s\"", step.c_str(), want,
       StatusText(1));
}

// Mode and colour restart a game in progress; after a five they change only the options, for the next game.
static void ModeAndColour(HWND window) {
    heard[0] = 0;
    std::string step = Step(window, {Click(10, 10), ReplyTick(), Menu(IDM_COMPUTER_VS_PERSON)},
                            EmptyBoard("Black's turn", "putstone.wav putstone.wav clear.wav"));
    ExpectItem(window, step.c_str(), IDM_COLOR_WHITE, false, true);
    ExpectModeText(step, "Person vs Person");

    step = Step(window, {Click(10, 10), Menu(IDM_COMPUTER_VS_PERSON)},
                EmptyBoard("Your turn", "putstone.wav clear.wav"));
    ExpectItem(window, step.c_str(), IDM_COLOR_WHITE, false, false);
    ExpectModeText(step, "Computer vs Person");

    step = Step(window, {Click(10, 10), ReplyTick(), Menu(IDM_COLOR_WHITE)},
                EmptyBoard("Computer's turn", "putstone.wav putstone.wav clear.wav"));
    ExpectItem(window, step.c_str(), IDM_COLOR_WHITE, true, false);
    ExpectItem(window, step.c_str(), IDM_COLOR_BLACK, false, false);
    step = Step(window, {ReplyTick()}, Played(kPhaseWhite, 1, "Your turn", "putstone.wav"));
    ok(Board[10][10] == Black, "%s: expected the computer's opening stone, Black, at (10,10)", step.c_str());
    // Back to Black: the computer, White now, does not move first.
    step = Step(window, {Menu(IDM_COLOR_BLACK)}, EmptyBoard("Your turn", "clear.wav"));
    PumpMessagesFor(300);
    ok(moveCount == 0, "%s: expected no move by the computer in 300 ms, got %d moves", step.c_str(),
       (int)moveCount);

    step = Step(window, {PlayFive(), Paint(), Menu(IDM_COMPUTER_VS_PERSON), Menu(IDM_COLOR_WHITE)},
        {.phase = kPhaseFiveMade, .moves = 9, .stones = 9, .undo = kGrayed, .redo = kGrayed,
         .status = "You win !", .heard = "putstone.wav"});
    ok(options.gameMode == 2, "%s: gameMode expected 2, got %d", step.c_str(), (int)options.gameMode);
    ok(options.computerColour == 1, "%s: computerColour expected 1, got %d", step.c_str(),
       (int)options.computerColour);
    ExpectModeText(step, "Computer vs Person");  // unchanged until the next game
    Step(window, {Menu(IDM_NEW_GAME), Menu(IDM_COLOR_BLACK)}, EmptyBoard("Black's turn", "clear.wav"));
}

// The main window's own procedure, and the background erases seen since the last paint.
static WNDPROC gameWindowProc;
static int erases;
static LRESULT CALLBACK CountErases(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) erases++;
    return CallWindowProcA(gameWindowProc, window, message, wParam, lParam);
}

static RECT Area(const PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// Exactly these areas (cells, markers), named in what, are waiting to be repainted; then the paint shows
// the record's stones in turn colours, without erasing the background.
static void ExpectRepaint(HWND window, const std::string& step, const char* what,
                          std::initializer_list<RECT> areas) {
    RegionComparison region = CompareUpdateRegion(window, areas);
    ok(region.same, "%s: repainted area expected %s, %s; got %s", step.c_str(), what, region.expected,
       region.got);
    erases = 0;
    UpdateWindow(window);
    ok(erases == 0, "%s: background erases expected none, got %d", step.c_str(), erases);
    int wrong = 0;
    for (int i = 0; i < moveCount; i++) wrong += Board[historyX[i]][historyY[i]] != (i % 2 ? White : Black);
    ok(wrong == 0, "%s: %d of the record's %d stones missing or of the wrong colour", step.c_str(), wrong,
       (int)moveCount);
}

// Game 2: turns; silent Undo and Redo two plies at a time, repainting exactly the cells they change and the
// marker; Redo cut off by a new stone.
static void TwoPeople(HWND window) {
    gameWindowProc = (WNDPROC)SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)CountErases);
    Step(window, {Click(10, 10), Paint()}, Played(kPhaseWhite, 1, "White's turn", "putstone.wav"));
    Step(window, {Click(11, 10), Paint()}, Played(kPhaseBlack, 2, "Black's turn", "putstone.wav"));
    std::string step =
        Step(window, {Click(10, 11), Paint()}, Played(kPhaseWhite, 3, "White's turn", "putstone.wav"));
    ok(!KillTimer(window, IDT_COMPUTER_REPLY), "%s: expected no computer reply between people", step.c_str());

    step = Step(window, {Menu(IDM_UNDO)}, {.phase = kPhaseWhite, .moves = 1, .stones = 1,
        .undo = kEnabled, .redo = kEnabled, .status = "White's turn", .heard = ""});
    ExpectRepaint(window, step, "cells (10,11), (11,10) and the marker on (10,10)",
                  {Area(CellRect(10, 11)), Area(CellRect(11, 10)), Area(MarkerRect())});
    step = Step(window, {Menu(IDM_UNDO)}, {.phase = kPhaseBlack, .moves = 0, .stones = 0,
        .undo = kGrayed, .redo = kEnabled, .status = "White's turn", .heard = ""});
    ExpectRepaint(window, step, "cell (10,10)", {Area(CellRect(10, 10))});
    step = Step(window, {Menu(IDM_REDO)}, {.phase = kPhaseBlack, .moves = 2, .stones = 2,
        .undo = kEnabled, .redo = kEnabled, .status = "White's turn", .heard = ""});
    ExpectRepaint(window, step, "cells (10,10), (11,10)", {Area(CellRect(10, 10)), Area(CellRect(11, 10))});
    const PixelRect markerOn11x10 = MarkerRect();
    step = Step(window, {Click(9, 9)}, Played(kPhaseWhite, 3, "White's turn", "putstone.wav"));
    ExpectRepaint(window, step, "the marker on (11,10) and cell (9,9)",
                  {Area(markerOn11x10), Area(CellRect(9, 9))});
    Step(window, {Menu(IDM_REDO)}, Played(kPhaseWhite, 3, "White's turn", ""));

    Step(window, {PlayFive(), Paint()}, {.phase = kPhaseFiveMade, .moves = 9, .stones = 9,
        .undo = kGrayed, .redo = kGrayed, .status = "Black win !", .heard = "putstone.wav"});
    Step(window, {Menu(IDM_NEW_GAME), Menu(IDM_COMPUTER_VS_PERSON)}, EmptyBoard("Your turn", "clear.wav"));
}

// The real timer through the message loop: the computer's reply waits about 400 ms at Slow, 100 at Fast.
// The bounds are loose but tell 400 from 300 or 500. A busy machine only makes a reply later, so the
// quickest of three replies is the one compared.
static DWORD ReplyDelay(HWND window) {
    DWORD quickest = 2000;
    for (int attempt = 0; attempt < 3; attempt++) {
        Command(window, IDM_NEW_GAME);
        ClickIntersection(window, 10, 10);
        const DWORD start = GetTickCount();
        UpdateWindow(window);  // the paint starts the reply timer
        MSG message;
        while (moveCount < 2 && GetTickCount() - start < 2000) {
            if (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            else Sleep(1);
        }
        const DWORD took = GetTickCount() - start;
        if (took < quickest) quickest = took;
    }
    heard[0] = 0;
    return quickest;
}
static void ReplyIntervals(HWND window) {
    Command(window, IDM_SPEED_SLOW);
    DWORD slow = ReplyDelay(window);
    ok(slow >= 300, "after Menu(IDM_SPEED_SLOW): reply expected not before 300 ms, came after %lu ms", slow);
    ok(slow <= 470, "after Menu(IDM_SPEED_SLOW): reply expected by 470 ms, came after %lu ms", slow);
    Command(window, IDM_SPEED_FAST);
    DWORD fast = ReplyDelay(window);
    ok(fast <= 250, "after Menu(IDM_SPEED_FAST): reply expected by 250 ms, came after %lu ms", fast);
}

// Each dialog as it is activated, then closed with closeKey; its caption is recorded in heard.
static struct {
    bool modal;        // owned by the main window, which is disabled meanwhile
    bool closeBox;     // WS_SYSMENU
    char text[64];     // the first text, in UTF-8
} dialog;
static WPARAM closeKey;
static LRESULT CALLBACK WatchDialog(int code, WPARAM wParam, LPARAM lParam) {
    HWND shown = (HWND)wParam;
    char name[16] = "";
    if (code == HCBT_ACTIVATE && GetClassNameA(shown, name, sizeof name) && !strcmp(name, "#32770")) {
        HWND owner = GetWindow(shown, GW_OWNER);
        dialog.modal = owner == FindWindowA("Kivrano", NULL) && !IsWindowEnabled(owner);
        dialog.closeBox = (GetWindowLongA(shown, GWL_STYLE) & WS_SYSMENU) != 0;
        HWND text = GetWindow(shown, GW_CHILD);
        while ((GetWindowLongA(text, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            text = GetWindow(text, GW_HWNDNEXT);
        wchar_t wide[64];
        GetWindowTextW(text, wide, 64);
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, dialog.text, sizeof dialog.text, NULL, NULL);
        char caption[32];
        char seen[48];
        GetWindowTextA(shown, caption, sizeof caption);
        snprintf(seen, sizeof seen, "dialog \"%s\"", caption);
        Heard(seen);
        PostMessageW(shown, WM_KEYDOWN, closeKey, 1);
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}
static void ExpectDialog(const std::string& step, bool closeBox, const char* text) {
    ok(dialog.modal, "%s: dialog expected modal to the main window", step.c_str());
    ok(dialog.closeBox == closeBox, "%s: close box expected %s", step.c_str(),
       closeBox ? "present" : "absent");
    ok(!strcmp(dialog.text, text), "%s: text expected \"%s\", got \"%s\"", step.c_str(), text, dialog.text);
}

static BOOL WINAPI RecordHelp(HWND window, LPCSTR file, UINT command, ULONG_PTR data) {
    char call[96];
    snprintf(call, sizeof call, "WinHelpA(%s, %s, %s, %lu)",
             window == FindWindowA("Kivrano", NULL) ? "main window" : "another window", file,
             command == HELP_FINDER ? "HELP_FINDER" : "another command", (unsigned long)data);
    Heard(call);
    return TRUE;
}

// Double three: beep, the modal warning (closed with Esc), game unchanged; About (Enter); Help: the help
// viewer's contents, the call recorded only; with Enable 3X3 the double three is played.
static void Dialogs(HWND window) {
    HHOOK hook = SetWindowsHookExA(WH_CBT, WatchDialog, NULL, GetCurrentThreadId());
    SetUpPosition(window, {{8, 10}, {1, 1}, {9, 10}, {1, 3}, {10, 8}, {1, 5}, {10, 9}, {1, 7}});
    closeKey = VK_ESCAPE;
    std::string step =
        Step(window, {Click(10, 10)}, Played(kPhaseBlack, 8, "Your turn", "beep dialog \"Warning 3X3 !\""));
    ExpectDialog(step, false, "\uC30D \uC0BC \uC785 \uB2C8 \uB2E4");
    closeKey = VK_RETURN;
    step = Step(window, {Menu(IDM_ABOUT)}, Played(kPhaseBlack, 8, "Your turn", "dialog \"About Kivrano\""));
    ExpectDialog(step, true, "Kivrano     Version 1.46");
    UnhookWindowsHookEx(hook);
    ok(IsWindowEnabled(window), "%s: expected the main window enabled again", step.c_str());
    const bool recorded = ReplaceImport("WinHelpA", (void*)RecordHelp);
    ok(recorded, "expected the program to import WinHelpA");
    if (recorded)
        Step(window, {Menu(IDM_HELP_CONTENTS)},
             Played(kPhaseBlack, 8, "Your turn", "WinHelpA(main window, Kivrano.hlp, HELP_FINDER, 0)"));
    Step(window, {Menu(IDM_ENABLE_3X3), Click(10, 10), ReplyTick()},
         Played(kPhaseBlack, 10, "Your turn", "putstone.wav putstone.wav"));
    Step(window, {Menu(IDM_ENABLE_3X3), Menu(IDM_NEW_GAME)}, EmptyBoard("Your turn", "clear.wav"));
}

int main() {
    HWND window = StartFreshGame();
    FirstExchange(window);
    WinAndBlink(window);
    AfterTheFive(window);
    FullBoardRestarts(window);
    SoundAndMarkerOff(window);
    LevelAndSpeed(window);
    if (GetSystemMetrics(SM_CYSCREEN) >= 646) {
        SizesAndStatusBar(window);
        SnapsToScreenEdges(window);
    } else {
        skip("a screen %d pixels high takes no Medium window: sizes and moves not checked",
             GetSystemMetrics(SM_CYSCREEN));
    }
    ModeAndColour(window);
    TwoPeople(window);
    Dialogs(window);
    ReplyIntervals(window);
    ExitGame(window);
    return CheckSummary("game_play");
}
