#include "GridMouse.h"

#include "controls/grid/GridModel.h"
#include "controls/grid/GridRowMove.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int32_t kBorderGrab = 5;
constexpr int32_t kRowDragThreshold = 5;
constexpr int32_t kMinColumnWidth = 1;
constexpr int32_t kMaxColumnWidth = 1000;
constexpr int32_t kDragTickMs = 100;
constexpr int32_t kSelectTickMs = 1;

int32_t Sign(int32_t value) {
    return (value > 0) - (value < 0);
}

} // namespace

int32_t TGridMouse::BorderAt(int32_t x) const {
    const int32_t ox = ScrollOffsetX(m_grid);
    const int32_t last = std::min(m_grid.LastCol, m_grid.ColCount());
    for (int32_t c = std::max(1, m_grid.LeftCol); c <= last; ++c) {
        const int64_t border = int64_t(m_grid.Column(c).Right) + m_grid.HeadingWidth() - ox;
        if (std::llabs(int64_t(x) - border) < kBorderGrab)
            return c;
    }
    return 0;
}

void TGridMouse::MoveCursor(const TGridCell& cell, bool extend) {
    m_grid.Col = cell.Col;
    m_grid.Row = cell.Row;
    if (extend) {
        m_grid.Selection.Right = cell.Col;
        m_grid.Selection.Bottom = cell.Row;
    } else {
        m_grid.ResetSelection();
    }
}

bool TGridMouse::Outside(int32_t x, int32_t y) {
    const TGridExtent extent = m_host.Extent();
    return x < 0 || x > extent.Width || y < 0 || y > extent.Height;
}

void TGridMouse::Press(TShiftState shift, int32_t x, int32_t y) {
    m_host.TakeFocus();
    if (m_grid.CountRows() == 0)
        return;
    m_mouseDown = true;
    m_grid.CommitEditors();
    m_resizeStartX = -1;

    const bool leftOnly = shift == ssLeft;
    if (leftOnly && m_grid.ResizeEnabled() && y <= m_grid.HeadingHeight()) {
        if (int32_t c = BorderAt(x)) {
            m_resizeStartX = x;
            m_resizeColumn = c;
            m_resizeStartWidth = m_grid.Column(c).Width;
            m_grid.Invalidate();
            return;
        }
    }
    m_host.MouseDownEvent(shift, x, y);

    m_rowDragStartY = -1;
    if (leftOnly && m_grid.DragEnabled() && x <= m_grid.HeadingWidth()) {
        const TGridCell cell = MouseToCell(m_grid, x, y);
        m_rowDragStartY = y;
        const TGridRect rows = m_grid.Selection.Ordered();
        // A press inside the selected rows keeps them for dragging.
        if (cell.Row < rows.Top || cell.Row > rows.Bottom) {
            MoveCursor(cell, false);
            m_grid.Invalidate();
        }
    }
    const bool started = m_rowDragStartY >= 0;
    if (leftOnly && !started) {
        MoveCursor(MouseToCell(m_grid, x, y), false);
        m_grid.Invalidate();
    }
    if (shift == (ssShift | ssLeft) && !started) {
        MoveCursor(MouseToCell(m_grid, x, y), true);
        m_grid.Invalidate();
    }
    if (y > m_grid.HeadingHeight() && shift == (ssLeft | ssDouble) && m_grid.EditorEnabled())
        m_host.ShowEditor(shift);
}

void TGridMouse::Move(TShiftState shift, int32_t x, int32_t y) {
    if (m_grid.CountRows() == 0)
        return;
    const bool leftOnly = shift == ssLeft;
    m_resizing = m_resizeStartX >= 0 && leftOnly;
    m_rowDragging = m_rowDragStartY >= 0 && std::abs(m_rowDragStartY - y) >= kRowDragThreshold && leftOnly;

    if (m_resizing) {
        m_host.SetPointer(TGridPointer::HorizontalSplit);
        const int64_t width = int64_t(m_resizeStartWidth) + x - m_resizeStartX;
        m_grid.Column(m_resizeColumn).Width =
            static_cast<int32_t>(std::clamp<int64_t>(width, kMinColumnWidth, kMaxColumnWidth));
        m_grid.UpdateColumnPositions();
        m_grid.Invalidate();
        m_host.SetAutoScroll(Outside(x, y), kDragTickMs);
    } else if (m_rowDragging) {
        m_host.SetPointer(TGridPointer::Drag);
        const TGridRect s = m_grid.Selection;
        m_dragFirst = std::min(s.Top, s.Bottom);
        m_dragLast = std::max(s.Top, s.Bottom);
        m_dropTarget = ::DropTarget(m_grid, y);
        m_grid.Invalidate();
        m_host.SetAutoScroll(Outside(x, y), kDragTickMs);
    } else if (leftOnly && m_rowDragStartY < 0 && m_resizeStartX < 0 && m_mouseDown) {
        m_host.SetPointer(TGridPointer::Arrow);
        MoveCursor(MouseToCell(m_grid, x, y), true);
        m_grid.ScrollInView();
        m_grid.Invalidate();
        m_host.SetAutoScroll(Outside(x, y), kSelectTickMs);
    } else {
        const bool overBorder =
            shift == 0 && m_grid.ResizeEnabled() && y >= 0 && y <= m_grid.HeadingHeight() && BorderAt(x) != 0;
        m_host.SetPointer(overBorder ? TGridPointer::HorizontalSplit : TGridPointer::Arrow);
    }
}

void TGridMouse::Release() {
    if (m_grid.CountRows() == 0)
        return;
    if (m_resizing) {
        m_host.SetPointer(TGridPointer::Arrow);
        if (m_grid.OnColumnResize)
            m_grid.OnColumnResize(m_grid);
        m_grid.Invalidate();
    } else if (m_rowDragging) {
        const std::vector<int32_t> order = MoveGridRows(m_grid, m_dragFirst, m_dragLast, m_dropTarget);
        m_grid.NoteAllRowsChanged();
        if (!order.empty() && m_grid.OnDrag)
            m_grid.OnDrag(m_grid, order);
        m_host.SetPointer(TGridPointer::Arrow);
        m_grid.Changed();
        m_grid.Invalidate();
    }
    // A press and release without a move must not repeat the last drag.
    m_resizing = false;
    m_rowDragging = false;
    m_resizeStartX = -1;
    m_rowDragStartY = -1;
    m_mouseDown = false;
    m_host.SetAutoScroll(false, 0);
}

void TGridMouse::Tick(int32_t x, int32_t y) {
    const TGridExtent extent = m_host.Extent();
    if (m_rowDragging) {
        int32_t top = m_grid.TopRow;
        if (y < 0)
            --top;
        else if (y > extent.Height)
            ++top;
        // The rows down to the bottom edge count, the horizontal bar's space included.
        TGridExtent dragExtent = extent;
        dragExtent.HBar = 0;
        SetTopRow(m_grid, dragExtent, top);
        m_dropTarget = ::DropTarget(m_grid, y);
    } else {
        const bool range = m_grid.IsRangeSelected();
        int32_t col = m_grid.Col;
        int32_t row = m_grid.Row;
        if (x > extent.Width)
            col += (x - extent.Width) / 5 + 1;
        else if (x < 0)
            col -= std::abs(x / 5) + 1;
        if (y > extent.Height)
            row += (y - extent.Height) / 5 + 1;
        else if (y < 0)
            row -= std::abs(y / 5) + 1;
        MoveCursor(
            {std::clamp(col, 1, std::max(1, m_grid.ColCount())), std::clamp(row, 1, std::max(1, m_grid.CountRows()))},
            range);
        m_grid.ScrollInView();
    }
    m_grid.Invalidate();
}

bool TGridMouse::Wheel(TShiftState shift, int32_t wheelDelta, int32_t lines, bool pointerOverGrid, bool editorOpen) {
    if ((!pointerOverGrid && !m_grid.WheelAnywhere()) || editorOpen)
        return false;
    const int32_t d = -(wheelDelta / 120) * lines;
    const int32_t x = m_grid.ActiveCol();
    const int32_t y = m_grid.ActiveRow();
    const bool ctrl = shift & ssCtrl;
    const bool enabled = m_grid.CellEnabled(x, y);
    if (enabled && ctrl && (m_grid.Column(x).Kind == ckList || m_grid.Column(x).Kind == ckMenu)) {
        TValue value = m_grid.Cell(x, y);
        const int32_t count = m_grid.ObjectCount(x, y);
        // No wrap-around: the first and the last item stay where they are.
        const int64_t stepped = std::min<int64_t>(int64_t(value.I) + Sign(d), int64_t(count) - 1);
        value.I = static_cast<int32_t>(std::max<int64_t>(0, stepped));
        m_grid.SetCellValue(x, y, value);
        m_grid.CellChanged(x, y);
        m_grid.Changed();
    } else if (enabled && ctrl && m_grid.OnCellWheel) {
        m_grid.OnCellWheel(m_grid, shift, Sign(d), x, y);
        m_grid.NoteAllRowsChanged(); // the owner's handler may have changed anything
        m_grid.Changed();
    } else {
        SetTopRow(m_grid, m_host.Extent(), m_grid.TopRow + d);
    }
    m_grid.Invalidate();
    return true;
}
