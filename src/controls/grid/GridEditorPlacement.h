#pragma once

#include "controls/grid/GridModel.h"
#include "platform/ScreenTypes.h"

// Where the in-place editors of a cell open, in control pixels.

// The line and memo editors: inside the cell, clear of its grid lines.
TRect LineEditorRect(const TGridModel& grid, int32_t x, int32_t y);

// The drop-down list of `count` items of `itemHeight`: centred on the cell,
// no taller than the grid's client area and moved back into it. `frame` is
// the list's border on each side.
TRect DropDownRect(const TGridModel& grid, int32_t x, int32_t y, int32_t count, int32_t itemHeight,
                   int32_t clientHeight, int32_t gridHeight, int32_t frame);

// Top-left corner of the list menu: the items centred on the cell's row.
struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
};
TPoint ListMenuOrigin(const TGridModel& grid, int32_t x, int32_t y, int32_t count);
