#include "controls/grid/GridPainter.h"

#include "controls/grid/CachingCanvas.h"
#include "controls/grid/GridCellText.h"
#include "controls/grid/GridModel.h"
#include "controls/grid/GridMouse.h"
#include "controls/markup/Markup.h"
#include "controls/markup/MarkupSupport.h"
#include "controls/markup/QtMarkupCanvas.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

TAlignment AlignmentOf(uint8_t align) {
    switch (align) {
    case kAlignRight:
        return taRightJustify;
    case kAlignCenter:
        return taCenter;
    default:
        return taLeftJustify;
    }
}

TRect Ordered(TRect r) {
    if (r.Left > r.Right)
        std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom)
        std::swap(r.Top, r.Bottom);
    return r;
}

QRect ToQRect(const TRect& r) {
    return QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1));
}

void SetFontColor(TCachingCanvas& canvas, TColor color) {
    TMarkupFont font = canvas.Font();
    if (font.Color == color)
        return;
    font.Color = color;
    canvas.SetFont(font);
}

} // namespace

TGridPainter::TGridPainter(TGridModel& grid, const TGridPaintView& view, QPainter& painter, const QRect& clip)
    : m_grid(grid), m_view(view),
      m_painter(painter), m_clip{clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1}, m_colors(view.Colors),
      m_sel(grid.Selection.Ordered()), m_w(view.Extent.Width), m_h(view.Extent.Height), m_hw(grid.HeadingWidth()),
      m_hh(grid.HeadingHeight()), m_rh(grid.RowHeight()), m_ox(ScrollOffsetX(grid)), m_oy(ScrollOffsetY(grid)),
      m_focused(view.Focused), m_hasRows(grid.CountRows() >= 1) {}

void TGridPainter::Fill(const TRect& r, TColor color) {
    if (r.Right > r.Left && r.Bottom > r.Top)
        m_painter.fillRect(ToQRect(r), ToQColor(color));
}

void TGridPainter::Frame(const TRect& r, TColor pen, TColor brush) {
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    Fill(r, brush);
    SetPen(pen);
    Line(r.Left, r.Top, r.Right, r.Top);
    Line(r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    Line(r.Left, r.Top, r.Left, r.Bottom);
    Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom);
}

void TGridPainter::SetPen(TColor color, int width) {
    QPen pen(ToQColor(color), width);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(pen);
}

void TGridPainter::Line(int x1, int y1, int x2, int y2) {
    if (x1 == x2 && y1 == y2)
        return;
    if (y1 == y2)
        x2 += x2 > x1 ? -1 : 1;
    else if (x1 == x2)
        y2 += y2 > y1 ? -1 : 1;
    if ((x1 == x2 || y1 == y2) && m_painter.pen().widthF() <= 1) {
        // The pixels the line covers, filled: at a fractional scale a
        // stroke would land half a pixel off the fills beside it.
        m_painter.fillRect(
            QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))),
            m_painter.pen().color());
        return;
    }
    m_painter.drawLine(x1, y1, x2, y2);
}

void TGridPainter::PolyLine(std::initializer_list<QPoint> points) {
    const QPoint* previous = nullptr;
    for (const QPoint& p : points) {
        if (previous)
            Line(previous->x(), previous->y(), p.x(), p.y());
        previous = &p;
    }
}

void TGridPainter::Paint() {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (m_hasRows)
        Fill({m_hw + 1, m_hh + 1, m_w, m_h}, m_colors.Window);
    PaintSelection();
    PaintCellBackgrounds();
    PaintGridLines();
    PaintSelectionOutline();
    PaintHeadingAreas();
    PaintSelectedHeadings();
    TQtMarkupCanvas qtCanvas(m_painter, m_view.Font, ToQColor(m_colors.ButtonText));
    TCachingCanvas canvas(qtCanvas);
    PaintColumnHeadings(canvas);
    PaintRowHeadings(canvas);
    PaintCells(canvas);
    PaintOutside();
    PaintDragMarker();
}

void TGridPainter::PaintDragMarker() {
    const TGridMouse& mouse = *m_view.Mouse;
    if (!mouse.RowDragging() || !m_hasRows)
        return;
    const int64_t y = int64_t(mouse.DropTarget() - 1) * m_rh + m_hh - m_oy;
    const int64_t right = std::min<int64_t>(m_w, int64_t(m_grid.Column(m_grid.LastCol).Right) + m_hw);
    SetPen(m_colors.ButtonText, 3);
    m_painter.drawLine(0, static_cast<int>(y), static_cast<int>(right), static_cast<int>(y));
    SetPen(m_colors.ButtonText, 1);
}

void TGridPainter::PaintSelection() {
    if (!m_focused || !m_hasRows)
        return;
    const TRect range = RangeRect(m_grid, m_sel);
    Fill({range.Left + 3, range.Top + 3, range.Right - 2, range.Bottom - 2}, m_colors.Selection());
    const TRect active = CellRect(m_grid, m_grid.ActiveCol(), m_grid.ActiveRow());
    Fill({active.Left, active.Top + 1, active.Right, active.Bottom}, m_colors.Window);
}

void TGridPainter::PaintCellBackgrounds() {
    if (!m_hasRows || (!m_grid.OnCellColor && !m_grid.OnCellError))
        return;
    const TVisitRange range = VisitRange(m_grid, 1);
    for (int32_t x = range.FirstCol; x <= range.LastCol; ++x) {
        for (int32_t y = range.FirstRow; y <= range.LastRow; ++y) {
            const TRect cell = CellRect(m_grid, x, y);
            if (!Visible(cell))
                continue;
            const bool active = x == m_grid.ActiveCol() && y == m_grid.ActiveRow();
            const bool selected = m_focused && !active && m_sel.Contains(x, y);
            TColor color = selected ? m_colors.Selection() : m_colors.Window;
            bool change = selected;
            if (m_grid.OnCellColor)
                m_grid.OnCellColor(m_grid, color, change, x, y);
            bool error = false;
            if (m_grid.OnCellError)
                m_grid.OnCellError(m_grid, x, y, m_grid.Cell(x, y), error);
            if (error)
                color = FixedColor(selected ? TFixedColor::CellErrorSelected : TFixedColor::CellError, m_colors.Scheme);
            if (error || change)
                Fill({cell.Left + 1, cell.Top + 1, cell.Right, cell.Bottom}, color);
        }
    }
}

void TGridPainter::PaintGridLines() {
    if (!m_hasRows)
        return;
    SetPen(m_colors.Light3D);
    for (int32_t c = m_grid.LeftCol + 1; c <= m_grid.LastCol; ++c) {
        const int x = ColumnHeadingRect(m_grid, c).Left;
        Line(x, m_hh + 1, x, m_h);
    }
    for (int32_t r = m_grid.TopRow; r <= m_grid.LastRow; ++r) {
        const int y = CellRect(m_grid, 1, r).Bottom;
        Line(m_hw + 1, y, m_w, y);
    }
}

void TGridPainter::PaintSelectionOutline() {
    if (!m_focused || !m_hasRows)
        return;
    const TRect range = RangeRect(m_grid, m_sel);
    QPen pen(Qt::white, 3);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    m_painter.drawRect(QRect(range.Left, range.Top, range.Right - range.Left, range.Bottom - range.Top));
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TGridPainter::PaintHeadingAreas() {
    Frame(CornerRect(m_grid), m_colors.ButtonShadow, m_colors.ButtonFace);
    Frame({m_hw, 0, m_w + 1, m_hh + 1}, m_colors.ButtonShadow, m_colors.ButtonFace);
    if (m_hasRows)
        Frame({0, m_hh, m_hw + 1, m_h + 1}, m_colors.ButtonShadow, m_colors.ButtonFace);

    SetPen(m_colors.ButtonShadow);
    if (m_hh > 0) {
        for (int32_t c = m_grid.LeftCol; c <= m_grid.LastCol; ++c) {
            const int x = ColumnHeadingRect(m_grid, c).Right;
            Line(x, 0, x, m_hh);
        }
    }
    if (m_hw >= 1 && m_hasRows) {
        for (int32_t r = m_grid.TopRow; r <= m_grid.LastRow; ++r) {
            const int y = CellRect(m_grid, 1, r).Bottom;
            Line(1, y, m_hw + 1, y);
        }
    }

    SetPen(m_colors.ButtonHighlight);
    PolyLine({{1, m_hh - 1}, {1, 1}, {m_hw, 1}});
    for (int32_t c = m_grid.LeftCol; c <= m_grid.LastCol; ++c) {
        const int x = ColumnHeadingRect(m_grid, c).Left + 1;
        Line(x, 1, x, m_hh);
    }
    if (m_hasRows) {
        for (int32_t r = m_grid.TopRow - 1; r <= m_grid.LastRow - 1; ++r) {
            const int y = CellRect(m_grid, 1, r).Bottom + 1;
            Line(1, y, m_hw, y);
        }
    }
}

void TGridPainter::PaintSelectedHeadings() {
    if (!m_focused)
        return;
    const int32_t firstCol = std::max(m_sel.Left, m_grid.LeftCol);
    const int32_t lastCol = std::min(m_sel.Right, m_grid.LastCol);
    const int32_t firstRow = std::max(m_sel.Top, m_grid.TopRow);
    const int32_t lastRow = m_hasRows ? std::min(m_sel.Bottom, m_grid.LastRow) : firstRow - 1;
    const int hh = m_hh;
    const int hw = m_hw;
    for (int32_t c = firstCol; c <= lastCol; ++c) {
        const TRect head = ColumnHeadingRect(m_grid, c);
        const int xl = head.Left;
        const int xr = head.Right;
        SetPen(m_colors.DarkShadow3D);
        PolyLine({{xr, 1}, {xr, hh}, {xl, hh}});
        SetPen(m_colors.ButtonShadow);
        PolyLine({{xr - 1, 2}, {xr - 1, hh - 1}, {xl + 1, hh - 1}});
        SetPen(m_colors.ButtonHighlight);
        PolyLine({{xr - 1, 1}, {xl + 1, 1}, {xl + 1, hh - 1}});
    }
    for (int32_t r = firstRow; r <= lastRow; ++r) {
        const TRect cell = CellRect(m_grid, 1, r);
        const int yt = cell.Top;
        const int yb = cell.Bottom;
        if (hw >= 1) {
            SetPen(m_colors.DarkShadow3D);
            PolyLine({{hw, yt + 1}, {hw, yb}, {0, yb}});
        }
        SetPen(m_colors.ButtonShadow);
        PolyLine({{hw - 1, yt + 2}, {hw - 1, yb - 1}, {1, yb - 1}});
        SetPen(m_colors.ButtonHighlight);
        PolyLine({{hw - 1, yt + 1}, {1, yt + 1}, {1, yb}});
    }
}

void TGridPainter::PaintColumnHeadings(TCachingCanvas& canvas) {
    const int32_t last = std::min(m_grid.LastCol + 1, m_grid.ColCount());
    for (int32_t c = std::max(1, m_grid.LeftCol); c <= last; ++c) {
        const TRect head = ColumnHeadingRect(m_grid, c);
        if (!Visible(head))
            continue;
        const TGridColumn& column = m_grid.Column(c);
        const std::string text = SelectedCol(c) ? "|b " + column.Heading() : column.Heading();
        SetFontColor(canvas, column.Enabled ? m_colors.ButtonText : m_colors.GrayText);
        if (m_grid.DrawInsideCell()) {
            m_painter.save();
            m_painter.setClipRect(ToQRect(head), Qt::IntersectClip);
        }
        DrawMarkup(text, head, taCenter, taCenter, false, m_view.Enabled, canvas);
        if (m_grid.DrawInsideCell())
            m_painter.restore();
    }
    SetFontColor(canvas, m_colors.ButtonText);
}

void TGridPainter::PaintRowHeadings(TCachingCanvas& canvas) {
    if (!m_hasRows)
        return;
    const int32_t last = std::min(m_grid.LastRow + 1, m_grid.CountRows());
    for (int32_t r = std::max(1, m_grid.TopRow); r <= last; ++r) {
        const TRect head = RowHeadingRect(m_grid, r);
        if (!Visible(head))
            continue;
        std::string text = std::to_string(r);
        if (m_grid.OnDrawHeading)
            m_grid.OnDrawHeading(m_grid, text, r);
        if (SelectedRow(r))
            text = "|b " + text;
        DrawMarkup(text, head, m_grid.HeadingAlign(), taCenter, false, m_view.Enabled, canvas);
    }
}

void TGridPainter::PaintCells(TCachingCanvas& canvas) {
    if (!m_hasRows)
        return;
    SetFontColor(canvas, m_colors.WindowText);
    const TVisitRange range = VisitRange(m_grid, 2);
    for (int32_t x = range.FirstCol; x <= range.LastCol; ++x) {
        for (int32_t y = range.FirstRow; y <= range.LastRow; ++y) {
            const TRect cell = CellRect(m_grid, x, y);
            if (!Visible(cell))
                continue;
            bool draw = true;
            if (m_grid.OnDrawCell)
                m_grid.OnDrawCell(m_grid, draw, x, y);
            if (!draw)
                continue;
            const bool inside = m_grid.DrawInsideCell();
            if (inside) {
                m_painter.save();
                m_painter.setClipRect(ToQRect({cell.Left + 1, cell.Top, cell.Right, cell.Bottom}), Qt::IntersectClip);
            }
            PaintCell(canvas, x, y, cell);
            if (inside)
                m_painter.restore();
        }
    }
}

void TGridPainter::PaintCell(TCachingCanvas& canvas, int32_t x, int32_t y, const TRect& cell) {
    const bool enabled = m_grid.CellEnabled(x, y);
    switch (m_grid.Column(x).Kind) {
    case ckText:
    case ckFloat:
    case ckInteger:
    case ckMemo:
        PaintText(canvas, x, y, cell, enabled);
        break;
    case ckColor:
        PaintSwatch(cell, m_grid.Cell(x, y).I, enabled);
        break;
    case ckCheck:
        if (m_grid.Cell(x, y).I != 0)
            PaintTick(cell, enabled);
        break;
    case ckList:
    case ckMenu:
        PaintObject(cell, x, y, m_grid.Cell(x, y).I);
        break;
    case ckExternal:
        PaintObject(cell, x, y, 0);
        break;
    default:
        break;
    }
}

void TGridPainter::PaintText(TCachingCanvas& canvas, int32_t x, int32_t y, const TRect& cell, bool enabled) {
    const TGridColumn& column = m_grid.Column(x);
    const TRect c{cell.Left + 3, cell.Top + 2, cell.Right - 3, cell.Bottom - 2};
    const int32_t width = std::max(0, c.Right - c.Left);
    const bool literal = m_grid.ExtendWrite() && column.Kind != ckMemo;
    if (!enabled)
        SetFontColor(canvas, m_colors.GrayText);

    // Only what can show is laid out: a long text costs no more than a short
    // one. Markup is not clipped, so without DrawInsideCell a text runs on
    // over the cells beside it, as far as the control reaches; cut to its
    // cell, an ellipsis marks where it was cut.
    const bool runsOn = !literal && !m_grid.DrawInsideCell();
    const int32_t lineHeight = std::max(1, MarkupMetrics(canvas.Font()).LineHeight);
    const int32_t room = runsOn ? m_h / lineHeight + 1 : (c.Bottom - c.Top) / lineHeight;
    const int32_t maxLines = literal ? 1 : std::max(1, room);
    const int32_t maxWidth = runsOn ? std::max(width, m_w) : width;
    const TShownLines lines =
        ShownLines(CellShownText(m_grid.GetCellText(x, y), literal), maxLines, size_t(maxWidth) + 2, !literal);
    std::string shown;
    if (runsOn) {
        for (size_t i = 0; i < lines.Lines.size(); ++i)
            shown += (i > 0 ? "\n" : "") + lines.Lines[i];
    } else {
        shown = FitCellText(lines, width, [&canvas](const std::string& s) { return canvas.CharsWidth(s); });
    }

    if (literal) {
        int32_t tx = c.Left;
        if (column.Align == kAlignRight)
            tx = c.Right - canvas.TextWidth(shown);
        else if (column.Align == kAlignCenter)
            tx = (c.Left + c.Right) / 2 - canvas.TextWidth(shown) / 2;
        const int32_t ty = (c.Top + c.Bottom - std::abs(canvas.Font().Height)) / 2;
        canvas.TextRect(c, tx, ty, shown);
    } else {
        DrawMarkup(shown, c, AlignmentOf(column.Align), taCenter, false, enabled, canvas);
    }
    if (!enabled)
        SetFontColor(canvas, m_colors.WindowText);
}

void TGridPainter::PaintSwatch(const TRect& cell, int32_t color, bool enabled) {
    if (color == -1)
        return;
    const TRect c{cell.Left + 3, cell.Top + 3, cell.Right - 3, cell.Bottom - 3};
    if (c.Right < c.Left || c.Bottom < c.Top)
        return;
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setPen(QPen(ToQColor(enabled ? m_colors.WindowText : m_colors.GrayText), 1));
    m_painter.setBrush(ToQColor(static_cast<TColor>(color)));
    m_painter.drawRoundedRect(QRectF(c.Left + 0.5, c.Top + 0.5, c.Right - c.Left, c.Bottom - c.Top), 5, 5);
    m_painter.restore();
}

void TGridPainter::PaintTick(const TRect& cell, bool enabled) {
    const int cx = (cell.Left + cell.Right) / 2 + 1;
    const int cy = (cell.Top + cell.Bottom) / 2 + 1;
    const int left = cx - 4;
    const int m = cy;
    SetPen(enabled ? m_colors.WindowText : m_colors.GrayText);
    for (int k = 1; k <= 3; ++k)
        Line(left + k, m + k - 2, left + k, m + k + 1);
    for (int k = 1; k <= 4; ++k)
        Line(left + k + 3, m + 1 - k, left + k + 3, m + 4 - k);
}

void TGridPainter::PaintObject(const TRect& cell, int32_t x, int32_t y, int32_t index) {
    if (!m_view.DrawObject)
        return;
    QRect r = ToQRect(cell);
    m_painter.save();
    m_painter.setPen(ToQColor(m_colors.WindowText));
    m_view.DrawObject(m_painter, r, x, y, index);
    m_painter.restore();
}

void TGridPainter::PaintOutside() {
    const TColor color = m_grid.ColorCalculate() ? ShadeColor(m_colors.ButtonFace) : m_colors.ButtonFace;
    if (m_grid.LastCol == m_grid.ColCount())
        Fill(Ordered({ColumnHeadingRect(m_grid, m_grid.ColCount()).Right + 1, 0, m_w, m_h}), color);
    if (m_grid.LastRow == m_grid.CountRows())
        Fill(Ordered({0, CellRect(m_grid, 1, m_grid.CountRows()).Bottom + 1, m_w, m_h}), color);
}
