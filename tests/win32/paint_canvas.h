// Painting test helpers: a memory DC over a top-down 32-bit DIB read back as 0xRRGGBB, GDI counts, files.
#pragma once

#include <windows.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

#include "product.h"

struct Canvas { HDC dc; HBITMAP bitmap; HGDIOBJ previous; DWORD* pixels; int width, height; };

inline Canvas CreateCanvas(int width, int height) {
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    Canvas c = {CreateCompatibleDC(NULL), NULL, NULL, NULL, width, height};
    c.bitmap = CreateDIBSection(c.dc, &info, DIB_RGB_COLORS, (void**)&c.pixels, NULL, 0);
    c.previous = SelectObject(c.dc, c.bitmap);
    return c;
}

inline void DestroyCanvas(Canvas& c) {
    SelectObject(c.dc, c.previous);
    DeleteObject(c.bitmap);
    DeleteDC(c.dc);
}
// GDI may batch drawing: flush before the pixels are touched directly.
inline void FillCanvas(Canvas& c, DWORD rgb) {
    GdiFlush();
    std::fill(c.pixels, c.pixels + c.width * c.height, rgb);
}
inline DWORD PixelAt(const Canvas& c, int x, int y) {
    GdiFlush();
    return c.pixels[y * c.width + x] & 0xFFFFFF;
}

// Live GDI objects; Wine answers 0 to GetGuiResources, so its handle table's 16-bit slots are walked.
inline int GdiObjectCount() {
    int live = (int)GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (live != 0) return live;
    for (ULONG_PTR slot = 1; slot < 0x10000; slot++) live += GetObjectType((HGDIOBJ)slot) != 0;
    return live;
}

// True when no handle to the file is open anywhere: an open with no sharing at all then succeeds.
inline bool NobodyHasOpen(const char* name) {
    HANDLE file = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    return file != INVALID_HANDLE_VALUE && CloseHandle(file);
}

inline void WriteBytes(const char* name, const std::vector<uint8_t>& bytes) {
    FILE* file = fopen(name, "wb");
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
}

// Copies the board and both stones from the repository's assets/ folder into the working directory; the
// name of the first that failed, or NULL.
inline const char* CopyBoardPictures() {
    for (const char* name : {kBoardImageFile, kBlackImageFile, kWhiteImageFile}) {
        char path[MAX_PATH];
        snprintf(path, sizeof path, "Z:%s/assets/%s", getenv("KIVRANO_SOURCE_DIR"), name);
        if (!CopyFileA(path, name, FALSE)) return name;
    }
    return NULL;
}

inline int Red(DWORD rgb) { return (int)(rgb >> 16) & 0xFF; }
inline int Green(DWORD rgb) { return (int)(rgb >> 8) & 0xFF; }
inline int Blue(DWORD rgb) { return (int)rgb & 0xFF; }
