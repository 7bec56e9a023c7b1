// The user's options, loaded from the settings file at start-up, changed by
// the menu, and saved at exit.
#pragma once

#include <stdint.h>

struct Options {
    int32_t level;             // 0 Man, 1 God
    int32_t computerColour;    // 1 Black, 2 White
    int32_t gameMode;          // kComputerVsPerson or kPersonVsPerson
    int32_t speed;             // 0 Fast, 1 Slow
    int32_t allowDoubleThree;  // 0 double three forbidden, 1 allowed
    int32_t continuousPlay;
    int32_t markPrevious;
    int32_t sound;
    int32_t statusBar;
    int32_t windowX;
    int32_t windowY;
    int32_t sizeIndex;         // 0..4 fixed sizes Tiny .. Huge, kFreeSize Free
    int32_t windowHeight;      // outer height of a Free window
};

// The two values of gameMode, as the settings file stores them.
const int32_t kComputerVsPerson = 1;
const int32_t kPersonVsPerson = 2;

// sizeIndex of a Free window. In the settings file the same record holds a
// Free window's outer width instead, always far more than 5, so a size
// record of kFreeSize or more means Free either way.
const int32_t kFreeSize = 5;
inline bool IsFreeSize(int32_t sizeRecord) { return sizeRecord >= kFreeSize; }

// The platform's "choose a position for me" value for windowX and windowY.
const int32_t kDefaultWindowPosition = INT32_MIN;

// Slow, God, the human Black against the computer, the double three
// forbidden, Medium with the status bar, the platform's position.
// windowHeight has no default of its own.
constexpr Options kDefaultOptions = {1, 2, kComputerVsPerson, 1, 0, 0, 1, 1, 1,
                                     kDefaultWindowPosition, kDefaultWindowPosition, 2, 0};

extern Options options;

// Every option outside its range takes its default; a negative size record
// becomes the default fixed size. Values in range (and any Free width of 5
// or more) stay as they are. Afterwards tables indexed by options are safe.
void ReplaceOutOfRangeOptions(Options& values);
