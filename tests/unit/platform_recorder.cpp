#include "platform_recorder.h"

#include <string.h>

#include <algorithm>

PlatformRecord platformRecord;

void ResetPlatformRecord() { platformRecord = PlatformRecord(); }

void InvalidateArea(WindowHandle, const PixelRect&) {}

void InvalidateCell(WindowHandle, int32_t x, int32_t y) {
    platformRecord.invalidatedCells += "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

void InvalidateBoard(WindowHandle) { platformRecord.boardInvalidations++; }

void PlaySoundFile(const char* fileName) { platformRecord.soundsPlayed.push_back(fileName); }

static bool Held(const char* fileName) { return platformRecord.heldFiles.count(fileName) != 0; }

bool FileExists(const char* fileName) { return platformRecord.files.count(fileName) != 0 || Held(fileName); }

bool FileIsReadOnly(const char* fileName) {
    return FileExists(fileName) && platformRecord.readOnlyFiles.count(fileName) != 0;
}

int32_t ReadFileBytes(const char* fileName, uint8_t* buffer, int32_t capacity) {
    auto found = platformRecord.files.find(fileName);
    if (found == platformRecord.files.end() || Held(fileName)) return -1;
    const int32_t n = std::min((int32_t)found->second.size(), capacity);
    if (n > 0) memcpy(buffer, found->second.data(), (size_t)n);
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
