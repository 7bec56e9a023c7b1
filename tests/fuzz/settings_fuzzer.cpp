// Any bytes as the settings file: no crash (the pure layer reads the input
// itself, so ASan catches a read past it), and every option in range after start-up.
#include <stdlib.h>

#include "settings/settings_bytes.h"
#include "tests/unit/platform_recorder.h"

#define CHECK(c) ((c) ? (void)0 : abort())

void InitWallRing() {}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int32_t length = size > 1000000 ? 1000000 : (int32_t)size;
    const bool valid = SettingsFileValid(data, length);
    CHECK(length < kSettingsFileSize ? !valid : SettingsMatch(data, length, DecodeSettings(data)));
    ResetPlatformRecord();
    platformRecord.files[kSettingsFileName].assign(data, data + size);
    LoadSettings();
    const Options o = options;
    for (int32_t v : {o.level, o.computerColour - 1, o.gameMode - 1, o.speed, o.allowDoubleThree,
                      o.continuousPlay, o.markPrevious, o.sound, o.statusBar})
        CHECK(v == 0 || v == 1);
    CHECK(o.sizeIndex >= 0);
    CHECK(platformRecord.files.count(kSettingsFileName) == (valid ? 1u : 0u));  // an unusable file is deleted
    SaveSettings(o.windowX, o.windowY, o.sizeIndex, o.windowHeight);
    return 0;
}
