// DrawImageFile: a bitmap file read afresh and stretched into a rectangle.
#include "view/paint_win32.h"

#include "view/bitmap_layout.h"

// The logical palette always has room for 256 entries.
struct ImagePalette {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[kMaxPaletteColours];
};

// Selects and realises a logical palette of the picture's colours, which
// a palette device (256 colours or fewer) needs to show them; the palette
// created, or NULL on any other device. There StretchDIBits takes the
// colours from the file's own table, a selected palette changes nothing
// drawn, and building one for every picture costs a quarter of a repaint.
static HPALETTE SelectImagePalette(HDC dc, const BYTE* block, const BitmapLayout& layout,
                                   HPALETTE& previous) {
    if ((GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) == 0) return NULL;
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
    previous = SelectPalette(dc, created, FALSE);
    RealizePalette(dc);
    return created;
}

// Draws the block that followed the file header, once its layout is known.
static void DrawBlock(HDC dc, BYTE* block, const BitmapLayout& layout, int left, int top, int width,
                      int height) {
    BITMAPINFO* info = (BITMAPINFO*)block;
    // Drawing reads biSizeImage; a missing or too large one on plain rows
    // becomes their true size.
    info->bmiHeader.biSizeImage = (DWORD)layout.sizeImage;
    HPALETTE previous = NULL;
    HPALETTE created = SelectImagePalette(dc, block, layout, previous);

    // The source height is the row count, not biHeight: a top-down image
    // (negative biHeight) is then drawn whole and the right way up.
    // Shrinking keeps whole pixels (COLORONCOLOR): the default mode ANDs
    // the pixels it drops, which darkens the corners of every shrunk stone
    // with colours of neither the stone nor the wood. The caller's mode is
    // put back afterwards.
    const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, left, top, width, height, 0, 0, layout.width, layout.height,
                  block + layout.bitsOffset, info, DIB_RGB_COLORS, SRCCOPY);
    SetStretchBltMode(dc, previousMode);

    if (created != NULL) {
        SelectPalette(dc, previous, FALSE);
        DeleteObject(created);
    }
}

int DrawImageFile(HDC dc, const char* fileName, PictureRole role, int left, int top, int width, int height) {
    HFILE file = _lopen(fileName, OF_READ);
    if (file == HFILE_ERROR) return 0;

    BYTE header[kBitmapFileHeaderBytes];
    const bool headed = _lread(file, header, kBitmapFileHeaderBytes) == (UINT)kBitmapFileHeaderBytes;
    const int32_t blockBytes = headed ? BitmapBlockSize(header, role) : 0;
    if (blockBytes == 0) {
        _lclose(file);
        return 0;
    }
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (SIZE_T)blockBytes);
    BYTE* block = memory != NULL ? (BYTE*)GlobalLock(memory) : NULL;
    // A bfSize past the end of the file is common: what the file holds is
    // what the layout is bounded by.
    const UINT failed = (UINT)HFILE_ERROR;
    const UINT read = block != NULL ? _lread(file, block, (UINT)blockBytes) : failed;
    _lclose(file);

    BitmapLayout layout;
    const bool drawn = read != failed && LayOutBitmap(block, (int32_t)read, role, layout);
    if (drawn) DrawBlock(dc, block, layout, left, top, width, height);

    if (block != NULL) GlobalUnlock(memory);
    if (memory != NULL) GlobalFree(memory);
    return drawn ? 1 : 0;
}
