#include "win32_check.h"

#include <stdarg.h>
#include <stdio.h>

static int checks = 0;
static int failures = 0;

void CheckOk(int passed, const char* file, int line, const char* format, ...) {
    checks++;
    if (passed) return;
    failures++;
    const char* name = file;
    for (const char* p = file; *p; p++)
        if (*p == '/' || *p == '\\') name = p + 1;
    printf("%s:%d: Test failed: ", name, line);
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

bool UpdateRegionIs(HWND window, const RECT& expected) {
    HRGN actual = CreateRectRgn(0, 0, 0, 0);
    HRGN wanted = CreateRectRgnIndirect(&expected);
    GetUpdateRgn(window, actual, FALSE);
    bool same = EqualRgn(actual, wanted) != 0;
    DeleteObject(actual);
    DeleteObject(wanted);
    return same;
}

bool UpdateRegionIsEmpty(HWND window) {
    RECT rect;
    return GetUpdateRect(window, &rect, FALSE) == 0;
}

int CheckSummary(const char* testName) {
    printf("%s: %d checks, %d failures\n", testName, checks, failures);
    fflush(stdout);
    return failures == 0 ? 0 : 1;
}
