#include "view/marker.h"

#include "rules/board.h"
#include "view/board_geometry.h"

// The last stone's cell inset by twelfths of a cell: 4 for the outer
// ellipse, 5 for the inner one.
static PixelRect InsetLastCell(int32_t twelfths) {
    PixelRect cell = CellRect(historyX[moveCount - 1], historyY[moveCount - 1]);
    const int32_t dx = twelfths * boardGeometry.cellWidth / 12;
    const int32_t dy = twelfths * boardGeometry.cellHeight / 12;
    return PixelRect{cell.left + dx, cell.top + dy, cell.right - dx, cell.bottom - dy};
}

PixelRect MarkerRect() { return InsetLastCell(4); }

PixelRect MarkerInnerRect() { return InsetLastCell(5); }
