// The settings file on a real file system: missing, unchanged, held open, read-only, or with a wrong header.
#include <windows.h>

#include <string.h>

#include "settings/settings_file.h"
#include "win32_check.h"

static const char kFile[] = "Kivrano.ini";
// The defaults after a run whose Medium window stood at (100, 50), 644 high.
static const BYTE kMedium[55] = {
    0x01, 0x2E, 0x01, 0x02, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x31, 0x30, 0x30, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x35, 0x30, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x32, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x36, 0x34, 0x34, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
};
static const Options kMediumOptions = {1, 2, 1, 1, 0, 0, 1, 1, 1, 100, 50, 2, 644};
static const Options kMovedDown = {1, 2, 1, 1, 0, 0, 1, 1, 1, 100, 51, 2, 644};
static const Options kDefaults = {1, 2, 1, 1, 0, 0, 1, 1, 1, (int32_t)CW_USEDEFAULT, (int32_t)CW_USEDEFAULT, 2, 321};
static const FILETIME kLongAgo = {0x2AC18000, 0x01C07385};  // 2001-01-01: any later write shows

// Writes the file as if from long ago.
static void WriteRaw(const BYTE* bytes, DWORD size) {
    HANDLE file = CreateFileA(kFile, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD written = 0;
    WriteFile(file, bytes, size, &written, NULL);
    SetFileTime(file, NULL, NULL, &kLongAgo);
    CloseHandle(file);
}

// True when the file holds exactly these 55 bytes (and, if asked, its old time stamp).
// Opening it with share mode 0 also proves that the program let go of it.
static bool FileHolds(const BYTE* expected, bool untouched = false) {
    HANDLE file = CreateFileA(kFile, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    BYTE bytes[100];
    DWORD got = 0;
    FILETIME written = {0, 0};
    if (file == INVALID_HANDLE_VALUE) return false;
    ReadFile(file, bytes, sizeof bytes, &got, NULL);
    GetFileTime(file, NULL, NULL, &written);
    CloseHandle(file);
    return got == 55 && memcmp(bytes, expected, 55) == 0 && (!untouched || CompareFileTime(&written, &kLongAgo) == 0);
}

// Start-up from other values in memory; true when it gives `expected`.
static bool Loads(const Options& expected) {
    memset(&options, 0x55, sizeof options);
    options.windowHeight = 321;
    LoadSettings();
    return memcmp(&options, &expected, sizeof options) == 0;
}

int main() {
    DeleteFileA(kFile);
    ok(Loads(kDefaults) && GetFileAttributesA(kFile) == INVALID_FILE_ATTRIBUTES, "missing: the defaults, no file");
    SaveSettings(100, 50, 2, 644);
    ok(FileHolds(kMedium), "missing: expected the 55 bytes of the defaults written at exit and let go");

    WriteRaw(kMedium, 55);
    ok(Loads(kMediumOptions) && FileHolds(kMedium, true), "unchanged: expected it loaded and let go");
    SaveSettings(100, 50, 2, 700);  // a fixed size ignores the height
    ok(FileHolds(kMedium, true), "unchanged: expected the bytes and the time stamp kept");

    // Held with share mode 0 at start-up: the defaults for this run, and the file is left alone, even at exit.
    HANDLE held = CreateFileA(kFile, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ok(Loads(kDefaults), "held at start-up: expected the defaults, speed %d", (int)options.speed);
    CloseHandle(held);
    SaveSettings(100, 51, 2, 644);
    ok(FileHolds(kMedium, true), "held at start-up: expected the file's bytes and time stamp kept after exit");
    // Held only at exit: the failed write is ignored.
    ok(Loads(kMediumOptions), "after a normal start-up: expected the stored values");
    held = CreateFileA(kFile, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    SaveSettings(100, 51, 2, 644);
    CloseHandle(held);
    ok(FileHolds(kMedium, true) && options.windowY == 50, "held at exit: expected the file and options kept");

    // Windows refuses to write a read-only file, Wine run by root may not: no crash, a whole file.
    SetFileAttributesA(kFile, FILE_ATTRIBUTE_READONLY);
    SaveSettings(100, 51, 2, 644);
    ok(Loads(kMediumOptions) || Loads(kMovedDown), "read-only: expected a whole file after exit");
    SetFileAttributesA(kFile, FILE_ATTRIBUTE_NORMAL);

    const struct { BYTE first, second; DWORD size; } wrong[] = {{1, 47, 55}, {0, 46, 55}, {1, 46, 54}, {1, 46, 0}};
    for (const auto& c : wrong) {
        BYTE bytes[55] = {c.first, c.second};
        memcpy(bytes + 2, kMedium + 2, 53);
        WriteRaw(bytes, c.size);
        ok(Loads(kDefaults) && GetFileAttributesA(kFile) == INVALID_FILE_ATTRIBUTES,
           "%d.%d, %lu bytes: expected the defaults and the file deleted", c.first, c.second, c.size);
        SaveSettings(100, 50, 2, 644);
        ok(FileHolds(kMedium), "%d.%d, %lu bytes: expected a whole file at exit", c.first, c.second, c.size);
    }
    return CheckSummary("settings_file");
}
