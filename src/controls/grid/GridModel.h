#pragma once

#include "controls/grid/GridData.h"
#include "controls/grid/GridTypes.h"
#include "platform/BulkAllocator.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

class TGridModel;

// Event handlers of the grid's owner. The first argument is always the grid,
// also when an in-place editor raises the event. The one event that draws
// (OnDrawObject) needs a canvas and belongs to the widget.
using TNotifyEvent = std::function<void(TGridModel& sender)>;
// Asked whenever the grid needs to know whether a cell is editable; comes in as the column's Enabled.
using TCellEnabledEvent = std::function<void(TGridModel& sender, int32_t x, int32_t y, bool& cellEnabled)>;
// While painting a cell's background; true paints it in the error colour. Comes in false.
using TCellErrorEvent = std::function<void(TGridModel& sender, int32_t x, int32_t y, const TValue& value, bool& error)>;
// Ctrl + wheel over an enabled cell that is not a list or menu cell; value is +1 or -1.
using TCellWheelEvent = std::function<void(TGridModel& sender, TShiftState shift, int32_t value, int32_t x, int32_t y)>;
// Before a list or menu is opened or stepped and before a typed index is reduced.
// Count comes in as the column's ItemCount, itemHeight as RowHeight.
using TObjectCountEvent =
    std::function<void(TGridModel& sender, int32_t x, int32_t y, int32_t& count, int32_t& itemHeight)>;
// Before a change by the user is stored; `value` may be altered, `change` = false discards it.
using TCellChangingEvent = std::function<void(TGridModel& sender, int32_t x, int32_t y, TValue& value, bool& change)>;
using TCellEvent = std::function<void(TGridModel& sender, int32_t x, int32_t y)>;
// The text of a ckExternal cell is needed; extValue comes in empty.
using TExternalCopyEvent = std::function<void(TGridModel& sender, int32_t x, int32_t y, std::string& extValue)>;
// A text is given to a ckExternal cell.
using TExternalPasteEvent = std::function<void(TGridModel& sender, int32_t x, int32_t y, const std::string& extValue)>;
// Before the heading of row y is drawn; value comes in as the row number.
using TDrawHeadingEvent = std::function<void(TGridModel& sender, std::string& value, int32_t y)>;
// Before a cell is drawn or edited; false leaves it undrawn and not editable.
using TDrawCellEvent = std::function<void(TGridModel& sender, bool& drawCell, int32_t x, int32_t y)>;
// Before a cell's background is painted.
using TCellColorEvent = std::function<void(TGridModel& sender, TColor& color, bool& change, int32_t x, int32_t y)>;
// After rows were dragged: order[k - 1] is the former number of the row now at row k.
using TDragEvent = std::function<void(TGridModel& sender, const std::vector<int32_t>& order)>;
// The words for what OnDrawObject draws in a list, menu or external cell
// (`index` as there), for screen readers; `text` comes in empty.
using TObjectTextEvent =
    std::function<void(TGridModel& sender, int32_t x, int32_t y, int32_t index, std::string& text)>;
// Fills the cells of row y from the owner's own records.
using TRowSource = std::function<void(TGridModel& sender, int32_t y)>;

// True when `index` names one of `count` items of a list or menu. Values
// outside stay in the cells, but every lookup treats them as no item.
inline bool IsItemIndex(int32_t index, int32_t count) {
    return index >= 0 && index < count;
}

// The spreadsheet grid without a window: columns, typed cells, the value
// conversions by kind, cursor and selection, the owner's events and the
// stored column stream. The widget derives from it and overrides the three
// hooks at the end.
//
// Columns and rows count from 1. The cell accessors check their indices: a
// read outside the grid gives the empty value, a write does nothing.
class TGridModel {
public:
    TGridModel();
    virtual ~TGridModel() = default;
    TGridModel(const TGridModel&) = delete;
    TGridModel& operator=(const TGridModel&) = delete;

    // Columns. New columns are all zero (width 0, kind 0, not enabled) until
    // the owner fills them and calls UpdateColumnPositions.
    int32_t ColCount() const { return m_colCount; }
    void SetColCount(int32_t count); // negative counts are ignored
    // Slot 0 holds no column and stays zero. Throws std::out_of_range beyond ColCount.
    TGridColumn& Column(int32_t x) { return m_columns.at(x); }
    const TGridColumn& Column(int32_t x) const { return m_columns.at(x); }
    const std::vector<TGridColumn>& Columns() const { return m_columns; }
    // Left and Right of every column from the widths.
    void UpdateColumnPositions();

    int32_t CountRows() const { return m_countRows; }
    void SetCountRows(int32_t count); // keeps the existing rows; negative counts are ignored

    bool IsCell(int32_t x, int32_t y) const { return x >= 1 && x <= m_colCount && y >= 1 && y <= m_countRows; }
    // The stored value, whatever the kind; the empty value outside the grid.
    const TValue& Cell(int32_t x, int32_t y) const;
    // For owners that fill cells in bulk. Throws std::out_of_range outside the grid.
    TValue& EditCell(int32_t x, int32_t y);

    // Field accessors: they work on the field they name, whatever the kind.
    std::string GetCellString(int32_t x, int32_t y); // the whole text
    void SetCellString(int32_t x, int32_t y, std::string text);
    double GetCellFloat(int32_t x, int32_t y);
    int32_t GetCellInteger(int32_t x, int32_t y);
    void SetCellInteger(int32_t x, int32_t y, int32_t value);
    void SetCellBoolean(int32_t x, int32_t y, bool value);

    // Conversions by the column's kind.
    void SetCellValue(int32_t x, int32_t y, const TValue& value);
    std::string GetCellText(int32_t x, int32_t y);
    // A text read into a value for column x; numbers that do not read keep
    // the cell's current value, list and menu indices are reduced modulo the
    // item count (a count below 1 keeps the current index).
    TValue TextToValue(int32_t x, const std::string& text, int32_t y);
    // The column's Enabled, then OnCellEnabled; false outside the grid.
    bool CellEnabled(int32_t x, int32_t y);

    // A change by the user: OnCellChanging, then SetCellValue unless vetoed.
    // True when stored. OnChange is the caller's, once per user action.
    bool ChangeCell(int32_t x, int32_t y, TValue value);
    void Changed();
    // The item count of a list or menu cell after OnObjectCount; `itemHeight`
    // gets the item height the handler gave.
    int32_t ObjectCount(int32_t x, int32_t y, int32_t* itemHeight = nullptr);

    // Cursor and selection. The active cell, on which editing acts, is the
    // selection's anchor.
    int32_t Col = 1;
    int32_t Row = 1;
    TGridRect Selection{1, 1, 1, 1};
    void ResetSelection() { Selection = {Col, Row, Col, Row}; }
    bool IsRangeSelected() const { return Selection.Left != Col || Selection.Top != Row; }
    int32_t ActiveCol() const { return Selection.Left; }
    int32_t ActiveRow() const { return Selection.Top; }
    // Col and Row back within the grid where it has columns and rows.
    void ClampCursor();

    // Scroll position and visible extent; the widget's layout keeps them.
    int32_t LeftCol = 1;
    int32_t TopRow = 1;
    int32_t LastCol = 1;
    int32_t LastRow = 1;
    int32_t VisibleCols = 0;
    int32_t VisibleRows = 0;

    // Properties. Setters store only a changed value and then repaint.
    bool ColorCalculate() const { return m_colorCalculate; }
    void SetColorCalculate(bool value) { SetFlag(m_colorCalculate, value); }
    int32_t ColorStep() const { return m_colorStep; }
    void SetColorStep(int32_t value);
    bool DisableClipboard() const { return m_disableClipboard; }
    void SetDisableClipboard(bool value) { SetFlag(m_disableClipboard, value); }
    bool DragEnabled() const { return m_dragEnabled; }
    void SetDragEnabled(bool value) { SetFlag(m_dragEnabled, value); }
    bool DrawInsideCell() const { return m_drawInsideCell; }
    void SetDrawInsideCell(bool value) { SetFlag(m_drawInsideCell, value); }
    bool ResizeEnabled() const { return m_resizeEnabled; }
    void SetResizeEnabled(bool value) { SetFlag(m_resizeEnabled, value); }
    bool EditorEnabled() const { return m_editorEnabled; }
    void SetEditorEnabled(bool value) { SetFlag(m_editorEnabled, value); }
    bool ExtendWrite() const { return m_extendWrite; }
    void SetExtendWrite(bool value) { SetFlag(m_extendWrite, value); }
    bool WheelAnywhere() const { return m_wheelAnywhere; }
    void SetWheelAnywhere(bool value) { SetFlag(m_wheelAnywhere, value); }
    TAlignment HeadingAlign() const { return m_headingAlign; }
    void SetHeadingAlign(TAlignment value);
    // Sizes in pixels; a row height below 1 or a negative heading size is ignored.
    int32_t HeadingHeight() const { return m_headingHeight; }
    void SetHeadingHeight(int32_t value) { SetSize(m_headingHeight, value, 0); }
    int32_t HeadingWidth() const { return m_headingWidth; }
    void SetHeadingWidth(int32_t value) { SetSize(m_headingWidth, value, 0); }
    int32_t RowHeight() const { return m_rowHeight; }
    void SetRowHeight(int32_t value) { SetSize(m_rowHeight, value, 1); }

    // The decimal separator of number texts; the widget takes it from the user's locale.
    const TNumberLocale& NumberLocale() const { return m_locale; }
    void SetNumberLocale(const TNumberLocale& locale);

    // The stored column stream. Reading sets ColCount and the columns (all
    // enabled, positions computed) and leaves the cursor and the scroll
    // position alone; on any result but Ok nothing changes.
    TGridDataResult ReadData(const std::string& stream);
    std::string WriteData() const;

    // Events.
    TCellEnabledEvent OnCellEnabled;
    TCellErrorEvent OnCellError;
    TCellWheelEvent OnCellWheel;
    TNotifyEvent OnChange;
    TObjectCountEvent OnObjectCount;
    TCellChangingEvent OnCellChanging;
    TCellEvent OnExternalEdit;
    TExternalCopyEvent OnExternalCopy;
    TExternalPasteEvent OnExternalPaste;
    TCellEvent OnExternalDelete;
    TDrawHeadingEvent OnDrawHeading;
    TDrawCellEvent OnDrawCell;
    TCellColorEvent OnCellColor;
    TDragEvent OnDrag;
    TNotifyEvent OnColumnResize;
    TObjectTextEvent OnObjectText;

    // The rows whose cells the user changed since the owner last took them,
    // for owners that copy cells back into records of their own. Every change
    // by the user and every write through the field setters notes its row
    // (EditCell, the owners' bulk fill, does not); All when the rows are not
    // known one by one.
    struct TChangedRows {
        bool All = false;
        std::vector<int32_t> Rows;
    };
    void NoteRowChanged(int32_t y);
    void NoteAllRowsChanged();
    TChangedRows TakeChangedRows();

    // Rows filled on demand. With a row source the grid holds no cells of
    // its own: a row is filled from the source when it is read, and kept
    // while it is written, until InvalidateRows. Showing a big list then
    // costs time and memory only for the rows painted, edited or searched.
    // Without one the cells are the owner's to fill. Setting no source makes
    // the held rows the grid's cells again.
    void SetRowSource(TRowSource source);
    bool HasRowSource() const { return static_cast<bool>(m_rowSource); }
    void InvalidateRows();
    // True when row y may hold what differs from its source: it was written
    // since the last InvalidateRows. Always true without a source.
    bool RowHeld(int32_t y) const;

    // Hooks of the widget. CommitEditors commits any open in-place editor
    // (the model has none); ScrollInView keeps the current cell in range and
    // in view; Invalidate asks for a repaint and is called for every change,
    // so it must be cheap; CellChanged follows each cell the user changed
    // (an edit, a toggle, a step, a paste) once it is stored.
    virtual void CommitEditors() {}
    virtual void ScrollInView() { ClampCursor(); }
    virtual void Invalidate() {}
    virtual void CellChanged(int32_t /*x*/, int32_t /*y*/) {}

private:
    void ResizeCells();
    void SetFlag(bool& field, bool value);
    void SetSize(int32_t& field, int32_t value, int32_t minimum);
    TValue* FindCell(int32_t x, int32_t y);
    using TRow = std::vector<TValue>;
    // Row y of a grid with a source; `hold` keeps it until InvalidateRows.
    TRow& SourceRow(int32_t y, bool hold) const;

    int32_t m_colCount = 0;
    int32_t m_countRows = 0;
    std::vector<TGridColumn> m_columns;
    // m_cells[x - 1][y - 1]; a column of a big list is megabytes, best in huge pages.
    std::vector<std::vector<TValue, TBulkAllocator<TValue>>> m_cells;

    bool m_colorCalculate = true;
    int32_t m_colorStep = 0;
    bool m_disableClipboard = false;
    bool m_dragEnabled = false;
    bool m_drawInsideCell = false;
    bool m_resizeEnabled = false;
    bool m_editorEnabled = true;
    bool m_extendWrite = false;
    bool m_wheelAnywhere = false;
    TAlignment m_headingAlign = taCenter;
    int32_t m_headingHeight = 20;
    int32_t m_headingWidth = 30;
    int32_t m_rowHeight = 20;
    TNumberLocale m_locale;
    TChangedRows m_changedRows;
    TRowSource m_rowSource;
    // With a source: the rows written, and a bounded number of rows only
    // read, so that painting and searching fill a row once, not per cell.
    std::unordered_map<int32_t, TRow> m_heldRows;
    mutable std::unordered_map<int32_t, TRow> m_readRows;
    // The row the source is filling, which it writes through the accessors.
    mutable int32_t m_fillingRow = 0;
    mutable TRow* m_filling = nullptr;
};
