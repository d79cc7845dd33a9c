#include "program/TourCoverage.h"

#include "core/Project.h"

#include <algorithm>
#include <set>
#include <tuple>

TOwnedConcerts::TOwnedConcerts(const TArrayOfBootData& data) {
    // Lists are mostly sorted by band: the last band's dates are kept at hand.
    std::string_view lastBand;
    TDates* dates = nullptr;
    for (const TBootData& record : data) {
        if (!dates || record.Band != lastBand) {
            lastBand = record.Band;
            dates = &m_dates[lastBand];
        }
        dates->push_back(record.Date);
    }
    for (auto& [band, bandDates] : m_dates)
        std::sort(bandDates.begin(), bandDates.end());
}

const TOwnedConcerts::TDates* TOwnedConcerts::DatesOf(const std::string& band) const {
    const auto found = m_dates.find(band);
    return found == m_dates.end() ? nullptr : &found->second;
}

bool TOwnedConcerts::HasDate(const TDates* dates, const std::string& date) {
    return dates && std::binary_search(dates->begin(), dates->end(), std::string_view(date));
}

namespace {

TTourCoverage CoverTour(const TBand& band, const TTour& tour, const TOwnedConcerts& owned) {
    TTourCoverage result;
    result.Band = &band;
    result.Tour = &tour;
    result.Owned.reserve(tour.Concerts.size());
    const TOwnedConcerts::TDates* dates = owned.DatesOf(band.Name);
    for (const TConcert& concert : tour.Concerts) {
        const bool has = TOwnedConcerts::HasDate(dates, concert.Date);
        result.Owned.push_back(has);
        result.OwnedCount += has;
    }
    return result;
}

} // namespace

std::vector<TBandCoverage> TourCoverage(const std::vector<TBand>& bands, const TArrayOfBootData& data) {
    const TOwnedConcerts owned(data);
    std::vector<TBandCoverage> coverage;
    coverage.reserve(bands.size());
    for (const TBand& band : bands) {
        TBandCoverage& entry = coverage.emplace_back();
        entry.Band = &band;
        entry.Tours.reserve(band.Tours.size());
        for (const TTour& tour : band.Tours) {
            entry.Tours.push_back(CoverTour(band, tour, owned));
            entry.Owned += entry.Tours.back().OwnedCount;
            entry.Known += entry.Tours.back().Known();
        }
    }
    return coverage;
}

std::vector<TCoveredConcert> CoveredConcerts(const TTourCoverage& tour) {
    std::vector<TCoveredConcert> concerts;
    concerts.reserve(tour.Owned.size());
    for (size_t c = 0; c < tour.Owned.size(); ++c)
        concerts.push_back({tour.Band, tour.Tour, &tour.Tour->Concerts[c], tour.Owned[c]});
    return concerts;
}

std::vector<TCoveredConcert> MissingConcerts(const std::vector<TBandCoverage>& coverage) {
    std::vector<TCoveredConcert> missing;
    for (const TBandCoverage& band : coverage)
        for (const TTourCoverage& tour : band.Tours)
            for (size_t c = 0; c < tour.Owned.size(); ++c)
                if (!tour.Owned[c])
                    missing.push_back({tour.Band, tour.Tour, &tour.Tour->Concerts[c], false});
    return missing;
}

std::vector<TCoveredConcert> PickedConcerts(const std::vector<TBandCoverage>& coverage,
                                            const std::vector<TCoverageLine>& picked, bool onlyMissing) {
    std::set<std::tuple<int32_t, int32_t, int32_t>> lines;
    for (const TCoverageLine& line : picked)
        lines.emplace(line.Band, line.Tour < 0 ? -1 : line.Tour, line.Tour < 0 || line.Concert < 0 ? -1 : line.Concert);
    auto isPicked = [&](int32_t b, int32_t t, int32_t c) {
        return lines.count({b, -1, -1}) || lines.count({b, t, -1}) || lines.count({b, t, c});
    };
    std::vector<TCoveredConcert> concerts;
    for (size_t b = 0; b < coverage.size(); ++b)
        for (size_t t = 0; t < coverage[b].Tours.size(); ++t) {
            const TTourCoverage& tour = coverage[b].Tours[t];
            for (size_t c = 0; c < tour.Owned.size(); ++c)
                if (!(onlyMissing && tour.Owned[c]) && isPicked(int32_t(b), int32_t(t), int32_t(c)))
                    concerts.push_back({tour.Band, tour.Tour, &tour.Tour->Concerts[c], tour.Owned[c]});
        }
    return concerts;
}

TCoveredConcert CoveredConcertAt(const std::vector<TBandCoverage>& coverage, const TCoverageLine& line) {
    if (line.Band < 0 || size_t(line.Band) >= coverage.size())
        return {};
    const TBandCoverage& band = coverage[size_t(line.Band)];
    if (line.Tour < 0 || size_t(line.Tour) >= band.Tours.size())
        return {};
    const TTourCoverage& tour = band.Tours[size_t(line.Tour)];
    if (line.Concert < 0 || size_t(line.Concert) >= tour.Owned.size())
        return {};
    return {tour.Band, tour.Tour, &tour.Tour->Concerts[size_t(line.Concert)], tour.Owned[size_t(line.Concert)]};
}

int32_t CoveragePercent(int32_t owned, int32_t known) {
    return known <= 0 ? 0 : static_cast<int32_t>(int64_t(owned) * 100 / known);
}

namespace {

// The filter's own copy of the band and tour (same names, same places).
TBand* FilterBand(TFilterState& filter, const TCoveredConcert& concert) {
    for (TBand& band : filter.Bands)
        if (band.ListIndex == concert.Band->ListIndex && band.Name == concert.Band->Name)
            return &band;
    return nullptr;
}

int32_t FirstRowOf(const TProject& list, const TCoveredConcert& concert) {
    for (size_t r = 0; r < list.View.size(); ++r) {
        const TBootData& record = list.Data[static_cast<size_t>(list.View[r])];
        if (record.Band == concert.Band->Name && record.Date == concert.Concert->Date)
            return static_cast<int32_t>(r + 1);
    }
    return 0;
}

} // namespace

int32_t ShowConcertBootlegs(TFilterState& filter, TProject& list, const TCoveredConcert& concert) {
    filter.AllBands = false;
    filter.SourceSelAll = true;
    filter.MediaSelAll = true;
    TBand* band = FilterBand(filter, concert);
    for (TBand& other : filter.Bands) {
        other.Selected = false;
        for (TTour& tour : other.Tours)
            tour.Selected = false;
    }
    if (band)
        for (TTour& tour : band->Tours)
            tour.Selected = tour.ListIndex == concert.Tour->ListIndex;
    else
        filter.AllBands = true;
    list.BuildView(filter);
    int32_t row = FirstRowOf(list, concert);
    if (row == 0 && band) {
        band->Selected = true;
        list.BuildView(filter);
        row = FirstRowOf(list, concert);
    }
    return row;
}
