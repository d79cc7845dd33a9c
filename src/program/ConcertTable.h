#pragma once

#include "controls/markup/MarkupCanvas.h"
#include "core/BootData.h"
#include "core/ListFile.h"
#include "platform/ColorScheme.h"

#include <cstdint>
#include <vector>

class TProgram;

class TGridModel;
class TProject;

// The concerts window's table: one row per concert of the tours that pass
// the band-and-tour choice, in band, tour and file order, and the bootleg
// made from a row. The rows point into the concert lists, which stay as
// they were read for the whole run.

enum TConcertColumn : int32_t { ccBand = 1, ccDate, ccCity, ccCountry, ccVenue };
constexpr int32_t kConcertColumns = 5;

struct TConcertRow {
    const TBand* Band = nullptr;
    const TConcert* Concert = nullptr;
};

// `line` is the chosen line of the band-and-tour box (-1: none): line 0
// passes every tour, a band's line the band's tours, a tour's line that tour.
bool TourPassesChoice(const TBand& band, const TTour& tour, int32_t line);
std::vector<TConcertRow> ConcertRows(const std::vector<TBand>& bands, int32_t line);

// Five read-only text columns: Band, Date, City, Country, Venue.
void SetConcertColumns(TGridModel& grid);
// One grid row per concert row, from row 1.
void FillConcertGrid(TGridModel& grid, const std::vector<TConcertRow>& rows);

// Per row, whether `data` has a bootleg of the concert (band and date).
std::vector<bool> OwnedConcertRows(const std::vector<TConcertRow>& rows, const TArrayOfBootData& data);

// White and grey in blocks of five rows; the Date column in yellows. The
// concerts the list already has are tinted green.
TColor ConcertCellColor(int32_t col, int32_t row, bool owned = false, TScheme scheme = TScheme::Light);

// Appends the concert of table row `row` (from 1) to `list` as a new
// bootleg: band, date, city, country and venue in full, everything else
// empty. False, and nothing added, when there is no such row, or (with the
// reason) when the list holds `most` records.
bool AddConcertToList(TProject& list, const std::vector<TConcertRow>& rows, int32_t row, std::string& error,
                      size_t most = kMostListRecords);

// Adds the concert of table row `row` to the program's current list and
// shows every band, so that the new bootleg is seen whatever the band filter
// was; a refusal is shown to the user. The list added to, or nullptr.
TProject* AddConcertToCurrentList(TProgram& program, const std::vector<TConcertRow>& rows, int32_t row);
