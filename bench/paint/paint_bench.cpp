// Full repaints of a board holding all 361 stones, on a real window, the
// three pictures read from disk on every paint as the game does:
//   1. the stock pictures at every fixed size: the repaint, the same into a
//      memory bitmap, and the file reads alone (the floor a repaint cannot
//      go below);
//   2. at Huge, the largest pictures the bounds allow, of every kind, as
//      the stones and as the board, each timed in turn with the stock
//      pictures, and the slowest stones with the slowest board;
// and the process's GDI object count before and after.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "bench/paint/largest_pictures.h"
#include "rules/board.h"
#include "tests/win32/paint_canvas.h"
#include "view/board_geometry.h"
#include "view/paint_win32.h"

static const int kRepaints = 41;
static const int kHugeCell = 42, kHugeBoard = 116 * (kHugeCell / 6);
static const double kGoal = 4.0;  // the largest allowed pictures against the stock ones, at most

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

static double Median(double* times, int count) {
    qsort(times, count, sizeof times[0], CompareTimes);
    return times[count / 2];
}

static double Milliseconds(LARGE_INTEGER start) {
    LARGE_INTEGER end, frequency;
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * (double)(end.QuadPart - start.QuadPart) / (double)frequency.QuadPart;
}

// Cells of this size on a window and a board just as large.
static void SetCell(HWND window, int cell) {
    boardGeometry = BoardGeometry{cell, cell, 0, 0};
    const int side = 116 * (cell / 6);
    SetWindowPos(window, NULL, 0, 0, side, side, SWP_NOZORDER | SWP_NOACTIVATE);
}

static double TimeWindowRepaint(HWND window) {
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    InvalidateRect(window, NULL, FALSE);
    UpdateWindow(window);
    GdiFlush();
    return Milliseconds(start);
}

enum Measured { kWindowPaint, kMemoryPaint, kFileReads, kMeasured };

// Median milliseconds at this cell size of one whole repaint of the window
// through WM_PAINT, of one into a memory bitmap, and of the file reads
// alone; the three taken in turn, so a change of load touches all alike.
static void MeasureCell(HWND window, int cell, double medians[kMeasured]) {
    static BYTE buffer[1 << 20];
    SetCell(window, cell);
    const int side = 116 * (cell / 6);
    Canvas canvas = CreateCanvas(side, side);
    double times[kMeasured][kRepaints];
    for (int i = -3; i < kRepaints; i++)  // three to warm up
        for (int what = 0; what < kMeasured; what++) {
            LARGE_INTEGER start;
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
            if (i >= 0) times[what][i] = Milliseconds(start);
        }
    DestroyCanvas(canvas);
    for (int what = 0; what < kMeasured; what++) medians[what] = Median(times[what], kRepaints);
}

// Median milliseconds of a repaint with the pictures in folder `tried`, and
// in `stock` taken in turn, each paint reading its folder's three files.
static void CompareRepaints(HWND window, const char* tried, const char* stock, int repaints, double& triedMs,
                            double& stockMs) {
    char home[MAX_PATH];
    GetCurrentDirectoryA(sizeof home, home);
    const std::string folders[2] = {std::string(home) + "\\" + tried, std::string(home) + "\\" + stock};
    std::vector<double> times[2] = {std::vector<double>(repaints), std::vector<double>(repaints)};
    for (int i = -2; i < repaints; i++)  // two to warm up
        for (int which = 0; which < 2; which++) {
            SetCurrentDirectoryA(folders[which].c_str());
            const double ms = TimeWindowRepaint(window);
            if (i >= 0) times[which][i] = ms;
        }
    SetCurrentDirectoryA(home);
    triedMs = Median(times[0].data(), repaints);
    stockMs = Median(times[1].data(), repaints);
}

static bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* file = fopen(path.c_str(), "wb");
    if (file == NULL) return false;
    const bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && written;
}

static std::vector<uint8_t> ReadFile(const char* path) {
    std::vector<uint8_t> bytes;
    FILE* file = fopen(path, "rb");
    if (file == NULL) return bytes;
    for (int c; (c = fgetc(file)) != EOF;) bytes.push_back((uint8_t)c);
    fclose(file);
    return bytes;
}

// A folder of the three pictures: the stones and the board given, or the stock ones where empty.
static bool MakeFolder(const char* folder, const std::vector<uint8_t>& stone,
                       const std::vector<uint8_t>& board) {
    CreateDirectoryA(folder, NULL);
    const std::string base = std::string(folder) + "/";
    bool made = true;
    for (const char* name : {kBlackImageFile, kWhiteImageFile})
        made = made && WriteFile(base + name, stone.empty() ? ReadFile(name) : stone);
    return made && WriteFile(base + kBoardImageFile, board.empty() ? ReadFile(kBoardImageFile) : board);
}

struct Slowest {
    std::string name;
    std::vector<uint8_t> bytes;
    double ratio = 0;
};

// Every kind of the role's largest picture in turn against the stock pictures, the others stock; the
// slowest relative to the stock pictures timed beside it.
static Slowest TimeLargest(HWND window, PictureRole role) {
    const bool stones = role == kStonePicture;
    const PictureBounds& bounds = kPictureBounds[role];
    printf("\n%s of the largest kinds allowed (at most %dx%d, %d bytes), %s:\n", stones ? "stones" : "board",
           bounds.side, bounds.side, bounds.fileBytes,
           stones ? "on the stock board" : "under the stock stones");
    printf("  %-50s %8s  %10s  %10s  %s\n", "picture", "bytes", "repaint", "stock", "ratio");
    Slowest slowest;
    for (const BenchPicture& p : LargestPictures(role, stones ? kHugeCell : kHugeBoard)) {
        if (!MakeFolder("tried", stones ? p.bytes : std::vector<uint8_t>(),
                        stones ? std::vector<uint8_t>() : p.bytes)) {
            printf("paint_bench: cannot write the pictures of %s\n", p.name.c_str());
            exit(1);
        }
        double triedMs, stockMs;
        CompareRepaints(window, "tried", "stock", 11, triedMs, stockMs);
        const double ratio = triedMs / stockMs;
        printf("  %-50s %8zu  %7.2f ms  %7.2f ms  %5.2f\n", p.name.c_str(), p.bytes.size(), triedMs, stockMs,
               ratio);
        fflush(stdout);
        if (ratio > slowest.ratio) slowest = {p.name, p.bytes, ratio};
    }
    return slowest;
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
    if (GetSystemMetrics(SM_CYSCREEN) < kHugeBoard)
        printf("(a screen %d pixels high shows only part of the Huge board: its repaints are cut short)\n",
               GetSystemMetrics(SM_CYSCREEN));

    const int gdiBefore = GdiObjectCount();
    printf(
        "stock pictures, full repaint, 361 stones, 1 board + 361 stone files read per paint, median of %d:\n",
        kRepaints);
    printf("  cell  board      window (WM_PAINT)  memory bitmap  file reads alone  window / reads\n");
    const int cells[5] = {18, 24, 30, 36, 42};
    for (int cell : cells) {
        double ms[kMeasured];
        MeasureCell(window, cell, ms);
        printf("  %2d    %3dx%3d  %8.2f ms        %8.2f ms    %8.2f ms       %5.2f\n", cell, 116 * (cell / 6),
               116 * (cell / 6), ms[kWindowPaint], ms[kMemoryPaint], ms[kFileReads],
               ms[kWindowPaint] / ms[kFileReads]);
        fflush(stdout);
    }

    // At Huge, each kind of largest picture, then the slowest stones on the slowest board.
    SetCell(window, kHugeCell);
    if (!MakeFolder("stock", {}, {})) {
        printf("paint_bench: cannot write the stock pictures into a folder\n");
        return 1;
    }
    printf(
        "\nfull repaint at Huge (cells %dx%d, board %dx%d, 361 stones) through WM_PAINT, median of 11,\n"
        "each beside a repaint with the stock pictures:",
        kHugeCell, kHugeCell, kHugeBoard, kHugeBoard);
    const Slowest stone = TimeLargest(window, kStonePicture);
    const Slowest board = TimeLargest(window, kBoardPicture);
    MakeFolder("largest", stone.bytes, board.bytes);
    double largestMs, stockMs;
    CompareRepaints(window, "largest", "stock", kRepaints, largestMs, stockMs);
    const double ratio = largestMs / stockMs;
    printf("\nthe slowest: stones %s, board %s\n", stone.name.c_str(), board.name.c_str());
    printf("full repaint at Huge, median of %d: %.2f ms with them, %.2f ms with the stock pictures in turn\n",
           kRepaints, largestMs, stockMs);
    printf("largest allowed pictures / stock pictures, full board at Huge: %.1f (goal: at most %.0f)\n",
           ratio, kGoal);

    const int gdiAfter = GdiObjectCount();
    printf("GDI objects of the process: %d before, %d after the repaints\n", gdiBefore, gdiAfter);
    DestroyWindow(window);
    return gdiAfter == gdiBefore && ratio <= kGoal ? 0 : 1;
}
