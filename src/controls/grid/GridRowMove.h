#pragma once

#include <cstdint>
#include <vector>

class TGridModel;

// Moves the rows first..last (in order) so that they stand before row
// `target` (1 .. CountRows + 1), in every column, and carries the selection
// and the cursor row along. Returns the new order (element k - 1 is the
// former number of the row now at row k), or an empty vector when the
// target lies inside the block or the rows are out of range.
std::vector<int32_t> MoveGridRows(TGridModel& grid, int32_t first, int32_t last, int32_t target);
