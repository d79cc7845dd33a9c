#include "GridRowMove.h"

#include "controls/grid/GridModel.h"

#include <algorithm>
#include <numeric>

std::vector<int32_t> MoveGridRows(TGridModel& grid, int32_t first, int32_t last, int32_t target) {
    const int32_t rows = grid.CountRows();
    if (first < 1 || last < first || last > rows || target < 1 || target > rows + 1)
        return {};
    // A drop right after the block is a move that keeps the order: the owner
    // still hears of it.
    if (target >= first && target <= last)
        return {};

    std::vector<int32_t> order(static_cast<size_t>(rows));
    std::iota(order.begin(), order.end(), 1);
    // The span that changes and the row that comes first in it afterwards.
    const int32_t spanFirst = std::min(first, target);
    const int32_t spanLast = target > last ? target - 1 : last;
    const int32_t newFirst = target > last ? last + 1 : first;
    std::rotate(order.begin() + (spanFirst - 1), order.begin() + (newFirst - 1), order.begin() + spanLast);

    std::vector<TValue> moved(static_cast<size_t>(spanLast - spanFirst + 1));
    for (int32_t x = 1; x <= grid.ColCount(); ++x) {
        for (int32_t y = spanFirst; y <= spanLast; ++y)
            moved[static_cast<size_t>(y - spanFirst)] = std::move(grid.EditCell(x, order[static_cast<size_t>(y - 1)]));
        for (int32_t y = spanFirst; y <= spanLast; ++y)
            grid.EditCell(x, y) = std::move(moved[static_cast<size_t>(y - spanFirst)]);
    }

    const int32_t shift = target > last ? target - last - 1 : target - first;
    grid.Selection.Top += shift;
    grid.Selection.Bottom += shift;
    grid.Row += shift;
    return order;
}
