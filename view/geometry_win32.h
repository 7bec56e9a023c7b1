// The geometry's Win32 side: size changes, the screen-fit test and the
// snapping of the window to screen edges.
#pragma once

#include <windows.h>

#include <stdint.h>

// On WM_SIZE: recompute boardGeometry, show or hide the status bar and lay
// it out. Safe before the status bar exists.
void UpdateGeometry(HWND window, int32_t clientWidth, int32_t clientHeight);
// True when the fixed size 0..4 fits the screen height.
bool SizeFitsScreen(int32_t sizeIndex);
// On WM_MOVE: pull the window onto a screen edge it is within 4 pixels of.
void SnapToScreenEdges(HWND window);
