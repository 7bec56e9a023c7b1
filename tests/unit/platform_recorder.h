// The platform operations as recorders, so native tests can see what the
// portable code asked of the system. Files live in memory.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

struct PlatformRecord {
    std::string invalidatedCells;  // in the board's words, in order: "(10,11)(11,10)"
    int32_t boardInvalidations = 0;
    std::vector<std::string> soundsPlayed;
    std::map<std::string, std::vector<uint8_t>> files;
    // Every write, replace and delete in order: "write Kivrano.ini.new",
    // "replace Kivrano.ini by Kivrano.ini.new", "delete Kivrano.ini.new".
    std::vector<std::string> fileSteps;
    // There, but held by another program: cannot be opened, replaced or deleted.
    std::set<std::string> heldFiles;
    // Marked read-only (the mark alone: the recorder lets them be written).
    std::set<std::string> readOnlyFiles;
    bool failWrites = false;    // simulates a read-only file or directory
    bool failReplaces = false;  // simulates a replace the system refuses
};

extern PlatformRecord platformRecord;

void ResetPlatformRecord();
