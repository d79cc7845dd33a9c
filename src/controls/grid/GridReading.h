#pragma once

#include "controls/grid/GridModel.h"

#include <cstdint>
#include <string>

// What a screen reader is told of the grid, decided without a screen: the
// text of each cell as the grid paints it (whole, where painting cuts it to
// the cell), the captions of columns and rows without their markup codes,
// and what to tell after the grid changed. Reading never commits an open
// editor and never changes the grid.

struct TCellReading {
    std::string Text; // UTF-8
    bool Checkable = false;
    bool Checked = false;
    bool Editable = false;
};
// Empty outside the grid and for a cell the owner leaves undrawn.
TCellReading ReadGridCell(TGridModel& grid, int32_t x, int32_t y);
std::string ColumnCaption(const TGridModel& grid, int32_t x);
// The row's heading as drawn: its number unless OnDrawHeading says otherwise.
std::string RowCaption(TGridModel& grid, int32_t y);

// The state a screen reader was last told of.
struct TGridTold {
    int32_t Cols = 0;
    int32_t Rows = 0;
    int32_t Col = 0;
    int32_t Row = 0;
};
struct TGridNews {
    bool Reset = false; // rows or columns came or went: every cell is new
    bool Moved = false; // the cursor stands on another cell
};
// What changed since `told`, which then holds the grid's state.
TGridNews TakeGridNews(const TGridModel& grid, TGridTold& told);
