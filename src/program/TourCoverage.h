#pragma once

#include "core/BootData.h"
#include "core/FilterState.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TProject;

// How much of every tour a list holds. A concert is owned when the list has
// a bootleg of the concert's band on the concert's date, both compared
// byte-wise as find concert compares them; two concerts of one band on one
// date are owned together. The results point into the concert lists, which
// stay as they were read for the whole run.

// The dates of a list's bootlegs per band, to ask whether it has a concert.
// It points into the records: they must not change while it is asked.
class TOwnedConcerts {
public:
    explicit TOwnedConcerts(const TArrayOfBootData& data);
    bool Has(const std::string& band, const std::string& date) const { return HasDate(DatesOf(band), date); }

    // A band's dates, sorted; null when the list has no bootleg of it.
    using TDates = std::vector<std::string_view>;
    const TDates* DatesOf(const std::string& band) const;
    static bool HasDate(const TDates* dates, const std::string& date);

private:
    // Per band name, its bootlegs' dates sorted byte-wise.
    std::unordered_map<std::string_view, TDates> m_dates;
};

struct TTourCoverage {
    const TBand* Band = nullptr;
    const TTour* Tour = nullptr;
    std::vector<bool> Owned; // per concert, in file order
    int32_t OwnedCount = 0;
    int32_t Known() const { return static_cast<int32_t>(Owned.size()); }
};

struct TBandCoverage {
    const TBand* Band = nullptr;
    std::vector<TTourCoverage> Tours; // in file order
    int32_t Owned = 0;
    int32_t Known = 0;
};

// One entry per band, in the order of `bands` (the filter panel's order).
std::vector<TBandCoverage> TourCoverage(const std::vector<TBand>& bands, const TArrayOfBootData& data);

// One concert of the coverage, as the window and the wants list name it.
struct TCoveredConcert {
    const TBand* Band = nullptr;
    const TTour* Tour = nullptr;
    const TConcert* Concert = nullptr;
    bool Owned = false;
};

// The concerts of one tour's coverage, owned or not, in file order.
std::vector<TCoveredConcert> CoveredConcerts(const TTourCoverage& tour);
// Every concert no bootleg of the list covers, in band, tour and file order.
std::vector<TCoveredConcert> MissingConcerts(const std::vector<TBandCoverage>& coverage);

// A line of the coverage tree: a band (Tour and Concert -1), a tour of it
// (Concert -1) or one concert. Indices count from 0 in the coverage.
struct TCoverageLine {
    int32_t Band = -1;
    int32_t Tour = -1;
    int32_t Concert = -1;
};

// The concerts under the picked lines, each once, in band, tour and file
// order; with `onlyMissing` the owned ones are left out.
std::vector<TCoveredConcert> PickedConcerts(const std::vector<TBandCoverage>& coverage,
                                            const std::vector<TCoverageLine>& picked, bool onlyMissing);
// The concert of a concert line; its fields null for another line.
TCoveredConcert CoveredConcertAt(const std::vector<TBandCoverage>& coverage, const TCoverageLine& line);

// Percent owned, rounded down so that 100 means every concert; 0 of 0 is 0.
int32_t CoveragePercent(int32_t owned, int32_t known);

// Sets the filter to the concert's tour alone (every source and medium) and
// builds the list's view; returns the first row (from 1) that shows a
// bootleg of the concert, widening the filter to the whole band when the
// bootleg lies outside the tour's dates. 0 when the list has none.
int32_t ShowConcertBootlegs(TFilterState& filter, TProject& list, const TCoveredConcert& concert);
