// Every menu command on the real main window: the radio groups and their
// check marks, the toggles, the window sizes and Free with their styles,
// the status bar's 20 pixels, and the mode and colour commands, which
// restart only a game in progress.
#include "game_window.h"
#include "app/menu_commands.h"
#include "view/geometry_win32.h"
#include "view/window_size.h"

static RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

static bool Sizeable(HWND window) {
    LONG style = GetWindowLongA(window, GWL_STYLE);
    return (style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) == (WS_THICKFRAME | WS_MAXIMIZEBOX);
}

static bool Fixed(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX)) == 0; }

struct RadioGroup {
    const char* name;
    int first, last;
    int32_t* remembered;
    int32_t* option;  // 0 for the first item, 1 for the second
};

static void RadioGroups(HWND window) {
    static const RadioGroup kGroups[] = {
        {"level", IDM_LEVEL_MAN, IDM_LEVEL_GOD, &checkedLevelItem, &options.level},
        {"speed", IDM_SPEED_FAST, IDM_SPEED_SLOW, &checkedSpeedItem, &options.speed},
    };
    for (const RadioGroup& group : kGroups) {
        for (int chosen = group.first; chosen <= group.last; chosen++) {
            Command(window, chosen);
            int want = chosen - group.first;
            ok(*group.option == want && *group.remembered == chosen, "%s %d: expected option %d, got %d", group.name,
               chosen, want, (int)*group.option);
            for (int item = group.first; item <= group.last; item++)
                ok(Checked(window, item) == (item == chosen), "%s %d: item %d should %sbe checked", group.name, chosen,
                   item, item == chosen ? "" : "not ");
        }
    }
    // Back to the defaults: God, Slow. Choosing the checked item changes nothing.
    Command(window, IDM_LEVEL_GOD);
    Command(window, IDM_SPEED_SLOW);
    Command(window, IDM_SPEED_SLOW);
    ok(options.speed == 1 && Checked(window, IDM_SPEED_SLOW) && !Checked(window, IDM_SPEED_FAST),
       "choosing the checked item should leave the group as it was");
}

static void Toggles(HWND window) {
    struct Toggle {
        int item;
        int32_t* option;
    };
    static const Toggle kToggles[] = {{IDM_ENABLE_3X3, &options.allowDoubleThree},
                                      {IDM_CONTINUOUS_PLAY, &options.continuousPlay},
                                      {IDM_MARK_PREVIOUS, &options.markPrevious},
                                      {IDM_SOUND, &options.sound}};
    for (const Toggle& toggle : kToggles) {
        for (int round = 0; round < 2; round++) {
            int before = *toggle.option;
            Command(window, toggle.item);
            ok(*toggle.option == 1 - before && Checked(window, toggle.item) == (*toggle.option == 1),
               "item %d: expected the option %d and its check mark to follow, got %d", toggle.item, 1 - before,
               (int)*toggle.option);
        }
    }
}

static void MarkPrevious(HWND window) {
    ClearGame(window);
    ValidateRect(window, NULL);
    Command(window, IDM_MARK_PREVIOUS);
    ok(UpdateRegionIsEmpty(window), "on an empty board only the check mark should change");
    Command(window, IDM_MARK_PREVIOUS);

    static const int moves[][2] = {{10, 10}, {11, 10}, {4, 4}};
    SetUpPosition(window, moves, 3);
    ValidateRect(window, NULL);
    Command(window, IDM_MARK_PREVIOUS);
    ok(options.markPrevious == 0 && UpdateRegionIs(window, ToRect(MarkerRect())),
       "switching the marker off should repaint exactly the marker");
    UpdateWindow(window);
    ok(CountColour(window, MarkerRect(), kMagenta) == 0 || !FileThere("board.img"), "expected the marker erased");
    Command(window, IDM_MARK_PREVIOUS);
    ok(options.markPrevious == 1 && UpdateRegionIs(window, ToRect(MarkerRect())),
       "switching the marker on should repaint exactly the marker");
    UpdateWindow(window);
    ok(CountColour(window, MarkerRect(), kMagenta) > 0, "expected the marker drawn on the last stone");
    ClearGame(window);
}

static void FixedSizes(HWND window) {
    MoveWindow(window, 50, 40, 586, 644, TRUE);
    PumpMessages();
    for (int size = 0; size <= 4; size++) {
        if (Grayed(window, IDM_SIZE_TINY + size)) {
            ok(!SizeFitsScreen(size), "size %d is grayed although it fits", size);
            continue;
        }
        Command(window, IDM_SIZE_TINY + size);
        PumpMessages();
        RECT rect = WindowRect(window);
        int height = kWindowSize[size] + 38 + 20;
        ok(rect.left == 50 && rect.top == 40 && rect.right - rect.left == kWindowSize[size] &&
               rect.bottom - rect.top == height,
           "size %d: expected %d x %d at (50,40), got %ld x %ld at (%ld,%ld)", size, kWindowSize[size], height,
           rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
        ok(boardGeometry.cellWidth == 18 + 6 * size && boardGeometry.cellHeight == 18 + 6 * size,
           "size %d: expected %d-pixel cells, got %d x %d", size, 18 + 6 * size, boardGeometry.cellWidth,
           boardGeometry.cellHeight);
        ok(options.sizeIndex == size && checkedSizeItem == IDM_SIZE_TINY + size && Checked(window, IDM_SIZE_TINY + size),
           "size %d: expected it remembered and checked", size);
        ok(Fixed(window), "size %d: expected no sizing border or maximize box", size);
    }
    Command(window, IDM_SIZE_MEDIUM);
    PumpMessages();
    for (int size = 0; size <= 5; size++)
        ok(Checked(window, IDM_SIZE_TINY + size) == (size == 2), "item %d: only Medium should be checked", 110 + size);

    // Choosing the checked size neither resizes nor repaints.
    ValidateRect(window, NULL);
    RECT before = WindowRect(window);
    Command(window, IDM_SIZE_MEDIUM);
    RECT after = WindowRect(window);
    ok(UpdateRegionIsEmpty(window) && EqualRect(&before, &after), "choosing the checked size should change nothing");
}

static void FreeSize(HWND window) {
    RECT before = WindowRect(window);
    Command(window, IDM_SIZE_FREE);
    PumpMessages();
    RECT rect = WindowRect(window);
    ok(rect.left == before.left && rect.top == before.top && rect.right == before.right + 2 &&
           rect.bottom == before.bottom + 2,
       "Free: expected 2 pixels more each way at the same corner, got (%ld,%ld,%ld,%ld)", rect.left, rect.top,
       rect.right, rect.bottom);
    ok(Sizeable(window) && options.sizeIndex == 5 && Checked(window, IDM_SIZE_FREE) && !Checked(window, IDM_SIZE_MEDIUM),
       "Free: expected a sizeable window and the check mark on Free");

    // The user sizes it; the board follows the client area.
    MoveWindow(window, rect.left, rect.top, 700, 760, TRUE);
    PumpMessages();
    RECT client;
    GetClientRect(window, &client);
    ok(boardGeometry.cellWidth == client.right / 116 * 6, "Free: expected cells of %ld pixels, got %d",
       client.right / 116 * 6, boardGeometry.cellWidth);

    Command(window, IDM_SIZE_MEDIUM);
    PumpMessages();
    rect = WindowRect(window);
    ok(rect.left == before.left && rect.top == before.top && rect.right - rect.left == 586 && rect.bottom - rect.top == 644,
       "Medium after Free: expected 586 x 644 at the same corner, got %ld x %ld", rect.right - rect.left,
       rect.bottom - rect.top);
    ok(Fixed(window) && options.sizeIndex == 2, "Medium after Free: expected no sizing border or maximize box");
}

static void StatusBar(HWND window) {
    RECT before = WindowRect(window);
    BoardGeometry geometry = boardGeometry;
    Command(window, IDM_STATUS_BAR);
    PumpMessages();
    RECT rect = WindowRect(window);
    ok(options.statusBar == 0 && !Checked(window, IDM_STATUS_BAR), "expected the status bar option off");
    ok(rect.bottom == before.bottom - 20 && rect.top == before.top && rect.right == before.right,
       "expected the window 20 pixels lower, got %ld", rect.bottom - before.bottom);
    ok(!IsWindowVisible(statusBarWindow), "expected the status bar hidden");
    ok(memcmp(&geometry, &boardGeometry, sizeof geometry) == 0, "expected the board's cells unchanged, got %d x %d",
       boardGeometry.cellWidth, boardGeometry.cellHeight);

    // No text is set while the bar is off.
    Click(window, 10, 10);
    ok(StatusIs(0, "Your turn"), "expected the hidden bar's text unchanged, got \"%s\"", StatusText(0));
    RunUntilTick(window, IDT_COMPUTER_REPLY);

    Command(window, IDM_STATUS_BAR);
    PumpMessages();
    rect = WindowRect(window);
    ok(options.statusBar == 1 && Checked(window, IDM_STATUS_BAR), "expected the status bar option on");
    ok(EqualRect(&rect, &before), "expected the window back to its size");
    ok(IsWindowVisible(statusBarWindow), "expected the status bar shown");
    ok(memcmp(&geometry, &boardGeometry, sizeof geometry) == 0, "expected the board's cells unchanged");
    ok(StatusIs(0, "Your turn") && StatusIs(1, "Computer vs Person"), "expected the texts refreshed, got \"%s\" \"%s\"",
       StatusText(0), StatusText(1));
    ClearGame(window);
}

static void CheckComputerItems(HWND window, bool enabled, const char* when) {
    const int items[] = {IDM_LEVEL_MAN, IDM_LEVEL_GOD, IDM_COLOR_BLACK, IDM_COLOR_WHITE};
    for (int item : items)
        ok(Grayed(window, item) == !enabled, "%s: item %d should be %s", when, item, enabled ? "enabled" : "grayed");
}

static void GameModeInPlay(HWND window) {
    Click(window, 10, 10);
    RunUntilTick(window, IDT_COMPUTER_REPLY);
    ok(moveCount == 2 && Phase == 1, "expected a game in progress");

    Command(window, IDM_COMPUTER_VS_PERSON);
    ok(options.gameMode == 2 && !Checked(window, IDM_COMPUTER_VS_PERSON), "expected Person vs Person, unchecked");
    CheckComputerItems(window, false, "Person vs Person");
    ok(StonesOnBoard() == 0 && Phase == 1 && Grayed(window, IDM_UNDO), "expected the game restarted");
    ok(StatusIs(0, "Black's turn") && StatusIs(1, "Person vs Person"), "expected \"Black's turn\" and the new mode, got \"%s\" \"%s\"",
       StatusText(0), StatusText(1));

    Click(window, 10, 10);
    Command(window, IDM_COMPUTER_VS_PERSON);
    ok(options.gameMode == 1 && Checked(window, IDM_COMPUTER_VS_PERSON), "expected Computer vs Person, checked");
    CheckComputerItems(window, true, "Computer vs Person");
    ok(StonesOnBoard() == 0 && Phase == 1, "expected a second restart");
    ok(StatusIs(0, "Your turn") && StatusIs(1, "Computer vs Person"), "expected \"Your turn\" and the mode, got \"%s\" \"%s\"",
       StatusText(0), StatusText(1));
}

static void ColourInPlay(HWND window) {
    Click(window, 10, 10);
    RunUntilTick(window, IDT_COMPUTER_REPLY);
    Command(window, IDM_COLOR_WHITE);
    ok(options.computerColour == 1 && Checked(window, IDM_COLOR_WHITE) && !Checked(window, IDM_COLOR_BLACK),
       "expected the human White, the computer Black");
    ok(StonesOnBoard() == 0 && Phase == 1 && StatusIs(0, "Computer's turn"),
       "expected a restart with the computer to open, got \"%s\"", StatusText(0));
    bool replied = RunUntilTick(window, IDT_COMPUTER_REPLY);
    ok(replied && Board[10][10] == Black && Phase == 2 && StatusIs(0, "Your turn"),
       "expected the computer's opening stone in the centre after the paint");

    // Taking back its only stone makes it play again at once.
    Command(window, IDM_UNDO);
    ok(moveCount == 0 && Phase == 1 && Grayed(window, IDM_UNDO), "expected its stone taken back");
    replied = RunUntilTick(window, IDT_COMPUTER_REPLY);
    ok(replied && Board[10][10] == Black && moveCount == 1, "expected the computer to open again");

    Command(window, IDM_COLOR_BLACK);
    ok(options.computerColour == 2 && StonesOnBoard() == 0 && StatusIs(0, "Your turn"), "expected a restart with the human Black");
    PumpCounting(600);
    ok(StonesOnBoard() == 0, "expected the computer to wait for the human");
}

static void ModeAndColourAfterAFive(HWND window) {
    static const int moves[][2] = {{10, 10}, {11, 10}, {10, 11}, {1, 1}, {10, 12}, {1, 3}, {10, 13}, {1, 5}};
    SetUpPosition(window, moves, 8);
    Click(window, 10, 14);
    UpdateWindow(window);
    ok(Phase == 4, "expected a five");
    int stones = StonesOnBoard();
    Command(window, IDM_COMPUTER_VS_PERSON);
    Command(window, IDM_COLOR_WHITE);
    ok(options.gameMode == 2 && options.computerColour == 1, "expected the options changed");
    CheckComputerItems(window, false, "after a five");
    ok(Phase >= 4 && StonesOnBoard() == stones, "expected the finished game to stay on the board");
    ok(StatusIs(1, "Computer vs Person"), "expected no mode text set after a five, got \"%s\"", StatusText(1));
    // The next New Game uses them.
    ClearGame(window);
    ok(Phase == 1 && StatusIs(0, "Black's turn"), "expected a game between two people, got \"%s\"", StatusText(0));
    Command(window, IDM_COMPUTER_VS_PERSON);
    Command(window, IDM_COLOR_BLACK);
    ok(options.gameMode == 1 && options.computerColour == 2, "expected the defaults back");
    PumpCounting(300);
}

static void ReplyOutlivesNewGame(HWND window) {
    // The pending reply is not cancelled: it plays for the side to move.
    Click(window, 10, 10);
    UpdateWindow(window);
    Command(window, IDM_NEW_GAME);
    bool replied = RunUntilTick(window, IDT_COMPUTER_REPLY);
    ok(replied && Board[10][10] == Black && moveCount == 1 && Phase == 2,
       "expected the pending reply to place Black's opening stone, got cell %d, Phase %d", (int)Board[10][10], (int)Phase);
    RunUntilTick(window, IDT_COMPUTER_REPLY);
    PumpCounting(300);
    ClearGame(window);
}

static void OtherIdentifiersIgnored(HWND window) {
    Options before = options;
    int moves = moveCount;
    Command(window, 100);
    Command(window, 125);
    SendMessageA(window, WM_TIMER, 203, 0);
    ok(memcmp(&before, &options, sizeof before) == 0 && moveCount == moves && IsWindow(window),
       "expected other command and timer identifiers to be ignored");
}

int main() {
    RecordBeepsAndSounds();
    CopyAssets();
    DeleteFileA("Kivrano.ini");
    HWND window = StartGame();
    RadioGroups(window);
    Toggles(window);
    MarkPrevious(window);
    FixedSizes(window);
    FreeSize(window);
    StatusBar(window);
    Command(window, IDM_SPEED_FAST);
    GameModeInPlay(window);
    ColourInPlay(window);
    ModeAndColourAfterAFive(window);
    ReplyOutlivesNewGame(window);
    OtherIdentifiersIgnored(window);
    ExitGame(window);
    return CheckSummary("menu_commands");
}
