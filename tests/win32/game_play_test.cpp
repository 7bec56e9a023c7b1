// The game on the real main window: games 1 and 2, every menu command, the dialogs, the help call (recorded only).
#include "game_window.h"

// Black to move with four down the column x = 10; the click at (10, 14) makes five.
static void PlayFive(HWND window) {
    SetUpPosition(window, {{10, 10}, {11, 10}, {10, 11}, {1, 1}, {10, 12}, {1, 3}, {10, 13}, {1, 5}});
    Click(window, 10, 14);
}

// Runs "c10,10" click, "m101" command, "p" paint, "r"/"w" reply/blink tick, "n" 300 ms, "f" five; checks the state.
static void Steps(HWND window, const char* steps, const char* want) {
    for (char* s = (char*)steps; *s; s += *s == ' ') {
        char op = *s++;
        int a = strtol(s, &s, 10), b = *s == ',' ? strtol(s + 1, &s, 10) : 0;
        if (op == 'c') Click(window, a, b);
        if (op == 'm') Command(window, a);
        if (op == 'p') UpdateWindow(window);
        if (op == 'r' || op == 'w')
            ok(RunUntilTick(window, op == 'r' ? IDT_COMPUTER_REPLY : IDT_WIN_HIGHLIGHT), "%s: expected a tick", steps);
        if (op == 'n') PumpMessagesFor(300);
        if (op == 'f') PlayFive(window);
    }
    CheckState(window, want, steps);
}

// Game 1: the human's stone, no reply before the paint, the reply, the marker moving; clicks meanwhile ignored.
static void FirstExchange(HWND window) {
    Steps(window, "c10,10", "2 1 1 Ur Computer's turn|putstone.wav");
    ok(Board[10][10] == Black && !KillTimer(window, IDT_COMPUTER_REPLY), "expected no reply before the paint");
    Steps(window, "c5,5 p", "2 1 1 Ur Computer's turn|");
    ok(MarkerPixels(window, MarkerRect()) > 0, "expected the paint to show the marker");
    PixelRect oldMarker = MarkerRect();
    Steps(window, "c5,6 r", "1 2 2 Ur Your turn|putstone.wav");
    PumpMessages();
    ok(Board[11][10] == White && !KillTimer(window, IDT_COMPUTER_REPLY) && MarkerPixels(window, MarkerRect()) > 0 &&
           MarkerPixels(window, oldMarker) == 0,
       "expected White's reply at (11,10), the reply timer stopped and the marker moved to it");
}

// Game 1's five: nothing before its paint, seven ticks blinking stones and text, then silence; clicks ignored.
static void WinAndBlink(HWND window) {
    Steps(window, "f", "4 9 9 Ur Your turn|putstone.wav");
    ok(!KillTimer(window, IDT_WIN_HIGHLIGHT), "expected no blinking before the paint");
    Steps(window, "p", "4 9 9 ur You win !|");
    ok(MarkerPixels(window, MarkerRect()) > 0, "expected the marker on the winning stone");
    for (const char* want : {"5 9 4 ur |finish.wav", "6 9 9 ur You win !|", "7 9 4 ur |", "8 9 9 ur You win !|",
                             "9 9 4 ur |", "10 9 9 ur You win !|", "10 9 9 ur You win !|"})
        Steps(window, "w c5,5", want);
    ok(!KillTimer(window, IDT_WIN_HIGHLIGHT) && MarkerPixels(window, MarkerRect()) == 0, "expected the timer stopped");
    Steps(window, "m101", "1 0 0 ur Your turn|clear.wav");
}

// Continuous play restarts at the seventh tick; New Game while blinking clears at once, the next tick only stops.
static void AfterTheFive(HWND window) {
    Steps(window, "m116 m107 f w w w w w w w", "1 0 0 ur Your turn|putstone.wav finish.wav clear.wav");
    Steps(window, "m116 f w w w m101", "1 0 0 ur Your turn|putstone.wav finish.wav clear.wav");
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
    Steps(window, "p", "2 0 0 ur Computer's turn|putstone.wav clear.wav");
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

// Sizes keep the corner and check only their item; Free adds 2 pixels and a frame; the bar takes 20, not the cells.
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
    Steps(window, "c10,10 r m120", "1 0 0 ur Black's turn|putstone.wav putstone.wav clear.wav");
    ok(options.gameMode == 2 && !Checked(window, IDM_COMPUTER_VS_PERSON) && Grayed(window, IDM_LEVEL_MAN) &&
           Grayed(window, IDM_COLOR_WHITE) && StatusIs(1, "Person vs Person"), "mode 2: expected its items and text");
    Steps(window, "c10,10 m120", "1 0 0 ur Your turn|putstone.wav clear.wav");
    ok(options.gameMode == 1 && Checked(window, IDM_COMPUTER_VS_PERSON) && !Grayed(window, IDM_LEVEL_MAN) &&
           !Grayed(window, IDM_COLOR_WHITE) && StatusIs(1, "Computer vs Person"),
       "mode 1: expected its items and text");
    Steps(window, "c10,10 r m122", "1 0 0 ur Computer's turn|putstone.wav putstone.wav clear.wav");
    ok(options.computerColour == 1 && Checked(window, IDM_COLOR_WHITE) && !Checked(window, IDM_COLOR_BLACK) &&
           RunUntilTick(window, IDT_COMPUTER_REPLY) && Board[10][10] == Black && StatusIs(0, "Your turn"),
       "White: expected the computer's opening stone after the paint");
    Steps(window, "m121 n", "1 0 0 ur Your turn|putstone.wav clear.wav");
    Steps(window, "f p m120 m122", "4 9 9 ur You win !|putstone.wav");
    ok(options.gameMode == 2 && options.computerColour == 1 && StatusIs(1, "Computer vs Person"),
       "after a five: expected the options changed, no text set");
    Steps(window, "m101 m121", "1 0 0 ur Black's turn|clear.wav");  // an empty board clears silently
}

// Game 2: turns, silent Undo/Redo two plies at a time, redo cut by a stone; board, marker follow the record, no reply.
static void TwoPeople(HWND window) {
    static const char* const kSteps[][2] = {
        {"c10,10 p", "2 1 1 Ur White's turn|putstone.wav"}, {"c11,10 p", "1 2 2 Ur Black's turn|putstone.wav"},
        {"c10,11 p", "2 3 3 Ur White's turn|putstone.wav"}, {"m102 p", "2 1 1 UR White's turn|"},
        {"m102 p", "1 0 0 uR White's turn|"},               {"m103 p", "1 2 2 UR White's turn|"},
        {"c9,9 p", "2 3 3 Ur White's turn|putstone.wav"},   {"m103 p", "2 3 3 Ur White's turn|"}};
    for (const auto& s : kSteps) {
        Steps(window, s[0], s[1]);
        bool follows = !KillTimer(window, IDT_COMPUTER_REPLY) && (!moveCount || MarkerPixels(window, MarkerRect()));
        for (int i = 0; i < moveCount; i++) follows &= Board[historyX[i]][historyY[i]] == (i % 2 ? White : Black);
        ok(follows, "%s: expected the board to follow the record", s[0]);
    }
    Steps(window, "f p", "4 9 9 ur Black win !|putstone.wav");
    Steps(window, "m101 m120", "1 0 0 ur Your turn|clear.wav");
}

// Each dialog is recorded in heard on activation as "modal closeBox caption|first text", then gets the closing key.
static WPARAM closeKey;
static LRESULT CALLBACK WatchDialog(int code, WPARAM wParam, LPARAM lParam) {
    HWND dialog = (HWND)wParam, owner = GetWindow(dialog, GW_OWNER), text = GetWindow(dialog, GW_CHILD);
    char name[16] = "", caption[32], first[64], seen[128];
    if (code == HCBT_ACTIVATE && GetClassNameA(dialog, name, sizeof name) && !strcmp(name, "#32770")) {
        while ((GetWindowLongA(text, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) text = GetWindow(text, GW_HWNDNEXT);
        wchar_t wide[64];
        GetWindowTextA(dialog, caption, sizeof caption);
        GetWindowTextW(text, wide, 64);
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, first, sizeof first, NULL, NULL);
        snprintf(seen, sizeof seen, "%d %d %s|%s", owner == FindWindowA("Kivrano", NULL) && !IsWindowEnabled(owner),
                 (GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU) != 0, caption, first);
        Heard(seen);
        PostMessageW(dialog, WM_KEYDOWN, closeKey, 1);
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}

static BOOL WINAPI RecordHelp(HWND window, LPCSTR file, UINT command, ULONG_PTR data) {
    char call[96];
    snprintf(call, sizeof call, "help %d %s %x %lu", window == FindWindowA("Kivrano", NULL), file, command,
             (ULONG)data);
    return Heard(call), TRUE;
}

// Double three: beep, modal warning (Esc), game unchanged; About (Enter); Help: WinHelp HELP_FINDER, once recorded.
static void Dialogs(HWND window) {
    HHOOK hook = SetWindowsHookExA(WH_CBT, WatchDialog, NULL, GetCurrentThreadId());
    SetUpPosition(window, {{8, 10}, {1, 1}, {9, 10}, {1, 3}, {10, 8}, {1, 5}, {10, 9}, {1, 7}});
    closeKey = VK_ESCAPE;
    Steps(window, "c10,10", "1 8 8 Ur Your turn|beep 1 0 Warning 3X3 !|\uC30D \uC0BC \uC785 \uB2C8 \uB2E4");
    closeKey = VK_RETURN;
    Steps(window, "m124", "1 8 8 Ur Your turn|1 1 About Kivrano|Kivrano     Version 1.46");
    UnhookWindowsHookEx(hook);
    ok(IsWindowEnabled(window), "expected the window enabled again after the dialogs");
    bool recorded = ReplaceImport("WinHelpA", (void*)RecordHelp);
    if (recorded) Steps(window, "m123", "1 8 8 Ur Your turn|help 1 Kivrano.hlp b 0");
    ok(recorded, "expected the program to import WinHelpA");
}

int main() {
    HWND window = StartFreshGame();
    for (auto part : {FirstExchange, WinAndBlink, AfterTheFive, FullBoardRestarts, Choices, SizesAndStatusBar,
                      ModeAndColour, TwoPeople, Dialogs})
        part(window);
    ExitGame(window);
    return CheckSummary("game_play");
}
