// A game killed at any moment of its exit leaves a whole settings file: the old options or the new ones.
// This program starts itself as the game with Man, Fast and a Small window stored, turns Sound off, closes
// the window and kills the game at a series of moments. In the game, each step of the save (writing the new
// file, flushing it, putting it in place) is held up by replacing the imports under the platform's file
// operations, so the kills land inside the save.
#include "game_window.h"
#include "settings/settings_bytes.h"
#include "settings/settings_file.h"

static const char kReadyEvent[] = "KivranoKillTestReady";
static const char kSavingEvent[] = "KivranoKillTestSaving";
static const DWORD kStepDelay = 80;  // milliseconds each step of the save is held up in the game

// The game's side: the save's system calls, each held up before it runs.
static HANDLE saving;
static decltype(&WriteFile) realWriteFile;
static decltype(&FlushFileBuffers) realFlushFileBuffers;
static decltype(&MoveFileExA) realMoveFileExA;
static BOOL WINAPI SlowWriteFile(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED at) {
    SetEvent(saving);
    Sleep(kStepDelay);
    return realWriteFile(file, data, size, written, at);
}
static BOOL WINAPI SlowFlushFileBuffers(HANDLE file) {
    Sleep(kStepDelay);
    return realFlushFileBuffers(file);
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
    realFlushFileBuffers = (decltype(&FlushFileBuffers))(void*)GetProcAddress(kernel32, "FlushFileBuffers");
    realMoveFileExA = (decltype(&MoveFileExA))(void*)GetProcAddress(kernel32, "MoveFileExA");
    if (!ReplaceImport("WriteFile", (void*)SlowWriteFile) ||
        !ReplaceImport("FlushFileBuffers", (void*)SlowFlushFileBuffers) ||
        !ReplaceImport("MoveFileExA", (void*)SlowMoveFileExA))
        return 2;
    saving = OpenEventA(EVENT_MODIFY_STATE, FALSE, kSavingEvent);
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, kReadyEvent);
    if (StartProgram(GetModuleHandleA(NULL), SW_SHOWNORMAL) == NULL) return 3;
    SetEvent(ready);
    return RunMessageLoop();
}

// The test's side.
static void WriteSettings(const BYTE bytes[kSettingsFileSize]) {
    HANDLE file = CreateFileA(kSettingsFileName, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written = 0;
    WriteFile(file, bytes, kSettingsFileSize, &written, NULL);
    CloseHandle(file);
}
// "old", "new", or what else the file holds.
static const char* FileHolds(const BYTE oldBytes[kSettingsFileSize], const BYTE newBytes[kSettingsFileSize]) {
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

static const int kBeforeTheSave = -1, kNoKill = -2;

// One run of the game: started, Sound turned off, closed, and killed that many milliseconds after its save
// began writing (or at once, or not at all). Gives what the settings file then holds.
static const char* RunAndKill(int killAfter, const BYTE oldBytes[kSettingsFileSize],
                              const BYTE newBytes[kSettingsFileSize], HANDLE ready, HANDLE savingStarted) {
    WriteSettings(oldBytes);
    ResetEvent(ready);
    ResetEvent(savingStarted);
    char self[MAX_PATH], commandLine[MAX_PATH + 32];
    GetModuleFileNameA(NULL, self, sizeof self);
    snprintf(commandLine, sizeof commandLine, "\"%s\" --slow-save-game", self);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION game = {};
    if (!CreateProcessA(NULL, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &game))
        return "no game";
    const char* held = "no window";
    if (WaitForSingleObject(ready, 30000) == WAIT_OBJECT_0) {
        HWND window = FindWindowA("Kivrano", NULL);
        PostMessageA(window, WM_COMMAND, IDM_SOUND, 0);
        PostMessageA(window, WM_CLOSE, 0, 0);
        if (killAfter >= 0 && WaitForSingleObject(savingStarted, 10000) == WAIT_OBJECT_0) Sleep(killAfter);
        if (killAfter != kNoKill) TerminateProcess(game.hProcess, 9);
        WaitForSingleObject(game.hProcess, 30000);
        held = FileHolds(oldBytes, newBytes);
    }
    TerminateProcess(game.hProcess, 9);
    WaitForSingleObject(game.hProcess, 30000);
    CloseHandle(game.hThread);
    CloseHandle(game.hProcess);
    return held;
}

int main(int argc, char** argv) {
    if (argc > 1 && strcmp(argv[1], "--slow-save-game") == 0) return RunGameWithSlowSave();

    // Man, Fast, double three allowed, Sound on, a Small window at (100, 50); the new file has Sound off.
    const Options stored = {0, 2, 1, 0, 1, 0, 1, 1, 1, 100, 50, 1, 528};
    Options silent = stored;
    silent.sound = 0;
    BYTE oldBytes[kSettingsFileSize], newBytes[kSettingsFileSize];
    EncodeSettings(stored, oldBytes);
    EncodeSettings(silent, newBytes);
    HANDLE ready = CreateEventA(NULL, TRUE, FALSE, kReadyEvent);
    HANDLE savingStarted = CreateEventA(NULL, TRUE, FALSE, kSavingEvent);

    // The save is held up about 4 x 80 ms: the kills reach from before it to after it.
    const struct { const char* what; int killAfter; const char* expected; } runs[] = {
        {"killed before the save", kBeforeTheSave, "old"},
        {"killed as the new file is created", 0, "old"},
        {"killed 60 ms into the save", 60, NULL},
        {"killed 120 ms into the save", 120, NULL},
        {"killed 180 ms into the save", 180, NULL},
        {"killed 240 ms into the save", 240, NULL},
        {"killed 300 ms into the save", 300, NULL},
        {"killed 360 ms into the save", 360, NULL},
        {"not killed", kNoKill, "new"},
    };
    int oldCount = 0, newCount = 0;
    for (const auto& run : runs) {
        const char* held = RunAndKill(run.killAfter, oldBytes, newBytes, ready, savingStarted);
        printf("%s: the file holds %s\n", run.what, held);
        oldCount += strcmp(held, "old") == 0;
        newCount += strcmp(held, "new") == 0;
        if (run.expected)
            ok(strcmp(held, run.expected) == 0, "%s: expected the %s file, got %s", run.what, run.expected,
               held);
        else
            ok(strcmp(held, "old") == 0 || strcmp(held, "new") == 0,
               "%s: expected the old or the new file, got %s", run.what, held);
    }
    ok(GetFileAttributesA(kNewSettingsFileName) == INVALID_FILE_ATTRIBUTES,
       "after the run not killed: expected no new file left beside the settings file");
    printf("%d runs left the old file, %d the new one\n", oldCount, newCount);
    CloseHandle(ready);
    CloseHandle(savingStarted);
    return CheckSummary("settings_kill");
}
