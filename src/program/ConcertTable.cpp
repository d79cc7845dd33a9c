#include "program/ConcertTable.h"

#include "controls/grid/GridModel.h"
#include "controls/markup/MarkupSupport.h"
#include "core/Project.h"
#include "program/ListCells.h"
#include "program/Program.h"
#include "program/TourCoverage.h"

namespace {

struct TConcertColumnLook {
    const char* Heading;
    int32_t Width;
};

// clang-format off
constexpr TConcertColumnLook kColumns[kConcertColumns] = {
    {"Band",    150},
    {"Date",     70},
    {"City",    150},
    {"Country", 150},
    {"Venue",   200},
};
// clang-format on

template <typename Visit> void ForEachPassingTour(const std::vector<TBand>& bands, int32_t line, Visit visit) {
    for (const TBand& band : bands)
        for (const TTour& tour : band.Tours)
            if (TourPassesChoice(band, tour, line))
                visit(band, tour);
}

} // namespace

bool TourPassesChoice(const TBand& band, const TTour& tour, int32_t line) {
    if (line < 0)
        return false;
    return line == 0 || line + 1 == band.ListIndex || line + 1 == tour.ListIndex;
}

std::vector<TConcertRow> ConcertRows(const std::vector<TBand>& bands, int32_t line) {
    size_t count = 0;
    ForEachPassingTour(bands, line, [&](const TBand&, const TTour& tour) { count += tour.Concerts.size(); });
    std::vector<TConcertRow> rows;
    rows.reserve(count);
    ForEachPassingTour(bands, line, [&](const TBand& band, const TTour& tour) {
        for (const TConcert& concert : tour.Concerts)
            rows.push_back({&band, &concert});
    });
    return rows;
}

void SetConcertColumns(TGridModel& grid) {
    grid.SetColCount(kConcertColumns);
    for (int32_t x = 1; x <= kConcertColumns; ++x) {
        TGridColumn& column = grid.Column(x);
        column.SetHeading(kColumns[x - 1].Heading);
        column.Width = kColumns[x - 1].Width;
        column.Kind = ckText;
        column.Align = kAlignLeft;
        column.Enabled = true;
    }
    grid.UpdateColumnPositions();
}

void FillConcertGrid(TGridModel& grid, const std::vector<TConcertRow>& rows) {
    grid.CommitEditors();
    grid.SetCountRows(static_cast<int32_t>(rows.size()));
    int32_t y = 0;
    for (const TConcertRow& row : rows) {
        ++y;
        grid.EditCell(ccBand, y).S = row.Band->Name;
        grid.EditCell(ccDate, y).S = row.Concert->Date;
        grid.EditCell(ccCity, y).S = row.Concert->City;
        grid.EditCell(ccCountry, y).S = row.Concert->Country;
        grid.EditCell(ccVenue, y).S = row.Concert->Venue;
    }
    grid.Invalidate();
}

std::vector<bool> OwnedConcertRows(const std::vector<TConcertRow>& rows, const TArrayOfBootData& data) {
    const TOwnedConcerts owned(data);
    std::vector<bool> flags;
    flags.reserve(rows.size());
    for (const TConcertRow& row : rows)
        flags.push_back(owned.Has(row.Band->Name, row.Concert->Date));
    return flags;
}

TColor ConcertCellColor(int32_t col, int32_t row, bool owned, TScheme scheme) {
    if (!owned)
        return RowBlockColor(col == ccDate, row, scheme);
    // Each block colour has a green twin.
    static const TFixedColor kOwned[4] = {TFixedColor::OwnedPlain, TFixedColor::OwnedShaded, TFixedColor::OwnedTint,
                                          TFixedColor::OwnedTintShaded};
    return FixedColor(kOwned[RowBlockKind(col == ccDate, row)], scheme);
}

bool AddConcertToList(TProject& list, const std::vector<TConcertRow>& rows, int32_t row, std::string& error,
                      size_t most) {
    if (row < 1 || static_cast<size_t>(row) > rows.size() || !RoomForRecords(list.Data.size(), 1, error, most))
        return false;
    const TConcertRow& from = rows[static_cast<size_t>(row - 1)];
    TBootData record;
    record.Band = from.Band->Name;
    record.Date = from.Concert->Date;
    record.City = from.Concert->City;
    record.Country = from.Concert->Country;
    record.Venue = from.Concert->Venue;
    list.UndoSteps.Append(list.Data, std::move(record));
    list.CommitChange("add of " + from.Band->Name + " " + from.Concert->Date);
    return true;
}

TProject* AddConcertToCurrentList(TProgram& program, const std::vector<TConcertRow>& rows, int32_t row) {
    TProject* list = program.CurrentList();
    std::string error;
    if (!list || !AddConcertToList(*list, rows, row, error)) {
        if (!error.empty())
            program.ShowMsg(error, Msg::Error, Msg::Ok, Msg::Centre);
        return nullptr;
    }
    program.Filter.AllBands = true;
    return list;
}
