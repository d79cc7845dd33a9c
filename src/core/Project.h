#pragma once

#include "core/BootData.h"
#include "core/FilterState.h"
#include "core/ListFile.h"
#include "platform/ScreenTypes.h"

#include <cstdint>
#include <string>
#include <vector>

struct TSaveResult {
    bool Ok = false;
    std::string Reason; // why the list was not saved
};

// One open list: its records, the filtered view of them, its file and
// whether it has unsaved changes.
class TProject {
public:
    std::string FileName; // empty for a list never saved
    bool Saved = true;
    TArrayOfBootData Data;
    // Row r of the grid shows Data[View[r - 1]]; ascending indices.
    std::vector<int32_t> View;
    bool SearchColumn = false;
    // Grid cursor and selection while another tab is shown.
    int32_t Col = 1;
    int32_t Row = 1;
    TGridRect Selection;
    bool CompareSelected = false;

    void BuildView(const TFilterState& filter);
    // Sorts on grid column `column` (the Search column counts when shown).
    // The view is stale afterwards: build it again.
    void Sort(int column, bool ascending);
    void ClearSearch();

    // Reads FileName. On anything but success Data is left as it was.
    TListReadResult Load();
    // Replaces FileName with Data. On failure the old file stays as it was,
    // Saved is unchanged and the result says why.
    TSaveResult Save();
};
