#pragma once

#include "controls/grid/GridColors.h"

#include <QRect>

class QPainter;

// Draws the items of the drop-down list and of the list menu. The grid
// provides it, as an item view provides its delegate, so that neither of
// the two knows the grid.
class IGridItemPainter {
public:
    virtual ~IGridItemPainter() = default;
    virtual TGridColors Colors() const = 0;
    // Fills the item with the selection colour or `background` and lets the
    // grid's owner draw on it.
    virtual void DrawItem(QPainter& painter, const QRect& rect, int index, bool selected, TColor background) = 0;
};
