#pragma once

#include "core/Codes.h"

#include <array>
#include <cstdint>
#include <vector>

struct TFilterState;
class TGridModel;
class TProject;

// The list view's columns by their place in the template grid.
enum TTemplateColumn : int32_t {
    tcSearch = 1,
    tcBand,
    tcDate,
    tcCity,
    tcCountry,
    tcVenue,
    tcName,
    tcSource,
    tcMedia,
    tcQuality,
    tcNum,
    tcCover,
    tcInfo,
    tcComment,
};

// Grid column of each template column, indexed 1..14; 0 = not shown. With
// search results the grid shows all 14, else the "Search" column is left out.
using TColMap = std::array<int32_t, kTemplateColumns + 1>;
TColMap MakeColMap(bool searchColumn);

// Gives the grid 14 or 13 columns copied from the template when its count
// does not fit the list. True when the layout changed.
bool ApplyColumnLayout(TGridModel& grid, const TGridModel& templ, bool searchColumn);

// One grid row per visible record of the list's view.
void FillListGrid(TGridModel& grid, const TProject& list, const TColMap& map);

// Copies the grid's texts and list values back into the visible records;
// only what differs is written, so an untouched field keeps its bytes, and a
// changed record is noted in the list's open undo step. True when a record
// changed.
bool ReadListGrid(TGridModel& grid, TProject& list, const TColMap& map);

// Copies the grid cells of the given rows back into their records.
bool ReadListGridRows(TGridModel& grid, TProject& list, const TColMap& map, const std::vector<int32_t>& rows);

// What the grid was last filled from.
struct TGridFill {
    const TProject* List = nullptr;
    std::vector<int32_t> View;
};

// Rebuilds the list's view under `filter`, gives the grid the list's column
// layout and fills it from the visible records, keeping the top row within
// the rows. With `changedRows` (the only rows whose records may differ from
// their cells) and the same rows shown as at the last fill, only those rows
// are filled again. The column map of the layout comes back.
TColMap ShowListInGrid(TGridModel& grid, const TGridModel& templ, TProject& list, const TFilterState& filter,
                       TGridFill& last, const std::vector<int32_t>* changedRows = nullptr);
// The same with the list's view as it stands, just built for the filter.
TColMap ShowBuiltViewInGrid(TGridModel& grid, const TGridModel& templ, TProject& list, TGridFill& last,
                            const std::vector<int32_t>* changedRows = nullptr);

// The cells the user changed back into the visible records, noted in the
// list's open undo step (the caller commits it). True when the changed rows
// are known, and then they are in `changedRows`.
bool TakeListFromGrid(TGridModel& grid, TProject& list, const TColMap& map, std::vector<int32_t>& changedRows);

// The user resized grid columns: the template keeps the widths for the other
// layout and for the settings.
void CopyColumnWidths(const TGridModel& grid, TGridModel& templ, const TColMap& map);
