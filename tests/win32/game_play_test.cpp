// The game on the real main window: games 1 and 2 step by step, every menu command, the modal dialogs, and the
// help call (recorded, never made).
#include "game_window.h"

// Black to move with four down the column x = 10; the click at (10, 14) makes five.
static void PlayFive(HWND window) {
    SetUpPosition(window, {{10, 10}, {11, 10}, {10, 11}, {1, 1}, {10, 12}, {1, 3}, {10, 13}, {1, 5}});
    Click(window, 10, 14);
}

// Game 1: the human's stone, no reply before the paint, the reply, the marker moving; clicks meanwhile ignored.
static void FirstExchange(HWND window) {
    Click(window, 10, 10);
    CheckState(window, "2 1 1 Ur Computer's turn|putstone.wav", "the click");
    ok(Board[10][10] == Black && !KillTimer(window, IDT_COMPUTER_REPLY), "expected no reply before the paint");
    Click(window, 5, 5);
    UpdateWindow(window);
    ok(MarkerPixels(window, MarkerRect()) > 0, "expected the paint to show the marker");
    Click(window, 5, 6);
    PixelRect oldMarker = MarkerRect();
    ok(RunUntilTick(window, IDT_COMPUTER_REPLY) && Board[11][10] == White, "expected White's reply at (11,10)");
    CheckState(window, "1 2 2 Ur Your turn|putstone.wav", "the reply");
    PumpMessages();
    ok(!KillTimer(window, IDT_COMPUTER_REPLY) && MarkerPixels(window, MarkerRect()) > 0 &&
           MarkerPixels(window, oldMarker) == 0,
       "expected the reply timer stopped and the marker moved to the computer's stone");
}

// Game 1's five: nothing before its paint, seven ticks with the text in step, then silence; clicks ignored.
static void WinAndBlink(HWND window) {
    PlayFive(window);
    CheckState(window, "4 9 9 Ur Your turn|putstone.wav", "the five before its paint");
    ok(!KillTimer(window, IDT_WIN_HIGHLIGHT), "expected no blinking before the paint");
    UpdateWindow(window);
    CheckState(window, "4 9 9 ur You win !|", "the five's paint");
    ok(MarkerPixels(window, MarkerRect()) > 0, "expected the marker on the winning stone");
    for (int tick = 1; tick <= 7; tick++) {
        bool shown = tick % 2 == 0 || tick == 7;
        char want[64];
        snprintf(want, sizeof want, "%d 9 %d ur %s|%s", tick < 7 ? 4 + tick : 10, shown ? 9 : 4,
                 shown ? "You win !" : "", tick == 1 ? "finish.wav" : "");
        ok(RunUntilTick(window, IDT_WIN_HIGHLIGHT), "expected tick %d", tick);
        Click(window, 5, 5);  // ignored, silently
        CheckState(window, want, "a tick");
    }
    ok(!KillTimer(window, IDT_WIN_HIGHLIGHT) && MarkerPixels(window, MarkerRect()) == 0, "expected the timer stopped");
    Command(window, IDM_NEW_GAME);
    CheckState(window, "1 0 0 ur Your turn|clear.wav", "New Game");
}

// Continuous play restarts at the seventh tick; New Game while blinking clears at once, the next tick only stops.
static void AfterTheFive(HWND window) {
    Command(window, IDM_CONTINUOUS_PLAY);
    Command(window, IDM_SPEED_FAST);
    for (int ticks : {7, 3}) {
        PlayFive(window);
        for (int i = 0; i < ticks; i++) RunUntilTick(window, IDT_WIN_HIGHLIGHT);
        if (ticks == 7) Command(window, IDM_CONTINUOUS_PLAY);
        else Command(window, IDM_NEW_GAME);
        CheckState(window, "1 0 0 ur Your turn|putstone.wav finish.wav clear.wav", "continuous play, New Game");
    }
    ok(RunUntilTick(window, IDT_WIN_HIGHLIGHT) && !KillTimer(window, IDT_WIN_HIGHLIGHT) && StonesOnBoard() == 0,
       "expected the stale tick to stop the timer and leave the board alone");
}

// A full board without a five (diagonal stripe pairs, 181 Black) restarts at the paint with the side to move kept.
static void FullBoardRestarts(HWND window) {
    for (int x = 1; x <= 19; x++)
        for (int y = 1; y <= 19; y++) Board[x][y] = (x + 2 * y - 2) / 2 % 2 ? Black : White;
    Board[2][1] = Empty;  // Black's last stone
    moveCount = 360, Phase = 1;
    Click(window, 2, 1);
    ok(moveCount == 361 && winDirection == 0, "expected 361 stones without a five");
    UpdateWindow(window);
    CheckState(window, "2 0 0 ur Computer's turn|putstone.wav clear.wav", "the full board's paint");
    ok(RunUntilTick(window, IDT_COMPUTER_REPLY) && Board[10][10] == White, "expected the computer to open with White");
    Command(window, IDM_NEW_GAME);
}

// Each choice sets its option and check marks (a toggle's only when on); on an empty board none repaints.
static void Choices(HWND window) {
    int32_t *level = &options.level, *speed = &options.speed, *three = &options.allowDoubleThree,
            *continuous = &options.continuousPlay, *mark = &options.markPrevious, *sound = &options.sound;
    const struct { int command; int32_t* option; int value, partner; } kChoices[] = {
        {105, level, 0, 106}, {106, level, 1, 105}, {108, speed, 1, 107}, {107, speed, 0, 108}, {107, speed, 0, 108},
        {109, three, 1, 0}, {109, three, 0, 0}, {116, continuous, 1, 0}, {116, continuous, 0, 0}, {117, mark, 0, 0},
        {117, mark, 1, 0}, {118, sound, 0, 0}, {118, sound, 1, 0}};
    ValidateRect(window, NULL);
    for (const auto& c : kChoices) {
        Command(window, c.command);
        ok(*c.option == c.value && Checked(window, c.command) == (c.partner || c.value) &&
               (!c.partner || !Checked(window, c.partner)),
           "item %d: expected option %d and the check mark with it", c.command, c.value);
    }
    ok(UpdateRegionIsEmpty(window), "on an empty board these commands should repaint nothing");
}

// Sizes keep the corner, set the cells and check only their item; Free adds 2 pixels and a sizing frame; the
// status bar takes 20 pixels and leaves the cells.
static void SizesAndStatusBar(HWND window) {
    static const struct { int command, width, height, cell, size, bar; } kSteps[] = {
        {110, 354, 412, 18, 110, 1}, {111, 470, 528, 24, 111, 1}, {112, 586, 644, 30, 112, 1},
        {113, 702, 760, 36, 113, 1}, {114, 818, 876, 42, 114, 1}, {112, 586, 644, 30, 112, 1},
        {115, 588, 646, 0, 115, 1},  {112, 586, 644, 30, 112, 1}, {119, 586, 624, 30, 112, 0},
        {119, 586, 644, 30, 112, 1}};
    MoveWindow(window, 50, 40, 586, 644, TRUE);
    for (const auto& s : kSteps) {
        if (Grayed(window, s.command)) continue;  // too high for the screen; the start-up test checks which
        Command(window, s.command);
        RECT r;
        GetWindowRect(window, &r);
        int checks = 0;
        for (int item = IDM_SIZE_TINY; item <= IDM_SIZE_FREE; item++) checks += Checked(window, item);
        ok(r.left == 50 && r.top == 40 && r.right - r.left == s.width && r.bottom - r.top == s.height &&
               (!s.cell || (boardGeometry.cellWidth == s.cell && boardGeometry.cellHeight == s.cell)) &&
               Checked(window, s.size) && checks == 1 &&
               ((GetWindowLongA(window, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX)) != 0) == (s.size == 115) &&
               options.statusBar == s.bar && Checked(window, 119) == s.bar &&
               !IsWindowVisible(statusBarWindow) == !s.bar,
           "item %d: got %ld x %ld at (%ld,%ld), cells %d", s.command, r.right - r.left, r.bottom - r.top, r.left,
           r.top, boardGeometry.cellWidth);
    }
    ok(StatusIs(0, "Your turn") && StatusIs(1, "Computer vs Person"), "expected the texts back with the status bar");
}

// Mode and colour restart a game in progress; after a five they change only the options, for the next game.
static void ModeAndColour(HWND window) {
    heard[0] = 0;
    for (int mode = 2; mode >= 1; mode--) {
        Click(window, 10, 10);
        if (mode == 2) RunUntilTick(window, IDT_COMPUTER_REPLY);
        Command(window, IDM_COMPUTER_VS_PERSON);
        CheckState(window, mode == 2 ? "1 0 0 ur Black's turn|putstone.wav putstone.wav clear.wav"
                                 : "1 0 0 ur Your turn|putstone.wav clear.wav", "mode");
        ok(options.gameMode == mode && Checked(window, IDM_COMPUTER_VS_PERSON) == (mode == 1) &&
               Grayed(window, IDM_LEVEL_MAN) == (mode == 2) && Grayed(window, IDM_COLOR_WHITE) == (mode == 2) &&
               StatusIs(1, mode == 2 ? "Person vs Person" : "Computer vs Person"),
           "mode %d: expected its items and text, got \"%s\"", mode, StatusText(1));
    }
    Click(window, 10, 10);
    RunUntilTick(window, IDT_COMPUTER_REPLY);
    Command(window, IDM_COLOR_WHITE);
    CheckState(window, "1 0 0 ur Computer's turn|putstone.wav putstone.wav clear.wav", "White");
    ok(options.computerColour == 1 && Checked(window, IDM_COLOR_WHITE) && !Checked(window, IDM_COLOR_BLACK) &&
           RunUntilTick(window, IDT_COMPUTER_REPLY) && Board[10][10] == Black && StatusIs(0, "Your turn"),
       "White: expected the computer's opening stone after the paint");
    Command(window, IDM_COLOR_BLACK);
    PumpMessagesFor(300);
    CheckState(window, "1 0 0 ur Your turn|putstone.wav clear.wav", "Black");
    PlayFive(window);
    UpdateWindow(window);
    Command(window, IDM_COMPUTER_VS_PERSON);
    Command(window, IDM_COLOR_WHITE);
    CheckState(window, "4 9 9 ur You win !|putstone.wav", "mode and colour after a five");
    ok(options.gameMode == 2 && options.computerColour == 1 && StatusIs(1, "Computer vs Person"),
       "after a five: expected the options changed, no text set");
    Command(window, IDM_NEW_GAME);
    Command(window, IDM_COLOR_BLACK);
    CheckState(window, "1 0 0 ur Black's turn|clear.wav", "New Game, then Black");  // an empty board clears silently
}

// Game 2: turns, Undo and Redo two plies at a time with their items and marker, a stone cutting off the redo; the
// board follows the record with the marker on its last stone, no reply is started, Undo and Redo are silent.
static void TwoPeople(HWND window) {
    static const struct { int command, x, y; const char* state; } kSteps[] = {
        {0, 10, 10, "2 1 1 Ur White's turn|putstone.wav"}, {0, 11, 10, "1 2 2 Ur Black's turn|putstone.wav"},
        {0, 10, 11, "2 3 3 Ur White's turn|putstone.wav"}, {IDM_UNDO, 0, 0, "2 1 1 UR White's turn|"},
        {IDM_UNDO, 0, 0, "1 0 0 uR White's turn|"},        {IDM_REDO, 0, 0, "1 2 2 UR White's turn|"},
        {0, 9, 9, "2 3 3 Ur White's turn|putstone.wav"},   {IDM_REDO, 0, 0, "2 3 3 Ur White's turn|"}};
    for (const auto& s : kSteps) {
        s.command ? Command(window, s.command) : Click(window, s.x, s.y);
        UpdateWindow(window);
        CheckState(window, s.state, "game 2");
        bool follows = !KillTimer(window, IDT_COMPUTER_REPLY) && (!moveCount || MarkerPixels(window, MarkerRect()));
        for (int i = 0; i < moveCount; i++) follows &= Board[historyX[i]][historyY[i]] == (i % 2 ? White : Black);
        ok(follows, "%d (%d,%d): expected the board to follow the record", s.command, s.x, s.y);
    }
    PlayFive(window);
    UpdateWindow(window);
    CheckState(window, "4 9 9 ur Black win !|putstone.wav", "game 2's five");
    Command(window, IDM_NEW_GAME);
    Command(window, IDM_COMPUTER_VS_PERSON);
}

// A dialog when activated: "modal closeBox caption|first text"; then the closing key goes to it.
static wchar_t seen[256];
static WPARAM closeKey;
static LRESULT CALLBACK WatchDialog(int code, WPARAM wParam, LPARAM lParam) {
    HWND dialog = (HWND)wParam, owner = GetWindow(dialog, GW_OWNER), text = GetWindow(dialog, GW_CHILD);
    char name[16] = "";
    if (code == HCBT_ACTIVATE) GetClassNameA(dialog, name, sizeof name);
    if (strcmp(name, "#32770") != 0) return CallNextHookEx(NULL, code, wParam, lParam);
    while ((GetWindowLongA(text, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) text = GetWindow(text, GW_HWNDNEXT);
    wchar_t caption[32], first[64];
    GetWindowTextW(dialog, caption, 32);
    GetWindowTextW(text, first, 64);
    bool modal = owner == FindWindowA("Kivrano", NULL) && !IsWindowEnabled(owner);
    swprintf(seen + wcslen(seen), 128, L"%d %d %ls|%ls", modal, (GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU) != 0,
             caption, first);
    PostMessageW(dialog, WM_KEYDOWN, closeKey, 1);
    return CallNextHookEx(NULL, code, wParam, lParam);
}
template <typename Action>
static void Watched(WPARAM key, const wchar_t* want, Action action) {
    seen[0] = 0;
    closeKey = key;
    HHOOK hook = SetWindowsHookExA(WH_CBT, WatchDialog, NULL, GetCurrentThreadId());
    action();
    UnhookWindowsHookEx(hook);
    ok(!wcscmp(seen, want) && IsWindowEnabled(FindWindowA("Kivrano", NULL)), "expected %ls, got %ls", want, seen);
}

// A double three: a beep, the modal Korean warning closed by Esc, the game unchanged; About, closed by Enter.
static void Dialogs(HWND window) {
    SetUpPosition(window, {{8, 10}, {1, 1}, {9, 10}, {1, 3}, {10, 8}, {1, 5}, {10, 9}, {1, 7}});
    Watched(VK_ESCAPE, L"1 0 Warning 3X3 !|\uC30D \uC0BC \uC785 \uB2C8 \uB2E4", [&] { Click(window, 10, 10); });
    CheckState(window, "1 8 8 Ur Your turn|beep", "the refused click");
    Watched(VK_RETURN, L"1 1 About Kivrano|Kivrano     Version 1.46", [&] { Command(window, IDM_ABOUT); });
}

static char helpCall[96];
static BOOL WINAPI RecordHelp(HWND window, LPCSTR file, UINT command, ULONG_PTR data) {
    snprintf(helpCall, sizeof helpCall, "%d %s %x %lu", window == FindWindowA("Kivrano", NULL), file, command,
             (unsigned long)data);
    return TRUE;
}

int main() {
    HWND window = StartFreshGame();
    FirstExchange(window);
    WinAndBlink(window);
    AfterTheFive(window);
    FullBoardRestarts(window);
    Choices(window);
    SizesAndStatusBar(window);
    ModeAndColour(window);
    TwoPeople(window);
    Dialogs(window);
    // &Contents: the viewer on Kivrano.hlp at its contents (HELP_FINDER), sent only once the call is recorded.
    bool recorded = ReplaceImport("WinHelpA", (void*)RecordHelp);
    if (recorded) Command(window, IDM_HELP_CONTENTS);
    ok(recorded && !strcmp(helpCall, "1 Kivrano.hlp b 0"), "expected WinHelpA(window, Kivrano.hlp, HELP_FINDER, 0)");
    ExitGame(window);
    return CheckSummary("game_play");
}
