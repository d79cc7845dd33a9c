#pragma once

#include "BootData.h"
#include "FilterState.h"

#include <cstdint>
#include <vector>

// The records with search results, in the whole list and among those that pass.
struct TViewHits {
    size_t All = 0;
    size_t Shown = 0;
};

// Computes which records pass the filter: returns their indices into `data`
// in ascending order and sets every record's ViewIndex (its row in the view,
// or -1 when it is hidden). With `only` (ascending indices), no other record
// passes. With `hits`, they are counted in the same pass.
std::vector<int32_t> BuildListView(TArrayOfBootData& data, const TFilterState& filter,
                                   const std::vector<int32_t>* only = nullptr, TViewHits* hits = nullptr);
