// Helpers for painting tests: a memory device context over a 32-bit DIB
// section whose pixels can be read back, the process's GDI object and
// handle counts, and files written or copied into the working directory.
#pragma once

#include <windows.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <vector>

struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
    DWORD* pixels;  // rows from the top, 0x00RRGGBB
    int width;
    int height;
};

inline Canvas CreateCanvas(int width, int height) {
    Canvas c = {};
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, so row y is pixels + y * width
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    c.dc = CreateCompatibleDC(NULL);
    void* bits = NULL;
    c.bitmap = CreateDIBSection(c.dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    c.previous = SelectObject(c.dc, c.bitmap);
    c.pixels = (DWORD*)bits;
    c.width = width;
    c.height = height;
    return c;
}

inline void DestroyCanvas(Canvas& c) {
    SelectObject(c.dc, c.previous);
    DeleteObject(c.bitmap);
    DeleteDC(c.dc);
}

inline void FillCanvas(Canvas& c, DWORD rgb) {
    GdiFlush();
    for (int i = 0; i < c.width * c.height; i++) c.pixels[i] = rgb;
}

inline DWORD PixelAt(const Canvas& c, int x, int y) {
    GdiFlush();
    if (x < 0 || y < 0 || x >= c.width || y >= c.height) return 0xFFFFFFFF;
    return c.pixels[y * c.width + x] & 0xFFFFFF;
}

inline int CountPixels(const Canvas& c, DWORD rgb) {
    GdiFlush();
    int n = 0;
    for (int i = 0; i < c.width * c.height; i++) n += (c.pixels[i] & 0xFFFFFF) == rgb;
    return n;
}

// Live GDI objects of this process. Wine answers 0 to GetGuiResources; its
// handle table is then walked: a handle whose upper word is 0 matches the
// object in that slot whatever its generation.
inline int GdiObjectCount() {
    DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count != 0) return (int)count;
    int live = 0;
    for (ULONG_PTR slot = 1; slot < 0x10000; slot++)
        if (GetObjectType((HGDIOBJ)slot) != 0) live++;
    return live;
}

// True when no handle to the file is open anywhere: an open with no
// sharing at all then succeeds.
inline bool NobodyHasOpen(const char* name) {
    HANDLE file = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

inline DWORD HandleCount() {
    DWORD count = 0;
    GetProcessHandleCount(GetCurrentProcess(), &count);
    return count;
}

inline bool WriteBytes(const char* name, const std::vector<uint8_t>& bytes) {
    FILE* file = fopen(name, "wb");
    if (file == NULL) return false;
    bool ok = bytes.empty() || fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && ok;
}

// Copies one of the game's files from the repository's assets/ folder into
// the working directory, where the painting looks for it.
inline bool CopyAsset(const char* name) {
    const char* source = getenv("KIVRANO_SOURCE_DIR");
    if (source == NULL) return false;
    char path[MAX_PATH];
    snprintf(path, sizeof path, "Z:%s/assets/%s", source, name);
    return CopyFileA(path, name, FALSE) != 0;
}

inline int Red(DWORD rgb) { return (int)(rgb >> 16) & 0xFF; }
inline int Green(DWORD rgb) { return (int)(rgb >> 8) & 0xFF; }
inline int Blue(DWORD rgb) { return (int)rgb & 0xFF; }
