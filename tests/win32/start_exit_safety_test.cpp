// The real game started and ended in ways that used to lose what the user set: a settings file unchanged or
// held by another program, a stored position off every screen, the end of the session, and start-up steps
// the system refuses. The file steps behind each case are checked natively (tests/unit/settings_test.cpp).
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

// A stored position where the window could not be reached gives the platform's position. The edges of
// "reached" are checked natively (window_placement_test.cpp); a position that shows is kept (startup_test).
static void WindowStartsWhereItCanBeReached() {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (screenWidth >= 5000 || screenHeight >= 5000 || screenHeight < 600) {
        skip("a stored 5000,5000 needs a screen 600 to 4999 pixels each way, got %d x %d", screenWidth,
             screenHeight);
        return;
    }
    Options stored = kCustom;
    stored.windowX = 5000;
    stored.windowY = 5000;
    WriteSettings(stored);
    HWND window = StartGame();
    RECT r;
    GetWindowRect(window, &r);
    const char* what = "stored at 5000,5000";
    ok(r.left >= 0 && r.right <= screenWidth, "%s: expected on screen, got left %ld right %ld", what, r.left,
       r.right);
    ok(r.top >= 0 && r.bottom <= screenHeight, "%s: expected on screen, got top %ld bottom %ld", what, r.top,
       r.bottom);
    ExitGame(window);
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

// Each refused start-up step: WinMain says which in a message box with the system's error code, gives 0,
// leaves no window, and does not touch the settings file.
static char shownText[256];
static int shownCount;
static int WINAPI RecordMessageBox(HWND, LPCSTR text, LPCSTR, UINT) {
    shownCount++;
    lstrcpynA(shownText, text, sizeof shownText);
    return IDOK;
}
static const char* vetoed;
static LRESULT CALLBACK Veto(int code, WPARAM wParam, LPARAM lParam) {
    char name[64] = "";
    if (code == HCBT_CREATEWND) GetClassNameA((HWND)wParam, name, sizeof name);
    return lstrcmpiA(name, vetoed) == 0 ? 1 : CallNextHookEx(NULL, code, wParam, lParam);
}
static void StartUpFailuresAreReported() {
    ok(ReplaceImport("MessageBoxA", (void*)RecordMessageBox), "expected the program to import MessageBoxA");
    const struct { const char* vetoedClass; const char* text; } steps[] = {
        {"Kivrano", "Kivrano cannot start: creating the main window failed (error "},
        {"msctls_statusbar32", "Kivrano cannot start: creating the status bar failed (error "},
    };
    for (const auto& step : steps) {
        WriteSettings(kCustom);
        vetoed = step.vetoedClass;
        HHOOK hook = SetWindowsHookExA(WH_CBT, Veto, NULL, GetCurrentThreadId());
        shownCount = 0;
        shownText[0] = 0;
        int result = WinMain(GetModuleHandleA(NULL), NULL, (LPSTR) "", SW_SHOWNORMAL);
        UnhookWindowsHookEx(hook);
        const char* what = step.vetoedClass;
        ok(result == 0, "%s refused: WinMain expected 0, got %d", what, result);
        ok(shownCount == 1, "%s refused: message boxes expected 1, got %d", what, shownCount);
        ok(strncmp(shownText, step.text, strlen(step.text)) == 0,
           "%s refused: message expected to begin \"%s\", got \"%s\"", what, step.text, shownText);
        ok(!FindWindowA("Kivrano", NULL), "%s refused: expected no window left", what);
        ok(CustomFileKept(), "%s refused: expected the settings file's bytes and time stamp kept",
           what);
        ExitGame(NULL);
    }
}

int main() {
    HeldFileSurvivesTheRun();
    WindowStartsWhereItCanBeReached();
    EndOfSessionSaves();
    StartUpFailuresAreReported();
    return CheckSummary("start_exit_safety");
}
