#include "GridKeys.h"

#include "controls/grid/GridClipboard.h"
#include "controls/grid/GridModel.h"

#include <algorithm>

namespace {

constexpr TShiftState kKeyModifiers = ssShift | ssAlt | ssCtrl;

bool IsMovement(TGridKey key) {
    switch (key) {
    case TGridKey::PageUp:
    case TGridKey::PageDown:
    case TGridKey::End:
    case TGridKey::Home:
    case TGridKey::Left:
    case TGridKey::Up:
    case TGridKey::Right:
    case TGridKey::Down:
        return true;
    default:
        return false;
    }
}

void Move(TGridModel& grid, TGridKey key, bool ctrl) {
    switch (key) {
    case TGridKey::PageUp:
        if (!ctrl)
            grid.Row += grid.TopRow - grid.LastRow;
        break;
    case TGridKey::PageDown:
        if (!ctrl)
            grid.Row += grid.LastRow - grid.TopRow;
        break;
    case TGridKey::End:
        grid.Col = grid.ColCount();
        if (ctrl)
            grid.Row = grid.CountRows();
        break;
    case TGridKey::Home:
        grid.Col = 1;
        if (ctrl)
            grid.Row = 1;
        break;
    case TGridKey::Left:
        grid.Col = ctrl ? 1 : grid.Col - 1;
        break;
    case TGridKey::Up:
        grid.Row = ctrl ? 1 : grid.Row - 1;
        break;
    case TGridKey::Right:
        grid.Col = ctrl ? grid.ColCount() : grid.Col + 1;
        break;
    case TGridKey::Down:
        grid.Row = ctrl ? grid.CountRows() : grid.Row + 1;
        break;
    default:
        break;
    }
    grid.Col = std::clamp(grid.Col, 1, std::max(1, grid.ColCount()));
    grid.Row = std::clamp(grid.Row, 1, std::max(1, grid.CountRows()));
}

// One cell on in reading order, wrapping at the ends of a row; the first and
// the last cell go no further.
void StepAcross(TGridModel& grid, bool back) {
    const int64_t cols = std::max(1, grid.ColCount());
    const int64_t last = std::max<int64_t>(1, grid.CountRows()) * cols - 1;
    const int64_t cell = std::clamp<int64_t>((grid.Row - 1) * cols + grid.Col - 1 + (back ? -1 : 1), 0, last);
    grid.Row = static_cast<int32_t>(cell / cols + 1);
    grid.Col = static_cast<int32_t>(cell % cols + 1);
}

} // namespace

void CopyToClipboard(TGridModel& grid, IGridClipboard& clipboard) {
    if (!grid.DisableClipboard())
        clipboard.SetText(GridCopyText(grid, [&](const std::string& text) { return clipboard.FromCell(text); }));
}

void PasteFromClipboard(TGridModel& grid, IGridClipboard& clipboard) {
    if (grid.EditorEnabled() && !grid.DisableClipboard())
        GridPasteText(grid, clipboard.Text());
}

TGridKeyOutcome HandleGridKey(TGridModel& grid, TGridKey key, TShiftState shift, IGridClipboard& clipboard) {
    TGridKeyOutcome outcome;
    if (grid.CountRows() == 0)
        return outcome;
    shift &= kKeyModifiers;
    const bool ctrl = shift & ssCtrl;
    const TShiftState rest = shift & ~ssCtrl;
    const bool plain = rest == 0;
    const bool shifted = rest == ssShift;
    const bool ctrlOnly = shift == ssCtrl;

    if (IsMovement(key) && (plain || shifted)) {
        if (grid.IsRangeSelected() && plain) {
            grid.Col = grid.Selection.Left;
            grid.Row = grid.Selection.Top;
        }
        Move(grid, key, ctrl);
        if (shifted) {
            grid.Selection.Right = grid.Col;
            grid.Selection.Bottom = grid.Row;
        } else {
            grid.ResetSelection();
        }
        grid.ScrollInView();
        outcome.Handled = outcome.Repaint = true;
    }
    // Where the user types, Tab goes on to the next cell as in any
    // spreadsheet; a grid only looked at leaves it to the window's controls.
    if (key == TGridKey::Tab && (plain || shifted) && !ctrl && grid.EditorEnabled()) {
        StepAcross(grid, shifted);
        grid.ResetSelection();
        grid.ScrollInView();
        outcome.Handled = outcome.Repaint = true;
    }
    if ((key == TGridKey::Enter || key == TGridKey::F2) && (plain || shifted)) {
        outcome.Handled = true;
        outcome.ShowEditor = grid.EditorEnabled();
    }

    bool copied = false;
    if ((ctrlOnly && (key == TGridKey::Insert || key == TGridKey::C || key == TGridKey::X)) ||
        (key == TGridKey::Delete && shifted)) {
        CopyToClipboard(grid, clipboard);
        outcome.Handled = copied = true;
    }
    if ((key == TGridKey::Insert && shifted) || (key == TGridKey::V && ctrlOnly)) {
        outcome.Handled = true;
        if (grid.EditorEnabled()) {
            PasteFromClipboard(grid, clipboard);
            grid.Changed();
            outcome.Repaint = true;
        }
    }
    const bool cut = (key == TGridKey::Delete && shifted) || (key == TGridKey::X && ctrl);
    if ((key == TGridKey::Delete && (plain || shifted)) || (key == TGridKey::X && ctrl)) {
        outcome.Handled = true;
        if (grid.EditorEnabled()) {
            if (cut && !copied)
                CopyToClipboard(grid, clipboard);
            GridClearSelection(grid);
            grid.Changed();
            outcome.Repaint = true;
        }
    }
    if (outcome.Repaint)
        grid.Invalidate();
    return outcome;
}
