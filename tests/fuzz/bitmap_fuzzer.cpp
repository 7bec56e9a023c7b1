// Any bytes as an image file: reading and writing what drawing would, in a block of exactly its size (ASan).
#include <stdlib.h>
#include <string.h>

#include <initializer_list>

#include "view/bitmap_layout.h"

static volatile uint32_t sink;

static void DrawLikeTheReader(const uint8_t* bytes, int32_t blockBytes, PictureRole role) {
    uint8_t* block = (uint8_t*)memcpy(malloc((size_t)blockBytes), bytes, (size_t)blockBytes);
    BitmapLayout l;
    if (LayOutBitmap(block, blockBytes, role, l)) {
        const int32_t side = kPictureBounds[role].side;
        if (l.width > side || l.height > side) abort();
        if (l.colourCount < 0 || l.colourCount > kMaxPaletteColours || l.width < 1 || l.height < 1) abort();
        if (l.sizeImage < 0 || l.sizeImage > blockBytes - l.bitsOffset) abort();
        if (l.bitsBytes < 0 || l.bitsBytes > blockBytes - l.bitsOffset) abort();
        for (int i = 0; i < 4; i++) block[kSizeImageOffset + i] = (uint8_t)(l.sizeImage >> (8 * i));
        // The system finds bit-field masks 40 bytes into any header.
        if (block[16] == kBitmapBitFields)
            for (int32_t i = kBitmapInfoHeaderBytes; i < kBitmapInfoHeaderBytes + 12; i++) sink += block[i];
        for (int32_t i = 0; i < 4 * l.colourCount; i++) sink += block[l.colourTableOffset + i];
        for (int32_t i = 0; i < l.bitsBytes || i < l.sizeImage; i++) sink += block[l.bitsOffset + i];
    }
    free(block);
}

// For the board and for a stone: the reader's path (bfSize gives the block, a shorter file what it holds),
// and the whole rest whatever bfSize says.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size <= (size_t)kBitmapFileHeaderBytes) return 0;
    const size_t rest = size - kBitmapFileHeaderBytes;
    for (PictureRole role : {kBoardPicture, kStonePicture}) {
        const int32_t blockBytes = BitmapBlockSize(data, role);
        if (blockBytes > kPictureBounds[role].fileBytes - kBitmapFileHeaderBytes) abort();
        const int32_t read = rest < (size_t)blockBytes ? (int32_t)rest : blockBytes;
        if (read > 0) DrawLikeTheReader(data + kBitmapFileHeaderBytes, read, role);
        if (rest <= (size_t)kPictureBounds[role].fileBytes)
            DrawLikeTheReader(data + kBitmapFileHeaderBytes, (int32_t)rest, role);
    }
    return 0;
}
