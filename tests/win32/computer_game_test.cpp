// A game against the computer on the real main window, step by step: the
// human's click, the reply started only by the paint that shows it, the
// marker, the five blinking in seven ticks with the status text in step,
// continuous play, New Game during the blinking, a full board, and a
// computer left without a move.
#include "game_window.h"

static bool haveImages = false;

static HWND gameWindow;

static int MarkerPixels(const PixelRect& area) { return CountColour(gameWindow, area, kMagenta); }

static void FirstExchange(HWND window) {
    ForgetSounds();
    int beepsBefore = beeps;
    ValidateRect(window, NULL);  // from here the update region shows the click's work
    Click(window, 10, 10);
    ok(Board[10][10] == Black && Phase == 2 && moveCount == 1,
       "expected Black's stone at (10,10) and White to move, got cell %d, Phase %d, %d moves", (int)Board[10][10],
       (int)Phase, (int)moveCount);
    ok(!Grayed(window, IDM_UNDO) && Grayed(window, IDM_REDO), "expected Undo enabled and Redo grayed by the first stone");
    ok(StatusIs(0, "Computer's turn"), "expected \"Computer's turn\", got \"%s\"", StatusText(0));
    ok(strcmp(soundsPlayed, "putstone.wav/20001") == 0, "expected putstone.wav played asynchronously, got \"%s\"",
       soundsPlayed);
    ok(UpdateRegionIs(window, ToRect(CellRect(10, 10))), "expected exactly the new stone's cell to be repainted");

    // Nothing answers a board that has not been painted.
    ok(!TimerWaiting(window, IDT_COMPUTER_REPLY, 700), "expected no reply before the paint");
    Click(window, 5, 5);
    ok(Board[5][5] == Empty && moveCount == 1 && beeps == beepsBefore,
       "a click while the computer is to move should be ignored without a beep");

    UpdateWindow(window);
    ok(MarkerPixels(MarkerRect()) > 0, "expected the magenta marker on the human's stone after the paint");
    ok(TimerWaiting(window, IDT_COMPUTER_REPLY, 3000), "expected the paint to start the computer's reply");
    ok(Board[11][10] == Empty && moveCount == 1, "expected no stone before the reply timer is handled");
    Click(window, 5, 5);
    ok(Board[5][5] == Empty && beeps == beepsBefore, "a click while the reply is pending should be ignored");

    PixelRect oldMarker = MarkerRect();
    replyTicks = 0;
    MSG tick;
    PeekMessageA(&tick, window, WM_TIMER, WM_TIMER, PM_REMOVE);
    Dispatch(tick);
    ok(Board[11][10] == White && Phase == 1 && moveCount == 2,
       "expected the computer's stone at (11,10) and Black to move, got cell %d, Phase %d, %d moves",
       (int)Board[11][10], (int)Phase, (int)moveCount);
    ok(StatusIs(0, "Your turn"), "expected \"Your turn\" after the reply, got \"%s\"", StatusText(0));
    PixelRect changed[2] = {oldMarker, CellRect(11, 10)};
    ok(UpdateRegionIsUnion(window, changed, 2), "expected the old marker and the computer's cell to be repainted");

    PumpCounting(900);
    ok(replyTicks == 1, "expected the reply timer to fire once, got %d ticks", replyTicks);
    ok(MarkerPixels(MarkerRect()) > 0, "expected the marker on the computer's stone");
    if (haveImages) ok(MarkerPixels(oldMarker) == 0, "expected the marker gone from the human's stone");
}

// Black to move with four in the column x = 10 from row 10 down; White's
// stones stand apart.
static void SetUpFour(HWND window) {
    static const int moves[][2] = {{10, 10}, {11, 10}, {10, 11}, {1, 1}, {10, 12}, {1, 3}, {10, 13}, {1, 5}};
    SetUpPosition(window, moves, 8);
}

static bool FiveIs(Cell value) {
    for (int y = 10; y <= 14; y++)
        if (Board[10][y] != value) return false;
    return true;
}

static void WinAndBlink(HWND window) {
    SetUpFour(window);
    ForgetSounds();
    int beepsBefore = beeps;
    Click(window, 10, 14);
    ok(Phase == 4 && winDirection == 3 && winnerColour == Black && historyX[0] == 10 && historyY[0] == 10,
       "expected the five from (10,10) down: Phase %d, direction %d, winner %d, start (%d,%d)", (int)Phase,
       (int)winDirection, (int)winnerColour, (int)historyX[0], (int)historyY[0]);
    ok(StatusIs(0, "Your turn"), "no turn text after a five; expected \"Your turn\" left, got \"%s\"", StatusText(0));
    ok(!Grayed(window, IDM_UNDO), "Undo is grayed by the paint that shows the five, not before");
    ok(!TimerWaiting(window, IDT_WIN_HIGHLIGHT, 500), "expected no blinking before the paint");

    UpdateWindow(window);
    ok(Grayed(window, IDM_UNDO) && Grayed(window, IDM_REDO), "expected Undo and Redo grayed once the five is shown");
    ok(StatusIs(0, "You win !"), "expected \"You win !\", got \"%s\"", StatusText(0));
    ok(MarkerPixels(MarkerRect()) > 0, "expected the marker on the winning stone before the blinking");

    struct Step {
        int phase;
        Cell five;
        const char* text;
    };
    static const Step kTicks[7] = {{5, Empty, ""}, {6, Black, "You win !"}, {7, Empty, ""}, {8, Black, "You win !"},
                                   {9, Empty, ""}, {10, Black, "You win !"}, {10, Black, "You win !"}};
    for (int i = 0; i < 7; i++) {
        bool ticked = RunUntilTick(window, IDT_WIN_HIGHLIGHT);
        ok(ticked && Phase == kTicks[i].phase && FiveIs(kTicks[i].five) && StatusIs(0, kTicks[i].text),
           "tick %d: expected Phase %d, five %d, \"%s\"; got tick %d, Phase %d, cell %d, \"%s\"", i + 1,
           kTicks[i].phase, (int)kTicks[i].five, kTicks[i].text, ticked, (int)Phase, (int)Board[10][10],
           StatusText(0));
    }
    ok(strcmp(soundsPlayed, "putstone.wav/20001 finish.wav/20001") == 0,
       "expected finish.wav once, at the first tick, got \"%s\"", soundsPlayed);
    highlightTicks = 0;
    PumpCounting(1000);
    ok(highlightTicks == 0, "expected the seventh tick to stop the timer, got %d more ticks", highlightTicks);
    if (haveImages) ok(MarkerPixels(MarkerRect()) == 0, "expected no marker after the blinking");

    Click(window, 5, 5);
    ok(Board[5][5] == Empty && Phase == 10 && beeps == beepsBefore, "clicks after a five should be ignored silently");
    ok(Grayed(window, IDM_UNDO) && Grayed(window, IDM_REDO), "expected Undo and Redo to stay grayed");

    ForgetSounds();
    Command(window, IDM_NEW_GAME);
    ok(Phase == 1 && StonesOnBoard() == 0 && moveCount == 0, "expected New Game to clear the board for Black");
    ok(StatusIs(0, "Your turn"), "expected \"Your turn\" after New Game, got \"%s\"", StatusText(0));
    ok(strcmp(soundsPlayed, "clear.wav/20001") == 0, "expected clear.wav, got \"%s\"", soundsPlayed);
    PumpMessages();
}

static void ContinuousPlay(HWND window) {
    Command(window, IDM_CONTINUOUS_PLAY);
    Command(window, IDM_SPEED_FAST);
    SetUpFour(window);
    Click(window, 10, 14);
    UpdateWindow(window);
    for (int i = 0; i < 6; i++) RunUntilTick(window, IDT_WIN_HIGHLIGHT);
    ok(Phase == 10 && FiveIs(Black), "expected the five shown at Phase 10 after six ticks, got Phase %d", (int)Phase);
    ForgetSounds();
    bool ticked = RunUntilTick(window, IDT_WIN_HIGHLIGHT);
    ok(ticked && Phase == 1 && StonesOnBoard() == 0, "expected the seventh tick to start a new game, got Phase %d, %d stones",
       (int)Phase, StonesOnBoard());
    ok(StatusIs(0, "Your turn"), "expected the new game's \"Your turn\", got \"%s\"", StatusText(0));
    ok(strstr(soundsPlayed, "clear.wav") != NULL, "expected clear.wav at the restart, got \"%s\"", soundsPlayed);
    ok(Grayed(window, IDM_UNDO) && Grayed(window, IDM_REDO), "expected Undo and Redo grayed after the restart");
    highlightTicks = 0;
    PumpCounting(500);
    ok(highlightTicks == 0, "expected the blinking over, got %d ticks", highlightTicks);
    Command(window, IDM_CONTINUOUS_PLAY);
}

static void NewGameDuringBlinking(HWND window) {
    SetUpFour(window);
    Click(window, 10, 14);
    UpdateWindow(window);
    for (int i = 0; i < 3; i++) RunUntilTick(window, IDT_WIN_HIGHLIGHT);
    ok(Phase == 7, "expected Phase 7 after three ticks, got %d", (int)Phase);
    Command(window, IDM_NEW_GAME);
    ok(Phase == 1 && StonesOnBoard() == 0, "expected New Game to clear the board at once");
    bool ticked = RunUntilTick(window, IDT_WIN_HIGHLIGHT);
    ok(ticked && Phase == 1 && StonesOnBoard() == 0,
       "expected the stale tick to stop the timer without touching the board, got Phase %d, %d stones", (int)Phase,
       StonesOnBoard());
    highlightTicks = 0;
    PumpCounting(500);
    ok(highlightTicks == 0, "expected no tick after the stale one, got %d", highlightTicks);
}

static void FullBoardRestarts(HWND window) {
    static int moves[361][2];
    FullBoardMoves(moves);
    SetUpPosition(window, moves, 360);
    ok(Phase == 1, "expected Black to place the last stone");
    ForgetSounds();
    Click(window, moves[360][0], moves[360][1]);
    ok(moveCount == 361 && Phase == 2 && winDirection == 0, "expected 361 stones without a five, White to move");
    UpdateWindow(window);
    ok(moveCount == 0 && StonesOnBoard() == 0 && Phase == 2,
       "expected the paint to clear the full board with White still to move, got %d stones, Phase %d",
       StonesOnBoard(), (int)Phase);
    ok(Grayed(window, IDM_UNDO), "expected Undo grayed on the cleared board");
    ok(strcmp(soundsPlayed, "putstone.wav/20001 clear.wav/20001") == 0, "expected the stone's and the clearing's sounds, got \"%s\"",
       soundsPlayed);
    ok(StatusIs(0, "Computer's turn"), "expected the turn text left as it was, got \"%s\"", StatusText(0));
    // White, the computer, opens the next game in the centre.
    bool replied = RunUntilTick(window, IDT_COMPUTER_REPLY);
    ok(replied && Board[10][10] == White && Phase == 1 && moveCount == 1,
       "expected the computer to open at (10,10) with White, got cell %d, Phase %d", (int)Board[10][10], (int)Phase);
    ClearGame(window);
}

static void NoMoveForTheComputer(HWND window) {
    // Only a board without an empty point leaves the computer nothing; play
    // restarts such a board before the computer is asked, so its handler is
    // called here on one, as a timer that outlived it would.
    static int moves[361][2];
    FullBoardMoves(moves);
    PumpMessages();
    for (int i = 0; i < 361; i++) {
        Board[moves[i][0]][moves[i][1]] = i % 2 == 0 ? Black : White;
        historyX[i] = moves[i][0];
        historyY[i] = moves[i][1];
    }
    moveCount = 361;
    historyX[361] = 0;
    Phase = 2;
    SetUndoEnabled(window, true);
    int beepsBefore = beeps;
    ComputerReply(window);
    ok(moveCount == 361 && StonesOnBoard() == 361 && Phase == 2, "expected nothing placed, got %d moves, Phase %d",
       (int)moveCount, (int)Phase);
    ok(historyX[361] == 0, "expected the record's end mark kept");
    ok(beeps == beepsBefore + 1, "expected one beep, got %d", beeps - beepsBefore);
    ok(StatusIs(0, kNoComputerMoveText), "expected \"%s\", got \"%s\"", kNoComputerMoveText, StatusText(0));

    // Undo frees two points and the computer, still to move, plays one.
    Command(window, IDM_UNDO);
    ok(moveCount == 359 && Phase == 2 && !Grayed(window, IDM_REDO), "expected Undo to take back two stones");
    bool replied = RunUntilTick(window, IDT_COMPUTER_REPLY);
    ok(replied && moveCount == 360 && Phase == 1, "expected the computer to move after Undo, got %d moves, Phase %d",
       (int)moveCount, (int)Phase);
    ok(StatusIs(0, "Your turn"), "expected \"Your turn\", got \"%s\"", StatusText(0));
    ClearGame(window);
    ok(StonesOnBoard() == 0 && Phase == 1, "expected New Game to work as ever");
}

int main() {
    ok(RecordBeepsAndSounds(), "expected to record MessageBeep and PlaySoundA");
    haveImages = CopyAssets();
    if (!haveImages) printf("no board image: the checks that the marker is erased are skipped\n");
    DeleteFileA("Kivrano.ini");
    HWND window = StartGame();
    gameWindow = window;
    SetForegroundWindow(window);
    FirstExchange(window);
    WinAndBlink(window);
    ContinuousPlay(window);
    NewGameDuringBlinking(window);
    FullBoardRestarts(window);
    NoMoveForTheComputer(window);
    ExitGame(window);
    return CheckSummary("computer_game");
}
