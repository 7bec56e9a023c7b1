#include "platform_recorder.h"

#include <string.h>

PlatformRecord platformRecord;

void ResetPlatformRecord() { platformRecord = PlatformRecord(); }

void InvalidateArea(WindowHandle window, const PixelRect& area) {
    platformRecord.invalidatedWindows.push_back(window);
    platformRecord.invalidated.push_back(area);
}

void InvalidateCell(WindowHandle window, int32_t x, int32_t y) {
    platformRecord.invalidatedWindows.push_back(window);
    platformRecord.invalidatedCells.push_back(CellPosition{x, y});
}

void InvalidateBoard(WindowHandle window) {
    platformRecord.invalidatedWindows.push_back(window);
    platformRecord.boardInvalidations++;
}

void PlaySoundFile(const char* fileName) { platformRecord.soundsPlayed.push_back(fileName); }

bool FileExists(const char* fileName) {
    return platformRecord.files.count(fileName) != 0 || platformRecord.heldFiles.count(fileName) != 0;
}

static bool Held(const char* fileName) { return platformRecord.heldFiles.count(fileName) != 0; }

int32_t ReadFileBytes(const char* fileName, uint8_t* buffer, int32_t capacity) {
    auto found = platformRecord.files.find(fileName);
    if (found == platformRecord.files.end() || Held(fileName)) return -1;
    const std::vector<uint8_t>& bytes = found->second;
    int32_t n = (int32_t)bytes.size() < capacity ? (int32_t)bytes.size() : capacity;
    if (n > 0) memcpy(buffer, bytes.data(), (size_t)n);
    return n;
}

bool WriteFileBytes(const char* fileName, const uint8_t* data, int32_t size) {
    platformRecord.fileSteps.push_back(std::string("write ") + fileName);
    if (platformRecord.failWrites || Held(fileName)) return false;
    platformRecord.files[fileName] = std::vector<uint8_t>(data, data + size);
    return true;
}

bool ReplaceFileNamed(const char* fileName, const char* replacement) {
    platformRecord.fileSteps.push_back(std::string("replace ") + fileName + " by " + replacement);
    auto found = platformRecord.files.find(replacement);
    if (platformRecord.failReplaces || Held(fileName) || found == platformRecord.files.end()) return false;
    platformRecord.files[fileName] = found->second;
    platformRecord.files.erase(replacement);
    return true;
}

void DeleteFileNamed(const char* fileName) {
    platformRecord.fileSteps.push_back(std::string("delete ") + fileName);
    if (!Held(fileName)) platformRecord.files.erase(fileName);
}
