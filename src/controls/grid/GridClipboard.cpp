#include "GridClipboard.h"

#include "controls/grid/GridModel.h"

#include <algorithm>

namespace {

bool HasLineFeed(const std::string& text) {
    return text.find('\n') != std::string::npos;
}

void AppendCell(std::string& out, const std::string& text) {
    if (HasLineFeed(text)) {
        out += '"';
        out += text;
        out += '"';
    } else {
        out += text;
    }
}

// Undoes the quotes that copying put around a multi-line text.
std::string Unquoted(std::string field) {
    if (!HasLineFeed(field))
        return field;
    if (!field.empty() && field.front() == '"')
        field.erase(0, 1);
    if (!field.empty() && field.back() == '"' && field.find('"') == field.size() - 1)
        field.pop_back();
    return field;
}

void StoreText(TGridModel& grid, int32_t x, int32_t y, const std::string& text) {
    if (!grid.CellEnabled(x, y))
        return;
    grid.ChangeCell(x, y, grid.TextToValue(x, text, y));
}

struct TPasteReach {
    int32_t WidestColumn = 0; // the largest column a field was aimed at
    int32_t NextRow = 0;      // the row after the last one reached
};

// Cuts the text into fields and stores them from (left, top) on; fields
// beyond the column limit and rows beyond the row limit are dropped.
TPasteReach PasteFields(TGridModel& grid, const std::string& text, int32_t left, int32_t top, int32_t colLimit,
                        int32_t rowLimit, bool lastFieldEndsRow) {
    TPasteReach reach{left, top};
    int32_t x = left;
    int32_t y = top;
    size_t start = 0;
    auto deliver = [&](size_t end) {
        reach.WidestColumn = std::max(reach.WidestColumn, x);
        if (x <= colLimit)
            StoreText(grid, x, y, Unquoted(text.substr(start, end - start)));
    };
    // The clipboard's terminating zero is the last byte and ends the last field.
    const size_t n = text.size() + 1;
    for (size_t i = 0; i < n; ++i) {
        if (i == n - 1) {
            deliver(i);
            if (lastFieldEndsRow)
                ++y;
            break;
        }
        if (text[i] == '\t') {
            deliver(i);
            ++x;
            start = i + 1;
        } else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            deliver(i);
            x = left;
            ++y;
            ++i;
            start = i + 1;
            if (y > rowLimit || i + 1 >= text.size())
                break;
        }
    }
    reach.NextRow = y;
    return reach;
}

void CopyCell(TGridModel& grid, int32_t fromX, int32_t fromY, int32_t x, int32_t y) {
    if (grid.CellEnabled(x, y))
        StoreText(grid, x, y, grid.GetCellText(fromX, fromY));
}

} // namespace

std::string GridCopyText(TGridModel& grid, const std::function<std::string(const std::string&)>& convert) {
    auto text = [&](int32_t x, int32_t y) {
        std::string cell = grid.GetCellText(x, y);
        return convert ? convert(cell) : cell;
    };
    std::string out;
    if (!grid.IsRangeSelected()) {
        AppendCell(out, text(grid.Col, grid.Row));
        out += "\r\n";
        return out;
    }
    const TGridRect s = grid.Selection.Ordered();
    for (int32_t y = s.Top; y <= s.Bottom; ++y) {
        for (int32_t x = s.Left; x <= s.Right; ++x) {
            AppendCell(out, text(x, y));
            out += x < s.Right ? "\t" : "\r\n";
        }
    }
    return out;
}

void GridPasteText(TGridModel& grid, const std::string& text) {
    // Bytes after a zero carry nothing.
    const std::string content = text.substr(0, text.find('\0'));
    // An empty clipboard would otherwise empty the current cell.
    if (content.empty())
        return;
    if (!grid.IsRangeSelected()) {
        PasteFields(grid, content, grid.Col, grid.Row, grid.ColCount(), grid.CountRows(), false);
        return;
    }
    const TGridRect s = grid.Selection.Ordered();
    const TPasteReach reach = PasteFields(grid, content, s.Left, s.Top, s.Right, s.Bottom, true);
    const int32_t wm = reach.WidestColumn;
    const int32_t yn = reach.NextRow;
    for (int32_t x = wm + 1; x <= s.Right; ++x)
        for (int32_t y = s.Top; y < yn; ++y)
            CopyCell(grid, s.Left + x - wm - 1, y, x, y);
    for (int32_t x = s.Left; x <= s.Right; ++x)
        for (int32_t y = yn; y <= s.Bottom; ++y)
            CopyCell(grid, x, s.Top + y - yn, x, y);
}

int32_t GridPasteRowCount(const std::string& text) {
    // Cut as the paste cuts: at the first zero, rows at each CR LF, and a
    // final CR LF starts no row.
    const std::string content = text.substr(0, text.find('\0'));
    if (content.empty())
        return 0;
    int64_t rows = 1;
    for (size_t i = 0; i + 1 < content.size(); ++i) {
        if (content[i] == '\r' && content[i + 1] == '\n') {
            ++i;
            if (i + 1 < content.size())
                ++rows;
        }
    }
    return static_cast<int32_t>(std::min<int64_t>(rows, INT32_MAX));
}

void GridClearSelection(TGridModel& grid) {
    const TGridRect s = grid.Selection.Ordered();
    for (int32_t x = s.Left; x <= s.Right; ++x) {
        for (int32_t y = s.Top; y <= s.Bottom; ++y) {
            if (!grid.CellEnabled(x, y))
                continue;
            if (grid.Column(x).Kind == ckExternal) {
                if (grid.OnExternalDelete)
                    grid.OnExternalDelete(grid, x, y);
                grid.NoteRowChanged(y);
            } else {
                grid.ChangeCell(x, y, TValue());
            }
        }
    }
}
