#include "view/board_geometry.h"

BoardGeometry boardGeometry = {0, 0, 0, 0};

// Every division below is C++'s, which truncates toward zero: a client
// area lower than the status bar gives a cell height of 0 (not -6) and a
// boardTop rounded toward zero (-5 for 9 pixels with the bar, not -6).
BoardGeometry ComputeGeometry(int32_t clientWidth, int32_t clientHeight, int32_t statusBarHeight) {
    int32_t height = clientHeight - statusBarHeight;
    BoardGeometry g;
    g.cellWidth = (clientWidth / kBoardUnit) * 6;
    g.cellHeight = (height / kBoardUnit) * 6;
    g.boardLeft = (clientWidth - kBoardSize * g.cellWidth - g.cellWidth / 3) / 2;
    g.boardTop = (height - kBoardSize * g.cellHeight - g.cellHeight / 3) / 2;
    return g;
}

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
    board.right = g.boardLeft + kBoardSize * g.cellWidth + g.cellWidth / 3;
    board.bottom = g.boardTop + kBoardSize * g.cellHeight + g.cellHeight / 3;
    return board;
}

PixelPoint IntersectionCentre(int32_t x, int32_t y) {
    PixelRect cell = CellRect(x, y);
    PixelPoint centre;
    centre.x = cell.left + boardGeometry.cellWidth / 2;
    centre.y = cell.top + boardGeometry.cellHeight / 2;
    return centre;
}

// Truncation toward zero makes a press up to a cell less one pixel left of
// (or above) the first cell still count as column (row) 1; a press at the
// far edge of the last cell gives 20, off the board.
bool ClickToIntersection(int32_t px, int32_t py, int32_t& x, int32_t& y) {
    const BoardGeometry& g = boardGeometry;
    x = 0;
    y = 0;
    // While the client area is too small for a board there are no cells.
    if (g.cellWidth <= 0 || g.cellHeight <= 0) return false;
    x = (px - g.boardLeft - g.cellWidth / 6) / g.cellWidth + 1;
    y = (py - g.boardTop - g.cellHeight / 6) / g.cellHeight + 1;
    return x >= 1 && x <= kBoardSize && y >= 1 && y <= kBoardSize;
}
