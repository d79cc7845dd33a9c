#include "GridLayout.h"

#include <algorithm>

namespace {

// Far inside int32, so that painting may add a few pixels without overflow.
constexpr int64_t kCoordLimit = int64_t(1) << 30;

int32_t Saturate(int64_t value) {
    return static_cast<int32_t>(std::clamp(value, -kCoordLimit, kCoordLimit));
}

// Left and Right of a column; 0 before the first, the last column's Right after the last.
int64_t ColLeft(const TGridModel& grid, int32_t x) {
    if (x < 1 || grid.ColCount() < 1)
        return 0;
    if (x > grid.ColCount())
        return grid.Column(grid.ColCount()).Right;
    return grid.Column(x).Left;
}

int64_t ColRight(const TGridModel& grid, int32_t x) {
    if (x < 1 || grid.ColCount() < 1)
        return 0;
    return grid.Column(std::min(x, grid.ColCount())).Right;
}

int64_t RowTop(const TGridModel& grid, int64_t y) {
    return (y - 1) * grid.RowHeight() + grid.HeadingHeight() - ScrollOffsetY(grid);
}

// Whole rows of RowHeight that fit into `space` pixels (none when it is negative).
int64_t RowsIn(const TGridModel& grid, int64_t space) {
    return space > 0 ? space / grid.RowHeight() : 0;
}

int32_t LastColumnShown(const TGridModel& grid, int64_t space) {
    int32_t last = grid.ColCount();
    const int64_t origin = ColLeft(grid, grid.LeftCol);
    while (ColLeft(grid, last) - origin > space && grid.LeftCol < last)
        --last;
    return last;
}

int32_t ColumnsFitting(const TGridModel& grid, int64_t space) {
    const int64_t origin = ColLeft(grid, grid.LeftCol);
    int32_t count = 0;
    for (int32_t c = std::max(1, grid.LeftCol); c <= grid.ColCount(); ++c)
        count += ColRight(grid, c) - origin < space;
    return count;
}

} // namespace

int32_t ScrollOffsetX(const TGridModel& grid) {
    return Saturate(ColLeft(grid, grid.LeftCol));
}

int32_t ScrollOffsetY(const TGridModel& grid) {
    return Saturate((int64_t(grid.TopRow) - 1) * grid.RowHeight());
}

TRect CellRect(const TGridModel& grid, int32_t x, int32_t y) {
    const int64_t dx = int64_t(grid.HeadingWidth()) - ScrollOffsetX(grid);
    return {Saturate(ColLeft(grid, x) + dx), Saturate(RowTop(grid, y)), Saturate(ColRight(grid, x) + dx),
            Saturate(RowTop(grid, int64_t(y) + 1))};
}

TRect ColumnHeadingRect(const TGridModel& grid, int32_t x) {
    const int64_t dx = int64_t(grid.HeadingWidth()) - ScrollOffsetX(grid);
    return {Saturate(ColLeft(grid, x) + dx), 2, Saturate(ColRight(grid, x) + dx), grid.HeadingHeight()};
}

TRect RowHeadingRect(const TGridModel& grid, int32_t y) {
    return {5, Saturate(RowTop(grid, y) + 5), grid.HeadingWidth() - 5, Saturate(RowTop(grid, int64_t(y) + 1))};
}

TRect CornerRect(const TGridModel& grid) {
    return {0, 0, grid.HeadingWidth() + 1, grid.HeadingHeight() + 1};
}

TRect RangeRect(const TGridModel& grid, const TGridRect& area) {
    const int64_t dx = int64_t(grid.HeadingWidth()) - ScrollOffsetX(grid);
    return {Saturate(ColLeft(grid, area.Left) + dx), Saturate(RowTop(grid, area.Top)),
            Saturate(ColRight(grid, area.Right) + dx), Saturate(RowTop(grid, int64_t(area.Bottom) + 1))};
}

TGridCell MouseToCell(const TGridModel& grid, int32_t x, int32_t y) {
    TGridCell cell{grid.ColCount(), 0};
    const int64_t px = int64_t(x) + ScrollOffsetX(grid);
    for (int32_t c = 1; c <= grid.ColCount(); ++c) {
        if (ColRight(grid, c) + grid.HeadingWidth() > px) {
            cell.Col = c;
            break;
        }
    }
    int64_t row = (int64_t(y) - grid.HeadingHeight()) / grid.RowHeight() + grid.TopRow;
    row = std::max<int64_t>(row, 1);
    row = std::min<int64_t>(row, grid.CountRows());
    cell.Row = static_cast<int32_t>(row);
    return cell;
}

void ScrollInView(TGridModel& grid, const TGridExtent& extent) {
    grid.ClampCursor();
    const int32_t hw = grid.HeadingWidth();
    const int32_t hh = grid.HeadingHeight();

    grid.LeftCol = std::clamp(grid.LeftCol, 1, std::max(1, grid.ColCount()));
    const int64_t colSpace = int64_t(extent.Width) - hw - extent.VBar;
    while (ColRight(grid, grid.Col) - ColLeft(grid, grid.LeftCol) > colSpace && grid.Col > grid.LeftCol)
        ++grid.LeftCol;
    // A cursor left of the view becomes the first column shown.
    if (grid.Col >= 1 && grid.Col < grid.LeftCol)
        grid.LeftCol = grid.Col;

    // Rows: the smallest TopRow that shows the cursor row whole.
    grid.TopRow = std::max(grid.TopRow, 1);
    const int64_t fit = RowsIn(grid, int64_t(extent.Height) - hh - extent.HBar);
    const int64_t lowest = std::min<int64_t>(grid.Row, int64_t(grid.Row) + 1 - fit);
    grid.TopRow = static_cast<int32_t>(std::max<int64_t>(grid.TopRow, lowest));
    if (grid.Row >= 1 && grid.Row < grid.TopRow)
        grid.TopRow = grid.Row;

    grid.LastCol = LastColumnShown(grid, int64_t(extent.Width) - hw);
    grid.LastRow = static_cast<int32_t>(
        std::min<int64_t>(grid.CountRows(), grid.TopRow + RowsIn(grid, int64_t(extent.Height) - hh)));
    grid.VisibleCols = ColumnsFitting(grid, int64_t(extent.Width) - hw);
}

void UpdateScrollBars(TGridModel& grid, TGridExtent& extent) {
    // An empty grid keeps both bars, as it was made with them.
    extent.VBar = extent.HBar = extent.BarSize;
    if (grid.CountRows() < 1 || grid.ColCount() < 1) {
        grid.VisibleCols = grid.VisibleRows = 0;
        return;
    }
    grid.VisibleCols = ColumnsFitting(grid, int64_t(extent.Width) - grid.HeadingWidth() - extent.VBar);
    if (grid.VisibleCols == grid.ColCount())
        extent.HBar = 0;
    const int64_t space = int64_t(extent.Height) - grid.HeadingHeight() - extent.HBar;
    // Rows r from TopRow with (r - TopRow + 1) * RowHeight < space.
    const int64_t fit = space > 0 ? (space - 1) / grid.RowHeight() : 0;
    const int64_t remaining = std::max<int64_t>(0, int64_t(grid.CountRows()) - grid.TopRow + 1);
    grid.VisibleRows = static_cast<int32_t>(std::min(fit, remaining));
    if (grid.VisibleRows == grid.CountRows())
        extent.VBar = 0;
}

namespace {

// The new first line for a scroll code; `page` is the page size.
int64_t Scrolled(int64_t first, int32_t page, int32_t count, TScrollCode code, int32_t position) {
    switch (code) {
    case TScrollCode::LineBack:
        return first - 1;
    case TScrollCode::LineForward:
        return first + 1;
    case TScrollCode::PageBack:
        return first - page;
    case TScrollCode::PageForward:
        return first + page;
    case TScrollCode::Position:
        return position;
    case TScrollCode::First:
        return 1;
    case TScrollCode::Last:
        return count;
    case TScrollCode::EndScroll:
        break;
    }
    return first;
}

// Raised to 1, then lowered so that the last page is full; a page of 0
// (a grid too small for one whole line) still leaves the last line shown.
int32_t HeldToRange(int64_t first, int32_t page, int32_t count) {
    const int64_t limit = std::max<int64_t>(1, int64_t(count) - std::max(page, 1) + 1);
    return static_cast<int32_t>(std::clamp<int64_t>(first, 1, limit));
}

} // namespace

void ScrollColumns(TGridModel& grid, const TGridExtent& extent, TScrollCode code, int32_t position) {
    if (code == TScrollCode::EndScroll)
        return;
    grid.LeftCol = HeldToRange(Scrolled(grid.LeftCol, grid.VisibleCols, grid.ColCount(), code, position),
                               grid.VisibleCols, grid.ColCount());
    grid.LastCol = LastColumnShown(grid, int64_t(extent.Width) - grid.HeadingWidth() - extent.VBar);
}

void ScrollRows(TGridModel& grid, const TGridExtent& extent, TScrollCode code, int32_t position) {
    if (code == TScrollCode::EndScroll)
        return;
    SetTopRow(grid, extent,
              static_cast<int32_t>(std::clamp<int64_t>(
                  Scrolled(grid.TopRow, grid.VisibleRows, grid.CountRows(), code, position), INT32_MIN, INT32_MAX)));
}

void SetTopRow(TGridModel& grid, const TGridExtent& extent, int32_t top) {
    grid.TopRow = HeldToRange(top, grid.VisibleRows, grid.CountRows());
    // The last row whose bottom lies above the horizontal bar, at least TopRow.
    const int64_t fit = RowsIn(grid, int64_t(extent.Height) - grid.HeadingHeight() - extent.HBar);
    const int64_t last = std::max<int64_t>(grid.TopRow, grid.TopRow - 1 + fit);
    grid.LastRow = static_cast<int32_t>(std::min<int64_t>(grid.CountRows(), last));
}

TVisitRange VisitRange(const TGridModel& grid, int32_t beyond) {
    TVisitRange range;
    range.FirstCol = std::max(1, grid.LeftCol);
    range.LastCol = static_cast<int32_t>(std::min<int64_t>(grid.ColCount(), int64_t(grid.LastCol) + beyond));
    range.FirstRow = std::max(1, grid.TopRow);
    range.LastRow = static_cast<int32_t>(std::min<int64_t>(grid.CountRows(), int64_t(grid.LastRow) + beyond));
    return range;
}

int32_t DropTarget(const TGridModel& grid, int32_t pointerY) {
    const int64_t row = (int64_t(pointerY) - grid.HeadingHeight()) / grid.RowHeight() + grid.TopRow;
    return static_cast<int32_t>(std::clamp<int64_t>(row, 1, int64_t(grid.CountRows()) + 1));
}

bool Intersects(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}
