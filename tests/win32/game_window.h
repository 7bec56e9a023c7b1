// Drives the real main window in-process: start, exit, click, timers, menu, status bar, and recorded beeps and sounds.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <initializer_list>

#include "app/controller.h"
#include "app/main_window.h"
#include "res/resource.h"
#include "rules/board.h"
#include "settings/options.h"
#include "view/board_geometry.h"
#include "view/marker.h"
#include "view/status_bar_win32.h"
#include "win32_check.h"

inline HWND StartGame() {
    HWND window = StartProgram(GetModuleHandleA(NULL), SW_SHOWNORMAL);
    return PumpMessages(), window;
}
inline void Command(HWND window, int command) { SendMessageA(window, WM_COMMAND, command, 0); }
// Exit (unless the window is gone), then let a later start register the class again without the quit message.
inline void ExitGame(HWND window) {
    if (window) Command(window, IDM_EXIT);
    PumpMessages();
    UnregisterClassA("Kivrano", GetModuleHandleA(NULL));
    for (MSG quit; PeekMessageA(&quit, NULL, WM_QUIT, WM_QUIT, PM_REMOVE);) continue;
}

inline UINT MenuState(HWND window, int item) { return GetMenuState(GetMenu(window), item, MF_BYCOMMAND); }
inline bool Checked(HWND window, int item) { return MenuState(window, item) & MF_CHECKED; }
inline bool Grayed(HWND window, int item) { return MenuState(window, item) & MF_GRAYED; }
inline const char* StatusText(int part) {
    static char text[2][128];
    text[part][0] = 0;
    SendMessageA(statusBarWindow, SB_GETTEXTA, part, (LPARAM)text[part]);
    return text[part];
}
inline bool StatusIs(int part, const char* expected) { return strcmp(StatusText(part), expected) == 0; }
inline char heard[256];  // the beeps and sounds since the last state check: "putstone.wav beep"

inline void Click(HWND window, int x, int y) {
    PixelPoint centre = IntersectionCentre(x, y);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
}

// Dispatches everything until the window's timer has ticked once; false when it did not within 3 seconds.
inline bool RunUntilTick(HWND window, UINT_PTR timer) {
    MSG m;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 3000; Sleep(5))
        while (PeekMessageA(&m, NULL, 0, 0, PM_REMOVE))
            if (DispatchMessageA(&m), m.message == WM_TIMER && m.hwnd == window && m.wParam == timer) return true;
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
    moveCount = 0, Phase = 1;
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
// Phase, moves, stones, Undo and Redo ("uR": Undo grayed, Redo enabled), turn text and heard: "2 1 1 Ur Your turn|".
inline const char* GameState(HWND window) {
    static char state[400];
    snprintf(state, sizeof state, "%d %d %d %c%c %s|%s", (int)Phase, (int)moveCount, StonesOnBoard(),
             Grayed(window, IDM_UNDO) ? 'u' : 'U', Grayed(window, IDM_REDO) ? 'r' : 'R', StatusText(0), heard);
    return state;
}
#define CheckState(window, want, what) \
    (ok(!strcmp(GameState(window), want), "%s: expected \"%s\", got \"%s\"", what, want, GameState(window)), \
     heard[0] = 0)

// Points this program's import of the function at the replacement; false when it has none.
inline bool ReplaceImport(const char* function, void* replacement) {
    BYTE* base = (BYTE*)GetModuleHandleA(NULL);
    IMAGE_NT_HEADERS* headers = (IMAGE_NT_HEADERS*)(base + ((IMAGE_DOS_HEADER*)base)->e_lfanew);
    DWORD imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (IMAGE_IMPORT_DESCRIPTOR* dll = (IMAGE_IMPORT_DESCRIPTOR*)(base + imports); dll->Name; dll++) {
        auto* name = (IMAGE_THUNK_DATA*)(base + dll->OriginalFirstThunk);
        for (auto* slot = (IMAGE_THUNK_DATA*)(base + dll->FirstThunk); name->u1.AddressOfData; name++, slot++) {
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) ||
                strcmp((char*)((IMAGE_IMPORT_BY_NAME*)(base + name->u1.AddressOfData))->Name, function) != 0)
                continue;
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

// Beeps and sounds are recorded in heard instead of made; a sound must play asynchronously from its file.
inline void Heard(const char* what) {
    size_t used = strlen(heard);
    snprintf(heard + used, sizeof heard - used, "%s%s", used ? " " : "", what);
}
inline BOOL WINAPI RecordBeep(UINT) { return Heard("beep"), TRUE; }
inline BOOL WINAPI RecordSound(LPCSTR name, HMODULE, DWORD flags) { return Heard(flags == 0x20001 ? name : "?"), TRUE; }

// Records beeps and sounds, copies the images and sounds here, removes the settings file and starts the game.
inline HWND StartFreshGame() {
    ok(ReplaceImport("MessageBeep", (void*)RecordBeep) && ReplaceImport("PlaySoundA", (void*)RecordSound),
       "expected the program to import MessageBeep and PlaySoundA");
    for (const char* name : {"board.img", "black.img", "white.img", "putstone.wav", "clear.wav", "finish.wav"}) {
        char path[MAX_PATH];
        snprintf(path, sizeof path, "Z:%s/assets/%s", getenv("KIVRANO_SOURCE_DIR"), name);
        ok(CopyFileA(path, name, FALSE), "expected to copy %s", path);
    }
    DeleteFileA("Kivrano.ini");
    return StartGame();
}
