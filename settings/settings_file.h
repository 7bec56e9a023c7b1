// The settings file "Kivrano.ini": 55 bytes in five 11-byte records, read
// once at start-up and written at exit only when this run changed
// something, through a new file beside it that then takes its place.
#pragma once

#include <stdint.h>

#include "settings/options.h"

const int32_t kSettingsRecordSize = 11;
const int32_t kSettingsFileSize = 5 * kSettingsRecordSize;
extern const uint8_t kSettingsMagic[2];  // 1, 46: version 1.46
extern const char* const kSettingsFileName;
// The new bytes are written under the first of these names that takes
// them; one left by a crash is ignored and goes at the next exit.
const int32_t kNewSettingsFileNameCount = 4;
extern const char* const kNewSettingsFileNames[kNewSettingsFileNameCount];

// Loads the options from the file or the defaults, then rings the board
// with Wall cells. Afterwards every option is within its range, so tables
// indexed by options are safe; sizeIndex is 0..4 or a Free width >= 5.
void LoadSettings();
bool SettingsFileExists();
void ApplyDefaultSettings();
// A file that is there but cannot be opened (another program holds it, or
// it may not be read) gives the defaults and is left as it is, now and at
// exit. A file with a wrong header or too short is deleted.
void ReadSettingsFile();
// sizeRecord is sizeIndex (0..4) or, for a Free window, its outer width.
// Written only when these values differ from those this run read or last
// wrote (so a copy of the game that changed nothing never undoes another
// copy's save; when both changed something, the last to exit wins), or when
// there was no whole file at start-up. Never written when the file could
// not be opened at start-up or is read-only.
void SaveSettings(int32_t windowX, int32_t windowY, int32_t sizeRecord, int32_t windowHeight);
