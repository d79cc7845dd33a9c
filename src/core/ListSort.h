#pragma once

#include "BootData.h"

#include <cstdint>
#include <string>
#include <vector>

// Reorders `data` on template column `templateColumn` (1 "Search", 2 "Band",
// ... 14 "Comment"). Text columns sort byte-wise and stably; source and media
// sort by code. Descending order is the ascending order reversed as a whole,
// so records with equal keys come out in reverse list order. Columns without
// a key (cover, info, anything unknown) keep the order, or reverse it.
//
// The order is that of a bucket sort over 100 intervals of the first four
// key bytes with stable insertion inside each bucket; it is reproduced here
// exactly, also for codes outside the known ranges.
void SortRecords(TArrayOfBootData& data, int templateColumn, bool ascending);
// The same order without moving anything: order[i] is the index of the
// record that the sort puts at i.
std::vector<uint32_t> SortOrder(const TArrayOfBootData& data, int templateColumn, bool ascending);
// Moves record order[i] to index i; `order` must be a permutation of the indices.
void ReorderRecords(TArrayOfBootData& data, std::vector<uint32_t> order);

// Grid column to template column: with the Search column shown, grid column 1
// is the Search column; without it, grid column 1 is Band.
inline int TemplateColumnOfGridColumn(int gridColumn, bool searchColumnShown) {
    return gridColumn + (searchColumnShown ? 0 : 1);
}
