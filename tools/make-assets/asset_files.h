// Writing 8-bit Windows bitmaps with a colour table and 16-bit mono PCM waves.
#pragma once

#include <stdint.h>

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// pixels holds width x height palette indexes, rows from the top.
bool WriteBitmapFile(const char* path, int32_t width, int32_t height, const Rgb* palette, int32_t colours,
                     const uint8_t* pixels);

const int32_t kSampleRate = 22050;

bool WriteWaveFile(const char* path, const int16_t* samples, int32_t count);
