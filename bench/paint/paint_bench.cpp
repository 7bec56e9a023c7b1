// The time of a full repaint of a board holding all 361 stones, on a real
// window, the three pictures read from disk on every paint as the game
// does; and the process's GDI object count before and after.
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

static int CompareTimes(const void* a, const void* b) {
    double x = *(const double*)a, y = *(const double*)b;
    return x < y ? -1 : x > y ? 1 : 0;
}

// Median milliseconds of one whole repaint at this cell size: of the
// window through WM_PAINT when window is given, else of a memory bitmap.
static double MedianRepaint(HWND window, int cell) {
    boardGeometry = BoardGeometry{cell, cell, 0, 0};
    const int side = 116 * (cell / 6);
    Canvas canvas = CreateCanvas(side, side);
    if (window != NULL) SetWindowPos(window, NULL, 0, 0, side, side, SWP_NOZORDER | SWP_NOACTIVATE);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    double times[kRepaints];
    for (int i = -3; i < kRepaints; i++) {  // three to warm up
        QueryPerformanceCounter(&start);
        if (window != NULL) {
            InvalidateRect(window, NULL, FALSE);
            UpdateWindow(window);
        } else {
            PaintBoard(canvas.dc);
            PaintStones(canvas.dc);
            PaintMarker(canvas.dc);
        }
        GdiFlush();
        QueryPerformanceCounter(&end);
        if (i >= 0) times[i] = 1000.0 * (double)(end.QuadPart - start.QuadPart) / (double)frequency.QuadPart;
    }
    DestroyCanvas(canvas);
    qsort(times, kRepaints, sizeof times[0], CompareTimes);
    return times[kRepaints / 2];
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
    printf("  cell  board      window (WM_PAINT)  memory bitmap\n");
    const int cells[5] = {18, 24, 30, 36, 42};
    for (int cell : cells) {
        const double onWindow = MedianRepaint(window, cell);
        const double inMemory = MedianRepaint(NULL, cell);
        printf("  %2d    %3dx%3d  %8.2f ms        %8.2f ms\n", cell, 116 * (cell / 6), 116 * (cell / 6), onWindow,
               inMemory);
    }
    const int gdiAfter = GdiObjectCount();
    printf("GDI objects of the process: %d before, %d after %d repaints\n", gdiBefore, gdiAfter,
           10 * (kRepaints + 3));
    DestroyWindow(window);
    return gdiAfter == gdiBefore ? 0 : 1;
}
