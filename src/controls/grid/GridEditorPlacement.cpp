#include "GridEditorPlacement.h"

#include "controls/grid/GridLayout.h"

#include <algorithm>

TRect LineEditorRect(const TGridModel& grid, int32_t x, int32_t y) {
    const TRect cell = CellRect(grid, x, y);
    const int32_t width = std::max(0, grid.Column(x).Width - 4);
    const int32_t height = std::max(0, grid.RowHeight() - 4);
    return {cell.Left + 3, cell.Top + 3, cell.Left + 3 + width, cell.Top + 3 + height};
}

TRect DropDownRect(const TGridModel& grid, int32_t x, int32_t y, int32_t count, int32_t itemHeight,
                   int32_t clientHeight, int32_t gridHeight, int32_t frame) {
    const TRect cell = CellRect(grid, x, y);
    const int64_t items = int64_t(std::max(count, 0)) * std::max(itemHeight, 1);
    const int32_t inner = static_cast<int32_t>(std::clamp<int64_t>(items, 0, std::max(clientHeight, 0)));
    const int32_t height = inner + 2 * frame;
    int32_t top = cell.Top - inner / 2 + grid.RowHeight() / 2;
    if (top < 0)
        top = 0;
    else if (top + height > gridHeight)
        top = std::max(0, gridHeight - height);
    const int32_t left = cell.Left + 2;
    return {left, top, left + std::max(0, grid.Column(x).Width - 3), top + height};
}

TPoint ListMenuOrigin(const TGridModel& grid, int32_t x, int32_t y, int32_t count) {
    const TRect cell = CellRect(grid, x, y);
    const int64_t shift = (int64_t(std::max(count, 1)) - 1) * grid.RowHeight() / 2;
    return {cell.Left, static_cast<int32_t>(std::max<int64_t>(int64_t(cell.Top) - shift, INT32_MIN / 2))};
}
