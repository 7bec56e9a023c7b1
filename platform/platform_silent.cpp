// Definitions for programs without a window or sound (the engine front end):
// nothing to invalidate, nothing to play, and no settings file to touch.
#include "platform/platform.h"

void InvalidateArea(WindowHandle, const PixelRect&) {}
void InvalidateCell(WindowHandle, int32_t, int32_t) {}
void InvalidateBoard(WindowHandle) {}
void PlaySoundFile(const char*) {}
bool FileExists(const char*) { return false; }
bool FileIsReadOnly(const char*) { return false; }
int32_t ReadFileBytes(const char*, uint8_t*, int32_t) { return -1; }
bool WriteFileBytes(const char*, const uint8_t*, int32_t) { return false; }
bool ReplaceFileNamed(const char*, const char*) { return false; }
void DeleteFileNamed(const char*) {}
