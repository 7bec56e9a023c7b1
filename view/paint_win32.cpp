// Painting the board, the stones and the last-move marker from the state.
#include "view/paint_win32.h"

#include "platform/platform.h"
#include "product.h"
#include "rules/board.h"
#include "view/board_geometry.h"
#include "view/grid.h"
#include "view/marker.h"

static const COLORREF kMarkerColour = RGB(255, 0, 255);

static void DrawImageInto(HDC dc, const char* fileName, PictureRole role, const PixelRect& area) {
    DrawImageFile(dc, fileName, role, area.left, area.top, area.right - area.left, area.bottom - area.top);
}

static void DrawLine(HDC dc, const GridLine& line) {
    MoveToEx(dc, line.fromX, line.fromY, NULL);
    LineTo(dc, line.toX, line.toY);
}

void PaintBoard(HDC dc) {
    DrawImageInto(dc, kBoardImageFile, kBoardPicture, BoardRect());
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    for (int32_t i = 1; i <= kBoardSize; i++) {
        DrawLine(dc, HorizontalGridLine(i));
        DrawLine(dc, VerticalGridLine(i));
    }
    for (int32_t k = 0; k < kStarPointCount; k++) {
        PixelRect dot = StarPointRect(k);
        Ellipse(dc, dot.left, dot.top, dot.right, dot.bottom);
    }
}

void PaintStones(HDC dc) {
    for (int32_t x = 1; x <= kBoardSize; x++)
        for (int32_t y = 1; y <= kBoardSize; y++)
            if (Board[x][y] != Empty)
                DrawImageInto(dc, Board[x][y] == Black ? kBlackImageFile : kWhiteImageFile, kStonePicture,
                              CellRect(x, y));
}

void PaintMarker(HDC dc) {
    if (moveCount < 1) return;
    PixelRect outer = MarkerRect();
    PixelRect inner = MarkerInnerRect();

    HPEN pen = CreatePen(PS_SOLID, 1, kMarkerColour);
    HGDIOBJ previousPen = SelectObject(dc, pen);
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, outer.left, outer.top, outer.right, outer.bottom);
    Ellipse(dc, inner.left, inner.top, inner.right, inner.bottom);

    // The inner box's corner lies between the two outlines: filling from it
    // up to the magenta border paints the ring and leaves the stone inside.
    HBRUSH brush = CreateSolidBrush(kMarkerColour);
    SelectObject(dc, brush);
    ExtFloodFill(dc, inner.left, inner.top, kMarkerColour, FLOODFILLBORDER);

    SelectObject(dc, previousPen);
    SelectObject(dc, previousBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void InvalidateMarker(HWND window) {
    if (moveCount >= 1) InvalidateArea(window, MarkerRect());
}
