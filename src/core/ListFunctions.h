#pragma once

#include "FilterState.h"
#include "ListFile.h"
#include "MatchIndex.h"
#include "Project.h"

#include <string>
#include <vector>

// Compare and join across open lists. `selected` has one flag per list of
// `lists`, in the same order. Each function makes one pass over the records
// through a TMatchIndex, so its cost grows with the number of records (times
// the number of selected lists for compare), not with their product.

// Resets every list's results (SearchHits k - 1 in a selected list, 0 in the
// others, SearchText empty; k = number of selected lists) and its
// SearchColumn (its selection flag), then:
// - k >= 2: every record of a selected list gets SearchHits = the number of
//   other selected lists holding no matching record, and SearchText = their
//   captions in list order, separated by ", ";
// - k == 1: every record of the selected list that has an earlier matching
//   record in it gets SearchHits 1.
void CompareLists(const std::vector<TProject*>& lists, const std::vector<bool>& selected, TMatchOptions options);

// `joined` := the records that `filter` shows in the selected lists (lists in
// order, records in view order), each group of matching records represented
// by the first one met, copied without its compare results. Rebuilds the
// view of every selected list. More than `most` records are refused with the
// reason before any is copied.
bool JoinLists(const std::vector<TProject*>& lists, const std::vector<bool>& selected, const TFilterState& filter,
               TMatchOptions options, TArrayOfBootData& joined, std::string& error, size_t most = kMostListRecords);

// `wants` := the records of the selected lists other than list `mine` that
// no record of `mine` matches (lists in order, records in list order), each
// group of matching records represented by the first one met, copied without
// its compare results. More than `most` records are refused with the reason.
bool LackingRecords(const std::vector<TProject*>& lists, const std::vector<bool>& selected, size_t mine,
                    TMatchOptions options, TArrayOfBootData& wants, std::string& error, size_t most = kMostListRecords);
