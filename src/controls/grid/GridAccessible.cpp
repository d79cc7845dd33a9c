#include "controls/grid/GridAccessible.h"

#include "controls/grid/ExcelGrid2.h"
#include "controls/grid/GridLayout.h"
#include "controls/markup/QtAccessiblePart.h"

#include <algorithm>
#include <limits>

namespace {

// A reader asks for the selected cells to speak them; thousands help no one.
constexpr int64_t kMostSelectedCells = 4096;

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, std::max(0, r.Right - r.Left), std::max(0, r.Bottom - r.Top));
}

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class TGridPart : public TAccessiblePart {
public:
    explicit TGridPart(TExcelGrid2& grid) : TAccessiblePart(grid) {}

protected:
    TExcelGrid2& Grid() const { return *static_cast<TExcelGrid2*>(Owner()); }
    QRect ViewportRect(const TRect& r) const { return OnScreen(*Grid().viewport(), ToQRect(r)); }
};

class TGridHeadingAccessible : public TGridPart {
public:
    TGridHeadingAccessible(TExcelGrid2& grid, int32_t x) : TGridPart(grid), m_x(x) {}
    bool isValid() const override { return TGridPart::isValid() && m_x <= Grid().ColCount(); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? Utf8(ColumnCaption(Grid(), m_x)) : QString();
    }
    QRect rect() const override { return isValid() ? ViewportRect(ColumnHeadingRect(Grid(), m_x)) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QAccessible::State state() const override { return {}; }

private:
    int32_t m_x;
};

class TGridCellAccessible : public TGridPart, public QAccessibleTableCellInterface {
public:
    TGridCellAccessible(TExcelGrid2& grid, int32_t x, int32_t y) : TGridPart(grid), m_x(x), m_y(y) {}

    bool isValid() const override { return TGridPart::isValid() && Grid().IsCell(m_x, m_y); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? Utf8(ReadGridCell(Grid(), m_x, m_y).Text) : QString();
    }
    QRect rect() const override { return isValid() ? ViewportRect(CellRect(Grid(), m_x, m_y)) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        TExcelGrid2& grid = Grid();
        const TCellReading reading = ReadGridCell(grid, m_x, m_y);
        state.focusable = true;
        state.selectable = true;
        state.focused = grid.Focused() && grid.Col == m_x && grid.Row == m_y;
        state.selected = isSelected();
        state.checkable = reading.Checkable;
        state.checked = reading.Checked;
        state.readOnly = !reading.Editable;
        state.offscreen = m_x < grid.LeftCol || m_x > grid.LastCol || m_y < grid.TopRow || m_y > grid.LastRow;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return isValid() && Grid().Selection.Contains(m_x, m_y); }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QAccessibleInterface* heading = table() ? table()->child(m_x - 1) : nullptr;
        return heading ? QList<QAccessibleInterface*>{heading} : QList<QAccessibleInterface*>{};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_x - 1; }
    int rowIndex() const override { return m_y - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    int32_t X() const { return m_x; }
    int32_t Y() const { return m_y; }

private:
    int32_t m_x;
    int32_t m_y;
};

class TGridTableAccessible : public TPartsAccessible, public QAccessibleTableInterface {
public:
    explicit TGridTableAccessible(TExcelGrid2* grid) : TPartsAccessible(grid, QAccessible::Table) {}

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (const auto* cell = dynamic_cast<const TGridCellAccessible*>(child))
            return GridCellChild(Grid(), cell->X(), cell->Y());
        for (int32_t x = 1; x <= Grid().ColCount(); ++x)
            if (child == Heading(x))
                return x - 1;
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        TExcelGrid2& grid = Grid();
        if (grid.Focused() && grid.IsCell(grid.Col, grid.Row))
            return Cell(grid.Col, grid.Row);
        return QAccessibleWidget::focusChild(); // an open in-place editor
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.multiSelectable = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override { return Cell(column + 1, row + 1); }
    int selectedCellCount() const override {
        const TGridRect s = Selected();
        return static_cast<int>(std::min(kMostSelectedCells, int64_t(s.Right - s.Left + 1) * (s.Bottom - s.Top + 1)));
    }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        const TGridRect s = Selected();
        for (int32_t y = s.Top; y <= s.Bottom && cells.size() < kMostSelectedCells; ++y)
            for (int32_t x = s.Left; x <= s.Right && cells.size() < kMostSelectedCells; ++x)
                cells.append(Cell(x, y));
        return cells;
    }
    QString columnDescription(int column) const override { return Utf8(ColumnCaption(Grid(), column + 1)); }
    QString rowDescription(int row) const override { return Utf8(RowCaption(Grid(), row + 1)); }
    int selectedColumnCount() const override { return static_cast<int>(selectedColumns().size()); }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    int columnCount() const override { return Grid().ColCount(); }
    int rowCount() const override { return Grid().CountRows(); }
    QList<int> selectedColumns() const override {
        const TGridRect s = Selected();
        QList<int> columns;
        if (s.Top == 1 && s.Bottom == Grid().CountRows())
            for (int32_t x = s.Left; x <= s.Right; ++x)
                columns.append(x - 1);
        return columns;
    }
    QList<int> selectedRows() const override {
        const TGridRect s = Selected();
        QList<int> rows;
        if (s.Left == 1 && s.Right == Grid().ColCount())
            for (int32_t y = s.Top; y <= s.Bottom && rows.size() < kMostSelectedCells; ++y)
                rows.append(y - 1);
        return rows;
    }
    bool isColumnSelected(int column) const override { return selectedColumns().contains(column); }
    bool isRowSelected(int row) const override {
        const TGridRect s = Selected();
        return s.Left == 1 && s.Right == Grid().ColCount() && row + 1 >= s.Top && row + 1 <= s.Bottom;
    }
    // The grid selects one rectangle, by the keys and the mouse only.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override {
        if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged)
            ForgetParts();
    }

protected:
    int PartCount() const override {
        const int64_t cols = Grid().ColCount();
        return static_cast<int>(std::min<int64_t>(cols + cols * Grid().CountRows(), std::numeric_limits<int>::max()));
    }
    QAccessibleInterface* NewPart(int index) const override {
        const int32_t cols = Grid().ColCount();
        if (index < cols)
            return new TGridHeadingAccessible(Grid(), index + 1);
        const int32_t k = index - cols;
        return new TGridCellAccessible(Grid(), k % cols + 1, k / cols + 1);
    }
    int PartAt(const QPoint& at) const override {
        TExcelGrid2& grid = Grid();
        const QPoint inside = grid.viewport()->mapFrom(&grid, at);
        if (!grid.viewport()->rect().contains(inside) || grid.ColCount() == 0)
            return -1;
        const TGridCell cell = grid.MouseToCell(inside.x(), inside.y());
        if (inside.y() < grid.HeadingHeight())
            return cell.Col - 1;
        return grid.CountRows() > 0 ? GridCellChild(grid, cell.Col, cell.Row) : -1;
    }

private:
    TExcelGrid2& Grid() const { return *static_cast<TExcelGrid2*>(widget()); }
    // The selection within the grid, ordered; nothing without rows.
    TGridRect Selected() const {
        const TGridRect s = Grid().Selection.Ordered();
        if (Grid().CountRows() == 0 || Grid().ColCount() == 0)
            return {1, 1, 0, 0};
        return {std::max(1, s.Left), std::max(1, s.Top), std::min(s.Right, Grid().ColCount()),
                std::min(s.Bottom, Grid().CountRows())};
    }
    QAccessibleInterface* Heading(int32_t x) const { return x >= 1 && x <= Grid().ColCount() ? child(x - 1) : nullptr; }
    QAccessibleInterface* Cell(int32_t x, int32_t y) const {
        return Grid().IsCell(x, y) ? child(GridCellChild(Grid(), x, y)) : nullptr;
    }
};

QAccessibleInterface* MakeGridAccessible(TExcelGrid2* grid) {
    return new TGridTableAccessible(grid);
}

} // namespace

void InstallGridAccessibility() {
    QAccessible::installFactory(AccessibleFactoryOf<TExcelGrid2, MakeGridAccessible>);
}

int GridCellChild(const TGridModel& grid, int32_t x, int32_t y) {
    const int64_t index = int64_t(grid.ColCount()) * y + (x - 1);
    return static_cast<int>(std::min<int64_t>(index, std::numeric_limits<int>::max()));
}

void TGridAnnouncer::Changed() {
    if (m_pending || !QAccessible::isActive())
        return;
    m_pending = true;
    QMetaObject::invokeMethod(
        &m_grid, [this] { Tell(); }, Qt::QueuedConnection);
}

void TGridAnnouncer::CellChanged(int32_t x, int32_t y) {
    if (!QAccessible::isActive())
        return;
    m_cells = m_cellCount == 0 ? TGridRect{x, y, x, y}
                               : TGridRect{std::min(m_cells.Left, x), std::min(m_cells.Top, y),
                                           std::max(m_cells.Right, x), std::max(m_cells.Bottom, y)};
    ++m_cellCount;
    Changed();
}

void TGridAnnouncer::FocusIn() {
    m_focusIn = true;
    Changed();
}

void TGridAnnouncer::Tell() {
    m_pending = false;
    const TGridNews news = TakeGridNews(m_grid, m_told);
    if (news.Reset) {
        QAccessibleTableModelChangeEvent reset(&m_grid, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
    TellCells();
    const bool focus = news.Reset || news.Moved || m_focusIn;
    m_focusIn = false;
    if (focus && m_grid.Focused() && m_grid.IsCell(m_grid.Col, m_grid.Row)) {
        QAccessibleEvent event(&m_grid, QAccessible::Focus);
        event.setChild(GridCellChild(m_grid, m_grid.Col, m_grid.Row));
        QAccessible::updateAccessibility(&event);
    }
}

void TGridAnnouncer::TellCells() {
    if (m_cellCount == 0)
        return;
    QAccessibleTableModelChangeEvent data(&m_grid, QAccessibleTableModelChangeEvent::DataChanged);
    data.setFirstRow(m_cells.Top - 1);
    data.setLastRow(m_cells.Bottom - 1);
    data.setFirstColumn(m_cells.Left - 1);
    data.setLastColumn(m_cells.Right - 1);
    QAccessible::updateAccessibility(&data);
    // One cell is told with its new text; a paste of many is told as a range.
    if (m_cellCount == 1 && m_grid.IsCell(m_cells.Left, m_cells.Top)) {
        QAccessibleEvent name(&m_grid, QAccessible::NameChanged);
        name.setChild(GridCellChild(m_grid, m_cells.Left, m_cells.Top));
        QAccessible::updateAccessibility(&name);
        if (QAccessibleInterface* cell = name.accessibleInterface()) {
            QAccessibleValueChangeEvent value(cell, cell->text(QAccessible::Name));
            QAccessible::updateAccessibility(&value);
        }
    }
    m_cellCount = 0;
}
