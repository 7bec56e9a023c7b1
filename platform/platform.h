// The few things portable code needs from the system, in the program's own
// words. The game defines them with Win32 calls (platform_win32.cpp, and
// view/board_invalidation_win32.cpp for the board's cells); tools
// that have no window use the silent definitions (platform_silent.cpp); the
// native unit tests define them as recorders.
#pragma once

#include <stdint.h>

// The same type as the system's HWND, so portable code can hold a window
// without including <windows.h>.
struct HWND__;
typedef HWND__* WindowHandle;

// A rectangle in pixels, of a window's client area or of the screen; right
// and bottom are exclusive.
struct PixelRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// Marks an area of the window for the next paint, without erasing it first.
void InvalidateArea(WindowHandle window, const PixelRect& area);
// The same for the cell of intersection (x, y), 1..19 each way, and for the
// whole board. Where they lie on screen is the view's to say; the rules
// name only the cells.
void InvalidateCell(WindowHandle window, int32_t x, int32_t y);
void InvalidateBoard(WindowHandle window);

// Plays a wave file from the current directory, without waiting for it.
void PlaySoundFile(const char* fileName);

// Whole-file access for small files, always with share mode 0.
bool FileExists(const char* fileName);
// True when the file is there and marked read-only.
bool FileIsReadOnly(const char* fileName);
// Reads up to capacity bytes; the number read, or -1 when the file cannot be opened.
int32_t ReadFileBytes(const char* fileName, uint8_t* buffer, int32_t capacity);
// Creates or truncates the file and writes the bytes through to the disk;
// false on any failure.
bool WriteFileBytes(const char* fileName, const uint8_t* data, int32_t size);
// Puts the file replacement in the place of fileName in one step, so that
// at every moment fileName is either the old whole file or the new one.
// The new file keeps the old one's hidden and system marks, and is never
// read-only. False on failure, when fileName stays as it was.
bool ReplaceFileNamed(const char* fileName, const char* replacement);
void DeleteFileNamed(const char* fileName);
