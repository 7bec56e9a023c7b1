#include "platform/system_library_win32.h"

#include <commctrl.h>

PlaySoundAFunction playSoundA = NULL;
ShellExecuteAFunction shellExecuteA = NULL;

// The generic function pointer type: casts from and to it draw no warning.
typedef void (*AnyFunction)(void);

// The function from the DLL of that name in the system folder; NULL when
// either is missing. The DLL stays loaded for the rest of the run.
static AnyFunction SystemFunction(const char* dllName, const char* functionName) {
    char path[MAX_PATH];
    UINT folderLength = GetSystemDirectoryA(path, MAX_PATH);
    if (folderLength == 0 || folderLength + 1 + lstrlenA(dllName) >= MAX_PATH) return NULL;
    lstrcatA(path, "\\");
    lstrcatA(path, dllName);
    // The DLL's own imports are then looked for in its folder first, not
    // beside the exe.
    HMODULE dll = LoadLibraryExA(path, NULL, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (dll == NULL) return NULL;
    return (AnyFunction)GetProcAddress(dll, functionName);
}

PlaySoundAFunction SystemPlaySoundA() {
    if (playSoundA == NULL) playSoundA = (PlaySoundAFunction)SystemFunction("winmm.dll", "PlaySoundA");
    return playSoundA;
}

ShellExecuteAFunction SystemShellExecuteA() {
    if (shellExecuteA == NULL)
        shellExecuteA = (ShellExecuteAFunction)SystemFunction("shell32.dll", "ShellExecuteA");
    return shellExecuteA;
}

typedef BOOL(WINAPI* InitCommonControlsExFunction)(const INITCOMMONCONTROLSEX* classes);

bool RegisterBarClasses() {
    InitCommonControlsExFunction init =
        (InitCommonControlsExFunction)SystemFunction("comctl32.dll", "InitCommonControlsEx");
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
    return init != NULL && init(&classes);
}
