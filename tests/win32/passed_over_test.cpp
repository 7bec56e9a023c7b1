// What the game passes over, on the real main window: a click off the board or on a stone (a beep, nothing
// placed), a menu item chosen again while it carries the check mark. And the turns game_play_test does not
// reach: the computer's own five with Sound off, Undo and Redo with Mark Previous off, the status bar off
// while stones are played.
#include "game_window.h"

static HWND window;  // the game's main window, started once for the whole run

// The stones on the board, the status bar's part 0 and what was heard since the last step.
static void Expect(const char* step, int stones, const char* status, const char* sounds) {
    ok(StonesOnBoard() == stones, "%s: stones expected %d, got %d", step, stones, StonesOnBoard());
    ok(!strcmp(StatusText(0), status), "%s: status expected \"%s\", got \"%s\"", step, status, StatusText(0));
    ok(!strcmp(heard, sounds), "%s: heard expected \"%s\", got \"%s\"", step, sounds, heard);
    heard[0] = 0;
}

// A click on the pixel (x, y) of the client area, as the mouse sends it.
static void ClickAt(int x, int y) {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// Two people: Black's (10,10), then what is passed over with White to move.
static void IgnoredBetweenTwoPeople() {
    Command(window, IDM_COMPUTER_VS_PERSON);
    heard[0] = 0;
    ClickIntersection(window, 10, 10);
    Expect("two people, after Click(10, 10)", 1, "White's turn", "putstone.wav");
    ClickIntersection(window, 10, 10);
    Expect("after Click(10, 10) on Black's stone", 1, "White's turn", "beep");
    RECT client;
    GetClientRect(window, &client);
    ClickAt(client.right - 1, 10);  // the board's margin, right of column 19
    Expect("after a click right of column 19", 1, "White's turn", "beep");
    // Played while the bar is hidden, the turn shows when it is back.
    Command(window, IDM_STATUS_BAR);
    ClickIntersection(window, 11, 10);
    Command(window, IDM_STATUS_BAR);
    Expect("after Menu(IDM_STATUS_BAR), Click(11, 10), Menu(IDM_STATUS_BAR)", 2, "Black's turn",
           "putstone.wav");
    // No marker to move: Undo and Redo change only the stones.
    Command(window, IDM_MARK_PREVIOUS);
    Command(window, IDM_UNDO);
    UpdateWindow(window);
    Expect("after Menu(IDM_MARK_PREVIOUS), Menu(IDM_UNDO)", 0, "Black's turn", "");
    Command(window, IDM_REDO);
    UpdateWindow(window);
    Expect("after Menu(IDM_REDO)", 2, "Black's turn", "");
    const int marked = MarkerPixels(window, BoardRect());
    ok(marked == 0, "after Menu(IDM_REDO), Mark Previous off: marker pixels expected 0, got %d", marked);
    Command(window, IDM_MARK_PREVIOUS);
    Command(window, IDM_COMPUTER_VS_PERSON);
}

// Against the computer, the human Black: the checked level, colour and size chosen again change nothing,
// and the game in progress goes on.
static void CheckedItemsChosenAgain() {
    SetUpPosition(window, {{10, 10}, {11, 10}});
    RECT before, after;
    GetWindowRect(window, &before);
    const int size = IDM_SIZE_TINY + options.sizeIndex;
    for (int item : {IDM_LEVEL_GOD, IDM_COLOR_BLACK, size}) {
        Command(window, item);
        char step[48];
        snprintf(step, sizeof step, "after Menu(%s), checked", ItemName(item));
        Expect(step, 2, "Your turn", "");
        ExpectItem(window, step, item, true, false);
        GetWindowRect(window, &after);
        ok(EqualRect(&before, &after), "%s: window expected as before", step);
    }
}

// White (the computer) has four in row 10; the human's stone elsewhere lets it make five. Its reply leaves
// no "Your turn"; the five, painted, names the winner; with Sound off its first blink is silent.
static void ComputersFiveWithSoundOff() {
    Command(window, IDM_SOUND);
    SetUpPosition(window, {{1, 1}, {10, 10}, {1, 3}, {11, 10}, {1, 5}, {12, 10}, {1, 7}, {13, 10}});
    ClickIntersection(window, 3, 15);
    Expect("Sound off, after Click(3, 15)", 9, "Computer's turn", "");
    ok(RunUntilTick(window, IDT_COMPUTER_REPLY), "Sound off, after Click(3, 15): expected the reply's timer");
    Expect("Sound off, after the reply", 10, "Computer's turn", "");
    UpdateWindow(window);
    Expect("Sound off, after the reply's paint", 10, "Computer win !", "");
    ok(RunUntilTick(window, IDT_WIN_HIGHLIGHT), "Sound off, after the five's paint: expected a blink");
    ok(!strcmp(heard, ""), "Sound off, after the first blink: heard expected nothing, got \"%s\"", heard);
    Command(window, IDM_SOUND);
}

int main() {
    window = StartFreshGame();
    IgnoredBetweenTwoPeople();
    CheckedItemsChosenAgain();
    ComputersFiveWithSoundOff();
    ExitGame(window);
    return CheckSummary("passed_over");
}
