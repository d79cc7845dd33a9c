#pragma once

#include "core/BootData.h"
#include "core/FilterState.h"
#include "core/ListFile.h"
#include "core/ListView.h"
#include "core/QuickFilter.h"
#include "core/UndoHistory.h"
#include "core/ViewStamp.h"
#include "platform/ScreenTypes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct TFileIdentity;

// Runs the long half of a change that moves every record (sort, undo,
// redo). It may run it on another thread, as long as nothing else reads or
// writes the list meanwhile.
using TListAside = std::function<void(const std::function<void()>& work)>;
void RunHere(const std::function<void()>& work);

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
    // Another program holds the file (or the user said so): it is saved
    // only under a name the user chooses.
    bool ReadOnly = false;
    TArrayOfBootData Data;
    // Row r of the grid shows Data[View[r - 1]]; ascending indices.
    std::vector<int32_t> View;
    bool SearchColumn = false;
    // Grid cursor, selection and scroll position while another tab is shown.
    int32_t Col = 1;
    int32_t Row = 1;
    TGridRect Selection;
    int32_t TopRow = 1;
    int32_t LeftCol = 1;
    bool CompareSelected = false;
    // Every change to Data goes through here, so that it can be taken back.
    TUndoHistory UndoSteps;
    // The text typed above the grid while this list is shown; the view
    // holds only the records that pass it, as well as the filter panel.
    TQuickFilter QuickFilter;
    // The view holds only the records the last compare marked, as well as
    // those the filters pass.
    bool MarkedOnly = false;

    // Counted as the view was last built.
    TViewHits ViewHits;

    void BuildView(const TFilterState& filter);
    // Builds the view as BuildView does, away from the window say; the next
    // BuildView keeps it when the records were not changed through the
    // history and the filters are as they were. Only the next: a change made
    // outside the history (search results) is not seen.
    void BuildViewAhead(const TFilterState& filter);
    // Sorts on grid column `column` (the Search column counts when shown),
    // as one step of the history, the records moved and the step written to
    // the journal through `aside`. The view is stale afterwards: build it again.
    void Sort(int column, bool ascending, const TListAside& aside = RunHere);
    void ClearSearch();

    // Closes the change gathered in UndoSteps as one step; a step makes the
    // list unsaved. False when nothing changed. The view is stale after a
    // change: build it again (it is emptied when records moved).
    bool CommitChange(std::string name);
    // Take back or do again one step, through `aside`; Saved follows the
    // saved point.
    TUndoResult UndoChange(const TListAside& aside = RunHere);
    TUndoResult RedoChange(const TListAside& aside = RunHere);

    // Reads FileName. On anything but success Data is left as it was; on
    // success the history starts anew, and `readFrom` (when given) gets the
    // identity of the bytes read.
    TListReadResult Load(TFileIdentity* readFrom = nullptr);
    // Replaces FileName with Data. On failure the old file stays as it was,
    // Saved is unchanged and the result says why; on success the history's
    // saved point moves here.
    TSaveResult Save();
    // The list's file now holds the state `state` of its history (a
    // snapshot's): that is the saved point, and Saved follows it.
    void SavedAt(uint64_t state);

private:
    bool KeepsViewAhead(const TFilterState& filter);
    void KeepUnsavedState();
    void AfterStep(bool movedRecords);
    TUndoResult Step(bool redo, const TListAside& aside);

    std::optional<TViewStamp> m_viewAhead;
};
