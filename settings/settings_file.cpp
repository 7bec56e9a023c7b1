// Reading the settings file at start-up and writing it at exit, through
// the platform's whole-file operations (share mode 0).
#include "settings/settings_file.h"

#include "platform/platform.h"
#include "rules/board.h"
#include "settings/settings_bytes.h"

const char* const kSettingsFileName = "Kivrano.ini";

void LoadSettings() {
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
    // A file that cannot be opened, has another header or ends early is
    // of no use: it goes, and a whole one is written at exit.
    if (!SettingsFileValid(file, length)) {
        DeleteFileNamed(kSettingsFileName);
        ApplyDefaultSettings();
        return;
    }
    options = DecodeSettings(file);
    ReplaceOutOfRangeOptions(options);
}

void SaveSettings(int32_t windowX, int32_t windowY, int32_t sizeRecord, int32_t windowHeight) {
    Options current = options;
    current.windowX = windowX;
    current.windowY = windowY;
    current.sizeIndex = sizeRecord;
    current.windowHeight = windowHeight;

    uint8_t file[kSettingsFileSize];
    if (SettingsFileExists()) {
        int32_t length = ReadFileBytes(kSettingsFileName, file, kSettingsFileSize);
        // Unchanged: not even opened for writing, so its time stamp stays.
        if (SettingsMatch(file, length, current)) return;
    }
    EncodeSettings(current, file);
    // Nobody to tell at exit: a file that cannot be written keeps what it had.
    WriteFileBytes(kSettingsFileName, file, kSettingsFileSize);
}
