// The settings file "Kivrano.ini": 55 bytes in five 11-byte records, read
// once at start-up and written at exit only when something changed.
#pragma once

#include <stdint.h>

#include "settings/options.h"

const int32_t kSettingsRecordSize = 11;
const int32_t kSettingsFileSize = 5 * kSettingsRecordSize;
extern const uint8_t kSettingsMagic[2];  // 1, 46: version 1.46
extern const char* const kSettingsFileName;

// Loads the options from the file or the defaults, then rings the board
// with Wall cells. Afterwards every option is within its range, so tables
// indexed by options are safe; sizeIndex is 0..4 or a Free width >= 5.
void LoadSettings();
bool SettingsFileExists();
void ApplyDefaultSettings();
void ReadSettingsFile();
// sizeRecord is sizeIndex (0..4) or, for a Free window, its outer width.
void SaveSettings(int32_t windowX, int32_t windowY, int32_t sizeRecord, int32_t windowHeight);
