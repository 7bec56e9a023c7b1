// Drives the real main window in-process: start, exit, clicks, timers, the menu, the status bar, and the
// beeps and sounds the game makes, recorded instead of played.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string.h>

#include <algorithm>
#include <initializer_list>

#include "app/controller.h"
#include "app/main_window.h"
#include "platform/system_library_win32.h"
#include "res/resource.h"
#include "rules/board.h"
#include "settings/options.h"
#include "view/board_geometry.h"
#include "view/marker.h"
#include "view/status_bar_win32.h"
#include "paint_canvas.h"
#include "win32_check.h"

inline HWND StartGame() {
    HWND window = StartProgram(GetModuleHandleA(NULL), SW_SHOWNORMAL);
    PumpMessages();
    return window;
}
inline void Command(HWND window, int command) { SendMessageA(window, WM_COMMAND, command, 0); }
// Exit (unless the window is gone), then let a later start register the class again without the quit message.
inline void ExitGame(HWND window) {
    if (window) Command(window, IDM_EXIT);
    PumpMessages();
    UnregisterClassA("Kivrano", GetModuleHandleA(NULL));
    MSG quit;
    while (PeekMessageA(&quit, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) continue;
}

// The menu items by their resource names, for messages.
inline const char* ItemName(int item) {
    static const char* const kNames[] = {
        "IDM_NEW_GAME", "IDM_UNDO", "IDM_REDO", "IDM_EXIT", "IDM_LEVEL_MAN", "IDM_LEVEL_GOD",
        "IDM_SPEED_FAST", "IDM_SPEED_SLOW", "IDM_ENABLE_3X3", "IDM_SIZE_TINY", "IDM_SIZE_SMALL",
        "IDM_SIZE_MEDIUM", "IDM_SIZE_LARGE", "IDM_SIZE_HUGE", "IDM_SIZE_FREE", "IDM_CONTINUOUS_PLAY",
        "IDM_MARK_PREVIOUS", "IDM_SOUND", "IDM_STATUS_BAR", "IDM_COMPUTER_VS_PERSON", "IDM_COLOR_BLACK",
        "IDM_COLOR_WHITE", "IDM_HELP_CONTENTS", "IDM_ABOUT"};
    if (item < IDM_NEW_GAME || item > IDM_ABOUT) return "an unknown item";
    return kNames[item - IDM_NEW_GAME];
}
inline UINT MenuState(HWND window, int item) { return GetMenuState(GetMenu(window), item, MF_BYCOMMAND); }
inline bool Checked(HWND window, int item) { return MenuState(window, item) & MF_CHECKED; }
inline bool Grayed(HWND window, int item) { return MenuState(window, item) & MF_GRAYED; }
inline const char* CheckedText(bool checked) { return checked ? "checked" : "unchecked"; }
inline const char* GrayedText(bool grayed) { return grayed ? "grayed" : "enabled"; }
// A menu item's check mark and graying, one check each, at the caller's line:
// "after X: IDM_UNDO expected grayed, got enabled".
#define ExpectItem(...) ExpectItemAt(__FILE_NAME__, __LINE__, __VA_ARGS__)
inline void ExpectItemAt(const char* file, int line, HWND window, const char* step, int item, bool checked,
                         bool grayed) {
    ok_at(file, line, Checked(window, item) == checked, "%s: %s expected %s, got %s", step, ItemName(item),
          CheckedText(checked), CheckedText(!checked));
    ok_at(file, line, Grayed(window, item) == grayed, "%s: %s expected %s, got %s", step, ItemName(item),
          GrayedText(grayed), GrayedText(!grayed));
}

// The text of the status bar's part 0 (the turn or result) or 1 (the game mode).
inline const char* StatusText(int part) {
    static char text[2][128];
    text[part][0] = 0;
    SendMessageA(statusBarWindow, SB_GETTEXTA, part, (LPARAM)text[part]);
    return text[part];
}

// The beeps, sounds, dialogs and help calls since the last check, in order: "putstone.wav beep".
inline char heard[256];
inline void Heard(const char* what) {
    size_t used = strlen(heard);
    snprintf(heard + used, sizeof heard - used, "%s%s", used ? " " : "", what);
}
inline BOOL WINAPI RecordBeep(UINT) {
    Heard("beep");
    return TRUE;
}
// A sound must play asynchronously from its file, and a missing file not at all (no default sound); other
// flags are recorded with the name: "putstone.wav with flags 0x20001".
inline BOOL WINAPI RecordSound(LPCSTR name, HMODULE, DWORD flags) {
    char sound[64];
    snprintf(sound, sizeof sound, "%s with flags 0x%lx", name, (unsigned long)flags);
    Heard(flags == (SND_ASYNC | SND_FILENAME | SND_NODEFAULT) ? name : sound);
    return TRUE;
}

// The human's click on the intersection (x, y), as the mouse sends it.
inline void ClickIntersection(HWND window, int x, int y) {
    PixelPoint centre = IntersectionCentre(x, y);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
}

// Dispatches everything until the window's timer has ticked once; false when it did not within 3 seconds.
inline bool RunUntilTick(HWND window, UINT_PTR timer) {
    MSG m;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 3000; Sleep(5)) {
        while (PeekMessageA(&m, NULL, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&m);
            if (m.message == WM_TIMER && m.hwnd == window && m.wParam == timer) return true;
        }
    }
    return false;
}

// Magenta (marker) pixels inside the rectangle as now on screen.
inline int MarkerPixels(HWND window, const PixelRect& area) {
    HDC dc = GetDC(window);
    int count = 0;
    for (int y = area.top; y < area.bottom; y++)
        for (int x = area.left; x < area.right; x++) count += GetPixel(dc, x, y) == RGB(255, 0, 255);
    ReleaseDC(window, dc);
    return count;
}

// The stones played in this order, Black first, the side after them to move, all repainted, nothing heard.
inline void SetUpPosition(HWND window, std::initializer_list<POINT> moves) {
    Phase = kPhaseBlack;
    NewGame(window);
    for (POINT p : moves) PlaceStone(window, p.x, p.y);
    SetUndoEnabled(window, true);
    SetRedoEnabled(window, false);
    PumpMessages();
    heard[0] = 0;
}
inline int StonesOnBoard() {
    return kMaxMoves - (int)std::count(&Board[0][0], &Board[0][0] + kBoardCells * kBoardCells, Empty);
}

// This test program started again as a second process, given one argument; false when it did not start.
inline bool StartThisProgramAgain(const char* argument, PROCESS_INFORMATION& process) {
    char self[MAX_PATH];
    char commandLine[MAX_PATH + 64];
    GetModuleFileNameA(NULL, self, sizeof self);
    snprintf(commandLine, sizeof commandLine, "\"%s\" %s", self, argument);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    process = {};
    return CreateProcessA(self, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process) != 0;
}

// Points this program's import of the function at the replacement; false when it has none.
inline bool ReplaceImport(const char* function, void* replacement) {
    BYTE* base = (BYTE*)GetModuleHandleA(NULL);
    IMAGE_NT_HEADERS* headers = (IMAGE_NT_HEADERS*)(base + ((IMAGE_DOS_HEADER*)base)->e_lfanew);
    DWORD imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (IMAGE_IMPORT_DESCRIPTOR* dll = (IMAGE_IMPORT_DESCRIPTOR*)(base + imports); dll->Name; dll++) {
        auto* name = (IMAGE_THUNK_DATA*)(base + dll->OriginalFirstThunk);
        auto* slot = (IMAGE_THUNK_DATA*)(base + dll->FirstThunk);
        for (; name->u1.AddressOfData; name++, slot++) {
            auto* byName = (IMAGE_IMPORT_BY_NAME*)(base + name->u1.AddressOfData);
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) || strcmp(byName->Name, function) != 0) continue;
            // Written in place, not by WriteProcessMemory: the 32-bit programs run under qemu, whose
            // guest addresses are not the host's, and wineserver would write at the host's.
            DWORD was;
            if (!VirtualProtect(&slot->u1.Function, sizeof replacement, PAGE_READWRITE, &was)) return false;
            slot->u1.Function = (ULONG_PTR)replacement;
            return VirtualProtect(&slot->u1.Function, sizeof replacement, was, &was);
        }
    }
    return false;
}

// Records beeps and sounds, copies the pictures here, removes the settings file and starts the game.
inline HWND StartFreshGame() {
    ok(ReplaceImport("MessageBeep", (void*)RecordBeep), "expected the program to import MessageBeep");
    playSoundA = RecordSound;
    const char* missing = CopyBoardPictures();
    ok(missing == NULL, "expected to copy assets/%s", missing);
    DeleteFileA("Kivrano.ini");
    return StartGame();
}
