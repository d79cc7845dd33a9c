#pragma once

#include "controls/grid/GridLayout.h"
#include "controls/grid/GridTypes.h"

#include <cstdint>

class TGridModel;

enum class TGridPointer { Arrow, HorizontalSplit, Drag };

// What the pointer handling needs of the widget around the model.
class IGridMouseHost {
public:
    virtual ~IGridMouseHost() = default;
    virtual TGridExtent Extent() = 0;
    virtual void TakeFocus() = 0;
    virtual void SetPointer(TGridPointer pointer) = 0;
    // The auto-scroll timer; it runs only while a drag has the pointer outside.
    virtual void SetAutoScroll(bool enabled, int32_t intervalMs) = 0;
    virtual void ShowEditor(TShiftState shift) = 0;
    // The owner's OnMouseDown.
    virtual void MouseDownEvent(TShiftState shift, int32_t x, int32_t y) = 0;
};

// Presses, moves, releases, the wheel and the auto-scroll timer of the grid:
// a press starts at most one of a column resize (on a column border in the
// heading row), a row drag (in the row headings) or a cell selection.
// Coordinates are control pixels; the shift state holds keys and buttons.
class TGridMouse {
public:
    TGridMouse(TGridModel& grid, IGridMouseHost& host) : m_grid(grid), m_host(host) {}

    void Press(TShiftState shift, int32_t x, int32_t y);
    // The widget drops moves while the release of a click that picked a
    // drop-down item is still to come.
    void Move(TShiftState shift, int32_t x, int32_t y);
    void Release();
    // The timer fired; the pointer is where it is now.
    void Tick(int32_t x, int32_t y);
    // True when the grid takes the wheel. `lines` is the platform's lines per notch.
    bool Wheel(TShiftState shift, int32_t wheelDelta, int32_t lines, bool pointerOverGrid, bool editorOpen);

    bool RowDragging() const { return m_rowDragging; }
    int32_t DragFirst() const { return m_dragFirst; }
    int32_t DragLast() const { return m_dragLast; }
    // The row before which a drop inserts the dragged rows.
    int32_t DropTarget() const { return m_dropTarget; }
    bool Resizing() const { return m_resizing; }
    // The column whose right border lies within 5 pixels of x, or 0.
    int32_t BorderAt(int32_t x) const;

private:
    // The current cell moves there; the selection follows or starts anew.
    void MoveCursor(const TGridCell& cell, bool extend);
    bool Outside(int32_t x, int32_t y);

    TGridModel& m_grid;
    IGridMouseHost& m_host;
    bool m_mouseDown = false;
    int32_t m_resizeColumn = 0;
    int32_t m_resizeStartX = -1;
    int32_t m_resizeStartWidth = 0;
    bool m_resizing = false;
    int32_t m_rowDragStartY = -1;
    bool m_rowDragging = false;
    int32_t m_dragFirst = 0;
    int32_t m_dragLast = 0;
    int32_t m_dropTarget = 0;
};
