// A small harness for Win32 tests that run in-process under Wine, in the
// style of Wine's conformance tests: ok(condition, "expected ..., got ...").
#pragma once

#include <windows.h>

#define ok(condition, ...) CheckOk((condition) ? 1 : 0, __FILE__, __LINE__, __VA_ARGS__)

void CheckOk(int passed, const char* file, int line, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

// Dispatches every message waiting for this thread.
void PumpMessages();
// Dispatches messages for about the given time (timers, paints).
void PumpMessagesFor(DWORD milliseconds);

// True when the window's update region is exactly the rectangle.
bool UpdateRegionIs(HWND window, const RECT& expected);
// True when the window's update region is empty.
bool UpdateRegionIsEmpty(HWND window);

// Prints the totals and gives the exit status: 0 when every check passed.
int CheckSummary(const char* testName);
