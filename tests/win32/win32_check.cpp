#include "win32_check.h"

#include <stdarg.h>
#include <stdio.h>

#include <vector>

static int counts[3];  // by CheckResult

void Check(CheckResult result, const char* file, int line, const char* format, ...) {
    counts[result]++;
    if (result == kPassed) return;
    printf("%s:%d: %s: ", file, line, result == kFailed ? "Test failed" : "Tests skipped");
    va_list args;
    va_start(args, format);
    vprintf(format, args);
    va_end(args);
    printf("\n");
    fflush(stdout);
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

std::string RegionText(HRGN region) {
    std::vector<char> buffer(GetRegionData(region, 0, NULL));
    RGNDATA* data = (RGNDATA*)buffer.data();
    GetRegionData(region, (DWORD)buffer.size(), data);
    const RECT* rects = (const RECT*)data->Buffer;
    std::string text;
    for (DWORD i = 0; i < data->rdh.nCount; i++) {
        char rect[64];
        snprintf(rect, sizeof rect, "%s(%ld,%ld)-(%ld,%ld)", i ? " " : "", rects[i].left, rects[i].top,
                 rects[i].right, rects[i].bottom);
        text += rect;
    }
    return text.empty() ? "nothing" : text;
}

int CheckSummary(const char* testName) {
    printf("%s: %d checks, %d failures, %d skipped\n", testName, counts[kPassed] + counts[kFailed],
           counts[kFailed], counts[kSkipped]);
    fflush(stdout);
    if (counts[kFailed] != 0) return 1;
    // A skip leaves out its own checks: the program passes on the ones it made, and is reported as
    // skipped only when it could make none.
    return counts[kPassed] == 0 && counts[kSkipped] != 0 ? 77 : 0;
}
