// Helpers for the tests that drive the real main window in-process: start
// it the way WinMain does, click intersections, wait for its timers, read
// its menu and status bar, watch the modal dialogs it opens, and record
// the beeps, sounds and help calls it makes through its import table.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "app/controller.h"
#include "app/main_window.h"
#include "res/resource.h"
#include "rules/board.h"
#include "settings/options.h"
#include "view/board_geometry.h"
#include "view/marker.h"
#include "view/status_bar_win32.h"
#include "win32_check.h"

// ---- Starting and closing the game -------------------------------------

inline HINSTANCE ProgramModule() { return GetModuleHandleA(NULL); }

// Starts the game as WinMain does, up to its message loop; the test pumps.
inline HWND StartGame() {
    HWND window = StartProgram(ProgramModule(), SW_SHOWNORMAL);
    PumpMessages();
    return window;
}

// Lets a later start register the class again, and drops the WM_QUIT that
// the closing posted, so it cannot end a later message loop.
inline void ForgetGame() {
    UnregisterClassA("Kivrano", ProgramModule());
    MSG message;
    while (PeekMessageA(&message, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

// Closes the game through its Exit command and forgets it.
inline void ExitGame(HWND window) {
    SendMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    PumpMessages();
    ForgetGame();
}

// A fresh game on the board: no stones, Black to move, the menu in step.
inline void ClearGame(HWND window) {
    SendMessageA(window, WM_COMMAND, IDM_NEW_GAME, 0);
    PumpMessages();
}

// ---- The settings file --------------------------------------------------

inline bool FileThere(const char* name) { return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES; }

inline int ReadWholeFile(const char* name, unsigned char* buffer, int capacity) {
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return -1;
    DWORD got = 0;
    ReadFile(file, buffer, capacity, &got, NULL);
    CloseHandle(file);
    return (int)got;
}

inline void WriteWholeFile(const char* name, const unsigned char* bytes, int size) {
    HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written = 0;
    WriteFile(file, bytes, size, &written, NULL);
    CloseHandle(file);
}

// The 55 bytes of a settings file, built the way the file is described: a
// header and nine option bytes, then four decimal texts each written with
// its NUL into the start of the same 11-byte buffer.
inline void BuildSettingsBytes(unsigned char out[55], const int options9[9], int x, int y, int sizeRecord, int height) {
    unsigned char record[11] = {1, 46};
    for (int i = 0; i < 9; i++) record[2 + i] = (unsigned char)options9[i];
    memcpy(out, record, 11);
    int values[4] = {x, y, sizeRecord, height};
    for (int i = 0; i < 4; i++) {
        char text[16];
        int length = snprintf(text, sizeof text, "%d", values[i]);
        memcpy(record, text, length);
        if (length < 11) record[length] = 0;
        memcpy(out + 11 * (i + 1), record, 11);
    }
}

// ---- Assets --------------------------------------------------------------

// Copies the images and sounds from the repository's assets folder into
// the working directory; true when the board image is there afterwards.
inline bool CopyAssets() {
    const char* source = getenv("KIVRANO_SOURCE_DIR");
    if (source == NULL) return FileThere("board.img");
    const char* names[] = {"board.img", "black.img", "white.img", "putstone.wav", "clear.wav", "finish.wav"};
    for (const char* name : names) {
        char path[MAX_PATH];
        snprintf(path, sizeof path, "Z:%s/assets/%s", source, name);
        for (char* p = path; *p; p++)
            if (*p == '/') *p = '\\';
        CopyFileA(path, name, FALSE);
    }
    return FileThere("board.img");
}

// ---- Menu and status bar -------------------------------------------------

inline bool Checked(HWND window, int item) { return (GetMenuState(GetMenu(window), item, MF_BYCOMMAND) & MF_CHECKED) != 0; }
inline bool Grayed(HWND window, int item) { return (GetMenuState(GetMenu(window), item, MF_BYCOMMAND) & MF_GRAYED) != 0; }

// The text of a status bar part; "<none>" without a status bar.
inline const char* StatusText(int part) {
    static char text[2][128];
    if (statusBarWindow == NULL) return "<none>";
    text[part][0] = 0;
    SendMessageA(statusBarWindow, SB_GETTEXTA, part, (LPARAM)text[part]);
    return text[part];
}

inline bool StatusIs(int part, const char* expected) { return strcmp(StatusText(part), expected) == 0; }

// ---- Input and timers ----------------------------------------------------

inline void ClickAt(HWND window, int px, int py) {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(px, py));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(px, py));
}

// A left click on the grid point of intersection (x, y).
inline void Click(HWND window, int x, int y) {
    PixelPoint centre = IntersectionCentre(x, y);
    ClickAt(window, centre.x, centre.y);
}

inline void Command(HWND window, int command) { SendMessageA(window, WM_COMMAND, command, 0); }

// Counts of the game's timer messages dispatched by the pumps below.
inline int replyTicks = 0;
inline int highlightTicks = 0;

inline void Dispatch(MSG& message) {
    if (message.message == WM_TIMER && message.hwnd != NULL) {
        if (message.wParam == IDT_COMPUTER_REPLY) replyTicks++;
        if (message.wParam == IDT_WIN_HIGHLIGHT) highlightTicks++;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

// Dispatches everything for about the given time, counting the timers.
inline void PumpCounting(DWORD milliseconds) {
    DWORD start = GetTickCount();
    MSG message;
    do {
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) Dispatch(message);
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

// Dispatches everything until one tick of the window's timer has been
// dispatched, and stops right after it; false when none came in time.
inline bool RunUntilTick(HWND window, UINT_PTR timer, DWORD timeout = 3000) {
    DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < timeout) {
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
            bool wanted = message.message == WM_TIMER && message.hwnd == window && message.wParam == timer;
            Dispatch(message);
            if (wanted) return true;
        }
        Sleep(5);
    }
    return false;
}

// Waits for the window's timer message without dispatching it or anything
// else; true when it is waiting in the queue.
inline bool TimerWaiting(HWND window, UINT_PTR timer, DWORD timeout) {
    DWORD start = GetTickCount();
    MSG message;
    do {
        if (PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_NOREMOVE) && message.wParam == timer) return true;
        Sleep(5);
    } while (GetTickCount() - start < timeout);
    return false;
}

// ---- Regions and pixels --------------------------------------------------

inline RECT ToRect(const PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// True when the update region is exactly the union of the rectangles.
inline bool UpdateRegionIsUnion(HWND window, const PixelRect* rects, int count) {
    HRGN wanted = CreateRectRgn(0, 0, 0, 0);
    for (int i = 0; i < count; i++) {
        HRGN one = CreateRectRgn(rects[i].left, rects[i].top, rects[i].right, rects[i].bottom);
        CombineRgn(wanted, wanted, one, RGN_OR);
        DeleteObject(one);
    }
    HRGN actual = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(window, actual, FALSE);
    bool same = EqualRgn(actual, wanted) != 0;
    DeleteObject(actual);
    DeleteObject(wanted);
    return same;
}

// Pixels of the colour inside the client rectangle, as now on screen.
inline int CountColour(HWND window, const PixelRect& area, COLORREF colour) {
    HDC dc = GetDC(window);
    int count = 0;
    for (int y = area.top; y < area.bottom; y++)
        for (int x = area.left; x < area.right; x++)
            if (GetPixel(dc, x, y) == colour) count++;
    ReleaseDC(window, dc);
    return count;
}

const COLORREF kMagenta = RGB(255, 0, 255);

// ---- Positions -----------------------------------------------------------

// Puts stones on the board as if they had been played in this order, Black
// first, and leaves the side after them to move; everything is repainted.
inline void SetUpPosition(HWND window, const int (*moves)[2], int count) {
    for (int x = 1; x <= 19; x++)
        for (int y = 1; y <= 19; y++) Board[x][y] = Empty;
    for (int i = 0; i < count; i++) {
        Board[moves[i][0]][moves[i][1]] = i % 2 == 0 ? Black : White;
        historyX[i] = moves[i][0];
        historyY[i] = moves[i][1];
    }
    moveCount = count;
    historyX[count] = 0;
    Phase = count % 2 == 0 ? 1 : 2;
    EnableMenuItem(GetMenu(window), IDM_UNDO, count > 0 ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(GetMenu(window), IDM_REDO, MF_GRAYED);
    InvalidateRect(window, NULL, FALSE);
    PumpMessages();
}

inline int StonesOnBoard() {
    int count = 0;
    for (int x = 1; x <= 19; x++)
        for (int y = 1; y <= 19; y++)
            if (Board[x][y] != Empty) count++;
    return count;
}

// ---- Calls recorded through the import table ------------------------------

// Points this program's import of dll!function at the replacement; gives
// the original, or NULL when the program does not import it.
inline void* ReplaceImport(const char* dll, const char* function, void* replacement) {
    BYTE* base = (BYTE*)GetModuleHandleA(NULL);
    IMAGE_NT_HEADERS* headers = (IMAGE_NT_HEADERS*)(base + ((IMAGE_DOS_HEADER*)base)->e_lfanew);
    IMAGE_DATA_DIRECTORY imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (IMAGE_IMPORT_DESCRIPTOR* entry = (IMAGE_IMPORT_DESCRIPTOR*)(base + imports.VirtualAddress); entry->Name;
         entry++) {
        if (lstrcmpiA((const char*)(base + entry->Name), dll) != 0) continue;
        IMAGE_THUNK_DATA* names = (IMAGE_THUNK_DATA*)(base + entry->OriginalFirstThunk);
        IMAGE_THUNK_DATA* slots = (IMAGE_THUNK_DATA*)(base + entry->FirstThunk);
        for (; names->u1.AddressOfData; names++, slots++) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            IMAGE_IMPORT_BY_NAME* name = (IMAGE_IMPORT_BY_NAME*)(base + names->u1.AddressOfData);
            if (strcmp((const char*)name->Name, function) != 0) continue;
            DWORD protection = 0;
            VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), PAGE_READWRITE, &protection);
            void* original = (void*)slots->u1.Function;
            slots->u1.Function = (ULONG_PTR)replacement;
            VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), protection, &protection);
            return original;
        }
    }
    return NULL;
}

inline int beeps = 0;
inline char soundsPlayed[512];  // "putstone.wav clear.wav ..."

inline BOOL WINAPI RecordBeep(UINT) {
    beeps++;
    return TRUE;
}

inline BOOL WINAPI RecordSound(LPCSTR name, HMODULE, DWORD flags) {
    char entry[64];
    snprintf(entry, sizeof entry, "%s%s/%lx", soundsPlayed[0] ? " " : "", name ? name : "(null)",
             (unsigned long)flags);
    strncat(soundsPlayed, entry, sizeof soundsPlayed - strlen(soundsPlayed) - 1);
    return TRUE;
}

// Beeps and sounds are counted instead of made; false when the program
// does not import them as expected.
inline bool RecordBeepsAndSounds() {
    bool beep = ReplaceImport("user32.dll", "MessageBeep", (void*)RecordBeep) != NULL;
    bool sound = ReplaceImport("winmm.dll", "PlaySoundA", (void*)RecordSound) != NULL;
    return beep && sound;
}

inline void ForgetSounds() { soundsPlayed[0] = 0; }

// ---- Modal dialogs ---------------------------------------------------------

// What the watcher saw of the dialog that was open, and how it closed it.
struct SeenDialog {
    int shown;               // times a dialog was found open
    HWND owner;
    BOOL ownerEnabled;       // the main window while the dialog was open
    wchar_t caption[64];
    LONG style;
    int focusId;             // control that had the focus
    wchar_t firstText[64];   // the first text of a static control
    HICON icon;              // the first static control's icon, if any
    int forced;              // 1 when the dialog had to be ended by force
};

enum DialogClose { CloseWithEscape, CloseWithEnter, CloseWithCloseBox };

inline SeenDialog seenDialog;
inline DialogClose dialogClose = CloseWithEscape;
inline int watcherTicks = 0;
inline int delayTicks = 0;  // ticks to leave the dialog open before closing it

inline BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    char className[16];
    GetClassNameA(window, className, sizeof className);
    if (strcmp(className, "#32770") == 0 && IsWindowVisible(window)) {
        *(HWND*)found = window;
        return FALSE;
    }
    return TRUE;
}

inline VOID CALLBACK WatchDialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = NULL;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, (LPARAM)&dialog);
    if (dialog == NULL) return;
    watcherTicks++;
    if (watcherTicks == 1) {
        SeenDialog& seen = seenDialog;
        seen.shown++;
        seen.owner = GetWindow(dialog, GW_OWNER);
        seen.ownerEnabled = IsWindowEnabled(seen.owner);
        GetWindowTextW(dialog, seen.caption, 64);
        seen.style = GetWindowLongA(dialog, GWL_STYLE);
        seen.focusId = GetDlgCtrlID(GetFocus());
        HWND child = GetWindow(dialog, GW_CHILD);
        seen.icon = (HICON)SendMessageW(child, STM_GETICON, 0, 0);
        for (; child != NULL; child = GetWindow(child, GW_HWNDNEXT)) {
            char className[16];
            GetClassNameA(child, className, sizeof className);
            bool icon = (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
            if (lstrcmpiA(className, "Static") == 0 && !icon && GetWindowTextLengthW(child) > 0) {
                GetWindowTextW(child, seen.firstText, 64);
                break;
            }
        }
    }
    if (watcherTicks == 1 + delayTicks) {
        // Closed as a user would: a key to the control with the focus, which
        // the dialog's own loop turns into a command, or the close box.
        HWND focus = GetFocus();
        if (dialogClose == CloseWithCloseBox)
            PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            PostMessageW(focus ? focus : dialog, WM_KEYDOWN, dialogClose == CloseWithEscape ? VK_ESCAPE : VK_RETURN, 1);
    }
    if (watcherTicks > 40 + delayTicks) {
        // Never leave a test waiting on a dialog that did not close.
        seenDialog.forced = 1;
        EndDialog(dialog, 0);
    }
}

// Runs the command (which may open a modal dialog) with the watcher on.
template <typename Action>
inline void WithDialogWatcher(DialogClose close, Action action) {
    seenDialog = SeenDialog{};
    dialogClose = close;
    watcherTicks = 0;
    UINT_PTR watcher = SetTimer(NULL, 0, 30, WatchDialog);
    action();
    KillTimer(NULL, watcher);
    delayTicks = 0;
}

// ---- A full board without a five ------------------------------------------

// Diagonal pairs of stripes: no line anywhere holds exactly five of one
// colour, and Black has one stone more than White (181 to 180).
inline Cell FullBoardColour(int x, int y) { return ((x - 1) + 2 * (y - 1) + 1) / 2 % 2 == 1 ? Black : White; }

// All 361 points in an order of play, Black first: the last one is Black's.
inline void FullBoardMoves(int moves[361][2]) {
    int black = 0;
    int white = 0;
    for (int x = 1; x <= 19; x++)
        for (int y = 1; y <= 19; y++) {
            int index = FullBoardColour(x, y) == Black ? 2 * black++ : 2 * white++ + 1;
            moves[index][0] = x;
            moves[index][1] = y;
        }
}
