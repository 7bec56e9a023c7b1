// Any bytes as an image file: whatever the layout accepts must lie inside
// the block read, which is copied to a buffer of exactly its size so that
// AddressSanitizer catches a read or write past it. The fuzzer reads every
// byte drawing would read and writes biSizeImage as the reader does.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "view/bitmap_layout.h"

static volatile uint32_t sink;

static void DrawLikeTheReader(const uint8_t* bytes, int32_t blockBytes) {
    uint8_t* block = (uint8_t*)malloc((size_t)blockBytes);
    memcpy(block, bytes, (size_t)blockBytes);
    BitmapLayout layout;
    if (LayOutBitmap(block, blockBytes, layout)) {
        if (layout.colourCount < 0 || layout.colourCount > kMaxPaletteColours) abort();
        if (layout.width < 1 || layout.height < 1) abort();
        if (layout.sizeImage < 0 || layout.sizeImage > blockBytes - layout.bitsOffset) abort();
        // biSizeImage is set in memory before drawing.
        for (int i = 0; i < 4; i++) block[kSizeImageOffset + i] = (uint8_t)(layout.sizeImage >> (8 * i));
        uint32_t sum = 0;
        const uint8_t* table = block + layout.colourTableOffset;
        for (int32_t i = 0; i < 4 * layout.colourCount; i++) sum += table[i];
        const uint8_t* bits = block + layout.bitsOffset;
        for (int32_t i = 0; i < layout.bitsBytes; i++) sum += bits[i];
        for (int32_t i = 0; i < layout.sizeImage; i++) sum += bits[i];
        sink = sum;
    }
    free(block);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < (size_t)kBitmapFileHeaderBytes) return 0;
    const uint8_t* rest = data + kBitmapFileHeaderBytes;
    const size_t restBytes = size - kBitmapFileHeaderBytes;
    // The reader's path: the header says how much to read, and a file
    // shorter than that is refused before the layout.
    const int32_t blockBytes = BitmapBlockSize(data);
    if (blockBytes > 0 && restBytes >= (size_t)blockBytes) DrawLikeTheReader(rest, blockBytes);
    // And the whole rest as a block, whatever bfSize says, so the fuzzer
    // need not find a matching size to reach the layout.
    if (restBytes > 0 && restBytes <= (size_t)kMaxBitmapBlockBytes) DrawLikeTheReader(rest, (int32_t)restBytes);
    return 0;
}
