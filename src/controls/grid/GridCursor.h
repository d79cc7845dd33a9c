#pragma once

#include "controls/grid/GridModel.h"

// Cursor movement by the navigation keys, without a window: the widget maps
// its key codes onto these.

enum class TMoveKey { PageUp, PageDown, End, Home, Left, Up, Right, Down };

// Moves (Col, Row) and keeps it in the grid. `extend` moves the selection's
// end and keeps its anchor; otherwise a range selection first collapses to
// its anchor and the selection follows the cursor. The caller scrolls the
// cursor into view.
void MoveCursor(TGridModel& grid, TMoveKey key, bool ctrl, bool extend);
