// What the game takes from system DLLs that Windows may look for beside the
// exe first: winmm (sounds), comctl32 (the status bar) and shell32 (Help).
// They are not imported: each is loaded at its first use from the system
// folder by its full path, so a DLL of the same name lying beside
// Kivrano.exe (a Downloads folder) is never loaded. Windows 2000 has no call
// that takes the exe's folder out of the search.
#pragma once

#include <windows.h>

typedef BOOL(WINAPI* PlaySoundAFunction)(LPCSTR sound, HMODULE module, DWORD flags);
typedef HINSTANCE(WINAPI* ShellExecuteAFunction)(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                                 LPCSTR directory, INT show);

// Filled at the first use, and NULL while the system lacks the function. A
// test may put its own function in the place beforehand.
extern PlaySoundAFunction playSoundA;
extern ShellExecuteAFunction shellExecuteA;

// Each returns the place above, loading the function first when it is NULL.
PlaySoundAFunction SystemPlaySoundA();
ShellExecuteAFunction SystemShellExecuteA();

// Registers comctl32's bar classes, the status bar's among them; false when
// the system's comctl32 cannot be loaded.
bool RegisterBarClasses();
