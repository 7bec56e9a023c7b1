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

bool FileExists(const char* fileName) { return platformRecord.files.count(fileName) != 0; }

int32_t ReadFileBytes(const char* fileName, uint8_t* buffer, int32_t capacity) {
    auto found = platformRecord.files.find(fileName);
    if (found == platformRecord.files.end()) return -1;
    const std::vector<uint8_t>& bytes = found->second;
    int32_t n = (int32_t)bytes.size() < capacity ? (int32_t)bytes.size() : capacity;
    if (n > 0) memcpy(buffer, bytes.data(), (size_t)n);
    return n;
}

bool WriteFileBytes(const char* fileName, const uint8_t* data, int32_t size) {
    platformRecord.filesWritten.push_back(fileName);
    if (platformRecord.failWrites) return false;
    platformRecord.files[fileName] = std::vector<uint8_t>(data, data + size);
    return true;
}

void DeleteFileNamed(const char* fileName) {
    platformRecord.filesDeleted.push_back(fileName);
    platformRecord.files.erase(fileName);
}
