// The time of a full repaint of a board holding all 361 stones, on a real
// window, the three pictures read from disk on every paint as the game
// does; beside it, in the same run, the time of those file reads alone,
// the floor a repaint cannot go below; and the process's GDI object count
// before and after.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include "rules/board.h"
#include "tests/win32/paint_canvas.h"
#include "view/board_geometry.h"
#include "view/paint_win32.h"

static const int kRepaints = 41;

static LRESULT CALLBACK BenchWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        PaintBoard(dc);
        PaintStones(dc);
        PaintMarker(dc);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Opens, reads whole and closes the picture as DrawImageFile does (the file
// header, then the bfSize - 14 bytes after it in one read), and nothing else.
static void ReadWhole(const char* name, BYTE* buffer, UINT capacity) {
    HFILE file = _lopen(name, OF_READ);
    _lread(file, buffer, 14);
    const UINT rest = (UINT)(buffer[2] | buffer[3] << 8 | buffer[4] << 16 | buffer[5] << 24) - 14;
    _lread(file, buffer + 14, rest < capacity - 14 ? rest : capacity - 14);
    _lclose(file);
}

// The reads a repaint must make: the board and one stone file per stone.
static void ReadPictures(BYTE* buffer, UINT capacity) {
    ReadWhole(kBoardImageFile, buffer, capacity);
    for (int x = 1; x <= kBoardSize; x++)
        for (int y = 1; y <= kBoardSize; y++)
            ReadWhole(Board[x][y] == Black ? kBlackImageFile : kWhiteImageFile, buffer, capacity);
}

static int CompareTimes(const void* a, const void* b) {
    double x = *(const double*)a, y = *(const double*)b;
    return x < y ? -1 : x > y ? 1 : 0;
}

enum Measured { kWindowPaint, kMemoryPaint, kFileReads, kMeasured };

// Median milliseconds at this cell size of one whole repaint of the window
// through WM_PAINT, of one into a memory bitmap, and of the file reads
// alone; the three taken in turn, so a change of load touches all alike.
static void MeasureCell(HWND window, int cell, double medians[kMeasured]) {
    static BYTE buffer[1 << 20];
    boardGeometry = BoardGeometry{cell, cell, 0, 0};
    const int side = 116 * (cell / 6);
    Canvas canvas = CreateCanvas(side, side);
    SetWindowPos(window, NULL, 0, 0, side, side, SWP_NOZORDER | SWP_NOACTIVATE);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    double times[kMeasured][kRepaints];
    for (int i = -3; i < kRepaints; i++)  // three to warm up
        for (int what = 0; what < kMeasured; what++) {
            QueryPerformanceCounter(&start);
            if (what == kWindowPaint) {
                InvalidateRect(window, NULL, FALSE);
                UpdateWindow(window);
            } else if (what == kMemoryPaint) {
                PaintBoard(canvas.dc);
                PaintStones(canvas.dc);
                PaintMarker(canvas.dc);
            } else {
                ReadPictures(buffer, sizeof buffer);
            }
            GdiFlush();
            QueryPerformanceCounter(&end);
            const double ms = 1000.0 * (double)(end.QuadPart - start.QuadPart) / (double)frequency.QuadPart;
            if (i >= 0) times[what][i] = ms;
        }
    DestroyCanvas(canvas);
    for (int what = 0; what < kMeasured; what++) {
        qsort(times[what], kRepaints, sizeof times[what][0], CompareTimes);
        medians[what] = times[what][kRepaints / 2];
    }
}

int main() {
    if (const char* missing = CopyBoardPictures()) {
        printf("paint_bench: cannot copy %s from KIVRANO_SOURCE_DIR/assets\n", missing);
        return 1;
    }
    // Every point taken, in a pattern of both colours; the last move marked.
    InitWallRing();
    for (int x = 1; x <= kBoardSize; x++)
        for (int y = 1; y <= kBoardSize; y++) Board[x][y] = (x * 7 + y * 3) % 5 < 2 ? Black : White;
    historyX[0] = 10;
    historyY[0] = 10;
    moveCount = 1;

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = BenchWindowProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.lpszClassName = "PaintBench";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "PaintBench", "bench", WS_POPUP | WS_VISIBLE, 0, 0, 348, 348, NULL, NULL,
                                  GetModuleHandleA(NULL), NULL);
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) DispatchMessageA(&message);

    const int gdiBefore = GdiObjectCount();
    printf("full repaint, 361 stones, 1 board + 361 stone files read per paint, median of %d:\n", kRepaints);
    printf("  cell  board      window (WM_PAINT)  memory bitmap  file reads alone  window / reads\n");
    const int cells[5] = {18, 24, 30, 36, 42};
    for (int cell : cells) {
        double ms[kMeasured];
        MeasureCell(window, cell, ms);
        printf("  %2d    %3dx%3d  %8.2f ms        %8.2f ms    %8.2f ms       %5.2f\n", cell, 116 * (cell / 6),
               116 * (cell / 6), ms[kWindowPaint], ms[kMemoryPaint], ms[kFileReads],
               ms[kWindowPaint] / ms[kFileReads]);
    }
    const int gdiAfter = GdiObjectCount();
    printf("GDI objects of the process: %d before, %d after %d repaints\n", gdiBefore, gdiAfter,
           10 * (kRepaints + 3));
    DestroyWindow(window);
    return gdiAfter == gdiBefore ? 0 : 1;
}
