// Pulling the main window onto a screen edge it is moved close to, along
// one axis at a time. Pure arithmetic over the window's outer rectangle.
#pragma once

#include <stdint.h>

// Pixels within which an edge snaps: the window's edge must be less than
// this far from the screen's.
const int32_t kSnapDistance = 5;

// The window's new start (left or top) along one axis, given its outer
// start and exclusive end there and the screen's extent (width or height).
// The start edge is tried first: |start| < 5 gives 0. Otherwise, when
// |screenExtent - 1 - end| < 5, the window is moved so that its end lies on
// the screen's end. Else start is returned unchanged.
int32_t SnapToEdge(int32_t start, int32_t end, int32_t screenExtent);
