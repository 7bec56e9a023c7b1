// Reading the settings file at start-up and writing it at exit, through
// the platform's whole-file operations (share mode 0).
#include "settings/settings_file.h"

#include <string.h>

#include "platform/platform.h"
#include "rules/board.h"
#include "settings/settings_bytes.h"

const char* const kSettingsFileName = "Kivrano.ini";
const char* const kNewSettingsFileNames[kNewSettingsFileNameCount] = {
    "Kivrano.ini.new", "Kivrano.ini.new1", "Kivrano.ini.new2", "Kivrano.ini.new3"};

// Set when the file was there at start-up but could not be opened: it is
// someone else's for this run, so exit leaves it alone.
static bool leaveFileAlone = false;

// The file as this run knows it: the bytes it read at start-up, or wrote
// since. Exit compares the options with these and not with the file: another
// copy of the game may have saved its own changes in between, and a copy
// that changed nothing must not undo them. A length of 0 (no whole file at
// start-up) matches nothing, so exit writes one.
static uint8_t knownFile[kSettingsFileSize];
static int32_t knownLength = 0;

void LoadSettings() {
    leaveFileAlone = false;
    knownLength = 0;
    if (SettingsFileExists()) ReadSettingsFile();
    else ApplyDefaultSettings();
    // Start-up relies on this to ring the board before the first game.
    InitWallRing();
}

bool SettingsFileExists() { return FileExists(kSettingsFileName); }

void ApplyDefaultSettings() {
    int32_t windowHeight = options.windowHeight;
    options = kDefaultOptions;
    options.windowHeight = windowHeight;
}

void ReadSettingsFile() {
    uint8_t file[kSettingsFileSize];
    int32_t length = ReadFileBytes(kSettingsFileName, file, kSettingsFileSize);
    // Held by another program, or not ours to read: it may well hold the
    // user's options, so it is neither deleted nor overwritten.
    leaveFileAlone = length < 0;
    if (leaveFileAlone) {
        ApplyDefaultSettings();
        return;
    }
    // A file with another header or that ends early is of no use: it goes,
    // and a whole one is written at exit.
    if (!SettingsFileValid(file, length)) {
        DeleteFileNamed(kSettingsFileName);
        ApplyDefaultSettings();
        return;
    }
    memcpy(knownFile, file, kSettingsFileSize);
    knownLength = kSettingsFileSize;
    options = DecodeSettings(file);
    ReplaceOutOfRangeOptions(options);
}

static void DeleteLeftoverNewFiles() {
    for (const char* name : kNewSettingsFileNames)
        if (FileExists(name)) DeleteFileNamed(name);
}

// Whole bytes beside the old file first (over any left by a crash), then one
// step puts them in its place: a process killed at any moment leaves the old
// options or the new ones, never a part. A name that cannot be written (a
// folder of that name, a read-only file, another copy's save under way)
// gives way to the next. Nobody to tell at exit: when a step fails the old
// file keeps what it had, and no new file stays behind.
static bool ReplaceThroughNewFile(const uint8_t file[kSettingsFileSize]) {
    for (const char* name : kNewSettingsFileNames) {
        if (!WriteFileBytes(name, file, kSettingsFileSize)) {
            DeleteFileNamed(name);  // a part written before a failure
            continue;
        }
        if (ReplaceFileNamed(kSettingsFileName, name)) return true;
        DeleteFileNamed(name);
        return false;
    }
    return false;
}

void SaveSettings(int32_t windowX, int32_t windowY, int32_t sizeRecord, int32_t windowHeight) {
    if (leaveFileAlone) return;
    Options current = options;
    current.windowX = windowX;
    current.windowY = windowY;
    current.sizeIndex = sizeRecord;
    current.windowHeight = windowHeight;

    // Unchanged in this run: the file is not even opened, so its bytes and
    // time stamp stay, whoever wrote them.
    if (SettingsMatch(knownFile, knownLength, current)) {
        DeleteLeftoverNewFiles();
        return;
    }
    // Read-only: the user's way to keep the options as they are.
    if (FileIsReadOnly(kSettingsFileName)) return;
    uint8_t file[kSettingsFileSize];
    EncodeSettings(current, file);
    if (!ReplaceThroughNewFile(file)) return;
    memcpy(knownFile, file, kSettingsFileSize);
    knownLength = kSettingsFileSize;
}
