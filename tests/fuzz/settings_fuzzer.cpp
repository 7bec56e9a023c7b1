// Any bytes of any length as the settings file. The pure layer works on
// the input itself, which libFuzzer holds in a block of exactly its size,
// so AddressSanitizer catches a read past it; then the whole start-up and
// exit run over the same bytes as an in-memory file. Afterwards every
// option must be in its range, and a saved file must load back the same.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "rules/board.h"
#include "settings/options.h"
#include "settings/settings_bytes.h"
#include "settings/settings_file.h"

#define CHECK(condition)                                                       \
    do {                                                                       \
        if (!(condition)) {                                                    \
            fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
            abort();                                                           \
        }                                                                      \
    } while (0)

// The one file in the working directory.
static bool filePresent;
static std::vector<uint8_t> fileBytes;
static int wallRings;

bool FileExists(const char* fileName) { return filePresent && strcmp(fileName, "Kivrano.ini") == 0; }

int32_t ReadFileBytes(const char* fileName, uint8_t* buffer, int32_t capacity) {
    if (!FileExists(fileName)) return -1;
    int32_t n = fileBytes.size() < (size_t)capacity ? (int32_t)fileBytes.size() : capacity;
    if (n > 0) memcpy(buffer, fileBytes.data(), (size_t)n);
    return n;
}

bool WriteFileBytes(const char* fileName, const uint8_t* data, int32_t size) {
    CHECK(strcmp(fileName, "Kivrano.ini") == 0);
    filePresent = true;
    fileBytes.assign(data, data + size);
    return true;
}

void DeleteFileNamed(const char*) {
    filePresent = false;
    fileBytes.clear();
}

void InvalidateArea(WindowHandle, const PixelRect&) {}
void PlaySoundFile(const char*) {}
// The board is not under test here; only that loading ends by ringing it.
void InitWallRing() { wallRings++; }

static void CheckInRange(const Options& o) {
    CHECK(o.level == 0 || o.level == 1);
    CHECK(o.computerColour == 1 || o.computerColour == 2);
    CHECK(o.gameMode == 1 || o.gameMode == 2);
    CHECK(o.speed == 0 || o.speed == 1);
    CHECK(o.allowDoubleThree == 0 || o.allowDoubleThree == 1);
    CHECK(o.continuousPlay == 0 || o.continuousPlay == 1);
    CHECK(o.markPrevious == 0 || o.markPrevious == 1);
    CHECK(o.sound == 0 || o.sound == 1);
    CHECK(o.statusBar == 0 || o.statusBar == 1);
    CHECK(o.sizeIndex >= 0);  // 0..4 a fixed size, 5 and more a Free width
}

static bool SameOptions(const Options& a, const Options& b) { return memcmp(&a, &b, sizeof a) == 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int32_t length = size > 1000000 ? 1000000 : (int32_t)size;

    // A file always matches the values decoded from it.
    bool valid = SettingsFileValid(data, length);
    if (length >= kSettingsFileSize) CHECK(SettingsMatch(data, length, DecodeSettings(data)));
    else CHECK(!valid && !SettingsMatch(data, length, kDefaultOptions));

    // Start-up over the same bytes.
    filePresent = true;
    fileBytes.assign(data, data + size);
    wallRings = 0;
    options = kDefaultOptions;
    options.windowHeight = 77;
    LoadSettings();
    CHECK(wallRings == 1);
    CheckInRange(options);
    CHECK(filePresent == valid);  // an unusable file is deleted, a usable one kept
    if (!valid) CHECK(options.windowHeight == 77);

    // Exit with the window as loaded; then the next start gets the same.
    const Options loaded = options;
    SaveSettings(options.windowX, options.windowY, options.sizeIndex, options.windowHeight);
    CHECK(SameOptions(loaded, options));
    CHECK(filePresent && fileBytes.size() >= (size_t)kSettingsFileSize);
    LoadSettings();
    CHECK(SameOptions(loaded, options));
    return 0;
}
