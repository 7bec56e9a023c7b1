// The settings file on a real file system: loading and saving in the
// working directory while the file is missing, held open by another handle,
// read-only, a directory, damaged, or unchanged since the last run.
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "rules/board.h"
#include "settings/options.h"
#include "settings/settings_file.h"
#include "win32_check.h"

static const char kFile[] = "Kivrano.ini";

// The defaults after a run whose Medium window stood at (100, 50), 644 high.
static const BYTE kMediumAt100x50[55] = {
    0x01, 0x2E, 0x01, 0x02, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x31, 0x30, 0x30, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x35, 0x30, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x32, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x36, 0x34, 0x34, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
};

// Fast, Man, the computer Black, two people, everything switched the
// other way, a Large window at (1234, 7).
static const BYTE kUnusual[55] = {
    0x01, 0x2E, 0x00, 0x01, 0x02, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00,
    0x31, 0x32, 0x33, 0x34, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00,
    0x37, 0x00, 0x33, 0x34, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00,
    0x34, 0x00, 0x33, 0x34, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00,
    0x39, 0x30, 0x30, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00,
};

static void WriteRaw(const BYTE* bytes, DWORD size) {
    HANDLE file = CreateFileA(kFile, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD written = 0;
    WriteFile(file, bytes, size, &written, NULL);
    CloseHandle(file);
}

// The file's bytes, or -1 when it cannot be read.
static int ReadRaw(BYTE* bytes, DWORD capacity) {
    HANDLE file = CreateFileA(kFile, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return -1;
    DWORD got = 0;
    ReadFile(file, bytes, capacity, &got, NULL);
    CloseHandle(file);
    return (int)got;
}

static bool FileHolds(const BYTE* expected, int size) {
    BYTE bytes[100];
    return ReadRaw(bytes, sizeof bytes) == size && memcmp(bytes, expected, size) == 0;
}

static bool FilePresent() { return GetFileAttributesA(kFile) != INVALID_FILE_ATTRIBUTES; }

// Proves that the program let go of the file: only then can another
// handle with share mode 0 open it.
static bool NobodyHoldsTheFile() {
    HANDLE file = CreateFileA(kFile, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// Puts the last write time far back, so that any write would show.
static const FILETIME kLongAgo = {0x2AC18000, 0x01C07385};  // 2001-01-01

static void AgeTheFile() {
    HANDLE file = CreateFileA(kFile, FILE_WRITE_ATTRIBUTES, 0, NULL, OPEN_EXISTING, 0, NULL);
    SetFileTime(file, NULL, NULL, &kLongAgo);
    CloseHandle(file);
}

static bool WrittenLongAgo() {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(kFile, GetFileExInfoStandard, &data)) return false;
    return CompareFileTime(&data.ftLastWriteTime, &kLongAgo) == 0;
}

static const Options kUnusualOptions = {0, 1, 2, 0, 1, 1, 0, 0, 0, 1234, 7, 4, 900};

static int DifferentFields(const Options& expected) {
    const int32_t* a = &expected.level;
    const int32_t* b = &options.level;
    int different = 0;
    for (int i = 0; i < 13; i++) different += a[i] != b[i];
    return different;
}

// Loads after filling memory with the unusual values, so the defaults show.
static void LoadFromStrangeMemory() {
    options = kUnusualOptions;
    options.windowHeight = 321;
    Board[0][0] = Empty;
    LoadSettings();
}

static void CheckDefaultsLoaded(const char* when) {
    Options expected = kDefaultOptions;
    expected.windowHeight = 321;
    int different = DifferentFields(expected);
    ok(different == 0, "%s: expected the defaults, got %d fields otherwise (speed %d, sizeIndex %d)", when,
       different, (int)options.speed, (int)options.sizeIndex);
}

static void MissingFile() {
    DeleteFileA(kFile);
    LoadFromStrangeMemory();
    CheckDefaultsLoaded("missing file");
    ok(Board[0][0] == Wall && Board[20][20] == Wall, "expected the wall ring, got %d, %d", (int)Board[0][0],
       (int)Board[20][20]);
    ok(options.windowX == (int32_t)CW_USEDEFAULT, "expected CW_USEDEFAULT, got %d", (int)options.windowX);
    ok(!FilePresent(), "loading should not create the file");

    SaveSettings(100, 50, 2, 644);
    BYTE bytes[100];
    int size = ReadRaw(bytes, sizeof bytes);
    ok(size == 55, "expected a 55-byte file at exit, got %d", size);
    ok(FileHolds(kMediumAt100x50, 55), "expected the default records, first %02x %02x %02x", bytes[0], bytes[1],
       bytes[2]);
    ok(NobodyHoldsTheFile(), "the file should be closed after saving");
}

static void UnchangedFileKeepsBytesAndTimeStamp() {
    WriteRaw(kMediumAt100x50, 55);
    AgeTheFile();
    LoadFromStrangeMemory();
    ok(options.windowX == 100 && options.windowY == 50 && options.windowHeight == 644,
       "expected (100, 50) 644 high, got (%d, %d) %d high", (int)options.windowX, (int)options.windowY,
       (int)options.windowHeight);
    ok(NobodyHoldsTheFile(), "the file should be closed after loading");

    SaveSettings(100, 50, 2, 644);
    ok(WrittenLongAgo(), "an unchanged file should keep its time stamp");
    ok(FileHolds(kMediumAt100x50, 55), "an unchanged file should keep its bytes");
    // A fixed size ignores the stored height.
    SaveSettings(100, 50, 2, 700);
    ok(WrittenLongAgo(), "another height of a fixed window should not rewrite the file");

    // A Free window's height counts.
    BYTE free[55];
    memcpy(free, kMediumAt100x50, 55);
    memcpy(free + 33, "700", 4);
    WriteRaw(free, 55);
    AgeTheFile();
    SaveSettings(100, 50, 700, 644);
    ok(WrittenLongAgo(), "the same Free window should not rewrite the file");
    SaveSettings(100, 50, 700, 645);
    ok(!WrittenLongAgo(), "another height of a Free window should rewrite the file");
    BYTE bytes[55];
    ReadRaw(bytes, 55);
    ok(memcmp(bytes + 44, "645", 4) == 0, "expected the height 645, got %.3s", (const char*)bytes + 44);

    // And a Free size record loads as the window's width.
    LoadFromStrangeMemory();
    ok(options.sizeIndex == 700 && options.windowHeight == 645, "expected Free 700 x 645, got %d x %d",
       (int)options.sizeIndex, (int)options.windowHeight);
}

static void FileHeldOpenByAnotherHandle() {
    WriteRaw(kUnusual, 55);
    HANDLE held = CreateFileA(kFile, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ok(held != INVALID_HANDLE_VALUE, "expected to hold the file, error %lu", GetLastError());

    // At start-up it cannot be opened: as a wrong header, but it cannot go either.
    LoadFromStrangeMemory();
    CheckDefaultsLoaded("file held at start-up");
    ok(FilePresent(), "a held file cannot be deleted");
    // At exit it counts as different; the rewrite fails, silently.
    SaveSettings(100, 50, 2, 644);
    CloseHandle(held);
    ok(FileHolds(kUnusual, 55), "a held file should keep its bytes");

    // Held only at exit, after a normal start.
    LoadFromStrangeMemory();
    ok(DifferentFields(kUnusualOptions) == 0, "expected the stored options, got speed %d", (int)options.speed);
    held = CreateFileA(kFile, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    options.sound = 1;
    SaveSettings(1234, 7, 4, 900);
    CloseHandle(held);
    ok(FileHolds(kUnusual, 55), "a file held at exit should keep its bytes");
    ok(options.sound == 1, "a failed save should leave the options alone, got sound %d", (int)options.sound);

    // Once let go, the same values are written as the very same bytes.
    options.sound = 0;
    DeleteFileA(kFile);
    SaveSettings(1234, 7, 4, 900);
    ok(FileHolds(kUnusual, 55), "expected the unusual values written byte for byte");
}

// Windows refuses to write a read-only file; Wine run by root does not.
// Either way the file ends up whole: the old bytes or all of the new ones.
static bool ReadOnlyIsEnforced() {
    HANDLE file = CreateFileA(kFile, GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return true;
    CloseHandle(file);
    return false;
}

static void ReadOnlyFile() {
    WriteRaw(kUnusual, 55);
    SetFileAttributesA(kFile, FILE_ATTRIBUTE_READONLY);
    bool enforced = ReadOnlyIsEnforced();
    if (!enforced) printf("settings_file: read-only files are writable here; checking the rewrite instead\n");
    LoadFromStrangeMemory();
    ok(DifferentFields(kUnusualOptions) == 0, "a read-only file should still load, got speed %d",
       (int)options.speed);

    // Back to the defaults at (100, 50): a rewrite would give kMediumAt100x50.
    options = kDefaultOptions;
    SaveSettings(100, 50, 2, 644);
    ok(FileHolds(enforced ? kUnusual : kMediumAt100x50, 55), "a read-only file should be %s",
       enforced ? "kept as it was" : "rewritten whole");

    // With a wrong header it can be neither used nor deleted.
    SetFileAttributesA(kFile, FILE_ATTRIBUTE_NORMAL);
    BYTE wrong[55];
    memcpy(wrong, kUnusual, 55);
    wrong[1] = 47;
    WriteRaw(wrong, 55);
    SetFileAttributesA(kFile, FILE_ATTRIBUTE_READONLY);
    LoadFromStrangeMemory();
    CheckDefaultsLoaded("read-only file with a wrong header");
    ok(FileHolds(wrong, 55), "a read-only file cannot be deleted");
    SaveSettings(100, 50, 2, 644);
    ok(FileHolds(enforced ? wrong : kMediumAt100x50, 55), "a read-only file with a wrong header should be %s",
       enforced ? "kept as it was" : "rewritten whole");
    SetFileAttributesA(kFile, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(kFile);
}

static void DirectoryInTheFilesPlace() {
    DeleteFileA(kFile);
    CreateDirectoryA(kFile, NULL);
    LoadFromStrangeMemory();
    CheckDefaultsLoaded("a directory named like the file");
    SaveSettings(100, 50, 2, 644);
    DWORD attributes = GetFileAttributesA(kFile);
    ok(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY),
       "the directory should stay, attributes %lx", attributes);
    RemoveDirectoryA(kFile);
}

static void UnusableFilesAreDeleted() {
    struct Case {
        const char* what;
        BYTE first;
        BYTE second;
        DWORD size;
    };
    const Case cases[] = {
        {"version 1.47", 1, 47, 55},
        {"first byte 0", 0, 46, 55},
        {"right header, 54 bytes", 1, 46, 54},
        {"right header, 11 bytes", 1, 46, 11},
        {"one byte", 1, 46, 1},
        {"empty", 1, 46, 0},
    };
    for (const Case& c : cases) {
        BYTE bytes[55];
        memcpy(bytes, kUnusual, 55);
        bytes[0] = c.first;
        bytes[1] = c.second;
        WriteRaw(bytes, c.size);
        LoadFromStrangeMemory();
        CheckDefaultsLoaded(c.what);
        ok(!FilePresent(), "%s: expected the file deleted at start-up", c.what);
        SaveSettings(100, 50, 2, 644);
        ok(FileHolds(kMediumAt100x50, 55), "%s: expected a fresh file at exit", c.what);
    }
}

int main() {
    MissingFile();
    UnchangedFileKeepsBytesAndTimeStamp();
    FileHeldOpenByAnotherHandle();
    ReadOnlyFile();
    DirectoryInTheFilesPlace();
    UnusableFilesAreDeleted();
    return CheckSummary("settings_file");
}
