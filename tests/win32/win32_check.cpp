#include "win32_check.h"

#include <stdarg.h>
#include <stdio.h>

static int checks = 0;
static int failures = 0;
static int skips = 0;

static void Report(const char* file, int line, const char* verdict, const char* format, va_list args) {
    const char* name = file;
    for (const char* p = file; *p; p++)
        if (*p == '/' || *p == '\\') name = p + 1;
    printf("%s:%d: %s: ", name, line, verdict);
    vprintf(format, args);
    printf("\n");
    fflush(stdout);
}

void CheckOk(int passed, const char* file, int line, const char* format, ...) {
    checks++;
    if (passed) return;
    failures++;
    va_list args;
    va_start(args, format);
    Report(file, line, "Test failed", format, args);
    va_end(args);
}

void CheckSkip(const char* file, int line, const char* format, ...) {
    skips++;
    va_list args;
    va_start(args, format);
    Report(file, line, "Tests skipped", format, args);
    va_end(args);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void PumpMessagesFor(DWORD milliseconds) {
    DWORD start = GetTickCount();
    do {
        PumpMessages();
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
    PumpMessages();
}

// The region's rectangles in the system's own order (bands top to bottom, left to right in each).
static void RegionText(HRGN region, char* out, size_t size) {
    char buffer[sizeof(RGNDATAHEADER) + 64 * sizeof(RECT)];
    RGNDATA* data = (RGNDATA*)buffer;
    DWORD needed = GetRegionData(region, 0, NULL);
    snprintf(out, size, "nothing");
    if (needed > sizeof buffer || !GetRegionData(region, needed, data) || data->rdh.nCount == 0) {
        if (needed > sizeof buffer) snprintf(out, size, "more than 64 rectangles");
        return;
    }
    const RECT* rects = (const RECT*)data->Buffer;
    size_t used = 0;
    for (DWORD i = 0; i < data->rdh.nCount && used < size; i++)
        used += snprintf(out + used, size - used, "%s(%ld,%ld)-(%ld,%ld)", i ? " " : "", rects[i].left,
                         rects[i].top, rects[i].right, rects[i].bottom);
}

RegionComparison CompareUpdateRegion(HWND window, std::initializer_list<RECT> expected) {
    HRGN got = CreateRectRgn(0, 0, 0, 0);
    HRGN wanted = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(window, got, FALSE);
    for (const RECT& r : expected) {
        HRGN part = CreateRectRgnIndirect(&r);
        CombineRgn(wanted, wanted, part, RGN_OR);
        DeleteObject(part);
    }
    RegionComparison result;
    result.same = EqualRgn(got, wanted) != 0;
    RegionText(wanted, result.expected, sizeof result.expected);
    RegionText(got, result.got, sizeof result.got);
    DeleteObject(got);
    DeleteObject(wanted);
    return result;
}

int CheckSummary(const char* testName) {
    printf("%s: %d checks, %d failures, %d skipped\n", testName, checks, failures, skips);
    fflush(stdout);
    if (failures != 0) return 1;
    return skips != 0 ? kSkippedExitCode : 0;
}
