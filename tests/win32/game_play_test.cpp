// The game on the real main window, played as a user plays it. Beeps, sounds, dialogs and the help call are
// recorded in `heard` (game_window.h) instead of being made.
#include "game_window.h"

#include <functional>
#include <set>

static HWND window;  // the game's main window, started once for the whole run

// What the player can see after a step.
struct GameState {
    int phase;           // kPhaseBlack or kPhaseWhite to move, kPhaseFiveMade, blinking, kPhaseWon
    int moves;           // moveCount: the stones of the record up to the current one
    int stones;          // the stones on the board (the blinking takes the five off and puts it back)
    bool undo;           // IDM_UNDO and IDM_REDO: kEnabled or kGrayed
    bool redo;
    const char* status;  // the status bar's first part: whose turn, or the result
    const char* heard;   // the beeps, sounds, dialogs and help calls since the last step, in order
};
const bool kEnabled = true;
const bool kGrayed = false;

// Common states. An empty board, Black to move, Undo and Redo grayed:
static GameState EmptyBoard(const char* status, const char* heard) {
    return {kPhaseBlack, 0, 0, kGrayed, kGrayed, status, heard};
}
// A game in play, the moves played all on the board, Undo enabled, Redo grayed:
static GameState Played(int phase, int moves, const char* status, const char* heard) {
    return {phase, moves, moves, kEnabled, kGrayed, status, heard};
}
// The game over after PlayFive's nine moves, Undo and Redo grayed, fewer stones while the five blinks off:
static GameState AfterFive(int phase, int stones, const char* status, const char* heard) {
    return {phase, 9, stones, kGrayed, kGrayed, status, heard};
}

// A user's action, with its name for the failure messages. run gives false when the action could not be
// done: only a timer can fail, by not ticking within 3 s.
struct Action {
    std::string name;
    std::function<bool()> run;
};
// An action that cannot fail.
static Action Plain(const std::string& name, std::function<void()> run) {
    return {name, [=] {
        run();
        return true;
    }};
}
static Action Click(int x, int y) {
    const std::string name = "Click(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return Plain(name, [=] { ClickIntersection(window, x, y); });
}
static Action Menu(int item) {
    return Plain(std::string("Menu(") + ItemName(item) + ")", [=] { Command(window, item); });
}
static Action Paint() { return Plain("Paint()", [] { UpdateWindow(window); }); }
// Messages run until the timer ticks once: the computer's reply or one step of the five's blinking.
static Action TimerTick(const char* name, UINT_PTR timer) {
    return {name, [=] { return RunUntilTick(window, timer); }};
}
static Action ReplyTick() { return TimerTick("ReplyTick()", IDT_COMPUTER_REPLY); }
static Action BlinkTick() { return TimerTick("BlinkTick()", IDT_WIN_HIGHLIGHT); }
// Black to move with four down column 10 and White's stones apart; the click on (10, 14) makes five.
static Action PlayFive() {
    return Plain("PlayFive()", [] {
        SetUpPosition(window, {{10, 10}, {11, 10}, {10, 11}, {1, 1}, {10, 12}, {1, 3}, {10, 13}, {1, 5}});
        ClickIntersection(window, 10, 14);
    });
}

static std::string PhaseName(int phase) {
    if (phase == kPhaseBlack) return "kPhaseBlack";
    if (phase == kPhaseWhite) return "kPhaseWhite";
    if (phase == kPhaseWon) return "kPhaseWon";
    if (phase < kPhaseFiveMade || phase > kPhaseBlinkEnd) return std::to_string(phase);
    return "kPhaseFiveMade + " + std::to_string(phase - kPhaseFiveMade);
}

// Runs the actions, then checks each field of the state; failures give the caller's line. Gives the step's
// name, "after Click(10, 10)" (after the row's name when there is one), for further checks; the name lasts
// until the next step. No two steps may have the same name, so that a failure points at one step.
#define Step(...) StepAt(__FILE_NAME__, __LINE__, __VA_ARGS__)
static const char* StepAt(const char* file, int line, std::initializer_list<Action> actions,
                          const GameState& want, std::string row = "") {
    static std::string step;
    static std::set<std::string> stepsTaken;
    step = row.empty() ? "after" : row + ": after";
    for (const Action& action : actions) {
        step += (step.ends_with("after") ? " " : ", ") + action.name;
        ok_at(file, line, action.run(), "%s: expected the timer to tick within 3 s", step.c_str());
    }
    const char* after = step.c_str();
    ok_at(file, line, stepsTaken.insert(step).second, "%s: a step of this name came before: name them apart",
          after);
    ok_at(file, line, Phase == want.phase, "%s: phase expected %s, got %s", after,
          PhaseName(want.phase).c_str(), PhaseName(Phase).c_str());
    ok_at(file, line, moveCount == want.moves, "%s: moves expected %d, got %d", after, want.moves,
          (int)moveCount);
    ok_at(file, line, StonesOnBoard() == want.stones, "%s: stones expected %d, got %d", after, want.stones,
          StonesOnBoard());
    ok_at(file, line, Grayed(window, IDM_UNDO) != want.undo, "%s: undo expected %s, got %s", after,
          GrayedText(!want.undo), GrayedText(want.undo));
    ok_at(file, line, Grayed(window, IDM_REDO) != want.redo, "%s: redo expected %s, got %s", after,
          GrayedText(!want.redo), GrayedText(want.redo));
    ok_at(file, line, !strcmp(StatusText(0), want.status), "%s: status expected \"%s\", got \"%s\"", after,
          want.status, StatusText(0));
    ok_at(file, line, !strcmp(heard, want.heard), "%s: heard expected \"%s\", got \"%s\"", after, want.heard,
          heard);
    heard[0] = 0;
    return after;
}

// Game 1: the human's stone, no reply before the paint, the reply, the marker moving; clicks ignored.
static void FirstExchange() {
    const char* step = Step({Click(10, 10)}, Played(kPhaseWhite, 1, "Computer's turn", "putstone.wav"));
    ok(!KillTimer(window, IDT_COMPUTER_REPLY), "%s: expected no reply timer before the paint", step);
    step = Step({Click(5, 5), Paint()}, Played(kPhaseWhite, 1, "Computer's turn", ""));
    ok(MarkerPixels(window, MarkerRect()) > 0, "%s: expected the marker on (10,10)", step);
    PixelRect oldMarker = MarkerRect();
    step = Step({Click(5, 6), ReplyTick(), Paint()}, Played(kPhaseBlack, 2, "Your turn", "putstone.wav"));
    ok(MarkerPixels(window, MarkerRect()) > 0, "%s: expected the marker on the reply", step);
    ok(MarkerPixels(window, oldMarker) == 0, "%s: expected the marker on (10,10) erased", step);
}

// Game 1's five: nothing before its paint, then seven ticks, each with a click that must be ignored, blink
// the five and the text, the sound first; the seventh only stops the timer.
static void WinAndBlink() {
    Step({PlayFive()}, Played(kPhaseFiveMade, 9, "Your turn", "putstone.wav"));
    Step({Paint()}, AfterFive(kPhaseFiveMade, 9, "You win !", ""));
    Step({BlinkTick(), Click(5, 5)}, AfterFive(kPhaseFiveMade + 1, 4, "", "finish.wav"), "tick 1");
    Step({BlinkTick(), Click(5, 5)}, AfterFive(kPhaseFiveMade + 2, 9, "You win !", ""), "tick 2");
    Step({BlinkTick(), Click(5, 5)}, AfterFive(kPhaseFiveMade + 3, 4, "", ""), "tick 3");
    Step({BlinkTick(), Click(5, 5)}, AfterFive(kPhaseFiveMade + 4, 9, "You win !", ""), "tick 4");
    Step({BlinkTick(), Click(5, 5)}, AfterFive(kPhaseFiveMade + 5, 4, "", ""), "tick 5");
    Step({BlinkTick(), Click(5, 5)}, AfterFive(kPhaseWon, 9, "You win !", ""), "tick 6");
    const char* step = Step({BlinkTick(), Click(5, 5)}, AfterFive(kPhaseWon, 9, "You win !", ""), "tick 7");
    ok(!KillTimer(window, IDT_WIN_HIGHLIGHT), "%s: expected the blink timer stopped", step);
    ok(MarkerPixels(window, MarkerRect()) == 0, "%s: expected no marker once the game is won", step);
    Step({Menu(IDM_NEW_GAME)}, EmptyBoard("Your turn", "clear.wav"));
}

// Continuous play restarts at the seventh tick; New Game while blinking clears at once, and the next tick
// leaves the new board alone.
static void AfterTheFive() {
    Step({Menu(IDM_CONTINUOUS_PLAY), Menu(IDM_SPEED_FAST), PlayFive(), BlinkTick(), BlinkTick(), BlinkTick(),
          BlinkTick(), BlinkTick(), BlinkTick(), BlinkTick()},
         EmptyBoard("Your turn", "putstone.wav finish.wav clear.wav"));
    const char* step = Step({Menu(IDM_CONTINUOUS_PLAY), PlayFive(), BlinkTick(), Menu(IDM_NEW_GAME)},
                            EmptyBoard("Your turn", "putstone.wav finish.wav clear.wav"));
    ok(RunUntilTick(window, IDT_WIN_HIGHLIGHT), "%s: expected one more blink tick", step);
    ok(StonesOnBoard() == 0, "%s: expected that tick to leave the new board empty", step);
}

// A full board without a five (diagonal stripe pairs, 181 Black) restarts at the paint, White to move.
static void FullBoardRestarts() {
    for (int x = 1; x <= 19; x++)
        for (int y = 1; y <= 19; y++) Board[x][y] = (x + 2 * y - 2) / 2 % 2 ? Black : White;
    Board[2][1] = Empty;  // Black's last stone
    moveCount = 360;
    Phase = kPhaseBlack;
    Step({Click(2, 1), Paint()}, {.phase = kPhaseWhite, .moves = 0, .stones = 0, .undo = kGrayed,
         .redo = kGrayed, .status = "Computer's turn", .heard = "putstone.wav clear.wav"});
    Step({ReplyTick(), Menu(IDM_NEW_GAME)}, EmptyBoard("Your turn", "putstone.wav clear.wav"));
}

// Sound off: the stones fall silently. Mark Previous off: no marker on the last stone.
static void SoundAndMarkerOff() {
    const char* step = Step({Menu(IDM_SOUND), Menu(IDM_MARK_PREVIOUS), Click(10, 10), ReplyTick(), Paint()},
                            Played(kPhaseBlack, 2, "Your turn", ""));
    ok(MarkerPixels(window, MarkerRect()) == 0, "%s: expected no marker on the reply", step);
    Step({Menu(IDM_SOUND), Menu(IDM_MARK_PREVIOUS), Menu(IDM_NEW_GAME)},
         EmptyBoard("Your turn", "clear.wav"));
}

// Level and speed are pairs of choices: the chosen item is checked, its partner not, and the option follows.
static void LevelAndSpeed() {
    const struct { int item, partner; const int32_t* option; int32_t value; } kChoices[] = {
        {IDM_LEVEL_MAN, IDM_LEVEL_GOD, &options.level, 0},
        {IDM_LEVEL_GOD, IDM_LEVEL_MAN, &options.level, 1},
        {IDM_SPEED_FAST, IDM_SPEED_SLOW, &options.speed, 0},
        {IDM_SPEED_SLOW, IDM_SPEED_FAST, &options.speed, 1},
    };
    for (const auto& c : kChoices) {
        const char* step = Step({Menu(c.item)}, EmptyBoard("Your turn", ""));
        ExpectItem(window, step, c.item, true, false);
        ExpectItem(window, step, c.partner, false, false);
        ok(*c.option == c.value, "%s: option expected %d, got %d", step, c.value, (int)*c.option);
    }
}

// A Medium window moved to (left, top), with an edge within 4 pixels of the screen's, snaps to
// (wantLeft, wantTop) on the screen's edge.
#define ExpectSnap(...) ExpectSnapAt(__FILE_NAME__, __LINE__, __VA_ARGS__)
static void ExpectSnapAt(const char* file, int line, int left, int top, int wantLeft, int wantTop) {
    MoveWindow(window, left, top, 586, 644, TRUE);
    PumpMessagesFor(300);  // a window manager confirms each move later, and the snap answers it again
    RECT r;
    GetWindowRect(window, &r);
    ok_at(file, line, r.left == wantLeft, "moved to (%d,%d): left expected %d, got %ld", left, top, wantLeft,
          r.left);
    ok_at(file, line, r.top == wantTop, "moved to (%d,%d): top expected %d, got %ld", left, top, wantTop,
          r.top);
}

#define ExpectModeText(...) ExpectModeTextAt(__FILE_NAME__, __LINE__, __VA_ARGS__)
static void ExpectModeTextAt(const char* file, int line, const char* step, const char* mode) {
    ok_at(file, line, !strcmp(StatusText(1), mode), "%s: mode text expected \"%s\", got \"%s\"", step, mode,
          StatusText(1));
}

// Colour and mode restart a game in progress; after a five they change only the options, for the next game,
// and the status bar keeps naming the game on the board, also when it is laid out again (the bar switched off
// and on): New Game then starts Computer vs Person with the human Black.
static void ModeAndColour() {
    Step({Click(10, 10), ReplyTick(), Menu(IDM_COLOR_WHITE), ReplyTick()},
         Played(kPhaseWhite, 1, "Your turn", "putstone.wav putstone.wav clear.wav putstone.wav"));
    const char* step =
        Step({Menu(IDM_COMPUTER_VS_PERSON)}, EmptyBoard("Black's turn", "clear.wav"), "game in play");
    ExpectItem(window, step, IDM_COLOR_WHITE, true, true);
    ExpectModeText(step, "Person vs Person");
    Step({PlayFive(), Paint(), Menu(IDM_COMPUTER_VS_PERSON), Menu(IDM_COLOR_BLACK)},
         AfterFive(kPhaseFiveMade, 9, "Black win !", "putstone.wav"));
    step = Step({BlinkTick(), BlinkTick(), Menu(IDM_STATUS_BAR), Menu(IDM_STATUS_BAR)},
                AfterFive(kPhaseFiveMade + 2, 9, "Black win !", "finish.wav"));
    ExpectModeText(step, "Person vs Person");
    step = Step({Menu(IDM_NEW_GAME), Paint()}, EmptyBoard("Your turn", "clear.wav"));
    ExpectModeText(step, "Computer vs Person");
    // The colour chosen after a five waits for the next game too: the result still names the human's win.
    Step({PlayFive(), Paint(), Menu(IDM_COLOR_WHITE), BlinkTick(), BlinkTick()},
         AfterFive(kPhaseFiveMade + 2, 9, "You win !", "putstone.wav finish.wav"), "colour after a five");
    Step({Menu(IDM_COLOR_BLACK), Menu(IDM_NEW_GAME), Paint()}, EmptyBoard("Your turn", "clear.wav"),
         "colour chosen back");
    Step({Menu(IDM_COMPUTER_VS_PERSON)}, EmptyBoard("Black's turn", ""), "empty board");
}

// Exactly these areas (cells, markers), named in what, wait to be repainted.
#define ExpectRepaint(...) ExpectRepaintAt(__FILE_NAME__, __LINE__, __VA_ARGS__)
static void ExpectRepaintAt(const char* file, int line, const char* step, const char* what,
                            std::initializer_list<PixelRect> areas) {
    HRGN got = CreateRectRgn(0, 0, 0, 0);
    HRGN wanted = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(window, got, FALSE);
    for (const PixelRect& r : areas) {
        HRGN area = CreateRectRgn(r.left, r.top, r.right, r.bottom);
        CombineRgn(wanted, wanted, area, RGN_OR);
        DeleteObject(area);
    }
    ok_at(file, line, EqualRgn(got, wanted), "%s: repainted area expected %s, %s; got %s", step, what,
          RegionText(wanted).c_str(), RegionText(got).c_str());
    DeleteObject(got);
    DeleteObject(wanted);
    UpdateWindow(window);
}

// Game 2: turns; silent Undo and Redo two plies at a time, repainting exactly the cells they change and the
// marker; Redo cut off by a new stone.
static void TwoPeople() {
    Step({Click(10, 10), Paint(), Click(11, 10), Paint(), Click(10, 11), Paint()},
         Played(kPhaseWhite, 3, "White's turn", "putstone.wav putstone.wav putstone.wav"));
    const char* step = Step({Menu(IDM_UNDO)}, {.phase = kPhaseWhite, .moves = 1, .stones = 1,
                            .undo = kEnabled, .redo = kEnabled, .status = "White's turn", .heard = ""},
                            "3 moves");
    ExpectRepaint(step, "cells (10,11), (11,10) and the marker on (10,10)",
                  {CellRect(10, 11), CellRect(11, 10), MarkerRect()});
    step = Step({Menu(IDM_UNDO)}, {.phase = kPhaseBlack, .moves = 0, .stones = 0, .undo = kGrayed,
                .redo = kEnabled, .status = "White's turn", .heard = ""}, "1 move");
    ExpectRepaint(step, "cell (10,10)", {CellRect(10, 10)});
    step = Step({Menu(IDM_REDO)}, {.phase = kPhaseBlack, .moves = 2, .stones = 2, .undo = kEnabled,
                .redo = kEnabled, .status = "White's turn", .heard = ""});
    ExpectRepaint(step, "cells (10,10), (11,10)", {CellRect(10, 10), CellRect(11, 10)});
    const PixelRect markerOn11x10 = MarkerRect();
    step = Step({Click(9, 9)}, Played(kPhaseWhite, 3, "White's turn", "putstone.wav"));
    ExpectRepaint(step, "the marker on (11,10) and cell (9,9)", {markerOn11x10, CellRect(9, 9)});
    Step({Menu(IDM_REDO), Menu(IDM_NEW_GAME), Menu(IDM_COMPUTER_VS_PERSON)},
         EmptyBoard("Your turn", "clear.wav"));
}

// The interval the game last started each of its timers with, recorded on its way to the system's SetTimer;
// 0 until it is started.
static UINT replyInterval;
static UINT blinkInterval;
static decltype(&SetTimer) systemSetTimer;
static UINT_PTR WINAPI RecordTimer(HWND owner, UINT_PTR timer, UINT interval, TIMERPROC call) {
    if (timer == IDT_COMPUTER_REPLY) replyInterval = interval;
    if (timer == IDT_WIN_HIGHLIGHT) blinkInterval = interval;
    return systemSetTimer(owner, timer, interval, call);
}

// The computer's reply waits 100 ms at Fast and 400 at Slow from the paint that shows the human's stone, and
// the five blinks at the same pace from the paint that shows it: the intervals the game asks the system for,
// which a busy machine cannot change, only the ticks' delivery.
static void TimerIntervals() {
    const struct { const char* row; int speed; UINT interval; } kSpeeds[] = {
        {"Fast", IDM_SPEED_FAST, 100},
        {"Slow", IDM_SPEED_SLOW, 400},
    };
    Step({Menu(IDM_NEW_GAME)}, EmptyBoard("Your turn", "clear.wav"), "before the timers");
    for (const auto& s : kSpeeds) {
        replyInterval = 0;
        blinkInterval = 0;
        const char* step = Step({Menu(s.speed), Click(10, 10), Paint()},
                                Played(kPhaseWhite, 1, "Computer's turn", "putstone.wav"), s.row);
        ok(replyInterval == s.interval, "%s: IDT_COMPUTER_REPLY interval expected %u ms, got %u", step,
           s.interval, replyInterval);
        step = Step({ReplyTick(), PlayFive(), Paint()},
                    AfterFive(kPhaseFiveMade, 9, "You win !", "putstone.wav"), s.row);
        ok(blinkInterval == s.interval, "%s: IDT_WIN_HIGHLIGHT interval expected %u ms, got %u", step,
           s.interval, blinkInterval);
        // The blink's next tick finds the new game and stops.
        Step({Menu(IDM_NEW_GAME), BlinkTick()}, EmptyBoard("Your turn", "clear.wav"), s.row);
    }
}

// Each dialog as it is activated goes to heard: modal when it disables the main window, its caption and
// the text just before its OK button. Then Enter closes it.
static LRESULT CALLBACK WatchDialog(int code, WPARAM wParam, LPARAM lParam) {
    HWND shown = (HWND)wParam;
    char name[16] = "";
    if (code == HCBT_ACTIVATE && GetClassNameA(shown, name, sizeof name) && !strcmp(name, "#32770")) {
        wchar_t caption[32];
        wchar_t text[32];
        GetWindowTextW(shown, caption, 32);
        GetWindowTextW(GetWindow(GetDlgItem(shown, IDOK), GW_HWNDPREV), text, 32);
        wchar_t seen[96];
        const bool modal = GetWindow(shown, GW_OWNER) == window && !IsWindowEnabled(window);
        swprintf(seen, 96, L"%lsdialog \"%ls\" saying \"%ls\"", modal ? L"modal " : L"", caption, text);
        char utf8[192];
        WideCharToMultiByte(CP_UTF8, 0, seen, -1, utf8, sizeof utf8, NULL, NULL);
        Heard(utf8);
        PostMessageW(shown, WM_KEYDOWN, VK_RETURN, 1);
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}

// In place of ShellExecuteA: the call recorded, no viewer opened. A path beside this program reads "beside
// the exe\NAME".
static HINSTANCE WINAPI RecordHelp(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                   INT show) {
    char folder[MAX_PATH];
    GetModuleFileNameA(NULL, folder, MAX_PATH);
    *strrchr(folder, '\\') = 0;
    const size_t length = strlen(folder);
    const bool beside = strncmp(file, folder, length) == 0 && file[length] == '\\';
    char call[MAX_PATH + 96];
    snprintf(call, sizeof call, "ShellExecuteA(%s, %s, %s%s, %s, %s, %s)",
             owner == window ? "main window" : "another", verb ? verb : "NULL",
             beside ? "beside the exe" : "",
             beside ? file + length : file, parameters ? parameters : "NULL", directory ? directory : "NULL",
             show == SW_SHOWNORMAL ? "SW_SHOWNORMAL" : "another show command");
    Heard(call);
    return (HINSTANCE)42;  // above 32: opened
}
// The system's ShellExecuteA, called through and its answer recorded: "ShellExecuteA answered 2".
static ShellExecuteAFunction systemShellExecuteA;
static HINSTANCE WINAPI AnswerOfShell(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                      LPCSTR directory, INT show) {
    INT_PTR answer = (INT_PTR)systemShellExecuteA(owner, verb, file, parameters, directory, show);
    char said[48];
    snprintf(said, sizeof said, "ShellExecuteA answered %d", (int)answer);
    Heard(said);
    return (HINSTANCE)answer;
}

int main() {
    // Through void*: the system's function, by name, with its own type.
    systemSetTimer = (decltype(&SetTimer))(void*)GetProcAddress(GetModuleHandleA("user32.dll"), "SetTimer");
    ok(ReplaceImport("SetTimer", (void*)RecordTimer), "expected the program to import SetTimer");
    window = StartFreshGame();
    FirstExchange();
    WinAndBlink();
    AfterTheFive();
    FullBoardRestarts();
    SoundAndMarkerOff();
    LevelAndSpeed();
    const int right = GetSystemMetrics(SM_CXSCREEN) - 586;
    const int bottom = GetSystemMetrics(SM_CYSCREEN) - 644;
    if (bottom < 2) skip("a screen %d pixels high takes no Medium window: moves not checked", bottom + 644);
    if (bottom >= 2) {
        ExpectSnap(3, 2, 0, 0);
        ExpectSnap(right - 3, bottom - 4, right, bottom);
    }
    ModeAndColour();
    TwoPeople();

    // Double three: a beep and the warning in Korean, the game unchanged; About; Help > Contents opens the
    // players' readme beside the exe, the call recorded only; with Enable 3X3 the double three is played.
    HHOOK hook = SetWindowsHookExA(WH_CBT, WatchDialog, NULL, GetCurrentThreadId());
    SetUpPosition(window, {{8, 10}, {1, 1}, {9, 10}, {1, 3}, {10, 8}, {1, 5}, {10, 9}, {1, 7}});
    Step({Click(10, 10)}, Played(kPhaseBlack, 8, "Your turn",
         "beep modal dialog \"Warning 3X3 !\" saying \"\uC30D \uC0BC \uC785 \uB2C8 \uB2E4\""),
         "double three");
    Step({Menu(IDM_ABOUT)}, Played(kPhaseBlack, 8, "Your turn",
         "modal dialog \"About Kivrano\" saying \"example.org/kivrano\""));
    UnhookWindowsHookEx(hook);
    shellExecuteA = RecordHelp;
    Step({Menu(IDM_HELP_CONTENTS)}, Played(kPhaseBlack, 8, "Your turn",
         "ShellExecuteA(main window, open, beside the exe\\readme.txt, NULL, NULL, SW_SHOWNORMAL)"),
         "readme beside the exe");
    // No readme beside this program: the system's shell32, loaded from the system folder, answers at once
    // that the file is missing (SE_ERR_FNF), and the game goes on.
    shellExecuteA = NULL;
    systemShellExecuteA = SystemShellExecuteA();
    ok(systemShellExecuteA != NULL, "expected ShellExecuteA from the system's shell32.dll");
    if (systemShellExecuteA) {
        shellExecuteA = AnswerOfShell;
        Step({Menu(IDM_HELP_CONTENTS)}, Played(kPhaseBlack, 8, "Your turn", "ShellExecuteA answered 2"),
             "no readme");
    }
    Step({Menu(IDM_ENABLE_3X3), Click(10, 10), ReplyTick()},
         Played(kPhaseBlack, 10, "Your turn", "putstone.wav putstone.wav"));
    TimerIntervals();
    ExitGame(window);
    return CheckSummary("game_play");
}
