// A DLL planted beside the game under a system DLL's name (built as winmm.dll and as comctl32.dll), as one
// left in a Downloads folder would be. Loaded, it leaves a mark: NAME.dll.loaded beside itself, holding the
// path of the program that loaded it. It exports stubs of the functions the game once imported from those
// DLLs, so that an exe importing them would load it whole.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    char mark[MAX_PATH + 8];
    char program[MAX_PATH];
    DWORD length = GetModuleFileNameA(self, mark, MAX_PATH);
    DWORD programLength = GetModuleFileNameA(NULL, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return TRUE;
    lstrcpyA(mark + length, ".loaded");
    HANDLE file = CreateFileA(mark, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return TRUE;
    DWORD written;
    WriteFile(file, program, programLength, &written, NULL);
    CloseHandle(file);
    return TRUE;
}

extern "C" __declspec(dllexport) BOOL WINAPI PlaySoundA(const char*, HMODULE, DWORD) { return FALSE; }
extern "C" __declspec(dllexport) void WINAPI InitCommonControls(void) {}
extern "C" __declspec(dllexport) BOOL WINAPI InitCommonControlsEx(const void*) { return FALSE; }
