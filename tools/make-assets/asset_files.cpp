#include "asset_files.h"

#include <stdio.h>
#include <stdlib.h>

static void Put(uint8_t* at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; i++) at[i] = (uint8_t)(value >> (8 * i));
}

static bool WriteAll(const char* path, const uint8_t* bytes, size_t count) {
    FILE* file = fopen(path, "wb");
    if (file == NULL) return false;
    bool written = fwrite(bytes, 1, count, file) == count;
    return fclose(file) == 0 && written;
}

bool WriteBitmapFile(const char* path, int32_t width, int32_t height, const Rgb* palette, int32_t colours,
                     const uint8_t* pixels) {
    const uint32_t stride = (uint32_t)(width + 3) / 4 * 4;
    const uint32_t bitsOffset = 14 + 40 + 4 * (uint32_t)colours;
    const uint32_t total = bitsOffset + stride * (uint32_t)height;
    uint8_t* file = (uint8_t*)calloc(total, 1);
    if (file == NULL) return false;
    file[0] = 'B';
    file[1] = 'M';
    Put(file + 2, total, 4);
    Put(file + 10, bitsOffset, 4);
    Put(file + 14, 40, 4);
    Put(file + 18, (uint32_t)width, 4);
    Put(file + 22, (uint32_t)height, 4);  // bottom-up, as most readers expect
    Put(file + 26, 1, 2);
    Put(file + 28, 8, 2);
    Put(file + 34, stride * (uint32_t)height, 4);
    Put(file + 38, 2835, 4);  // 72 dots per inch
    Put(file + 42, 2835, 4);
    // A full table leaves biClrUsed 0: 2^8 colours.
    Put(file + 46, colours == 256 ? 0 : (uint32_t)colours, 4);
    for (int32_t i = 0; i < colours; i++) {
        uint8_t* entry = file + 54 + 4 * i;
        entry[0] = palette[i].blue;
        entry[1] = palette[i].green;
        entry[2] = palette[i].red;
    }
    for (int32_t y = 0; y < height; y++)
        for (int32_t x = 0; x < width; x++)
            file[bitsOffset + (uint32_t)(height - 1 - y) * stride + (uint32_t)x] = pixels[y * width + x];
    bool ok = WriteAll(path, file, total);
    free(file);
    return ok;
}

bool WriteWaveFile(const char* path, const int16_t* samples, int32_t count) {
    const uint32_t dataBytes = 2 * (uint32_t)count;
    uint8_t* file = (uint8_t*)calloc(44 + dataBytes, 1);
    if (file == NULL) return false;
    Put(file, 0x46464952, 4);  // "RIFF"
    Put(file + 4, 36 + dataBytes, 4);
    Put(file + 8, 0x45564157, 4);  // "WAVE"
    Put(file + 12, 0x20746D66, 4);  // "fmt "
    Put(file + 16, 16, 4);
    Put(file + 20, 1, 2);  // PCM
    Put(file + 22, 1, 2);  // mono
    Put(file + 24, kSampleRate, 4);
    Put(file + 28, kSampleRate * 2, 4);
    Put(file + 32, 2, 2);
    Put(file + 34, 16, 2);
    Put(file + 36, 0x61746164, 4);  // "data"
    Put(file + 40, dataBytes, 4);
    for (int32_t i = 0; i < count; i++) Put(file + 44 + 2 * i, (uint16_t)samples[i], 2);
    bool ok = WriteAll(path, file, 44 + dataBytes);
    free(file);
    return ok;
}
