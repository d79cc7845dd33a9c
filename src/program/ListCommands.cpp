#include "ListCommands.h"

#include "controls/grid/GridModel.h"
#include "core/Project.h"
#include "program/ConcertLists.h"

#include <algorithm>

std::string SearchUpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool FindNextInGrid(TGridModel& grid, const std::string& search) {
    const int32_t rows = grid.CountRows();
    if (search.empty() || rows < 1)
        return false;
    const std::string wanted = SearchUpperCase(search);
    const int32_t start = std::clamp(grid.Row, 1, rows);
    for (int32_t r = start % rows + 1; r != start; r = r % rows + 1) {
        for (int32_t c = 1; c <= grid.ColCount(); ++c) {
            if (SearchUpperCase(grid.Cell(c, r).S).find(wanted) == std::string::npos)
                continue;
            grid.Col = c;
            grid.Row = r;
            grid.ResetSelection();
            grid.ScrollInView();
            return true;
        }
    }
    return false;
}

void FindConcertsInGrid(TGridModel& grid, const std::vector<TBand>& bands, const TColMap& map) {
    const TGridRect s = grid.Selection.Ordered();
    for (int32_t r = std::max(1, s.Top); r <= std::min(s.Bottom, grid.CountRows()); ++r) {
        const TConcert* concert =
            FindConcert(bands, grid.GetCellString(map[tcBand], r), grid.GetCellString(map[tcDate], r));
        if (!concert)
            continue;
        grid.SetCellString(map[tcCity], r, concert->City);
        grid.SetCellString(map[tcCountry], r, concert->Country);
        grid.SetCellString(map[tcVenue], r, concert->Venue);
    }
}

void AddEmptyRecord(TProject& list) {
    list.Data.emplace_back();
    list.Saved = false;
}

std::vector<int32_t> SelectedRecords(const TGridModel& grid, const TProject& list) {
    const TGridRect s = grid.Selection.Ordered();
    const int64_t first = std::max<int64_t>(1, s.Top);
    const int64_t last =
        std::min<int64_t>({int64_t(s.Bottom), int64_t(grid.CountRows()), static_cast<int64_t>(list.View.size())});
    std::vector<int32_t> records;
    for (int64_t r = first; r <= last; ++r)
        records.push_back(list.View[static_cast<size_t>(r - 1)]);
    return records;
}

bool DeleteSelectedRecords(TProject& list, const TGridModel& grid) {
    if (grid.CountRows() < 1)
        return false;
    const TGridRect s = grid.Selection.Ordered();
    const int64_t first = std::max<int64_t>(1, s.Top);
    const int64_t last = std::min<int64_t>(s.Bottom, static_cast<int64_t>(list.View.size()));
    if (first > last)
        return false;
    std::vector<bool> doomed(list.Data.size(), false);
    for (int64_t r = first; r <= last; ++r)
        doomed[static_cast<size_t>(list.View[static_cast<size_t>(r - 1)])] = true;
    size_t kept = 0;
    for (size_t i = 0; i < list.Data.size(); ++i) {
        if (doomed[i])
            continue;
        if (kept != i) // a self-move would empty the strings
            list.Data[kept] = std::move(list.Data[i]);
        ++kept;
    }
    list.Data.erase(list.Data.begin() + static_cast<std::ptrdiff_t>(kept), list.Data.end());
    list.View.clear(); // stale until the view is rebuilt
    list.Saved = false;
    return true;
}
