// A game killed at any moment of its exit leaves a whole settings file: the old options or the new ones.
// This program starts itself as the game with Sound on stored, turns Sound off, closes the window and kills
// the game at a series of moments. In the game the save's write and its replace are held up (their imports
// replaced), so the kills land inside the save: a save that truncated the file in place is caught empty.
#include "game_window.h"
#include "settings/settings_bytes.h"
#include "settings/settings_file.h"

static const char kReadyEvent[] = "KivranoKillTestReady";
static const char kSavingEvent[] = "KivranoKillTestSaving";
static const DWORD kStepDelay = 80;  // milliseconds each step of the save is held up in the game

// The game's side: the save's write and its replace, held up.
static HANDLE saving;
static decltype(&WriteFile) realWriteFile;
static decltype(&MoveFileExA) realMoveFileExA;
static BOOL WINAPI SlowWriteFile(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED at) {
    SetEvent(saving);
    Sleep(kStepDelay);
    return realWriteFile(file, data, size, written, at);
}
static BOOL WINAPI SlowMoveFileExA(LPCSTR from, LPCSTR to, DWORD flags) {
    Sleep(kStepDelay);
    BOOL moved = realMoveFileExA(from, to, flags);
    Sleep(kStepDelay);
    return moved;
}
static int RunGameWithSlowSave() {
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    // Through void*: the system's functions, by name, with their own types.
    realWriteFile = (decltype(&WriteFile))(void*)GetProcAddress(kernel32, "WriteFile");
    realMoveFileExA = (decltype(&MoveFileExA))(void*)GetProcAddress(kernel32, "MoveFileExA");
    if (!ReplaceImport("WriteFile", (void*)SlowWriteFile)) return 2;
    if (!ReplaceImport("MoveFileExA", (void*)SlowMoveFileExA)) return 2;
    saving = OpenEventA(EVENT_MODIFY_STATE, FALSE, kSavingEvent);
    if (StartProgram(GetModuleHandleA(NULL), SW_SHOWNORMAL) == NULL) return 3;
    SetEvent(OpenEventA(EVENT_MODIFY_STATE, FALSE, kReadyEvent));
    return RunMessageLoop();
}

// The test's side: the old file has Man, Fast, double three allowed, Sound on, a Small window at (100, 50);
// the new one Sound off.
static const Options kStored = {0, 2, 1, 0, 1, 0, 1, 1, 1, 100, 50, 1, 528};
static BYTE oldBytes[kSettingsFileSize];
static BYTE newBytes[kSettingsFileSize];
static HANDLE ready;
static HANDLE savingStarted;

// "old", "new", or what else the settings file holds.
static const char* FileHolds() {
    static char other[64];
    BYTE bytes[64];
    DWORD size = 0;
    HANDLE file = CreateFileA(kSettingsFileName, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return "no file";
    ReadFile(file, bytes, sizeof bytes, &size, NULL);
    CloseHandle(file);
    if (size == (DWORD)kSettingsFileSize && memcmp(bytes, oldBytes, size) == 0) return "old";
    if (size == (DWORD)kSettingsFileSize && memcmp(bytes, newBytes, size) == 0) return "new";
    snprintf(other, sizeof other, "%lu other bytes", size);
    return other;
}

// One run of the game from the old file: started, Sound turned off, closed, and killed that many
// milliseconds after its save began writing (or, for -1, not at all). Gives what the file then holds.
static const char* RunAndKill(int killAfter) {
    HANDLE file = CreateFileA(kSettingsFileName, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written = 0;
    WriteFile(file, oldBytes, kSettingsFileSize, &written, NULL);
    CloseHandle(file);
    ResetEvent(ready);
    ResetEvent(savingStarted);
    PROCESS_INFORMATION game;
    if (!StartThisProgramAgain("--slow-save-game", game)) return "no game";
    const char* held = "no window";
    if (WaitForSingleObject(ready, 30000) == WAIT_OBJECT_0) {
        HWND window = FindWindowA("Kivrano", NULL);
        PostMessageA(window, WM_COMMAND, IDM_SOUND, 0);
        PostMessageA(window, WM_CLOSE, 0, 0);
        if (killAfter >= 0) {
            WaitForSingleObject(savingStarted, 10000);
            Sleep(killAfter);
            TerminateProcess(game.hProcess, 9);
        }
        WaitForSingleObject(game.hProcess, 30000);
        held = FileHolds();
    }
    TerminateProcess(game.hProcess, 9);  // one that never showed its window
    WaitForSingleObject(game.hProcess, 30000);
    CloseHandle(game.hThread);
    CloseHandle(game.hProcess);
    return held;
}

int main(int argc, char**) {
    if (argc > 1) return RunGameWithSlowSave();  // --slow-save-game: this is the game
    Options silent = kStored;
    silent.sound = 0;
    EncodeSettings(kStored, oldBytes);
    EncodeSettings(silent, newBytes);
    ready = CreateEventA(NULL, TRUE, FALSE, kReadyEvent);
    savingStarted = CreateEventA(NULL, TRUE, FALSE, kSavingEvent);
    // The save is held up 3 x 80 ms: the kills reach from its start to past its end.
    for (int killAfter = 0; killAfter <= 280; killAfter += 40) {
        const char* held = RunAndKill(killAfter);
        ok(strcmp(held, "old") == 0 || strcmp(held, "new") == 0,
           "killed %d ms into the save: expected the old or the new file, got %s", killAfter, held);
    }
    const char* held = RunAndKill(-1);
    ok(strcmp(held, "new") == 0, "not killed: expected the new file, got %s", held);
    return CheckSummary("settings_kill");
}
