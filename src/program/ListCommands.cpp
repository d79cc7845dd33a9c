#include "ListCommands.h"

#include "controls/grid/GridClipboard.h"
#include "controls/grid/GridModel.h"
#include "core/Project.h"
#include "core/TextMatch.h"
#include "program/ConcertLists.h"

#include <algorithm>
#include <cstdlib>

std::string SearchUpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool FindNextInGrid(TGridModel& grid, const std::string& search) {
    const int32_t rows = grid.CountRows();
    const TTextPattern wanted(search);
    if (wanted.Empty() || rows < 1)
        return false;
    const int32_t start = std::clamp(grid.Row, 1, rows);
    for (int32_t r = start % rows + 1; r != start; r = r % rows + 1) {
        for (int32_t c = 1; c <= grid.ColCount(); ++c) {
            if (!wanted.Matches(grid.Cell(c, r).S))
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

bool AddEmptyRecord(TProject& list, std::string& error, size_t most) {
    if (!RoomForRecords(list.Data.size(), 1, error, most))
        return false;
    list.UndoSteps.Append(list.Data, TBootData());
    list.CommitChange(StepCaption(list.UndoSteps.OpenSummary(list.Data)));
    return true;
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
    std::vector<int32_t> doomed = SelectedRecords(grid, list);
    if (doomed.empty())
        return false;
    std::sort(doomed.begin(), doomed.end());
    list.UndoSteps.Remove(list.Data, doomed);
    list.CommitChange(StepCaption(list.UndoSteps.OpenSummary(list.Data)));
    return true;
}

int32_t AppendRowsForPaste(TGridModel& grid, TProject& list, const TColMap& map, const std::string& text,
                           std::string& error, size_t most) {
    if (grid.IsRangeSelected() || grid.CountRows() != static_cast<int32_t>(list.View.size()))
        return 0;
    const int64_t row = std::clamp<int64_t>(grid.Row, 1, std::max<int32_t>(1, grid.CountRows()));
    const int64_t missing = row - 1 + GridPasteRowCount(text) - grid.CountRows();
    if (missing <= 0)
        return 0;
    if (!RoomForRecords(list.Data.size(), static_cast<size_t>(missing), error, most))
        return -1;
    for (int64_t i = 0; i < missing; ++i) {
        list.UndoSteps.Append(list.Data, TBootData());
        // Shown below the last row for the paste to reach; the records come
        // last in the list, so the view stays in ascending order.
        TBootData& added = list.Data.back();
        added.ViewIndex = static_cast<int32_t>(list.View.size());
        list.View.push_back(static_cast<int32_t>(list.Data.size() - 1));
    }
    FillListGrid(grid, list, map);
    grid.Row = static_cast<int32_t>(row);
    grid.ResetSelection();
    return static_cast<int32_t>(missing);
}

void RevealRecords(TFilterState& filter, TProject& list, const std::vector<int32_t>& records) {
    auto hidden = [&] {
        list.BuildView(filter);
        for (int32_t index : records)
            if (index >= 0 && static_cast<size_t>(index) < list.Data.size() &&
                list.Data[static_cast<size_t>(index)].ViewIndex < 0)
                return true;
        return false;
    };
    if (!hidden())
        return;
    // The quick filter keeps them shown until its text changes; the panel
    // is widened only for what it hides itself.
    if (list.QuickFilter.Active()) {
        list.QuickFilter.KeepShown(records);
        if (!hidden())
            return;
    }
    filter.AllBands = true;
    if (!hidden())
        return;
    filter.SourceSelAll = true;
    filter.MediaSelAll = true;
    list.BuildView(filter);
}

int32_t ColumnOfField(int field, const TColMap& map) {
    // clang-format off
    static const TTemplateColumn kColumns[kRecordFields] = {
        tcBand, tcDate, tcCity, tcVenue, tcCountry, tcName, tcInfo, tcNum, tcComment,
        tcSource, tcMedia, tcQuality, tcCover, tcCover,
    };
    // clang-format on
    if (field < 0 || field >= kRecordFields)
        return 0;
    return map[static_cast<size_t>(kColumns[field])];
}

namespace {

bool SameStoredFields(const TBootData& a, const TBootData& b) {
    return a.Band == b.Band && a.Date == b.Date && a.City == b.City && a.Venue == b.Venue && a.Country == b.Country &&
           a.Name == b.Name && a.Info == b.Info && a.Num == b.Num && a.Comment == b.Comment && a.Source == b.Source &&
           a.Media == b.Media && a.Quality == b.Quality && a.Covers == b.Covers;
}

} // namespace

int32_t RowOfSameRecord(const TProject& list, const TBootData& record, int32_t row) {
    const int64_t rows = static_cast<int64_t>(list.View.size());
    int64_t best = -1;
    for (int64_t r = 1; r <= rows; ++r)
        if (SameStoredFields(list.Data[static_cast<size_t>(list.View[static_cast<size_t>(r - 1)])], record) &&
            (best < 0 || std::abs(r - row) < std::abs(best - row)))
            best = r;
    if (best > 0)
        return static_cast<int32_t>(best);
    return static_cast<int32_t>(std::clamp<int64_t>(row, 1, std::max<int64_t>(rows, 1)));
}

std::string StepCaption(const TStepSummary& step) {
    auto counted = [](size_t n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    if (step.Removed > 0 && step.Added == 0)
        return "delete of " + counted(step.Removed, "bootleg", "bootlegs");
    if (step.Added > 0 && step.Cells == 0 && step.Removed == 0)
        return "add of " + counted(step.Added, "bootleg", "bootlegs");
    if (step.Reordered && step.Cells == 0)
        return "sort";
    return "edit of " + counted(step.Cells, "cell", "cells");
}

std::string UndoCaption(const TUndoHistory& history) {
    return history.CanUndo() && !history.UndoName().empty() ? "&Undo " + history.UndoName() : "&Undo";
}

std::string RedoCaption(const TUndoHistory& history) {
    return history.CanRedo() && !history.RedoName().empty() ? "&Redo " + history.RedoName() : "&Redo";
}
