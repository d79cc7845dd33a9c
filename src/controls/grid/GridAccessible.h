#pragma once

#include "controls/grid/GridReading.h"
#include "platform/ScreenTypes.h"

#include <cstdint>

class TExcelGrid2;

// The grid as a table for screen readers: its column headings and cells are
// the table's children (headings first, then the cells row by row), each
// cell reads what the grid paints, and the cell under the cursor is the
// focused one while the grid has the focus. The words come from GridReading.

// Gives every TExcelGrid2 its table interface; safe to call more than once.
void InstallGridAccessibility();

// Where cell (x, y) stands among the table's children.
int GridCellChild(const TGridModel& grid, int32_t x, int32_t y);

// Tells screen readers what changed in one grid: a refill, a cursor move,
// cells the user changed. It waits until the event loop is back, so that a
// refill in several steps is told once, and does nothing while no reader
// listens.
class TGridAnnouncer {
public:
    explicit TGridAnnouncer(TExcelGrid2& grid) : m_grid(grid) {}
    // Anything may have changed (every repaint request passes here).
    void Changed();
    void CellChanged(int32_t x, int32_t y);
    // The grid took the focus: the current cell is told again.
    void FocusIn();

private:
    void Tell();
    void TellCells();

    TExcelGrid2& m_grid;
    TGridTold m_told;
    bool m_pending = false;
    bool m_focusIn = false;
    TGridRect m_cells{};
    int32_t m_cellCount = 0;
};
