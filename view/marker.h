// The last-move marker's rectangles, from the record and the geometry.
#pragma once

#include "platform/platform.h"

// Bounding box of the outer ellipse on the last stone (moveCount >= 1).
PixelRect MarkerRect();
// Bounding box of the inner ellipse.
PixelRect MarkerInnerRect();
