#pragma once

#include "controls/grid/GridModel.h"
#include "platform/ScreenTypes.h"

#include <cstdint>

// Where the grid's headings and cells lie and how the visible part follows
// the cursor and the scroll bars. Integers only, no window system: the
// widget hands in its size and keeps the result in the model's scroll fields.
//
// Row arithmetic is in closed form, so that a jump to the last of 100,000
// rows costs the same as a step to the next.

struct TGridExtent {
    int32_t Width = 0; // the whole control, scroll bars included
    int32_t Height = 0;
    int32_t BarSize = 0; // the platform's scroll-bar width
    int32_t VBar = 0;    // space the vertical bar takes, 0 while all rows fit
    int32_t HBar = 0;    // space the horizontal bar takes, 0 while all columns fit
};

struct TGridCell {
    int32_t Col = 0;
    int32_t Row = 0;
    bool operator==(const TGridCell& other) const { return Col == other.Col && Row == other.Row; }
};

// Horizontal and vertical scroll offsets: L(LeftCol) and (TopRow - 1) * RowHeight.
int32_t ScrollOffsetX(const TGridModel& grid);
int32_t ScrollOffsetY(const TGridModel& grid);

// Rectangles in control pixels, right and bottom exclusive. Coordinates far
// outside the control saturate instead of overflowing.
TRect CellRect(const TGridModel& grid, int32_t x, int32_t y);
TRect ColumnHeadingRect(const TGridModel& grid, int32_t x);
TRect RowHeadingRect(const TGridModel& grid, int32_t y);
TRect CornerRect(const TGridModel& grid);
// The cells of the ordered rectangle `area` as one rectangle.
TRect RangeRect(const TGridModel& grid, const TGridRect& area);

// The cell under a point: right of the last column gives ColCount, rows are
// held within 1 .. CountRows.
TGridCell MouseToCell(const TGridModel& grid, int32_t x, int32_t y);

// Keeps the cursor in range and in view, then recomputes LastCol, LastRow
// and VisibleCols.
void ScrollInView(TGridModel& grid, const TGridExtent& extent);

// The page sizes and which scroll bars are needed, as painting finds them:
// sets VisibleCols, VisibleRows, extent.VBar and extent.HBar.
void UpdateScrollBars(TGridModel& grid, TGridExtent& extent);

enum class TScrollCode { LineBack, LineForward, PageBack, PageForward, Position, First, Last, EndScroll };

// A scroll-bar action; `position` is used by Position only.
void ScrollColumns(TGridModel& grid, const TGridExtent& extent, TScrollCode code, int32_t position = 0);
void ScrollRows(TGridModel& grid, const TGridExtent& extent, TScrollCode code, int32_t position = 0);
// TopRow := top, held to the scroll range, and LastRow after it (scroll
// bar, wheel and auto-scroll share this; the auto-scroll of a row drag
// passes an extent without the horizontal bar).
void SetTopRow(TGridModel& grid, const TGridExtent& extent, int32_t top);

// The first and last column and row that painting visits.
struct TVisitRange {
    int32_t FirstCol = 1;
    int32_t LastCol = 0;
    int32_t FirstRow = 1;
    int32_t LastRow = 0;
};
// From LeftCol/TopRow to `beyond` past LastCol/LastRow, within the grid.
TVisitRange VisitRange(const TGridModel& grid, int32_t beyond);

// The row before which dragged rows would be dropped for a pointer at y,
// 1 .. CountRows + 1.
int32_t DropTarget(const TGridModel& grid, int32_t pointerY);

// True when two rectangles share at least one pixel.
bool Intersects(const TRect& a, const TRect& b);
