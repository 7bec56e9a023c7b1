// Start-up and shut-down of the real game: the window, menu and status bar
// as the saved options say, and the settings file written at exit only
// when something changed. The entry point itself runs here too.
#include "app/win_main.cpp"

#include "game_window.h"
#include "view/geometry_win32.h"
#include "view/window_size.h"

static const int kDefaults[9] = {1, 2, 1, 1, 0, 0, 1, 1, 1};
static const char* const kIni = "Kivrano.ini";

// The size a stored fixed size opens with on this screen.
static int OpeningSize(int stored) { return SizeFitsScreen(stored) ? stored : 0; }

static RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

static bool FileHolds(const unsigned char expected[55]) {
    unsigned char bytes[64];
    int size = ReadWholeFile(kIni, bytes, sizeof bytes);
    if (size != 55) {
        printf("Kivrano.ini holds %d bytes\n", size);
        return false;
    }
    if (memcmp(bytes, expected, 55) == 0) return true;
    for (int i = 0; i < 55; i++) printf("%02x%s", bytes[i], i % 11 == 10 ? " | " : " ");
    printf("<- got\n");
    for (int i = 0; i < 55; i++) printf("%02x%s", expected[i], i % 11 == 10 ? " | " : " ");
    printf("<- expected\n");
    return false;
}

static void WriteSettings(const int options9[9], int x, int y, int sizeRecord, int height) {
    unsigned char bytes[55];
    BuildSettingsBytes(bytes, options9, x, y, sizeRecord, height);
    WriteWholeFile(kIni, bytes, 55);
}

// The check marks and grayed items of every command, exactly.
static void CheckMenuState(HWND window, const int* checked, int checkedCount, const int* grayed, int grayedCount,
                           const char* when) {
    for (int item = IDM_NEW_GAME; item <= IDM_ABOUT; item++) {
        bool wantChecked = false;
        bool wantGrayed = false;
        for (int i = 0; i < checkedCount; i++) wantChecked |= checked[i] == item;
        for (int i = 0; i < grayedCount; i++) wantGrayed |= grayed[i] == item;
        ok(Checked(window, item) == wantChecked, "%s: item %d should %sbe checked", when, item, wantChecked ? "" : "not ");
        ok(Grayed(window, item) == wantGrayed, "%s: item %d should %sbe grayed", when, item, wantGrayed ? "" : "not ");
    }
}

// Adds the sizes that do not fit the screen to a list of grayed items.
static int AddUnfitSizes(int* grayed, int count) {
    for (int size = 1; size <= 4; size++)
        if (!SizeFitsScreen(size)) grayed[count++] = IDM_SIZE_TINY + size;
    return count;
}

static void StartWithoutSettingsFile() {
    DeleteFileA(kIni);
    HWND window = StartGame();
    ok(window != NULL, "expected the main window");
    if (window == NULL) return;

    int size = OpeningSize(2);
    RECT rect = WindowRect(window);
    int wantHeight = kWindowSize[size] + 38 + 20;
    ok(rect.right - rect.left == kWindowSize[size] && rect.bottom - rect.top == wantHeight,
       "expected a %d x %d window, got %ld x %ld", kWindowSize[size], wantHeight, rect.right - rect.left,
       rect.bottom - rect.top);
    RECT client;
    GetClientRect(window, &client);
    ok(client.right == kWindowSize[size] - 6, "expected a client area %d wide, got %ld", kWindowSize[size] - 6,
       client.right);
    ok(boardGeometry.cellWidth == 18 + 6 * size && boardGeometry.boardLeft == 0,
       "expected %d-pixel cells from the left edge, got %d at %d", 18 + 6 * size, boardGeometry.cellWidth,
       boardGeometry.boardLeft);

    LONG style = GetWindowLongA(window, GWL_STYLE);
    ok((style & WS_OVERLAPPEDWINDOW) == 0xCA0000,
       "expected a fixed-size window: caption, system menu, minimize box, got 0x%lx", (unsigned long)style);
    char text[32];
    GetWindowTextA(window, text, sizeof text);
    ok(strcmp(text, "Kivrano") == 0, "expected the title Kivrano, got \"%s\"", text);
    GetClassNameA(window, text, sizeof text);
    ok(strcmp(text, "Kivrano") == 0, "expected the class Kivrano, got \"%s\"", text);
    ok(GetClassLongPtrA(window, GCL_STYLE) == (CS_HREDRAW | CS_VREDRAW), "expected the class to redraw on size changes");
    ok(GetClassLongPtrA(window, GCLP_HBRBACKGROUND) == (ULONG_PTR)GetStockObject(GRAY_BRUSH), "expected a gray background");
    ok(GetClassLongPtrA(window, GCLP_HICON) != 0 && GetClassLongPtrA(window, GCLP_HICONSM) != 0,
       "expected the program icon as large and small icon");

    int checked[] = {106, 108, IDM_SIZE_TINY + size, 117, 118, 119, 120, 121};
    int grayed[8] = {IDM_UNDO, IDM_REDO};
    int grayedCount = AddUnfitSizes(grayed, 2);
    CheckMenuState(window, checked, 8, grayed, grayedCount, "no settings file");

    ok(IsWindowVisible(statusBarWindow), "expected the status bar shown");
    ok(StatusIs(0, "Your turn"), "expected \"Your turn\", got \"%s\"", StatusText(0));
    ok(StatusIs(1, "Computer vs Person"), "expected \"Computer vs Person\", got \"%s\"", StatusText(1));
    ok(Phase == 1 && moveCount == 0, "expected Black to move on an empty board, got Phase %d, %d moves", (int)Phase,
       (int)moveCount);
    ok(!FileThere(kIni), "the settings file is written at exit only");

    // Exit saves the options and the window's place.
    rect = WindowRect(window);
    ExitGame(window);
    ok(!IsWindow(window), "expected Exit to destroy the window");
    unsigned char expected[55];
    BuildSettingsBytes(expected, kDefaults, rect.left, rect.top, size, rect.bottom - rect.top);
    ok(FileHolds(expected), "expected Exit to write the defaults and the window's rectangle");
}

static void CloseWithoutChange() {
    // An old time stamp shows whether the file is written again.
    FILETIME old = {0x2A4E0000, 0x01C07385};
    HANDLE file = CreateFileA(kIni, FILE_WRITE_ATTRIBUTES, 0, NULL, OPEN_EXISTING, 0, NULL);
    SetFileTime(file, NULL, NULL, &old);
    CloseHandle(file);
    unsigned char before[55];
    ReadWholeFile(kIni, before, 55);

    HWND window = StartGame();
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);  // the system's close, not Exit
    PumpMessages();
    ForgetGame();
    ok(!IsWindow(window), "expected the close to destroy the window");

    FILETIME written = {};
    file = CreateFileA(kIni, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    GetFileTime(file, NULL, NULL, &written);
    CloseHandle(file);
    ok(CompareFileTime(&old, &written) == 0, "closing without a change should leave the file untouched");
    ok(FileHolds(before), "closing without a change should leave the bytes as they were");
}

// WinMain's own loop: a change, then Exit from the menu; WinMain gives 0.
static RECT exitRect;
static int exitTicks;

static VOID CALLBACK ChangeAndExit(HWND, UINT, UINT_PTR timer, DWORD) {
    if (++exitTicks != 1) return;
    KillTimer(NULL, timer);
    HWND window = FindWindowA("Kivrano", NULL);
    Command(window, IDM_SPEED_FAST);
    Command(window, IDM_CONTINUOUS_PLAY);
    exitRect = WindowRect(window);
    Command(window, IDM_EXIT);
}

static VOID CALLBACK EndStuckLoop(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); }

static void ExitThroughWinMain() {
    exitTicks = 0;
    SetTimer(NULL, 0, 50, ChangeAndExit);
    UINT_PTR guard = SetTimer(NULL, 0, 20000, EndStuckLoop);
    int result = WinMain(ProgramModule(), NULL, (LPSTR) "", SW_SHOWNORMAL);
    KillTimer(NULL, guard);
    ForgetGame();
    ok(result == 0 && exitTicks >= 1, "expected WinMain to end with 0 after Exit, got %d", result);
    int changed[9] = {1, 2, 1, 0, 0, 1, 1, 1, 1};
    unsigned char expected[55];
    BuildSettingsBytes(expected, changed, exitRect.left, exitRect.top, OpeningSize(2), exitRect.bottom - exitRect.top);
    ok(FileHolds(expected), "expected Exit to write the changed options byte for byte");
}

static void WrongHeaderIsDeleted() {
    // Options far from the defaults, under a header of another version.
    int other[9] = {0, 1, 2, 0, 1, 1, 0, 0, 0};
    unsigned char bytes[55];
    BuildSettingsBytes(bytes, other, 10, 10, 0, 300);
    bytes[1] = 47;
    WriteWholeFile(kIni, bytes, 55);

    HWND window = StartGame();
    ok(!FileThere(kIni), "expected the file with a wrong header deleted at start-up");
    int checked[] = {106, 108, IDM_SIZE_TINY + OpeningSize(2), 117, 118, 119, 120, 121};
    int grayed[8] = {IDM_UNDO, IDM_REDO};
    CheckMenuState(window, checked, 8, grayed, AddUnfitSizes(grayed, 2), "wrong header");
    ok(StatusIs(1, "Computer vs Person"), "expected the default mode, got \"%s\"", StatusText(1));
    RECT rect = WindowRect(window);
    ExitGame(window);
    unsigned char expected[55];
    BuildSettingsBytes(expected, kDefaults, rect.left, rect.top, OpeningSize(2), rect.bottom - rect.top);
    ok(FileHolds(expected), "expected a fresh file with the defaults at exit");
}

static void StoredFreeSize() {
    WriteSettings(kDefaults, 40, 30, 700, 500);
    HWND window = StartGame();
    RECT rect = WindowRect(window);
    ok(rect.left == 40 && rect.top == 30 && rect.right == 740 && rect.bottom == 530,
       "expected the Free window at (40,30,740,530), got (%ld,%ld,%ld,%ld)", rect.left, rect.top, rect.right,
       rect.bottom);
    LONG style = GetWindowLongA(window, GWL_STYLE);
    ok((style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) == (WS_THICKFRAME | WS_MAXIMIZEBOX),
       "expected a sizing border and a maximize box, got style 0x%lx", (unsigned long)style);
    ok(Checked(window, IDM_SIZE_FREE) && !Checked(window, IDM_SIZE_MEDIUM), "expected Free to carry the check mark");
    ok(options.sizeIndex == 5, "expected sizeIndex 5, got %d", (int)options.sizeIndex);
    ExitGame(window);
    unsigned char expected[55];
    BuildSettingsBytes(expected, kDefaults, 40, 30, 700, 500);
    ok(FileHolds(expected), "expected the Free size stored again as its width and height");
}

static void StoredPersonVsPerson() {
    int twoPeople[9] = {1, 2, 2, 1, 0, 0, 1, 1, 1};
    WriteSettings(twoPeople, 60, 40, 2, 0);
    HWND window = StartGame();
    int size = OpeningSize(2);
    int checked[] = {106, 108, IDM_SIZE_TINY + size, 117, 118, 119, 121};
    int grayed[12] = {IDM_UNDO, IDM_REDO, 105, 106, 121, 122};
    CheckMenuState(window, checked, 7, grayed, AddUnfitSizes(grayed, 6), "stored gameMode 2");
    ok(StatusIs(0, "Black's turn") && StatusIs(1, "Person vs Person"),
       "expected \"Black's turn\" and \"Person vs Person\", got \"%s\" and \"%s\"", StatusText(0), StatusText(1));
    ExitGame(window);
}

static void StoredSizeTooTall() {
    int tooTall = -1;
    for (int size = 4; size >= 1 && tooTall < 0; size--)
        if (!SizeFitsScreen(size)) tooTall = size;
    if (tooTall < 0) {
        printf("every size fits a screen %d pixels high; nothing to check\n", GetSystemMetrics(SM_CYSCREEN));
        return;
    }
    WriteSettings(kDefaults, 20, 20, tooTall, 0);
    HWND window = StartGame();
    RECT rect = WindowRect(window);
    ok(rect.right - rect.left == 354 && rect.bottom - rect.top == 412,
       "size %d does not fit a screen %d high: expected Tiny 354 x 412, got %ld x %ld", tooTall,
       GetSystemMetrics(SM_CYSCREEN), rect.right - rect.left, rect.bottom - rect.top);
    int checked[] = {106, 108, IDM_SIZE_TINY, 117, 118, 119, 120, 121};
    int grayed[8] = {IDM_UNDO, IDM_REDO};
    CheckMenuState(window, checked, 8, grayed, AddUnfitSizes(grayed, 2), "stored size too tall");
    ExitGame(window);
}

static void StoredOptionsShow() {
    // Man, computer Black, Fast, double three allowed, continuous play, no
    // marker, no sound, no status bar, Small.
    int stored[9] = {0, 1, 1, 0, 1, 1, 0, 0, 0};
    WriteSettings(stored, 30, 20, 1, 0);
    HWND window = StartGame();
    RECT rect = WindowRect(window);
    ok(rect.right - rect.left == 470 && rect.bottom - rect.top == 508,
       "expected Small without the status bar, 470 x 508, got %ld x %ld", rect.right - rect.left,
       rect.bottom - rect.top);
    ok(!IsWindowVisible(statusBarWindow), "expected the status bar hidden");
    int checked[] = {105, 107, 109, 111, 116, 120, 122};
    int grayed[8] = {IDM_UNDO, IDM_REDO};
    CheckMenuState(window, checked, 7, grayed, AddUnfitSizes(grayed, 2), "stored options");
    // The first paint lets the computer, playing Black, open the game.
    bool replied = RunUntilTick(window, IDT_COMPUTER_REPLY);
    ok(replied && Board[10][10] == Black && Phase == 2, "expected the computer to open at (10,10)");
    ExitGame(window);
}

// Start-up that cannot create its windows ends with 0 and leaves nothing.
static const char* vetoedClass;

static LRESULT CALLBACK VetoCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        char name[64];
        GetClassNameA((HWND)wParam, name, sizeof name);
        if (lstrcmpiA(name, vetoedClass) == 0) return 1;
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}

static void CreationFails(const char* windowClass) {
    DeleteFileA(kIni);
    vetoedClass = windowClass;
    HHOOK hook = SetWindowsHookExA(WH_CBT, VetoCreation, NULL, GetCurrentThreadId());
    UINT_PTR guard = SetTimer(NULL, 0, 5000, EndStuckLoop);
    int result = WinMain(ProgramModule(), NULL, (LPSTR) "", SW_SHOWNORMAL);
    KillTimer(NULL, guard);
    UnhookWindowsHookEx(hook);
    MSG quit;
    bool quitPosted = PeekMessageA(&quit, NULL, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
    ok(result == 0, "%s not created: expected WinMain to return 0, got %d", windowClass, result);
    ok(FindWindowA("Kivrano", NULL) == NULL, "%s not created: expected no main window left", windowClass);
    ok(!quitPosted, "%s not created: expected no quit message left behind", windowClass);
    ok(!FileThere(kIni), "%s not created: expected no settings file written", windowClass);
    ok(statusBarWindow == NULL, "%s not created: expected no status bar", windowClass);
    ForgetGame();
}

int main() {
    RecordBeepsAndSounds();
    StartWithoutSettingsFile();
    CloseWithoutChange();
    ExitThroughWinMain();
    WrongHeaderIsDeleted();
    StoredFreeSize();
    StoredPersonVsPerson();
    StoredSizeTooTall();
    StoredOptionsShow();
    CreationFails("Kivrano");
    CreationFails("msctls_statusbar32");
    return CheckSummary("startup");
}
