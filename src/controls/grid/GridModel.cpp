#include "GridModel.h"

#include "controls/grid/NumberText.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace {

const TValue kEmptyValue;

int32_t Saturated(int64_t value) {
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

} // namespace

TGridModel::TGridModel() : m_colCount(1), m_countRows(20), m_columns(2) {
    TGridColumn& first = m_columns[1];
    first.Width = 80;
    first.Kind = ckFloat;
    first.Align = kAlignRight;
    first.Enabled = true;
    UpdateColumnPositions();
    ResizeCells();
    ScrollInView();
}

void TGridModel::ResizeCells() {
    const size_t rows = static_cast<size_t>(m_countRows);
    m_cells.resize(static_cast<size_t>(m_colCount));
    for (auto& column : m_cells) {
        if (!m_rowSource) {
            column.resize(rows);
        } else if (!column.empty()) {
            column.clear();
            column.shrink_to_fit();
        }
    }
    for (auto* rows : {&m_heldRows, &m_readRows}) {
        for (auto row = rows->begin(); row != rows->end();) {
            if (row->first > m_countRows) {
                row = rows->erase(row);
                continue;
            }
            row->second.resize(static_cast<size_t>(m_colCount));
            ++row;
        }
    }
}

void TGridModel::SetRowSource(TRowSource source) {
    const bool wasSourced = HasRowSource();
    m_rowSource = std::move(source);
    if (wasSourced && !m_rowSource) {
        ResizeCells();
        for (auto& [y, row] : m_heldRows)
            for (size_t x = 0; x < row.size() && x < m_cells.size(); ++x)
                m_cells[x][static_cast<size_t>(y - 1)] = std::move(row[x]);
    }
    InvalidateRows();
    ResizeCells();
}

void TGridModel::InvalidateRows() {
    m_heldRows.clear();
    m_readRows.clear();
}

bool TGridModel::RowHeld(int32_t y) const {
    return !m_rowSource || m_heldRows.count(y) > 0;
}

TGridModel::TRow& TGridModel::SourceRow(int32_t y, bool hold) const {
    if (y == m_fillingRow)
        return *m_filling;
    auto& self = const_cast<TGridModel&>(*this);
    auto held = self.m_heldRows.find(y);
    if (held != self.m_heldRows.end())
        return held->second;
    auto read = m_readRows.find(y);
    if (read != m_readRows.end()) {
        if (!hold)
            return read->second;
        TRow& row = self.m_heldRows[y] = std::move(read->second);
        m_readRows.erase(read);
        return row;
    }
    // Enough for any window of rows on screen; a reference to a read cell
    // lasts at least until this many other rows were read.
    constexpr size_t kReadRows = 1024;
    if (!hold && m_readRows.size() >= kReadRows)
        m_readRows.clear();
    TRow& row = hold ? self.m_heldRows[y] : m_readRows[y];
    row.assign(static_cast<size_t>(m_colCount), TValue());
    struct TFilling {
        const TGridModel& Grid;
        ~TFilling() {
            Grid.m_fillingRow = 0;
            Grid.m_filling = nullptr;
        }
    } filling{*this};
    m_fillingRow = y;
    m_filling = &row;
    m_rowSource(self, y);
    return row;
}

void TGridModel::SetColCount(int32_t count) {
    if (count < 0 || count == m_colCount)
        return;
    m_colCount = count;
    m_columns.resize(static_cast<size_t>(count) + 1);
    ResizeCells();
    if (Col < 1) {
        Col = 1;
        ResetSelection();
    }
    ScrollInView();
    Invalidate();
}

void TGridModel::SetCountRows(int32_t count) {
    if (count < 0 || count == m_countRows)
        return;
    m_countRows = count;
    ResizeCells();
    if (Row < 1) {
        Row = 1;
        ResetSelection();
    }
    ScrollInView();
    Invalidate();
}

void TGridModel::UpdateColumnPositions() {
    // Widths come from the owner and from stored streams; positions must not overflow.
    int64_t right = 0;
    for (int32_t i = 1; i <= m_colCount; ++i) {
        TGridColumn& c = m_columns[i];
        c.Left = Saturated(right);
        right = std::min<int64_t>(right + c.Width, INT32_MAX);
        c.Right = Saturated(right);
    }
}

void TGridModel::ClampCursor() {
    if (m_colCount > 0 && Col > m_colCount) {
        Col = m_colCount;
        ResetSelection();
    }
    if (m_countRows > 0 && Row > m_countRows) {
        Row = m_countRows;
        ResetSelection();
    }
}

TValue* TGridModel::FindCell(int32_t x, int32_t y) {
    if (!IsCell(x, y))
        return nullptr;
    if (m_rowSource)
        return &SourceRow(y, true)[static_cast<size_t>(x - 1)];
    return &m_cells[x - 1][y - 1];
}

const TValue& TGridModel::Cell(int32_t x, int32_t y) const {
    if (!IsCell(x, y))
        return kEmptyValue;
    if (m_rowSource)
        return SourceRow(y, false)[static_cast<size_t>(x - 1)];
    return m_cells[x - 1][y - 1];
}

TValue& TGridModel::EditCell(int32_t x, int32_t y) {
    if (!IsCell(x, y))
        throw std::out_of_range("no such grid cell");
    if (m_rowSource)
        return SourceRow(y, true)[static_cast<size_t>(x - 1)];
    return m_cells[x - 1][y - 1];
}

std::string TGridModel::GetCellString(int32_t x, int32_t y) {
    CommitEditors();
    return Cell(x, y).S;
}

void TGridModel::SetCellString(int32_t x, int32_t y, std::string text) {
    CommitEditors();
    if (TValue* cell = FindCell(x, y)) {
        cell->S = std::move(text);
        NoteRowChanged(y);
        Invalidate();
    }
}

double TGridModel::GetCellFloat(int32_t x, int32_t y) {
    CommitEditors();
    return Cell(x, y).F;
}

int32_t TGridModel::GetCellInteger(int32_t x, int32_t y) {
    CommitEditors();
    return Cell(x, y).I;
}

void TGridModel::SetCellInteger(int32_t x, int32_t y, int32_t value) {
    CommitEditors();
    if (TValue* cell = FindCell(x, y)) {
        cell->I = value;
        NoteRowChanged(y);
        Invalidate();
    }
}

void TGridModel::SetCellBoolean(int32_t x, int32_t y, bool value) {
    SetCellInteger(x, y, value ? 1 : 0);
}

void TGridModel::SetCellValue(int32_t x, int32_t y, const TValue& value) {
    TValue* cell = FindCell(x, y);
    if (!cell)
        return;
    switch (m_columns[x].Kind) {
    case ckText:
    case ckMemo:
        cell->S = value.S;
        break;
    case ckFloat:
        cell->F = value.F;
        break;
    case ckInteger:
    case ckColor:
    case ckCheck:
    case ckList:
    case ckMenu:
        cell->I = value.I;
        break;
    default:
        return;
    }
    NoteRowChanged(y);
    Invalidate();
}

void TGridModel::NoteRowChanged(int32_t y) {
    // Past this many the owner is better off looking at every row.
    constexpr size_t kMostRows = 4096;
    if (m_changedRows.All)
        return;
    if (m_changedRows.Rows.size() >= kMostRows) {
        NoteAllRowsChanged();
        return;
    }
    if (m_changedRows.Rows.empty() || m_changedRows.Rows.back() != y)
        m_changedRows.Rows.push_back(y);
}

void TGridModel::NoteAllRowsChanged() {
    m_changedRows.All = true;
    m_changedRows.Rows.clear();
}

TGridModel::TChangedRows TGridModel::TakeChangedRows() {
    TChangedRows taken = std::move(m_changedRows);
    m_changedRows = TChangedRows();
    return taken;
}

std::string TGridModel::GetCellText(int32_t x, int32_t y) {
    if (!IsCell(x, y))
        return std::string();
    const TValue& cell = Cell(x, y);
    const TGridColumn& column = m_columns[x];
    switch (column.Kind) {
    case ckText:
    case ckMemo:
        return cell.S;
    case ckFloat:
        return FormatFloat(column.Format(), cell.F, m_locale);
    case ckInteger:
    case ckCheck:
    case ckList:
    case ckMenu:
        return std::to_string(cell.I);
    case ckColor:
        return ColorText(cell.I);
    case ckExternal: {
        std::string text;
        if (OnExternalCopy)
            OnExternalCopy(*this, x, y, text);
        return text;
    }
    default:
        return std::string();
    }
}

TValue TGridModel::TextToValue(int32_t x, const std::string& text, int32_t y) {
    TValue result;
    if (x < 1 || x > m_colCount)
        return result;
    // Copies: the owner's events may resize the grid.
    const double currentF = Cell(x, y).F;
    const int32_t currentI = Cell(x, y).I;
    switch (m_columns[x].Kind) {
    case ckText:
    case ckMemo:
        result.S = text;
        break;
    case ckFloat:
        if (!ParseReal(text, m_locale, result.F))
            result.F = currentF;
        break;
    case ckInteger:
    case ckColor:
    case ckCheck:
        if (!ParseInteger(text, result.I))
            result.I = currentI;
        break;
    case ckList:
    case ckMenu: {
        int32_t count = ObjectCount(x, y);
        int32_t n = currentI;
        ParseInteger(text, n);
        // The remainder takes the sign of n, as truncating division gives it.
        result.I = count > 0 ? n % count : currentI;
        break;
    }
    case ckExternal:
        if (OnExternalPaste)
            OnExternalPaste(*this, x, y, text);
        NoteRowChanged(y);
        break;
    default:
        break;
    }
    return result;
}

bool TGridModel::CellEnabled(int32_t x, int32_t y) {
    if (!IsCell(x, y))
        return false;
    bool enabled = m_columns[x].Enabled;
    if (OnCellEnabled)
        OnCellEnabled(*this, x, y, enabled);
    return enabled;
}

bool TGridModel::ChangeCell(int32_t x, int32_t y, TValue value) {
    bool change = true;
    if (OnCellChanging)
        OnCellChanging(*this, x, y, value, change);
    if (change) {
        SetCellValue(x, y, value);
        CellChanged(x, y);
    }
    return change;
}

void TGridModel::Changed() {
    if (OnChange)
        OnChange(*this);
}

int32_t TGridModel::ObjectCount(int32_t x, int32_t y, int32_t* itemHeight) {
    int32_t count = x >= 1 && x <= m_colCount ? m_columns[x].ItemCount : 0;
    int32_t height = m_rowHeight;
    if (OnObjectCount)
        OnObjectCount(*this, x, y, count, height);
    if (itemHeight)
        *itemHeight = height;
    return count;
}

void TGridModel::SetFlag(bool& field, bool value) {
    if (field == value)
        return;
    field = value;
    Invalidate();
}

void TGridModel::SetSize(int32_t& field, int32_t value, int32_t minimum) {
    if (field == value || value < minimum)
        return;
    field = value;
    ScrollInView();
    Invalidate();
}

void TGridModel::SetColorStep(int32_t value) {
    if (m_colorStep == value)
        return;
    m_colorStep = value;
    Invalidate();
}

void TGridModel::SetHeadingAlign(TAlignment value) {
    if (m_headingAlign == value)
        return;
    m_headingAlign = value;
    Invalidate();
}

void TGridModel::SetNumberLocale(const TNumberLocale& locale) {
    if (m_locale.DecimalSeparator == locale.DecimalSeparator && m_locale.ThousandSeparator == locale.ThousandSeparator)
        return;
    m_locale = locale;
    Invalidate();
}

TGridDataResult TGridModel::ReadData(const std::string& stream) {
    std::vector<TGridColumn> read;
    TGridDataResult result = DecodeGridColumns(stream, read);
    if (result != TGridDataResult::Ok)
        return result;
    m_colCount = static_cast<int32_t>(read.size());
    m_columns.assign(1, TGridColumn());
    for (TGridColumn& column : read) {
        column.Enabled = true;
        m_columns.push_back(std::move(column));
    }
    UpdateColumnPositions();
    ResizeCells();
    Invalidate();
    return result;
}

std::string TGridModel::WriteData() const {
    return EncodeGridColumns(std::vector<TGridColumn>(m_columns.begin() + 1, m_columns.end()));
}
