// A small harness for Win32 tests that run in-process under Wine, in the
// style of Wine's conformance tests: ok(condition, "expected ..., got ...").
#pragma once

#include <windows.h>

#include <string>

enum CheckResult { kFailed, kPassed, kSkipped };
#define ok(condition, ...) ok_at(__FILE_NAME__, __LINE__, condition, __VA_ARGS__)
// ok() in a helper, at its caller's file and line (Wine's ok_(file, line)): the helper is called through a
// macro that passes them, so a failure points at the call, not at the helper.
#define ok_at(file, line, condition, ...) Check((condition) ? kPassed : kFailed, file, line, __VA_ARGS__)
// A check that cannot be made here (for example a screen of the wrong size): said, counted, not failed.
#define skip(...) Check(kSkipped, __FILE_NAME__, __LINE__, __VA_ARGS__)
// Counts the result; prints the message, as "file:line: Test failed: message", unless it passed.
void Check(CheckResult result, const char* file, int line, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

void PumpMessages();  // every message waiting for this thread
// Dispatches messages for about the given time (timers, paints).
void PumpMessagesFor(DWORD milliseconds);

// The region's rectangles in the system's own order, "(left,top)-(right,bottom) ...", or "nothing".
std::string RegionText(HRGN region);

// Prints the totals and gives the exit status: 1 when any check failed, 77 (CTest's "skipped", as
// tests/wine_tests.cmake sets it) when no check could be made here, else 0, skipped checks counted aside.
int CheckSummary(const char* testName);
