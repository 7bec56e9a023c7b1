// make-assets DIR: writes the game's pictures and sounds into DIR. The
// output depends on nothing but this code, so it is the same on every run.
#include <stdio.h>
#include <string.h>

#include "asset_files.h"
#include "product.h"
#include "pictures.h"
#include "sounds.h"

static char path[4096];

static const char* In(const char* dir, const char* name) {
    snprintf(path, sizeof path, "%s/%s", dir, name);
    return path;
}

static uint8_t boardPixels[kBoardSide * kBoardSide];
static uint8_t stonePixels[kStoneSide * kStoneSide];
static Rgb palette[256];
static int16_t samples[2 * kSampleRate];

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: make-assets DIR\n");
        return 2;
    }
    const char* dir = argv[1];
    bool ok = true;
    MakeBoard(boardPixels, palette);
    ok &= WriteBitmapFile(In(dir, kBoardImageFile), kBoardSide, kBoardSide, palette, 256, boardPixels);
    MakeStone(false, stonePixels, palette);
    ok &= WriteBitmapFile(In(dir, kBlackImageFile), kStoneSide, kStoneSide, palette, 256, stonePixels);
    MakeStone(true, stonePixels, palette);
    ok &= WriteBitmapFile(In(dir, kWhiteImageFile), kStoneSide, kStoneSide, palette, 256, stonePixels);

    const int32_t capacity = (int32_t)(sizeof samples / sizeof samples[0]);
    ok &= WriteWaveFile(In(dir, kStoneSoundFile), samples, MakeStoneClick(samples, capacity));
    ok &= WriteWaveFile(In(dir, kClearSoundFile), samples, MakeClearingSweep(samples, capacity));
    ok &= WriteWaveFile(In(dir, kFinishSoundFile), samples, MakeWinPhrase(samples, capacity));
    if (!ok) {
        fprintf(stderr, "make-assets: could not write every file into %s\n", dir);
        return 1;
    }
    return 0;
}
