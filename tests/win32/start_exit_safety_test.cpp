// The real game started and ended in ways that used to lose what the user set: a settings file unchanged,
// held by another program, saved by another copy of the game, read-only or hidden, a leftover new file in the
// way, the end of the session, and a start-up step the system refuses (a position off every screen is
// startup_test's). The file steps behind each case are checked in unit/settings_test.cpp.
#include "app/win_main.cpp"

#include "game_window.h"
#include "settings/settings_bytes.h"

static const FILETIME kLongAgo = {0x2A4E0000, 0x01C07385};  // 2001-01-01: any later write shows

// Man, Fast, double three allowed, no sound, a Small window at (100, 50): none of them a default.
static const Options kCustom = {0, 2, 1, 0, 1, 0, 1, 0, 1, 100, 50, 1, 528};

// Writes the settings file's 55 bytes, dated long ago, with no attributes.
static void WriteSettings(const Options& stored) {
    SetFileAttributesA(kSettingsFileName, FILE_ATTRIBUTE_NORMAL);
    BYTE bytes[kSettingsFileSize];
    EncodeSettings(stored, bytes);
    HANDLE file = CreateFileA(kSettingsFileName, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written = 0;
    WriteFile(file, bytes, kSettingsFileSize, &written, NULL);
    SetFileTime(file, NULL, NULL, &kLongAgo);
    CloseHandle(file);
}

// The settings file's bytes (up to 64) and time stamp; gives their count.
static DWORD ReadSettings(BYTE bytes[64], FILETIME* written) {
    DWORD size = 0;
    HANDLE file = CreateFileA(kSettingsFileName, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ReadFile(file, bytes, 64, &size, NULL);
    GetFileTime(file, NULL, NULL, written);
    CloseHandle(file);
    return size;
}

// True when the file still holds the custom options' bytes, dated long ago: not written since.
static bool CustomFileKept() {
    BYTE expected[kSettingsFileSize];
    BYTE got[64];
    FILETIME written = {};
    EncodeSettings(kCustom, expected);
    const DWORD size = ReadSettings(got, &written);
    return size == kSettingsFileSize && !memcmp(got, expected, size) && !CompareFileTime(&written, &kLongAgo);
}
// The options the settings file holds now.
static Options StoredOptions() {
    BYTE bytes[64];
    FILETIME written;
    ReadSettings(bytes, &written);
    return DecodeSettings(bytes);
}

// Held with share mode 0 by another program across the start: the game runs on the defaults, and neither
// deletes the file nor writes the defaults over it at exit.
static void HeldFileSurvivesTheRun() {
    WriteSettings(kCustom);
    HANDLE held = CreateFileA(kSettingsFileName, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ok(held != INVALID_HANDLE_VALUE, "held file: expected the test to open it, error %lu", GetLastError());
    HWND window = StartGame();
    CloseHandle(held);
    ok(options.speed == kDefaultOptions.speed, "held file: speed expected the default %d, got %d",
       kDefaultOptions.speed, options.speed);
    ExitGame(window);
    ok(CustomFileKept(), "held file: expected its bytes and time stamp kept after exit");
}

// A file that ends a byte early is read to its end, and its options are the defaults; exit writes a whole
// one. (Which options it would hold is unit/settings_test.cpp's.)
static void ShortFileIsReplaced() {
    WriteSettings(kCustom);
    HANDLE file = CreateFileA(kSettingsFileName, GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    SetFilePointer(file, kSettingsFileSize - 1, NULL, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
    HWND window = StartGame();
    ok(options.speed == kDefaultOptions.speed, "54-byte file: speed expected the default %d, got %d",
       kDefaultOptions.speed, options.speed);
    ExitGame(window);
    BYTE bytes[64];
    FILETIME written;
    const DWORD size = ReadSettings(bytes, &written);
    ok(size == (DWORD)kSettingsFileSize, "54-byte file, after exit: size expected 55, got %lu", size);
}

// An exit with nothing changed keeps the file's bytes and time stamp. The end of the session saves this
// run's changes once; a session that goes on saves nothing.
static void EndOfSessionSaves() {
    WriteSettings(kCustom);
    ExitGame(StartGame());
    ok(CustomFileKept(), "exit unchanged: expected the bytes and time stamp kept");
    HWND window = StartGame();
    Command(window, IDM_SOUND);
    SendMessageA(window, WM_ENDSESSION, FALSE, 0);
    ok(CustomFileKept(), "WM_ENDSESSION FALSE: expected the file's bytes and time stamp kept");
    SendMessageA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    Options stored = StoredOptions();
    ok(stored.sound == 1, "WM_ENDSESSION TRUE: stored sound expected 1, got %d", stored.sound);
    ok(stored.speed == 0, "WM_ENDSESSION TRUE: stored speed expected the custom 0, got %d", stored.speed);
    Command(window, IDM_SOUND);
    ExitGame(window);
    stored = StoredOptions();
    ok(stored.sound == 1, "exit after WM_ENDSESSION: stored sound expected 1 (no second save), got %d",
       stored.sound);
}

// Another copy of the game: this same program started with --other-copy. It starts the game on the file,
// turns Sound on and exits, as a user would in a second window.
static int RunOtherCopy() {
    HWND window = StartProgram(GetModuleHandleA(NULL), SW_SHOWNORMAL);
    if (window == NULL) return 3;
    Command(window, IDM_SOUND);
    Command(window, IDM_EXIT);
    return RunMessageLoop();
}
// Runs the other copy to its end, dispatching this copy's messages meanwhile; gives what went wrong, or NULL.
static const char* RunOtherCopyToItsEnd() {
    PROCESS_INFORMATION copy;
    if (!StartThisProgramAgain("--other-copy", copy)) return "the other copy did not start";
    const char* failed = "the other copy did not end in 30 s";
    for (DWORD start = GetTickCount(); failed && GetTickCount() - start < 30000; PumpMessages()) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &copy.hProcess, FALSE, 50, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0) failed = NULL;
    }
    DWORD status = 0;
    GetExitCodeProcess(copy.hProcess, &status);
    if (!failed && status != 0) failed = "the other copy could not start the game";
    TerminateProcess(copy.hProcess, 9);  // one that never ended
    CloseHandle(copy.hThread);
    CloseHandle(copy.hProcess);
    return failed;
}

// Two copies of the game open on the same file, one on top of the other. The other copy turns Sound on and
// exits; this one, started first and left alone, exits after it and must not put its Sound off back.
static void UnchangedCopyKeepsTheOtherCopysChange() {
    WriteSettings(kCustom);
    HWND window = StartGame();
    const char* failed = RunOtherCopyToItsEnd();
    ok(failed == NULL, "two copies: %s", failed);
    Options stored = StoredOptions();
    ok(stored.sound == 1, "two copies, the other exited after Sound on: stored sound expected 1, got %d",
       stored.sound);
    ExitGame(window);
    stored = StoredOptions();
    ok(stored.sound == 1, "two copies, this one exited after it unchanged: stored sound expected 1, got %d",
       stored.sound);
}

// Files in the way of a save, each met in a run that turns Sound on: a leftover Kivrano.ini.new that cannot
// be written over (a folder, a read-only file) must not block the save; a read-only Kivrano.ini is the
// user's way to keep the options as they are; a hidden (and system) one stays so. No new file is left.
enum Leftover { kNoLeftover, kDirectory, kReadOnlyFile };
static const char kLeftoverName[] = "Kivrano.ini.new";
// The first file or folder beginning "Kivrano.ini." but the leftover, or NULL.
static const char* NewFileLeft(Leftover leftover) {
    static WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("*", &found);
    bool other = false;
    while (search != INVALID_HANDLE_VALUE && !other) {
        other = !strncmp(found.cFileName, "Kivrano.ini.", 12) &&
                (leftover == kNoLeftover || strcmp(found.cFileName, kLeftoverName) != 0);
        if (!other && !FindNextFileA(search, &found)) break;
    }
    FindClose(search);
    return other ? found.cFileName : NULL;
}
// The read-only, hidden and system marks among the attributes, by name: "hidden system", or "none".
static std::string MarkNames(DWORD attributes) {
    std::string names;
    if (attributes & FILE_ATTRIBUTE_READONLY) names += " read-only";
    if (attributes & FILE_ATTRIBUTE_HIDDEN) names += " hidden";
    if (attributes & FILE_ATTRIBUTE_SYSTEM) names += " system";
    return names.empty() ? "none" : names.substr(1);
}
static void FilesInTheWay() {
    static const struct { const char* what; DWORD marks; Leftover leftover; bool saved; } kCases[] = {
        {"a folder Kivrano.ini.new", 0, kDirectory, true},
        {"a read-only Kivrano.ini.new", 0, kReadOnlyFile, true},
        {"Kivrano.ini read-only", FILE_ATTRIBUTE_READONLY, kNoLeftover, false},
        {"Kivrano.ini hidden", FILE_ATTRIBUTE_HIDDEN, kNoLeftover, true},
        {"Kivrano.ini hidden and system", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, kNoLeftover, true},
    };
    for (const auto& c : kCases) {
        WriteSettings(kCustom);
        if (c.leftover == kDirectory) CreateDirectoryA(kLeftoverName, NULL);
        if (c.leftover == kReadOnlyFile) {
            CloseHandle(CreateFileA(kLeftoverName, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
            SetFileAttributesA(kLeftoverName, FILE_ATTRIBUTE_READONLY);
        }
        if (c.marks) SetFileAttributesA(kSettingsFileName, c.marks);
        HWND window = StartGame();
        Command(window, IDM_SOUND);
        ExitGame(window);
        if (c.saved) {
            const int sound = StoredOptions().sound;
            ok(sound == 1, "%s, exit after Sound on: stored sound expected 1, got %d", c.what, sound);
        } else {
            ok(CustomFileKept(), "%s, exit after Sound on: expected the bytes and time stamp kept", c.what);
        }
        const std::string marks = MarkNames(GetFileAttributesA(kSettingsFileName));
        ok(marks == MarkNames(c.marks), "%s, after exit: Kivrano.ini's marks expected %s, got %s", c.what,
           MarkNames(c.marks).c_str(), marks.c_str());
        const char* left = NewFileLeft(c.leftover);
        ok(left == NULL, "%s, after exit: expected no new file left, got %s", c.what, left);
        SetFileAttributesA(kLeftoverName, FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(kLeftoverName);
        RemoveDirectoryA(kLeftoverName);
    }
}

// The calls on the new settings file and the replace, in order: "write flush close replace". Its bytes must
// be on the disk before it takes the old file's place, or a crash just after could leave a file of the right
// size holding nothing. The save is the only writer while they are recorded.
static std::string newFileCalls;
static HANDLE newFile = INVALID_HANDLE_VALUE;
static decltype(&WriteFile) realWriteFile;
static decltype(&FlushFileBuffers) realFlushFileBuffers;
static decltype(&CloseHandle) realCloseHandle;
static decltype(&MoveFileExA) realMoveFileExA;
static void Called(const char* call) {
    if (!newFileCalls.empty()) newFileCalls += ' ';
    newFileCalls += call;
}
static BOOL WINAPI RecordWriteFile(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED at) {
    newFile = file;
    Called("write");
    return realWriteFile(file, data, size, written, at);
}
static BOOL WINAPI RecordFlushFileBuffers(HANDLE file) {
    if (file == newFile) Called("flush");
    return realFlushFileBuffers(file);
}
static BOOL WINAPI RecordCloseHandle(HANDLE handle) {
    if (handle == newFile) Called("close");
    if (handle == newFile) newFile = INVALID_HANDLE_VALUE;
    return realCloseHandle(handle);
}
static BOOL WINAPI RecordMoveFileExA(LPCSTR from, LPCSTR to, DWORD flags) {
    Called("replace");
    return realMoveFileExA(from, to, flags);
}
static void NewFileFlushedBeforeItReplaces() {
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    // Through void*: the system's functions, by name, with their own types.
    realWriteFile = (decltype(&WriteFile))(void*)GetProcAddress(kernel32, "WriteFile");
    realFlushFileBuffers = (decltype(&FlushFileBuffers))(void*)GetProcAddress(kernel32, "FlushFileBuffers");
    realCloseHandle = (decltype(&CloseHandle))(void*)GetProcAddress(kernel32, "CloseHandle");
    realMoveFileExA = (decltype(&MoveFileExA))(void*)GetProcAddress(kernel32, "MoveFileExA");
    const struct { const char* name; void *record, *real; } kHooks[] = {
        {"WriteFile", (void*)RecordWriteFile, (void*)realWriteFile},
        {"FlushFileBuffers", (void*)RecordFlushFileBuffers, (void*)realFlushFileBuffers},
        {"CloseHandle", (void*)RecordCloseHandle, (void*)realCloseHandle},
        {"MoveFileExA", (void*)RecordMoveFileExA, (void*)realMoveFileExA},
    };
    WriteSettings(kCustom);
    HWND window = StartGame();
    for (const auto& hook : kHooks)
        ok(ReplaceImport(hook.name, hook.record), "expected the program to import %s", hook.name);
    Command(window, IDM_SOUND);
    ExitGame(window);
    for (const auto& hook : kHooks) ReplaceImport(hook.name, hook.real);
    ok(newFileCalls == "write flush close replace",
       "exit after Sound on: calls expected \"write flush close replace\", got \"%s\"", newFileCalls.c_str());
}

// A refused start-up step: WinMain says which in a message box with the system's error code, gives 0,
// leaves no window, and does not touch the settings file. Each is refused as it could be on a user's
// machine: the class name taken already, the window or the status bar vetoed as it is created.
static char shownText[256];
static int shownCount;
static int WINAPI RecordMessageBox(HWND, LPCSTR text, LPCSTR, UINT) {
    shownCount++;
    lstrcpynA(shownText, text, sizeof shownText);
    return IDOK;
}
static const char* vetoedClass;
static LRESULT CALLBACK VetoWindow(int code, WPARAM wParam, LPARAM lParam) {
    char name[64] = "";
    if (code == HCBT_CREATEWND) GetClassNameA((HWND)wParam, name, sizeof name);
    return lstrcmpiA(name, vetoedClass) == 0 ? 1 : CallNextHookEx(NULL, code, wParam, lParam);
}
static void StartUpFailureIsReported() {
    ok(ReplaceImport("MessageBoxA", (void*)RecordMessageBox), "expected the program to import MessageBoxA");
    static const struct { const char* step; const char* vetoedClass; } kRefusals[] = {
        {"registering the window class", NULL},
        {"creating the main window", "Kivrano"},
        {"creating the status bar", STATUSCLASSNAMEA},
    };
    for (const auto& r : kRefusals) {
        WriteSettings(kCustom);
        shownCount = 0;
        shownText[0] = 0;
        vetoedClass = r.vetoedClass;
        WNDCLASSA taken = {};
        taken.lpfnWndProc = DefWindowProcA;
        taken.hInstance = GetModuleHandleA(NULL);
        taken.lpszClassName = "Kivrano";
        if (!vetoedClass) RegisterClassA(&taken);
        HHOOK hook = vetoedClass ? SetWindowsHookExA(WH_CBT, VetoWindow, NULL, GetCurrentThreadId()) : NULL;
        int result = WinMain(GetModuleHandleA(NULL), NULL, (LPSTR) "", SW_SHOWNORMAL);
        if (hook) UnhookWindowsHookEx(hook);
        char text[160];
        snprintf(text, sizeof text, "Kivrano cannot start: %s failed (error ", r.step);
        ok(result == 0, "%s refused: WinMain expected 0, got %d", r.step, result);
        ok(shownCount == 1, "%s refused: message boxes expected 1, got %d", r.step, shownCount);
        ok(strncmp(shownText, text, strlen(text)) == 0, "%s refused: message expected to begin \"%s\", "
           "got \"%s\"", r.step, text, shownText);
        ok(!FindWindowA("Kivrano", NULL), "%s refused: expected no window left", r.step);
        ok(CustomFileKept(), "%s refused: expected the settings file's bytes and time stamp kept", r.step);
        ExitGame(NULL);
    }
}

int main(int argc, char**) {
    if (argc > 1) return RunOtherCopy();  // --other-copy: this is the other copy of the game
    HeldFileSurvivesTheRun();
    ShortFileIsReplaced();
    EndOfSessionSaves();
    UnchangedCopyKeepsTheOtherCopysChange();
    FilesInTheWay();
    NewFileFlushedBeforeItReplaces();
    StartUpFailureIsReported();
    return CheckSummary("start_exit_safety");
}
