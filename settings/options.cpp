#include "settings/options.h"

// The defaults, so that code running before the settings are loaded (and
// the tools, which never load them) sees sensible values.
Options options = kDefaultOptions;

static void KeepInRange(int32_t& value, int32_t low, int32_t high, int32_t fallback) {
    if (value < low || value > high) value = fallback;
}

void ReplaceOutOfRangeOptions(Options& values) {
    const Options& d = kDefaultOptions;
    KeepInRange(values.level, 0, 1, d.level);
    KeepInRange(values.computerColour, 1, 2, d.computerColour);
    KeepInRange(values.gameMode, kComputerVsPerson, kPersonVsPerson, d.gameMode);
    KeepInRange(values.speed, 0, 1, d.speed);
    KeepInRange(values.allowDoubleThree, 0, 1, d.allowDoubleThree);
    KeepInRange(values.continuousPlay, 0, 1, d.continuousPlay);
    KeepInRange(values.markPrevious, 0, 1, d.markPrevious);
    KeepInRange(values.sound, 0, 1, d.sound);
    KeepInRange(values.statusBar, 0, 1, d.statusBar);
    // 0..4 is a fixed size and 5 or more a Free window's width.
    KeepInRange(values.sizeIndex, 0, INT32_MAX, d.sizeIndex);
}
