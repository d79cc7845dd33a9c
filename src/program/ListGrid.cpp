#include "ListGrid.h"

#include "controls/grid/GridModel.h"
#include "core/Project.h"

namespace {

struct TTextColumn {
    TTemplateColumn Column;
    std::string TBootData::*Field;
};

constexpr TTextColumn kTextColumns[] = {
    {tcBand, &TBootData::Band},       {tcDate, &TBootData::Date},   {tcCity, &TBootData::City},
    {tcCountry, &TBootData::Country}, {tcVenue, &TBootData::Venue}, {tcName, &TBootData::Name},
    {tcQuality, &TBootData::Quality}, {tcNum, &TBootData::Num},     {tcComment, &TBootData::Comment},
};

struct TListColumn {
    TTemplateColumn Column;
    int32_t TBootData::*Field;
};

constexpr TListColumn kListColumns[] = {{tcSource, &TBootData::Source}, {tcMedia, &TBootData::Media}};

template <typename T> bool Assign(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

TColMap MakeColMap(bool searchColumn) {
    TColMap map{};
    for (int32_t i = 1; i <= kTemplateColumns; ++i)
        map[static_cast<size_t>(i)] = searchColumn ? i : i - 1;
    return map;
}

bool ApplyColumnLayout(TGridModel& grid, const TGridModel& templ, bool searchColumn) {
    const int32_t count = searchColumn ? kTemplateColumns : kTemplateColumns - 1;
    if (grid.ColCount() == count)
        return false;
    grid.SetColCount(count);
    const int32_t first = searchColumn ? 1 : 2;
    // The cells stay by column number; another property's texts must not
    // linger in list or external cells, where find would see them. Rows
    // from a source are filled afresh, from empty.
    if (grid.HasRowSource())
        grid.InvalidateRows();
    for (int32_t x = 1; x <= count; ++x) {
        grid.Column(x) = templ.Column(first + x - 1);
        for (int32_t y = 1; !grid.HasRowSource() && y <= grid.CountRows(); ++y)
            grid.EditCell(x, y) = TValue();
    }
    grid.UpdateColumnPositions();
    grid.ScrollInView();
    grid.Invalidate();
    return true;
}

namespace {

void FillListRow(TGridModel& grid, const TProject& list, const TColMap& map, int32_t r) {
    if (r < 1 || r > static_cast<int32_t>(list.View.size()))
        return; // the view changed under the grid; the next fill follows
    const TBootData& record = list.Data[static_cast<size_t>(list.View[static_cast<size_t>(r - 1)])];
    // Straight into the cells, each written only when it differs.
    for (const TTextColumn& c : kTextColumns)
        Assign(grid.EditCell(map[c.Column], r).S, record.*c.Field);
    for (const TListColumn& c : kListColumns)
        Assign(grid.EditCell(map[c.Column], r).I, record.*c.Field);
    Assign(grid.EditCell(map[tcInfo], r).I, record.Info.empty() ? 0 : 1);
    if (map[tcSearch] > 0)
        Assign(grid.EditCell(map[tcSearch], r).S, record.SearchText);
}

bool RowDiffers(const TGridModel& grid, const TBootData& record, const TColMap& map, int32_t r) {
    for (const TTextColumn& c : kTextColumns)
        if (record.*c.Field != grid.Cell(map[c.Column], r).S)
            return true;
    for (const TListColumn& c : kListColumns)
        if (record.*c.Field != grid.Cell(map[c.Column], r).I)
            return true;
    return false;
}

bool ReadListRow(TGridModel& grid, TProject& list, const TColMap& map, int32_t r) {
    bool changed = false;
    const int32_t index = list.View[static_cast<size_t>(r - 1)];
    TBootData& record = list.Data[static_cast<size_t>(index)];
    // The history keeps the fields as they were before the cells overwrite them.
    if (RowDiffers(grid, record, map, r))
        list.UndoSteps.Touch(list.Data, index);
    for (const TTextColumn& c : kTextColumns)
        changed |= Assign(record.*c.Field, grid.Cell(map[c.Column], r).S);
    for (const TListColumn& c : kListColumns)
        changed |= Assign(record.*c.Field, grid.Cell(map[c.Column], r).I);
    // The search column shows results; editing it changes nothing.
    const int32_t search = map[tcSearch];
    if (search > 0 && grid.Cell(search, r).S != record.SearchText)
        grid.EditCell(search, r).S = record.SearchText;
    return changed;
}

int32_t SharedRows(const TGridModel& grid, const TProject& list) {
    return std::min<int32_t>(grid.CountRows(), static_cast<int32_t>(list.View.size()));
}

} // namespace

void FillListGrid(TGridModel& grid, const TProject& list, const TColMap& map) {
    grid.CommitEditors();
    // Rows are filled from their records when they are painted, edited or
    // searched: a refresh of a big list costs no more than a small one.
    grid.SetRowSource([&list, map](TGridModel& g, int32_t r) { FillListRow(g, list, map, r); });
    grid.SetCountRows(static_cast<int32_t>(list.View.size()));
    // Every cell now shows its record: nothing the user changed is left to take.
    grid.TakeChangedRows();
    grid.Invalidate();
}

bool ReadListGrid(TGridModel& grid, TProject& list, const TColMap& map) {
    bool changed = false;
    // A row not written since the last fill still is what its record says.
    for (int32_t r = 1; r <= SharedRows(grid, list); ++r)
        if (grid.RowHeld(r))
            changed |= ReadListRow(grid, list, map, r);
    return changed;
}

bool ReadListGridRows(TGridModel& grid, TProject& list, const TColMap& map, const std::vector<int32_t>& rows) {
    bool changed = false;
    for (int32_t r : rows)
        if (r >= 1 && r <= SharedRows(grid, list) && grid.RowHeld(r))
            changed |= ReadListRow(grid, list, map, r);
    return changed;
}

TColMap ShowListInGrid(TGridModel& grid, const TGridModel& templ, TProject& list, const TFilterState& filter,
                       TGridFill& last, const std::vector<int32_t>* changedRows) {
    list.BuildView(filter);
    return ShowBuiltViewInGrid(grid, templ, list, last, changedRows);
}

TColMap ShowBuiltViewInGrid(TGridModel& grid, const TGridModel& templ, TProject& list, TGridFill& last,
                            const std::vector<int32_t>* changedRows) {
    const bool layoutChanged = ApplyColumnLayout(grid, templ, list.SearchColumn);
    const TColMap map = MakeColMap(list.SearchColumn);
    // Only the records of the changed rows differ from the cells when the
    // grid shows the same rows of the same list as at the last fill.
    const bool sameRows = changedRows && !layoutChanged && last.List == &list && last.View == list.View &&
                          grid.CountRows() == static_cast<int32_t>(list.View.size());
    if (sameRows) {
        for (int32_t r : *changedRows)
            if (r >= 1 && r <= grid.CountRows())
                FillListRow(grid, list, map, r);
        grid.Invalidate();
    } else {
        FillListGrid(grid, list, map);
    }
    last.List = &list;
    last.View = list.View;
    const int32_t top = std::max<int32_t>(1, grid.LastRow - grid.VisibleRows + 1);
    if (grid.TopRow > top)
        grid.TopRow = top;
    return map;
}

bool TakeListFromGrid(TGridModel& grid, TProject& list, const TColMap& map, std::vector<int32_t>& changedRows) {
    TGridModel::TChangedRows changed = grid.TakeChangedRows();
    if (changed.All) {
        ReadListGrid(grid, list, map);
        return false;
    }
    ReadListGridRows(grid, list, map, changed.Rows);
    changedRows = std::move(changed.Rows);
    return true;
}

void CopyColumnWidths(const TGridModel& grid, TGridModel& templ, const TColMap& map) {
    for (int32_t i = 1; i <= kTemplateColumns; ++i) {
        const int32_t x = map[static_cast<size_t>(i)];
        if (x >= 1 && x <= grid.ColCount() && i <= templ.ColCount())
            templ.Column(i).Width = grid.Column(x).Width;
    }
    templ.UpdateColumnPositions();
}
