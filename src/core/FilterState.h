#pragma once

#include "BootData.h"
#include "Codes.h"

#include <array>
#include <vector>

// Which records the main list shows: bands and tours, sources and media.
// Within one filter the selected entries combine with OR, the three filters
// with AND.
struct TFilterState {
    bool AllBands = true;
    std::vector<TBand> Bands; // sorted by name; each band and tour carries its Selected flag
    bool SourceSelAll = true;
    std::array<bool, kSourceCount> SourceSel{};
    bool MediaSelAll = true;
    std::array<bool, kMediaCount> MediaSel{};
};
