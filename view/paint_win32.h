// Painting the board from the program state, and the image file reader.
#pragma once

#include <windows.h>

#include "view/bitmap_layout.h"

// Draws a bitmap file stretched into the rectangle; 1 when drawn, 0 when
// the file cannot be opened, is not a bitmap, is malformed, or is beyond
// the bounds of its role.
int DrawImageFile(HDC dc, const char* fileName, PictureRole role, int left, int top, int width, int height);

void PaintBoard(HDC dc);   // board image, grid lines, star points
void PaintStones(HDC dc);  // one stone image per stone
void PaintMarker(HDC dc);  // magenta ring on the last stone, if any
// Marks the last stone's marker for repainting; nothing on an empty board.
void InvalidateMarker(HWND window);
