// Two people at one mouse on the real main window: turns and their texts,
// Undo and Redo two plies at a time with their menu items and the marker,
// a placement that cuts off the moves that could be redone, and fives of
// either colour blinking with their texts. The computer never moves.
#include "game_window.h"

static void Settle(HWND window) {
    PumpCounting(50);
    ValidateRect(window, NULL);
}

static void CheckTurn(HWND window, int x, int y, Cell colour, int phase, const char* text) {
    ok(Board[x][y] == colour && Phase == phase, "(%d,%d): expected colour %d and Phase %d, got %d and %d", x, y,
       (int)colour, phase, (int)Board[x][y], (int)Phase);
    ok(StatusIs(0, text), "after (%d,%d): expected \"%s\", got \"%s\"", x, y, text, StatusText(0));
    (void)window;
}

static void UndoAndRedo(HWND window) {
    Settle(window);
    Click(window, 10, 10);
    CheckTurn(window, 10, 10, Black, 2, "White's turn");
    ok(!Grayed(window, IDM_UNDO) && Grayed(window, IDM_REDO), "expected Undo enabled by the first stone");
    Click(window, 11, 10);
    CheckTurn(window, 11, 10, White, 1, "Black's turn");
    Click(window, 10, 11);
    CheckTurn(window, 10, 11, Black, 2, "White's turn");
    ok(moveCount == 3, "expected 3 moves, got %d", (int)moveCount);
    Settle(window);

    Command(window, IDM_UNDO);
    ok(Board[10][11] == Empty && Board[11][10] == Empty && Board[10][10] == Black && Phase == 2 && moveCount == 1,
       "expected Undo to take back (10,11) and (11,10), White to move; got Phase %d, %d moves", (int)Phase,
       (int)moveCount);
    ok(!Grayed(window, IDM_UNDO) && !Grayed(window, IDM_REDO), "expected Undo still enabled and Redo enabled");
    PixelRect undone[3] = {CellRect(10, 11), CellRect(11, 10), MarkerRect()};
    ok(UpdateRegionIsUnion(window, undone, 3), "expected the two freed cells and the marker of (10,10) repainted");
    ok(StatusIs(0, "White's turn"), "Undo sets no text; expected \"White's turn\", got \"%s\"", StatusText(0));
    UpdateWindow(window);
    ok(CountColour(window, MarkerRect(), kMagenta) > 0, "expected the marker drawn on (10,10)");
    Settle(window);

    Command(window, IDM_UNDO);
    ok(StonesOnBoard() == 0 && Phase == 1 && moveCount == 0, "expected the board empty with Black to move");
    ok(Grayed(window, IDM_UNDO) && !Grayed(window, IDM_REDO), "expected Undo grayed and Redo still enabled");
    ok(UpdateRegionIs(window, ToRect(CellRect(10, 10))), "expected only the freed cell repainted, no marker");
    ok(StatusIs(0, "White's turn"), "Undo sets no text; expected \"White's turn\", got \"%s\"", StatusText(0));
    Settle(window);

    Command(window, IDM_REDO);
    ok(Board[10][10] == Black && Board[11][10] == White && Phase == 1 && moveCount == 2,
       "expected Redo to replay (10,10) and (11,10), Black to move");
    ok(!Grayed(window, IDM_UNDO) && !Grayed(window, IDM_REDO), "expected Undo enabled, Redo still enabled for (10,11)");
    PixelRect redone[2] = {CellRect(10, 10), CellRect(11, 10)};
    ok(UpdateRegionIsUnion(window, redone, 2), "expected the two replayed cells repainted");
    Settle(window);

    // A new stone instead of the recorded one cuts the record off.
    PixelRect oldMarker = MarkerRect();
    Click(window, 9, 9);
    ok(Grayed(window, IDM_REDO), "expected Redo grayed by the new stone");
    ok(historyX[2] == 9 && historyY[2] == 9 && historyX[3] == 0, "expected the record to end after (9,9)");
    PixelRect placed[2] = {oldMarker, CellRect(9, 9)};
    ok(UpdateRegionIsUnion(window, placed, 2), "expected the old marker and the new cell repainted");
    Command(window, IDM_REDO);
    ok(moveCount == 3 && Phase == 2, "expected Redo to replay nothing now");
}

static bool LineIs(int x0, int y0, int dx, int dy, Cell value) {
    for (int k = 0; k < 5; k++)
        if (Board[x0 + k * dx][y0 + k * dy] != value) return false;
    return true;
}

static void BlackWins(HWND window) {
    // White to move after (9,9); Black fills the row y = 15 from the edge.
    static const int plays[][2] = {{1, 17}, {1, 15}, {3, 17}, {2, 15}, {5, 17}, {3, 15},
                                   {7, 17}, {4, 15}, {9, 17}, {5, 15}};
    for (const auto& play : plays) {
        Click(window, play[0], play[1]);
        PumpCounting(20);
    }
    ok(Phase == 4 && winnerColour == Black && winDirection == 1 && historyX[0] == 1 && historyY[0] == 15,
       "expected Black's five along row 15 from (1,15), got Phase %d", (int)Phase);
    UpdateWindow(window);
    ok(StatusIs(0, "Black win !"), "expected \"Black win !\", got \"%s\"", StatusText(0));
    for (int tick = 1; tick <= 7; tick++) {
        RunUntilTick(window, IDT_WIN_HIGHLIGHT);
        bool shown = tick % 2 == 0 || tick == 7;
        ok(LineIs(1, 15, 1, 0, shown ? Black : Empty) && StatusIs(0, shown ? "Black win !" : ""),
           "tick %d: expected the five %s and \"%s\", got \"%s\"", tick, shown ? "shown" : "hidden",
           shown ? "Black win !" : "", StatusText(0));
    }
    ok(Phase == 10, "expected the blinking finished, got Phase %d", (int)Phase);
}

static void WhiteWins(HWND window) {
    static const int moves[][2] = {{1, 1}, {10, 10}, {1, 3}, {10, 11}, {1, 5}, {10, 12}, {1, 7}, {10, 13}, {1, 9}};
    SetUpPosition(window, moves, 9);
    Click(window, 10, 14);
    ok(Phase == 4 && winnerColour == White, "expected White's five, got Phase %d, winner %d", (int)Phase,
       (int)winnerColour);
    UpdateWindow(window);
    ok(StatusIs(0, "White win !"), "expected \"White win !\", got \"%s\"", StatusText(0));
    RunUntilTick(window, IDT_WIN_HIGHLIGHT);
    ok(StatusIs(0, "") && LineIs(10, 10, 0, 1, Empty), "expected the five and its text hidden at the first tick");
    RunUntilTick(window, IDT_WIN_HIGHLIGHT);
    ok(StatusIs(0, "White win !") && LineIs(10, 10, 0, 1, White), "expected them back at the second tick");
    ClearGame(window);
    ok(StatusIs(0, "Black's turn"), "expected \"Black's turn\" in a new game, got \"%s\"", StatusText(0));
}

int main() {
    RecordBeepsAndSounds();
    CopyAssets();
    DeleteFileA("Kivrano.ini");
    HWND window = StartGame();
    replyTicks = 0;
    Command(window, IDM_COMPUTER_VS_PERSON);
    Command(window, IDM_SPEED_FAST);
    ok(options.gameMode == 2, "expected Person vs Person");
    ok(StatusIs(0, "Black's turn") && StatusIs(1, "Person vs Person"),
       "expected \"Black's turn\" and \"Person vs Person\", got \"%s\" and \"%s\"", StatusText(0), StatusText(1));
    UndoAndRedo(window);
    BlackWins(window);
    WhiteWins(window);
    PumpCounting(300);
    ok(replyTicks == 0, "expected no computer reply between two people, got %d", replyTicks);
    ExitGame(window);
    return CheckSummary("two_player_game");
}
