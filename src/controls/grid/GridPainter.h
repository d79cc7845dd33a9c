#pragma once

#include "controls/grid/GridColors.h"
#include "controls/grid/GridLayout.h"

#include <QColor>
#include <QFont>
#include <QRect>

#include <functional>

class QPainter;
class TCachingCanvas;
class TGridModel;
class TGridMouse;

// What a paint needs of the widget besides the model; the grid hands it in,
// so that the painter does not know the widget.
struct TGridPaintView {
    TGridColors Colors;
    TGridExtent Extent;
    QFont Font;
    bool Enabled = true;
    bool Focused = false;
    const TGridMouse* Mouse = nullptr;
    // Draws the object of a list, menu or external cell; empty: the owner draws none.
    std::function<void(QPainter& painter, QRect& rect, int32_t x, int32_t y, int32_t index)> DrawObject;
};

// One paint of the grid: backgrounds, selection, grid lines, headings and
// cell contents, in that order. Only the cells from the first shown to two
// beyond the last shown are visited, and those outside `clip` are skipped
// before any event is raised.
class TGridPainter {
public:
    TGridPainter(TGridModel& grid, const TGridPaintView& view, QPainter& painter, const QRect& clip);
    void Paint();

private:
    void Fill(const TRect& r, TColor color);
    void Frame(const TRect& r, TColor pen, TColor brush);
    // Like a device-context line: the end point stays clear.
    void Line(int x1, int y1, int x2, int y2);
    void PolyLine(std::initializer_list<QPoint> points);
    void SetPen(TColor color, int width = 1);
    bool Visible(const TRect& r) const { return Intersects(r, m_clip); }
    bool SelectedCol(int32_t c) const { return m_focused && c >= m_sel.Left && c <= m_sel.Right; }
    bool SelectedRow(int32_t r) const { return m_focused && r >= m_sel.Top && r <= m_sel.Bottom; }

    void PaintSelection();
    void PaintCellBackgrounds();
    void PaintGridLines();
    void PaintSelectionOutline();
    void PaintHeadingAreas();
    void PaintSelectedHeadings();
    void PaintColumnHeadings(TCachingCanvas& canvas);
    void PaintRowHeadings(TCachingCanvas& canvas);
    void PaintCells(TCachingCanvas& canvas);
    void PaintCell(TCachingCanvas& canvas, int32_t x, int32_t y, const TRect& cell);
    void PaintText(TCachingCanvas& canvas, int32_t x, int32_t y, const TRect& cell, bool enabled);
    void PaintSwatch(const TRect& cell, int32_t color, bool enabled);
    void PaintTick(const TRect& cell, bool enabled);
    void PaintObject(const TRect& cell, int32_t x, int32_t y, int32_t index);
    void PaintOutside();
    void PaintDragMarker();

    TGridModel& m_grid;
    const TGridPaintView& m_view;
    QPainter& m_painter;
    TRect m_clip;
    TGridColors m_colors;
    TGridRect m_sel;
    int32_t m_w, m_h, m_hw, m_hh, m_rh, m_ox, m_oy;
    bool m_focused;
    bool m_hasRows;
};
