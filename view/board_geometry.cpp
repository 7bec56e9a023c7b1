#include "view/board_geometry.h"

BoardGeometry boardGeometry = {0, 0, 0, 0};

PixelRect CellRect(int32_t x, int32_t y) {
    const BoardGeometry& g = boardGeometry;
    PixelRect cell;
    cell.left = g.boardLeft + g.cellWidth / 6 + (x - 1) * g.cellWidth;
    cell.top = g.boardTop + g.cellHeight / 6 + (y - 1) * g.cellHeight;
    cell.right = cell.left + g.cellWidth;
    cell.bottom = cell.top + g.cellHeight;
    return cell;
}

PixelRect BoardRect() {
    const BoardGeometry& g = boardGeometry;
    PixelRect board;
    board.left = g.boardLeft;
    board.top = g.boardTop;
    board.right = g.boardLeft + 19 * g.cellWidth + g.cellWidth / 3;
    board.bottom = g.boardTop + 19 * g.cellHeight + g.cellHeight / 3;
    return board;
}
