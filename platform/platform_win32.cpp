// The system operations of the game, made with Win32 calls.
#include <windows.h>
#include <mmsystem.h>

#include "platform/platform.h"
#include "platform/system_library_win32.h"

void InvalidateArea(WindowHandle window, const PixelRect& area) {
    // A null window would invalidate every window on the desktop.
    if (window == NULL) return;
    RECT rect = {area.left, area.top, area.right, area.bottom};
    InvalidateRect(window, &rect, FALSE);
}

void PlaySoundFile(const char* fileName) {
    PlaySoundAFunction play = SystemPlaySoundA();
    // A missing file plays nothing, rather than the system's default sound
    // at every stone.
    if (play != NULL) play(fileName, NULL, SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
}

bool FileExists(const char* fileName) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(fileName, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

int32_t ReadFileBytes(const char* fileName, uint8_t* buffer, int32_t capacity) {
    HANDLE file = CreateFileA(fileName, GENERIC_READ, 0, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return -1;
    int32_t total = 0;
    while (total < capacity) {
        DWORD got = 0;
        if (!ReadFile(file, buffer + total, (DWORD)(capacity - total), &got, NULL) || got == 0) break;
        total += (int32_t)got;
    }
    CloseHandle(file);
    return total;
}

bool WriteFileBytes(const char* fileName, const uint8_t* data, int32_t size) {
    HANDLE file = CreateFileA(fileName, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, data, (DWORD)size, &written, NULL);
    // On the disk before anything takes it for a whole file.
    ok = ok && FlushFileBuffers(file);
    CloseHandle(file);
    return ok && written == (DWORD)size;
}

bool FileIsReadOnly(const char* fileName) {
    DWORD attributes = GetFileAttributesA(fileName);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool ReplaceFileNamed(const char* fileName, const char* replacement) {
    // Marked before the move, so that a hidden file is never visible, not
    // even for a moment. Never read-only: some systems let the new bytes be
    // written over a read-only file left under the replacement's name, and
    // that mark would freeze every later save. Archive, as for any file
    // whose bytes changed.
    DWORD old = GetFileAttributesA(fileName);
    DWORD kept = old == INVALID_FILE_ATTRIBUTES ? 0 : old & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesA(replacement, kept | FILE_ATTRIBUTE_ARCHIVE);
    return MoveFileExA(replacement, fileName, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void DeleteFileNamed(const char* fileName) {
    DeleteFileA(fileName);
}
