#include "GridCursor.h"

#include <algorithm>

void MoveCursor(TGridModel& grid, TMoveKey key, bool ctrl, bool extend) {
    if (grid.IsRangeSelected() && !extend) {
        grid.Col = grid.Selection.Left;
        grid.Row = grid.Selection.Top;
    }
    int64_t col = grid.Col;
    int64_t row = grid.Row;
    switch (key) {
    case TMoveKey::PageUp:
        if (!ctrl)
            row += int64_t(grid.TopRow) - grid.LastRow;
        break;
    case TMoveKey::PageDown:
        if (!ctrl)
            row += int64_t(grid.LastRow) - grid.TopRow;
        break;
    case TMoveKey::End:
        col = grid.ColCount();
        break;
    case TMoveKey::Home:
        col = 1;
        break;
    case TMoveKey::Left:
        col = ctrl ? 1 : col - 1;
        break;
    case TMoveKey::Up:
        row = ctrl ? 1 : row - 1;
        break;
    case TMoveKey::Right:
        col = ctrl ? grid.ColCount() : col + 1;
        break;
    case TMoveKey::Down:
        row = ctrl ? grid.CountRows() : row + 1;
        break;
    }
    grid.Col = static_cast<int32_t>(std::clamp<int64_t>(col, 1, std::max(1, grid.ColCount())));
    grid.Row = static_cast<int32_t>(std::clamp<int64_t>(row, 1, std::max(1, grid.CountRows())));
    if (extend) {
        grid.Selection.Right = grid.Col;
        grid.Selection.Bottom = grid.Row;
    } else {
        grid.ResetSelection();
    }
}
