#include "ListGrid.h"

#include "controls/grid/GridModel.h"
#include "core/Project.h"

namespace {

struct TTextColumn {
    TTemplateColumn Column;
    std::string TBootData::*Field;
};

constexpr TTextColumn kTextColumns[] = {
    {tcBand, &TBootData::Band},       {tcDate, &TBootData::Date},       {tcCity, &TBootData::City},
    {tcCountry, &TBootData::Country}, {tcVenue, &TBootData::Venue},     {tcName, &TBootData::Name},
    {tcQuality, &TBootData::Quality}, {tcNum, &TBootData::Num},         {tcComment, &TBootData::Comment},
};

struct TListColumn {
    TTemplateColumn Column;
    int32_t TBootData::*Field;
};

constexpr TListColumn kListColumns[] = {{tcSource, &TBootData::Source}, {tcMedia, &TBootData::Media}};

template <typename T>
bool Assign(T& field, const T& value) {
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
    for (int32_t x = 1; x <= count; ++x)
        grid.Column(x) = templ.Column(first + x - 1);
    grid.UpdateColumnPositions();
    grid.ScrollInView();
    grid.Invalidate();
    return true;
}

void FillListGrid(TGridModel& grid, const TProject& list, const TColMap& map) {
    const int32_t rows = static_cast<int32_t>(list.View.size());
    grid.CommitEditors();
    grid.SetCountRows(rows);
    const int32_t search = map[tcSearch];
    const int32_t info = map[tcInfo];
    // Straight into the cells, each written only when it differs: a refill
    // after one edit then touches one cell, not a million.
    for (int32_t r = 1; r <= rows; ++r) {
        const TBootData& record = list.Data[static_cast<size_t>(list.View[static_cast<size_t>(r - 1)])];
        for (const TTextColumn& c : kTextColumns)
            Assign(grid.EditCell(map[c.Column], r).S, record.*c.Field);
        for (const TListColumn& c : kListColumns)
            Assign(grid.EditCell(map[c.Column], r).I, record.*c.Field);
        Assign(grid.EditCell(info, r).I, record.Info.empty() ? 0 : 1);
        if (search > 0)
            Assign(grid.EditCell(search, r).S, record.SearchText);
    }
    grid.Invalidate();
}

bool ReadListGrid(TGridModel& grid, TProject& list, const TColMap& map) {
    bool changed = false;
    const int32_t rows = std::min<int32_t>(grid.CountRows(), static_cast<int32_t>(list.View.size()));
    const int32_t search = map[tcSearch];
    for (int32_t r = 1; r <= rows; ++r) {
        TBootData& record = list.Data[static_cast<size_t>(list.View[static_cast<size_t>(r - 1)])];
        for (const TTextColumn& c : kTextColumns) {
            const TValue& cell = grid.Cell(map[c.Column], r);
            changed |= Assign(record.*c.Field, cell.S);
        }
        for (const TListColumn& c : kListColumns)
            changed |= Assign(record.*c.Field, grid.Cell(map[c.Column], r).I);
        // The search column shows results; editing it changes nothing.
        if (search > 0 && grid.Cell(search, r).S != record.SearchText)
            grid.SetCellString(search, r, record.SearchText);
    }
    return changed;
}

TColMap ShowListInGrid(TGridModel& grid, const TGridModel& templ, TProject& list, const TFilterState& filter) {
    list.BuildView(filter);
    ApplyColumnLayout(grid, templ, list.SearchColumn);
    const TColMap map = MakeColMap(list.SearchColumn);
    FillListGrid(grid, list, map);
    const int32_t top = std::max<int32_t>(1, grid.LastRow - grid.VisibleRows + 1);
    if (grid.TopRow > top)
        grid.TopRow = top;
    return map;
}

void TakeListFromGrid(TGridModel& grid, TProject& list, const TColMap& map, bool senderIsGrid) {
    if (senderIsGrid)
        list.Saved = false;
    ReadListGrid(grid, list, map);
}

void CopyColumnWidths(const TGridModel& grid, TGridModel& templ, const TColMap& map) {
    for (int32_t i = 1; i <= kTemplateColumns; ++i) {
        const int32_t x = map[static_cast<size_t>(i)];
        if (x >= 1 && x <= grid.ColCount() && i <= templ.ColCount())
            templ.Column(i).Width = grid.Column(x).Width;
    }
    templ.UpdateColumnPositions();
}
