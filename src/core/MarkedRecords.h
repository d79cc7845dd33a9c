#pragma once

#include "core/BootData.h"

#include <cstdint>
#include <vector>

// The records that the last compare or duplicate search marked (those with
// search hits), ascending; with `among` (ascending indices), only those of
// them. The list narrowed to what a trader lacks, or to its duplicates.
std::vector<int32_t> MarkedRecords(const TArrayOfBootData& data, const std::vector<int32_t>* among = nullptr);
