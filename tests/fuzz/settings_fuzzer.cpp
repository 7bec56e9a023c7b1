// Any bytes as the settings file: no crash (the pure layer reads the input
// itself, so ASan catches a read past it), and every option in range after start-up.
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "settings/settings_bytes.h"

#define CHECK(c) ((c) ? (void)0 : abort())

static bool present;  // the settings file; the new one beside it lives only in `written`
static std::vector<uint8_t> bytes, written;
static bool IsSettingsFile(const char* name) { return strcmp(name, kSettingsFileName) == 0; }
bool FileExists(const char* name) { return IsSettingsFile(name) && present; }
int32_t ReadFileBytes(const char*, uint8_t* buffer, int32_t capacity) {
    int32_t n = bytes.size() < (size_t)capacity ? (int32_t)bytes.size() : capacity;
    if (n > 0) memcpy(buffer, bytes.data(), (size_t)n);
    return n;
}
bool WriteFileBytes(const char*, const uint8_t* data, int32_t size) {
    written.assign(data, data + size);
    return true;
}
bool ReplaceFileNamed(const char*, const char*) {
    bytes = written;
    return present = true;
}
void DeleteFileNamed(const char* name) {
    if (IsSettingsFile(name)) present = false;
}
void InitWallRing() {}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int32_t length = size > 1000000 ? 1000000 : (int32_t)size;
    const bool valid = SettingsFileValid(data, length);
    CHECK(length < kSettingsFileSize ? !valid : SettingsMatch(data, length, DecodeSettings(data)));
    present = true;
    bytes.assign(data, data + size);
    LoadSettings();
    const Options o = options;
    for (int32_t v : {o.level, o.computerColour - 1, o.gameMode - 1, o.speed, o.allowDoubleThree, o.continuousPlay,
                      o.markPrevious, o.sound, o.statusBar})
        CHECK(v == 0 || v == 1);
    CHECK(o.sizeIndex >= 0 && present == valid);  // an unusable file is deleted
    SaveSettings(o.windowX, o.windowY, o.sizeIndex, o.windowHeight);
    return 0;
}
