#include "view/grid.h"

#include "view/board_geometry.h"

static const int32_t kStarLines[3] = {4, 10, 16};

GridLine HorizontalGridLine(int32_t i) {
    PixelPoint from = IntersectionCentre(1, i);
    PixelPoint to = IntersectionCentre(kBoardSize, i);
    return GridLine{from.x, from.y, to.x, to.y};
}

GridLine VerticalGridLine(int32_t i) {
    PixelPoint from = IntersectionCentre(i, 1);
    PixelPoint to = IntersectionCentre(i, kBoardSize);
    return GridLine{from.x, from.y, to.x, to.y};
}

PixelRect StarPointRect(int32_t index) {
    const BoardGeometry& g = boardGeometry;
    PixelPoint centre = IntersectionCentre(kStarLines[(index / 3) % 3], kStarLines[index % 3]);
    // Ellipse leaves out the right and bottom edge; +1 keeps the dot round.
    return PixelRect{centre.x - g.cellWidth / 9, centre.y - g.cellHeight / 9,
                     centre.x + g.cellWidth / 9 + 1, centre.y + g.cellHeight / 9 + 1};
}
