// The settings file on a real file system: missing, unchanged, held open at exit, or with a wrong header.
// The steps of each case and every wrong header are checked natively (tests/unit/settings_test.cpp); a file
// held across the whole run is checked on the real game (start_exit_safety_test.cpp).
#include <windows.h>

#include <string.h>

#include "settings/settings_file.h"
#include "win32_check.h"

// The defaults after a run whose Medium window stood at (100, 50), 644 high.
static const BYTE kMedium[55] = {
    0x01, 0x2E, 0x01, 0x02, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x31, 0x30, 0x30, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x35, 0x30, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x32, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x36, 0x34, 0x34, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
};
static const FILETIME kLongAgo = {0x2AC18000, 0x01C07385};  // 2001-01-01: any later write shows

// Writes the file as if from long ago.
static void WriteRaw(const BYTE* bytes, DWORD size) {
    HANDLE file = CreateFileA(kSettingsFileName, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written = 0;
    WriteFile(file, bytes, size, &written, NULL);
    SetFileTime(file, NULL, NULL, &kLongAgo);
    CloseHandle(file);
}

// What the file holds: its size, whether its bytes are kMedium's, whether it is dated long ago. Opening
// it with share mode 0 also proves that the program let go of it.
struct FileState {
    DWORD size;
    bool medium;
    bool longAgo;
};
static FileState ReadState() {
    FileState state = {0, false, false};
    HANDLE file = CreateFileA(kSettingsFileName, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return state;
    BYTE bytes[100];
    FILETIME written = {0, 0};
    ReadFile(file, bytes, sizeof bytes, &state.size, NULL);
    GetFileTime(file, NULL, NULL, &written);
    CloseHandle(file);
    state.medium = state.size == 55 && memcmp(bytes, kMedium, 55) == 0;
    state.longAgo = CompareFileTime(&written, &kLongAgo) == 0;
    return state;
}

static bool FileThere() { return GetFileAttributesA(kSettingsFileName) != INVALID_FILE_ATTRIBUTES; }

// Start-up with other values in memory, as a second run would have.
static void Load() {
    options.windowY = 12345;
    options.windowHeight = 321;
    LoadSettings();
}

int main() {
    DeleteFileA(kSettingsFileName);
    Load();
    ok(options.windowY == (int32_t)CW_USEDEFAULT, "missing: windowY expected the default, got %d",
       (int)options.windowY);
    ok(!FileThere(), "missing: expected no file made at start-up");
    SaveSettings(100, 50, 2, 644);
    FileState state = ReadState();
    ok(state.size == 55, "missing, after exit: size expected 55, got %lu", state.size);
    ok(state.medium, "missing, after exit: expected the bytes of the defaults at (100, 50)");

    WriteRaw(kMedium, 55);
    Load();
    ok(options.windowY == 50, "unchanged: windowY expected the stored 50, got %d", (int)options.windowY);
    SaveSettings(100, 50, 2, 700);  // a fixed size ignores the height
    state = ReadState();
    ok(state.medium, "unchanged, after exit: expected the same bytes");
    ok(state.longAgo, "unchanged, after exit: expected the old time stamp");

    // Held by another program only at exit: the failed replace is ignored and the old file stays.
    Load();
    HANDLE held = CreateFileA(kSettingsFileName, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    SaveSettings(100, 51, 2, 644);
    CloseHandle(held);
    state = ReadState();
    ok(state.medium, "held at exit: expected the old bytes");
    ok(state.longAgo, "held at exit: expected the old time stamp");
    ok(GetFileAttributesA(kNewSettingsFileName) == INVALID_FILE_ATTRIBUTES,
       "held at exit: expected no new file left beside it");

    // A wrong header (version 1.47): the defaults, the file deleted at start-up, a whole file at exit.
    BYTE wrong[55];
    memcpy(wrong, kMedium, 55);
    wrong[1] = 47;
    WriteRaw(wrong, 55);
    Load();
    ok(options.windowY == (int32_t)CW_USEDEFAULT, "header 1.47: windowY expected the default, got %d",
       (int)options.windowY);
    ok(!FileThere(), "header 1.47: expected the file deleted at start-up");
    SaveSettings(100, 50, 2, 644);
    ok(ReadState().medium, "header 1.47, after exit: expected the bytes of the defaults at (100, 50)");
    return CheckSummary("settings_file");
}
