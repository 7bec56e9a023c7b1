// DrawImageFile: a bitmap file read afresh and stretched into a rectangle.
#include "view/paint_win32.h"

#include "view/bitmap_layout.h"

// The logical palette always has room for 256 entries.
struct ImagePalette {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[kMaxPaletteColours];
};

// Reads exactly count bytes, or says it could not.
static bool ReadExactly(HFILE file, void* buffer, int32_t count) {
    return _lread(file, buffer, (UINT)count) == (UINT)count;
}

// Draws the block that followed the file header, once its layout is known.
static void DrawBlock(HDC dc, BYTE* block, const BitmapLayout& layout, int left, int top, int width,
                      int height) {
    BITMAPINFO* info = (BITMAPINFO*)block;
    // Drawing reads biSizeImage; a missing one becomes the true size of the rows.
    info->bmiHeader.biSizeImage = (DWORD)layout.sizeImage;

    ImagePalette palette = {};
    palette.palVersion = 0x300;
    palette.palNumEntries = kMaxPaletteColours;
    const BYTE* table = block + layout.colourTableOffset;
    for (int32_t i = 0; i < layout.colourCount; i++) {
        // The file holds blue, green, red; the palette wants red, green, blue.
        palette.palPalEntry[i].peRed = table[4 * i + 2];
        palette.palPalEntry[i].peGreen = table[4 * i + 1];
        palette.palPalEntry[i].peBlue = table[4 * i];
        palette.palPalEntry[i].peFlags = 0;
    }
    HPALETTE created = CreatePalette((LOGPALETTE*)&palette);
    HPALETTE previous = SelectPalette(dc, created, FALSE);
    RealizePalette(dc);

    // The source height is the number of rows, so top-down images are not
    // drawn upside down. Shrinking keeps whole pixels: the default mode
    // ANDs the pixels it drops, which fringes a stone's shaded edge with
    // colours of neither the stone nor the wood.
    const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, left, top, width, height, 0, 0, layout.width, layout.height,
                  block + layout.bitsOffset, info, DIB_RGB_COLORS, SRCCOPY);
    SetStretchBltMode(dc, previousMode);

    SelectPalette(dc, previous, FALSE);
    DeleteObject(created);
}

int DrawImageFile(HDC dc, const char* fileName, int left, int top, int width, int height) {
    HFILE file = _lopen(fileName, OF_READ);
    if (file == HFILE_ERROR) return 0;

    BYTE header[kBitmapFileHeaderBytes];
    const int32_t blockBytes = ReadExactly(file, header, kBitmapFileHeaderBytes) ? BitmapBlockSize(header) : 0;
    if (blockBytes == 0) {
        _lclose(file);
        return 0;
    }
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (SIZE_T)blockBytes);
    BYTE* block = memory != NULL ? (BYTE*)GlobalLock(memory) : NULL;
    // A file shorter than its header says is as malformed as one that lies
    // about its parts.
    const bool whole = block != NULL && ReadExactly(file, block, blockBytes);
    _lclose(file);

    BitmapLayout layout;
    const bool drawn = whole && LayOutBitmap(block, blockBytes, layout);
    if (drawn) DrawBlock(dc, block, layout, left, top, width, height);

    if (block != NULL) GlobalUnlock(memory);
    if (memory != NULL) GlobalFree(memory);
    return drawn ? 1 : 0;
}
