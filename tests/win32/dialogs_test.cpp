// The modal dialogs on the real main window: the double-three warning that
// answers a forbidden click, with its Korean text intact, closed by Esc and
// leaving the game as it was; the About box with its icon and close box;
// the main window's timers going on behind a dialog; and the help viewer
// called for "&Contents" (recorded here, never opened).
#include "game_window.h"

static const wchar_t kDoubleThreeText[] = {0xC30D, ' ', 0xC0BC, ' ', 0xC785, ' ', 0xB2C8, ' ', 0xB2E4, 0};

static void CheckClosedModal(HWND window, const wchar_t* caption) {
    ok(seenDialog.shown == 1, "%ls: expected the dialog shown once, got %d", caption, seenDialog.shown);
    ok(wcscmp(seenDialog.caption, caption) == 0, "expected the caption \"%ls\", got \"%ls\"", caption,
       seenDialog.caption);
    ok(seenDialog.owner == window && !seenDialog.ownerEnabled, "%ls: expected it modal to the main window", caption);
    ok(seenDialog.focusId == IDOK, "%ls: expected the focus on OK, got control %d", caption, seenDialog.focusId);
    ok(!seenDialog.forced, "%ls: expected the dialog to close as the user asked", caption);
    ok(IsWindowEnabled(window), "%ls: expected the main window enabled again", caption);
}

static void DoubleThreeRefused(HWND window) {
    // Black to move; (10,10) would make a row three and a column three.
    static const int moves[][2] = {{8, 10}, {1, 1}, {9, 10}, {1, 3}, {10, 8}, {1, 5}, {10, 9}, {1, 7}};
    SetUpPosition(window, moves, 8);
    static Cell before[21][21];
    memcpy(before, Board, sizeof before);
    char text[64];
    strcpy(text, StatusText(0));
    ForgetSounds();
    int beepsBefore = beeps;

    WithDialogWatcher(CloseWithEscape, [&] { Click(window, 10, 10); });
    CheckClosedModal(window, L"Warning 3X3 !");
    ok(wcscmp(seenDialog.firstText, kDoubleThreeText) == 0, "expected the Korean warning text intact, got \"%ls\"",
       seenDialog.firstText);
    ok((seenDialog.style & WS_CAPTION) == WS_CAPTION && (seenDialog.style & WS_SYSMENU) == 0,
       "expected a caption without a close box, got style 0x%lx", (unsigned long)seenDialog.style);
    ok(beeps == beepsBefore + 1, "expected one beep, got %d", beeps - beepsBefore);
    ok(memcmp(before, Board, sizeof before) == 0 && moveCount == 8 && Phase == 1,
       "expected the board unchanged and Black still to move");
    ok(soundsPlayed[0] == 0 && StatusIs(0, text), "expected no sound and no new status text");
    ok(!Grayed(window, IDM_UNDO) && Grayed(window, IDM_REDO), "expected Undo and Redo as they were");

    // With the rule off the same point is an ordinary move.
    Command(window, IDM_ENABLE_3X3);
    WithDialogWatcher(CloseWithEscape, [&] { Click(window, 10, 10); });
    ok(seenDialog.shown == 0 && Board[10][10] == Black && Phase == 2, "expected the stone placed without a warning");
    ok(beeps == beepsBefore + 1, "expected no further beep");
    Command(window, IDM_ENABLE_3X3);
    ClearGame(window);
}

static void AboutBox(HWND window) {
    WithDialogWatcher(CloseWithCloseBox, [&] { Command(window, IDM_ABOUT); });
    CheckClosedModal(window, L"About Kivrano");
    ok((seenDialog.style & WS_SYSMENU) != 0, "expected the About box to have a close box");
    ok(seenDialog.icon != NULL, "expected the program icon in the About box");
    ok(wcscmp(seenDialog.firstText, L"Kivrano     Version 1.46") == 0, "expected the version line, got \"%ls\"",
       seenDialog.firstText);

    WithDialogWatcher(CloseWithEnter, [&] { Command(window, IDM_ABOUT); });
    ok(seenDialog.shown == 1 && !seenDialog.forced, "expected Enter to close the About box");
}

static void TimersGoOnBehindADialog(HWND window) {
    ClearGame(window);
    Click(window, 10, 10);
    ok(Phase == 2, "expected the computer to move");
    // The reply's paint and timer come through the dialog's own loop.
    delayTicks = 40;
    WithDialogWatcher(CloseWithEscape, [&] { Command(window, IDM_ABOUT); });
    ok(seenDialog.shown == 1 && !seenDialog.forced, "expected the About box shown and closed");
    ok(moveCount == 2 && Phase == 1, "expected the computer to have replied while the About box was open");
    ClearGame(window);
}

static HWND helpWindow;
static char helpFile[64];
static UINT helpCommand;
static ULONG_PTR helpData;
static int helpCalls;

static BOOL WINAPI RecordHelp(HWND window, LPCSTR file, UINT command, ULONG_PTR data) {
    helpCalls++;
    helpWindow = window;
    snprintf(helpFile, sizeof helpFile, "%s", file ? file : "(null)");
    helpCommand = command;
    helpData = data;
    return TRUE;
}

static void HelpContents(HWND window) {
    // Wine's viewer would wait on its own dialog for the missing file.
    bool recorded = ReplaceImport("user32.dll", "WinHelpA", (void*)RecordHelp) != NULL;
    ok(recorded, "expected the program to import WinHelpA");
    if (!recorded) return;
    Command(window, IDM_HELP_CONTENTS);
    ok(helpCalls == 1 && helpWindow == window && strcmp(helpFile, "Kivrano.hlp") == 0 && helpCommand == HELP_FINDER &&
           helpData == 0,
       "expected WinHelpA(window, \"Kivrano.hlp\", HELP_FINDER, 0), got %d calls: \"%s\" 0x%x %lu", helpCalls,
       helpFile, helpCommand, (unsigned long)helpData);
}

int main() {
    RecordBeepsAndSounds();
    CopyAssets();
    DeleteFileA("Kivrano.ini");
    HWND window = StartGame();
    DoubleThreeRefused(window);
    AboutBox(window);
    TimersGoOnBehindADialog(window);
    HelpContents(window);
    ExitGame(window);
    return CheckSummary("dialogs");
}
