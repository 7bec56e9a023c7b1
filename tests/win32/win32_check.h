// A small harness for Win32 tests that run in-process under Wine, in the
// style of Wine's conformance tests: ok(condition, "expected ..., got ...").
#pragma once

#include <windows.h>

#include <initializer_list>

#define ok(condition, ...) CheckOk((condition) ? 1 : 0, __FILE__, __LINE__, __VA_ARGS__)
// A check that cannot be made here (for example a screen of the wrong size): said, counted, not failed.
#define skip(...) CheckSkip(__FILE__, __LINE__, __VA_ARGS__)

void CheckOk(int passed, const char* file, int line, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
void CheckSkip(const char* file, int line, const char* format, ...) __attribute__((format(printf, 3, 4)));

// Dispatches every message waiting for this thread.
void PumpMessages();
// Dispatches messages for about the given time (timers, paints).
void PumpMessagesFor(DWORD milliseconds);

// The window's update region against the union of the rectangles (none: nothing to repaint), each region
// also written out as its rectangles "(left,top)-(right,bottom)", or "nothing", for the failure message.
struct RegionComparison {
    bool same;
    char expected[256];
    char got[256];
};
RegionComparison CompareUpdateRegion(HWND window, std::initializer_list<RECT> expected);

// The exit status CTest reads as "skipped" (SKIP_RETURN_CODE in tests/wine_tests.cmake).
const int kSkippedExitCode = 77;
// Prints the totals and gives the exit status: 0 when every check passed, kSkippedExitCode when none
// failed but some could not be made here, 1 when any failed.
int CheckSummary(const char* testName);
