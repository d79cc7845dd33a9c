#include "controls/grid/GridReading.h"

#include "controls/grid/GridCellText.h"
#include "controls/markup/MarkupPlainText.h"

namespace {

std::string ObjectText(TGridModel& grid, int32_t x, int32_t y, int32_t index) {
    std::string text;
    if (grid.OnObjectText)
        grid.OnObjectText(grid, x, y, index, text);
    return text;
}

} // namespace

TCellReading ReadGridCell(TGridModel& grid, int32_t x, int32_t y) {
    TCellReading reading;
    if (!grid.IsCell(x, y))
        return reading;
    bool drawn = true;
    if (grid.OnDrawCell)
        grid.OnDrawCell(grid, drawn, x, y);
    if (!drawn)
        return reading;
    reading.Editable = grid.EditorEnabled() && grid.CellEnabled(x, y);
    const uint8_t kind = grid.Column(x).Kind;
    const int32_t number = grid.Cell(x, y).I;
    switch (kind) {
    case ckText:
    case ckFloat:
    case ckInteger:
    case ckMemo:
        reading.Text = CellShownText(grid.GetCellText(x, y), grid.ExtendWrite() && kind != ckMemo);
        break;
    case ckColor:
        // The swatch stands for the colour; "no colour" paints nothing.
        if (number != -1)
            reading.Text = grid.GetCellText(x, y);
        break;
    case ckCheck:
        reading.Checkable = true;
        reading.Checked = number != 0;
        break;
    case ckList:
    case ckMenu:
        reading.Text = ObjectText(grid, x, y, number);
        break;
    case ckExternal:
        reading.Text = ObjectText(grid, x, y, 0);
        break;
    default:
        break;
    }
    return reading;
}

std::string ColumnCaption(const TGridModel& grid, int32_t x) {
    return x >= 1 && x <= grid.ColCount() ? MarkupPlainText(grid.Column(x).Heading()) : std::string();
}

std::string RowCaption(TGridModel& grid, int32_t y) {
    if (y < 1 || y > grid.CountRows())
        return {};
    std::string text = std::to_string(y);
    if (grid.OnDrawHeading)
        grid.OnDrawHeading(grid, text, y);
    return MarkupPlainText(text);
}

TGridNews TakeGridNews(const TGridModel& grid, TGridTold& told) {
    const TGridTold now{grid.ColCount(), grid.CountRows(), grid.Col, grid.Row};
    TGridNews news;
    news.Reset = now.Cols != told.Cols || now.Rows != told.Rows;
    news.Moved = now.Col != told.Col || now.Row != told.Row;
    told = now;
    return news;
}
