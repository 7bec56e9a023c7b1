// The real game started and ended in ways that used to lose what the user set: a settings file unchanged or
// held by another program, the end of the session, and a start-up step the system refuses (a position off
// every screen is startup_test's). The file steps behind each case are checked in unit/settings_test.cpp.
#include "app/win_main.cpp"

#include "game_window.h"
#include "settings/settings_bytes.h"

static const FILETIME kLongAgo = {0x2A4E0000, 0x01C07385};  // 2001-01-01: any later write shows

// Man, Fast, double three allowed, no sound, a Small window at (100, 50): none of them a default.
static const Options kCustom = {0, 2, 1, 0, 1, 0, 1, 0, 1, 100, 50, 1, 528};

// Writes the settings file's 55 bytes, dated long ago.
static void WriteSettings(const Options& stored) {
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

// A refused start-up step (here the status bar): WinMain says which in a message box with the system's
// error code, gives 0, leaves no window, and does not touch the settings file.
static char shownText[256];
static int shownCount;
static int WINAPI RecordMessageBox(HWND, LPCSTR text, LPCSTR, UINT) {
    shownCount++;
    lstrcpynA(shownText, text, sizeof shownText);
    return IDOK;
}
static LRESULT CALLBACK VetoStatusBar(int code, WPARAM wParam, LPARAM lParam) {
    char name[64] = "";
    if (code == HCBT_CREATEWND) GetClassNameA((HWND)wParam, name, sizeof name);
    return lstrcmpiA(name, STATUSCLASSNAMEA) == 0 ? 1 : CallNextHookEx(NULL, code, wParam, lParam);
}
static void StartUpFailureIsReported() {
    ok(ReplaceImport("MessageBoxA", (void*)RecordMessageBox), "expected the program to import MessageBoxA");
    WriteSettings(kCustom);
    HHOOK hook = SetWindowsHookExA(WH_CBT, VetoStatusBar, NULL, GetCurrentThreadId());
    int result = WinMain(GetModuleHandleA(NULL), NULL, (LPSTR) "", SW_SHOWNORMAL);
    UnhookWindowsHookEx(hook);
    const char* text = "Kivrano cannot start: creating the status bar failed (error ";
    ok(result == 0, "status bar refused: WinMain expected 0, got %d", result);
    ok(shownCount == 1, "status bar refused: message boxes expected 1, got %d", shownCount);
    ok(strncmp(shownText, text, strlen(text)) == 0, "status bar refused: message expected to begin \"%s\", "
       "got \"%s\"", text, shownText);
    ok(!FindWindowA("Kivrano", NULL), "status bar refused: expected no window left");
    ok(CustomFileKept(), "status bar refused: expected the settings file's bytes and time stamp kept");
    ExitGame(NULL);
}

int main() {
    HeldFileSurvivesTheRun();
    EndOfSessionSaves();
    StartUpFailureIsReported();
    return CheckSummary("start_exit_safety");
}
