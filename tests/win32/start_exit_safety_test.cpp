// The real game started and ended in ways that used to lose what the user set: a settings file unchanged or
// held by another program, a stored position off every screen, the end of the session, and start-up steps
// the system refuses. The file steps behind each case (a wrong header deleted, a held file at exit, a failed
// replace) are checked natively (tests/unit/settings_test.cpp).
#include "app/win_main.cpp"

#include "game_window.h"
#include "settings/settings_bytes.h"

static const FILETIME kLongAgo = {0x2A4E0000, 0x01C07385};  // 2001-01-01: any later write shows

// Man, Fast, double three allowed, no sound, a Small window at (100, 50): none of them a default.
static Options CustomOptions() { return {0, 2, 1, 0, 1, 0, 1, 0, 1, 100, 50, 1, 528}; }

// Writes the settings file's 55 bytes, dated long ago.
static void WriteSettings(const Options& stored) {
    uint8_t bytes[kSettingsFileSize];
    EncodeSettings(stored, bytes);
    HANDLE file = CreateFileA(kSettingsFileName, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written = 0;
    WriteFile(file, bytes, kSettingsFileSize, &written, NULL);
    SetFileTime(file, NULL, NULL, &kLongAgo);
    CloseHandle(file);
}

// What the settings file holds: up to 64 bytes, their count and its time stamp.
struct FileContent {
    BYTE bytes[64];
    DWORD size;
    FILETIME written;
};
static FileContent SettingsFileContent() {
    FileContent content = {};
    HANDLE file = CreateFileA(kSettingsFileName, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return content;
    ReadFile(file, content.bytes, sizeof content.bytes, &content.size, NULL);
    GetFileTime(file, NULL, NULL, &content.written);
    CloseHandle(file);
    return content;
}
static bool SameContent(const FileContent& a, const FileContent& b) {
    return a.size == b.size && memcmp(a.bytes, b.bytes, a.size) == 0 &&
           CompareFileTime(&a.written, &b.written) == 0;
}

// Held by another program across the start, with no sharing or with every kind: the game runs on the
// defaults, and neither deletes the file nor writes the defaults over it at exit.
static void HeldFileSurvivesTheRun() {
    const struct { const char* what; DWORD share; } holds[] = {
        {"held with share mode 0", 0},
        {"held sharing read, write and delete", FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE},
    };
    for (const auto& hold : holds) {
        WriteSettings(CustomOptions());
        const FileContent before = SettingsFileContent();
        HANDLE held = CreateFileA(kSettingsFileName, GENERIC_READ, hold.share, NULL, OPEN_EXISTING, 0, NULL);
        ok(held != INVALID_HANDLE_VALUE, "%s: expected the test to open the file, error %lu", hold.what,
           GetLastError());
        HWND window = StartGame();
        CloseHandle(held);
        ok(options.speed == kDefaultOptions.speed, "%s: speed expected the default %d, got %d", hold.what,
           kDefaultOptions.speed, options.speed);
        ExitGame(window);
        ok(SameContent(before, SettingsFileContent()),
           "%s: expected the file's bytes and time stamp kept after exit", hold.what);
    }
}

// A stored position where the window would not show enough of itself to be reached gives the platform's
// position. Where the edges of "enough" lie, and the Free size raised to fit the board, are checked natively
// (window_placement_test.cpp); a stored position that shows is kept (startup_test.cpp).
static void WindowStartsWhereItCanBeReached() {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (screenWidth >= 5000 || screenHeight >= 5000 || screenHeight < 600) {
        skip("a stored 5000,5000 needs a screen 600 to 4999 pixels each way, got %d x %d", screenWidth,
             screenHeight);
        return;
    }
    Options stored = CustomOptions();
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
    WriteSettings(CustomOptions());
    const FileContent before = SettingsFileContent();
    ExitGame(StartGame());
    ok(SameContent(before, SettingsFileContent()), "exit unchanged: expected the bytes and time stamp kept");
    HWND window = StartGame();
    Command(window, IDM_SOUND);
    SendMessageA(window, WM_ENDSESSION, FALSE, 0);
    ok(SameContent(before, SettingsFileContent()),
       "WM_ENDSESSION FALSE: expected the file's bytes and time stamp kept");
    SendMessageA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    Options stored = DecodeSettings(SettingsFileContent().bytes);
    ok(stored.sound == 1, "WM_ENDSESSION TRUE: stored sound expected 1, got %d", stored.sound);
    ok(stored.speed == 0, "WM_ENDSESSION TRUE: stored speed expected the custom 0, got %d", stored.speed);
    Command(window, IDM_SOUND);
    ExitGame(window);
    stored = DecodeSettings(SettingsFileContent().bytes);
    ok(stored.sound == 1, "exit after WM_ENDSESSION: stored sound expected 1 (no second save), got %d",
       stored.sound);
}

// Each refused start-up step: WinMain says which in a message box with the system's error code, gives 0,
// leaves no window or quit message, and does not touch the settings file.
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
    return vetoed && lstrcmpiA(name, vetoed) == 0 ? 1 : CallNextHookEx(NULL, code, wParam, lParam);
}
static void StartUpFailuresAreReported() {
    ok(ReplaceImport("MessageBoxA", (void*)RecordMessageBox), "expected the program to import MessageBoxA");
    const struct { const char* what; const char* vetoedClass; const char* text; } steps[] = {
        {"class taken", NULL, "Kivrano cannot start: registering the window class failed (error 1410)."},
        {"main window refused", "Kivrano", "Kivrano cannot start: creating the main window failed (error "},
        {"status bar refused", "msctls_statusbar32",
         "Kivrano cannot start: creating the status bar failed (error "},
    };
    HINSTANCE instance = GetModuleHandleA(NULL);
    for (const auto& step : steps) {
        WriteSettings(CustomOptions());
        const FileContent before = SettingsFileContent();
        WNDCLASSEXA taken = {};
        taken.cbSize = sizeof taken;
        taken.lpfnWndProc = DefWindowProcA;
        taken.hInstance = instance;
        taken.lpszClassName = "Kivrano";
        if (!step.vetoedClass) RegisterClassExA(&taken);
        vetoed = step.vetoedClass;
        HHOOK hook = SetWindowsHookExA(WH_CBT, Veto, NULL, GetCurrentThreadId());
        shownCount = 0;
        shownText[0] = 0;
        int result = WinMain(instance, NULL, (LPSTR) "", SW_SHOWNORMAL);
        UnhookWindowsHookEx(hook);
        MSG quit;
        ok(result == 0, "%s: WinMain expected 0, got %d", step.what, result);
        ok(shownCount == 1, "%s: message boxes expected 1, got %d", step.what, shownCount);
        ok(strncmp(shownText, step.text, strlen(step.text)) == 0,
           "%s: message expected to begin \"%s\", got \"%s\"", step.what, step.text, shownText);
        ok(!PeekMessageA(&quit, NULL, WM_QUIT, WM_QUIT, PM_REMOVE), "%s: expected no quit message",
           step.what);
        ok(!FindWindowA("Kivrano", NULL), "%s: expected no window left", step.what);
        ok(SameContent(before, SettingsFileContent()),
           "%s: expected the settings file's bytes and time stamp kept", step.what);
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
