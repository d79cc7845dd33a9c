#pragma once

#include "core/FilterState.h"

#include <vector>

// The selected lines of the three filter lists. Line 0 of each is "all";
// the band-and-tour list holds each band followed by its tours, in order.
struct TFilterSelection {
    std::vector<bool> Bands;
    std::vector<bool> Sources;
    std::vector<bool> Media;
};

TFilterSelection FilterSelection(const TFilterState& filter);
// The reverse; lines missing from `lines` count as not selected.
void ApplyFilterSelection(TFilterState& filter, const TFilterSelection& lines);
