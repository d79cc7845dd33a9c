#pragma once

#include "core/BootData.h"
#include "core/FilterState.h"

#include <cstddef>
#include <string>
#include <vector>

// What a list's view is made from beside its records' fields: which records
// (where they stand and how many), the filter panel's choices, the quick
// filter's text and whether only marked records show. Two equal stamps of
// records whose fields did not change give the same view.
struct TViewStamp {
    const TBootData* Records = nullptr;
    size_t Count = 0;
    const TBand* Bands = nullptr;
    // The filter's flags in order: all bands, every band's and its tours',
    // all sources, each source, all media, each medium.
    std::vector<bool> Choices;
    std::string QuickText;
    bool MarkedOnly = false;

    bool operator==(const TViewStamp& other) const;
};

TViewStamp StampView(const TArrayOfBootData& data, const TFilterState& filter, const std::string& quickText,
                     bool markedOnly);
