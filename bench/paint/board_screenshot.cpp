// board_screenshot FILE.bmp [CELL]: paints a game in progress, with
// stones, the star points and the last-move marker, into a bitmap and
// saves it as a 24-bit BMP (a Unix path is taken under Wine's drive Z:).
// CELL is the cell size, 30 (the Medium window) unless given.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include "rules/board.h"
#include "settings/options.h"
#include "tests/win32/paint_canvas.h"
#include "view/board_geometry.h"
#include "view/paint_win32.h"

// A game some twenty moves in, Black to move after White's last stone.
static const int kMoves[][2] = {
    {10, 10}, {11, 9}, {11, 11}, {12, 12}, {9, 9}, {8, 8}, {10, 11}, {10, 12}, {12, 10}, {13, 9},
    {9, 11},  {8, 11}, {9, 12},  {11, 12}, {13, 11}, {14, 12}, {8, 13}, {7, 14}, {15, 5}, {16, 4},
    {4, 16},  {5, 15}, {3, 4},   {4, 3},
};

static bool SaveBmp(const Canvas& canvas, const char* path) {
    const int stride = (canvas.width * 3 + 3) / 4 * 4;
    const DWORD bitsBytes = (DWORD)(stride * canvas.height);
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + bitsBytes;
    info.biSize = sizeof info;
    info.biWidth = canvas.width;
    info.biHeight = canvas.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = bitsBytes;
    std::vector<uint8_t> bits(bitsBytes, 0);
    for (int y = 0; y < canvas.height; y++)
        for (int x = 0; x < canvas.width; x++) {
            const DWORD rgb = PixelAt(canvas, x, y);
            uint8_t* p = &bits[(size_t)(canvas.height - 1 - y) * stride + 3 * x];
            p[0] = (uint8_t)Blue(rgb);
            p[1] = (uint8_t)Green(rgb);
            p[2] = (uint8_t)Red(rgb);
        }
    FILE* out = fopen(path, "wb");
    if (out == NULL) return false;
    bool ok = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&info, sizeof info, 1, out) == 1 &&
              fwrite(bits.data(), 1, bits.size(), out) == bits.size();
    return fclose(out) == 0 && ok;
}

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        printf("usage: board_screenshot FILE.bmp [CELL]\n");
        return 2;
    }
    if (const char* missing = CopyBoardPictures()) {
        printf("board_screenshot: cannot copy %s from KIVRANO_SOURCE_DIR/assets\n", missing);
        return 1;
    }
    InitWallRing();
    options.sound = 0;
    for (const auto& move : kMoves) PlaceStone(NULL, move[0], move[1]);

    int cell = argc == 3 ? atoi(argv[2]) / 6 * 6 : 30;
    if (cell < 6 || cell > 120) cell = 30;
    boardGeometry = BoardGeometry{cell, cell, 0, 0};
    Canvas canvas = CreateCanvas(116 * (cell / 6), 116 * (cell / 6));
    PaintBoard(canvas.dc);
    PaintStones(canvas.dc);
    PaintMarker(canvas.dc);

    char path[MAX_PATH];
    snprintf(path, sizeof path, "%s%s", argv[1][0] == '/' ? "Z:" : "", argv[1]);
    bool saved = SaveBmp(canvas, path);
    DestroyCanvas(canvas);
    printf(saved ? "board_screenshot: wrote %s\n" : "board_screenshot: could not write %s\n", path);
    return saved ? 0 : 1;
}
