#pragma once

#include "BootData.h"
#include "FilterState.h"

#include <cstdint>
#include <vector>

// Computes which records pass the filter: returns their indices into `data`
// in ascending order and sets every record's ViewIndex (its row in the view,
// or -1 when it is hidden). With `only` (ascending indices), no other record
// passes.
std::vector<int32_t> BuildListView(TArrayOfBootData& data, const TFilterState& filter,
                                   const std::vector<int32_t>* only = nullptr);
