#include "GridEditing.h"

#include "controls/grid/Expression.h"
#include "controls/grid/NumberText.h"

namespace {

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
    std::string result;
    result.reserve(text.size());
    size_t pos = 0;
    for (size_t found; (found = text.find(from, pos)) != std::string::npos; pos = found + from.size())
        result.append(text, pos, found - pos).append(to);
    return result.append(text, pos, std::string::npos);
}

bool IsNumberKind(uint8_t kind) {
    return kind == ckFloat || kind == ckInteger;
}

uint8_t ActiveKind(const TGridModel& grid) {
    const int32_t x = grid.ActiveCol();
    return x >= 1 && x <= grid.ColCount() ? grid.Column(x).Kind : 0;
}

} // namespace

TEditAction EditActionFor(uint8_t kind, TShiftState shift) {
    const bool plain = shift == 0 || (shift & ~ssDouble) == ssLeft;
    const bool left = (shift & ssLeft) != 0;
    switch (kind) {
    case ckMemo:
        return TEditAction::MemoEditor;
    case ckText:
    case ckFloat:
    case ckInteger:
        return TEditAction::LineEditor;
    case ckColor:
        return left || (shift & ssCtrl) ? TEditAction::ColorDialog : TEditAction::LineEditor;
    case ckCheck:
        return TEditAction::Toggle;
    case ckList:
    case ckMenu:
        if (plain)
            return kind == ckList ? TEditAction::DropDownList : TEditAction::ListMenu;
        return left ? TEditAction::None : TEditAction::Step;
    case ckExternal:
        return plain ? TEditAction::External : TEditAction::None;
    default:
        return TEditAction::None;
    }
}

int32_t SteppedIndex(int32_t index, int32_t count, bool back) {
    const int64_t next = int64_t(index) + (back ? -1 : 1);
    if (next >= count)
        return 0;
    if (next < 0)
        return count - 1;
    return static_cast<int32_t>(next);
}

std::string EvaluatedText(const std::string& text, const TNumberLocale& locale) {
    double value = 0;
    std::string notAnExpression; // such a text is kept as typed
    if (!TryEvaluateExpression(text, {}, locale, value, notAnExpression))
        return text;
    return FormatGeneral(value, locale);
}

std::string MemoCellText(const std::string& editorText) {
    return ReplaceAll(editorText, "\r\n", "\n");
}

bool CommitCell(TGridModel& grid, int32_t x, int32_t y, TValue value, TStoreMode mode) {
    const int32_t index = value.I;
    bool change = true;
    if (grid.OnCellChanging)
        grid.OnCellChanging(grid, x, y, value, change);
    // The handler may have shrunk the grid.
    if (!change || !grid.IsCell(x, y))
        return false;
    switch (mode) {
    case TStoreMode::ByKind:
        grid.SetCellValue(x, y, value);
        break;
    case TStoreMode::Whole:
        grid.EditCell(x, y) = std::move(value);
        grid.NoteRowChanged(y);
        grid.Invalidate();
        break;
    case TStoreMode::Index:
        grid.SetCellInteger(x, y, index);
        break;
    }
    grid.CellChanged(x, y);
    grid.Changed();
    return true;
}

bool CommitEditorText(TGridModel& grid, std::string text) {
    const int32_t x = grid.ActiveCol();
    const int32_t y = grid.ActiveRow();
    if (IsNumberKind(ActiveKind(grid)))
        text = EvaluatedText(text, grid.NumberLocale());
    return CommitCell(grid, x, y, grid.TextToValue(x, text, y), TStoreMode::ByKind);
}

bool CommitMemoText(TGridModel& grid, const std::string& editorText) {
    TValue value;
    value.S = MemoCellText(editorText);
    return CommitCell(grid, grid.ActiveCol(), grid.ActiveRow(), std::move(value), TStoreMode::ByKind);
}

bool CommitItemIndex(TGridModel& grid, int32_t index) {
    TValue value;
    value.I = index;
    return CommitCell(grid, grid.ActiveCol(), grid.ActiveRow(), std::move(value), TStoreMode::Index);
}

bool CommitColor(TGridModel& grid, TColor color) {
    const int32_t x = grid.ActiveCol();
    const int32_t y = grid.ActiveRow();
    TValue value = grid.Cell(x, y);
    value.I = static_cast<int32_t>(color);
    return CommitCell(grid, x, y, std::move(value), TStoreMode::Whole);
}

bool ToggleCell(TGridModel& grid) {
    const int32_t x = grid.ActiveCol();
    const int32_t y = grid.ActiveRow();
    TValue value = grid.Cell(x, y);
    value.I = value.I == 0 ? 1 : 0;
    return CommitCell(grid, x, y, std::move(value), TStoreMode::Whole);
}

bool StepCell(TGridModel& grid, bool back) {
    const int32_t x = grid.ActiveCol();
    const int32_t y = grid.ActiveRow();
    const int32_t count = grid.ObjectCount(x, y);
    TValue value = grid.Cell(x, y);
    value.I = SteppedIndex(value.I, count, back);
    const bool stored = CommitCell(grid, x, y, std::move(value), TStoreMode::Whole);
    grid.Invalidate();
    return stored;
}
