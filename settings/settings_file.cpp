// Reading the settings file at start-up and writing it at exit, through
// the platform's whole-file operations (share mode 0).
#include "settings/settings_file.h"

#include "platform/platform.h"
#include "rules/board.h"
#include "settings/settings_bytes.h"

const char* const kSettingsFileName = "Kivrano.ini";
const char* const kNewSettingsFileName = "Kivrano.ini.new";

// Set when the file was there at start-up but could not be opened: it is
// someone else's for this run, so exit leaves it alone.
static bool leaveFileAlone = false;

void LoadSettings() {
    leaveFileAlone = false;
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
    options = DecodeSettings(file);
    ReplaceOutOfRangeOptions(options);
}

static void DeleteLeftoverNewFile() {
    if (FileExists(kNewSettingsFileName)) DeleteFileNamed(kNewSettingsFileName);
}

void SaveSettings(int32_t windowX, int32_t windowY, int32_t sizeRecord, int32_t windowHeight) {
    if (leaveFileAlone) return;
    Options current = options;
    current.windowX = windowX;
    current.windowY = windowY;
    current.sizeIndex = sizeRecord;
    current.windowHeight = windowHeight;

    uint8_t file[kSettingsFileSize];
    if (SettingsFileExists()) {
        int32_t length = ReadFileBytes(kSettingsFileName, file, kSettingsFileSize);
        // Unchanged: not even opened for writing, so its time stamp stays.
        if (SettingsMatch(file, length, current)) {
            DeleteLeftoverNewFile();
            return;
        }
    }
    EncodeSettings(current, file);
    // Whole bytes beside the old file first (over any left by a crash),
    // then one step puts them in its place: a process killed at any moment
    // leaves the old options or the new ones, never a part. Nobody to tell
    // at exit: when a step fails the old file keeps what it had.
    if (!WriteFileBytes(kNewSettingsFileName, file, kSettingsFileSize) ||
        !ReplaceFileNamed(kSettingsFileName, kNewSettingsFileName))
        DeleteFileNamed(kNewSettingsFileName);
}
