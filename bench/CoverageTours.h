#pragma once

// Tours for the generated collection's bands: a tour a year from 1965 to
// 2025 with 75 concerts each, on dates in the generator's form, so that
// about 100,000 concerts are known and many of them owned.

#include "ListGenerator.h"

#include <set>

inline std::vector<TBand> GenerateTours(const TArrayOfBootData& data, uint32_t seed = 7) {
    std::set<std::string> names;
    for (const TBootData& record : data)
        names.insert(record.Band);
    std::mt19937 rng(seed);
    auto number = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    std::vector<TBand> bands;
    char date[32];
    for (const std::string& name : names) {
        TBand& band = bands.emplace_back();
        band.Name = name;
        for (int year = 1965; year <= 2025; ++year) {
            TTour& tour = band.Tours.emplace_back();
            tour.Name = "Tour " + std::to_string(year);
            for (int c = 0; c < 75; ++c) {
                std::snprintf(date, sizeof date, "%04d.%02d.%02d", year, number(1, 12), number(1, 28));
                tour.Concerts.push_back({date, "", "London", "England", "Wembley Stadium"});
            }
        }
    }
    return bands;
}

inline size_t CountConcerts(const std::vector<TBand>& bands) {
    size_t count = 0;
    for (const TBand& band : bands)
        for (const TTour& tour : band.Tours)
            count += tour.Concerts.size();
    return count;
}
