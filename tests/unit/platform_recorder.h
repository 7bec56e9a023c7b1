// The platform operations as recorders, so native tests can see what the
// portable code asked of the system. Files live in memory.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

struct PlatformRecord {
    std::vector<PixelRect> invalidated;
    std::vector<WindowHandle> invalidatedWindows;
    std::vector<std::string> soundsPlayed;
    std::map<std::string, std::vector<uint8_t>> files;
    std::vector<std::string> filesWritten;
    std::vector<std::string> filesDeleted;
    bool failWrites = false;  // simulates a read-only file or directory
};

extern PlatformRecord platformRecord;

void ResetPlatformRecord();

inline bool operator==(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
