#pragma once

#include "controls/grid/GridModel.h"
#include "support/NumberLocales.h"

#include <string>

// `cols` enabled columns of one kind and width, and `rows` rows.
inline void SetUpColumns(TGridModel& grid, int32_t cols, int32_t rows, uint8_t kind, int32_t width = 50,
                         int32_t items = 0) {
    grid.SetColCount(cols);
    grid.SetCountRows(rows);
    for (int32_t x = 1; x <= cols; ++x) {
        TGridColumn& c = grid.Column(x);
        c.Kind = kind;
        c.Width = width;
        c.ItemCount = items;
        c.Enabled = true;
    }
    grid.UpdateColumnPositions();
}

inline TValue Value(const std::string& s, double f, int32_t i) {
    TValue v;
    v.S = s;
    v.F = f;
    v.I = i;
    return v;
}
