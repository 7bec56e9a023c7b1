// The game's repaints of the board's cells, asked for by the rules through
// the platform seam: the cell's or the board's pixels in the main window.
#include "platform/platform.h"
#include "view/board_geometry.h"

void InvalidateCell(WindowHandle window, int32_t x, int32_t y) { InvalidateArea(window, CellRect(x, y)); }

void InvalidateBoard(WindowHandle window) { InvalidateArea(window, BoardRect()); }
