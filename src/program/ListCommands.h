#pragma once

#include "core/BootData.h"
#include "core/FilterState.h"
#include "core/ListFile.h"
#include "core/UndoHistory.h"
#include "program/ListGrid.h"

#include <string>
#include <vector>

class TGridModel;
class TProject;

// The list commands that work on the main grid and the records behind it.
// Refreshing the view and repainting stay with the window.

// Upper-cases the letters a..z only, as band names are drawn.
std::string SearchUpperCase(std::string text);

// Looks for `search` in the stored cell texts as core/TextMatch compares, row after row from the one
// after the current row, wrapping round; the current row itself is never
// looked at. On a match the cell becomes current and true comes back.
bool FindNextInGrid(TGridModel& grid, const std::string& search);

// Fills City, Country and Venue of the selected rows' grid cells from the
// first concert of the row's band on the row's date. Only the grid changes.
void FindConcertsInGrid(TGridModel& grid, const std::vector<TBand>& bands, const TColMap& map);

// Appends an empty record as one step; the caller shows every band so that
// it is seen. A list of `most` records is refused with the reason.
bool AddEmptyRecord(TProject& list, std::string& error, size_t most = kMostListRecords);

// The records shown on the grid's selected rows, top to bottom.
std::vector<int32_t> SelectedRecords(const TGridModel& grid, const TProject& list);

// Removes the records shown on the grid's selected rows as one step. True
// when any went.
bool DeleteSelectedRecords(TProject& list, const TGridModel& grid);

// Before `text` is pasted at the grid's current cell (no range selected):
// appends empty records for the pasted rows that would run past the last
// row, shows them below it and gives the grid their rows. The records go into
// the list's open undo step, with the paste that follows. Returns how many
// were added, or -1 with the reason when they would make more than `most`
// records (then nothing is added and nothing is to be pasted).
int32_t AppendRowsForPaste(TGridModel& grid, TProject& list, const TColMap& map, const std::string& text,
                           std::string& error, size_t most = kMostListRecords);

// Builds the list's view, widening the filter when one of `records` would be
// hidden: the quick filter keeps them shown, then the panel shows every
// band, then every source and medium.
void RevealRecords(TFilterState& filter, TProject& list, const std::vector<int32_t>& records);

// The grid column that shows a record field (TRecordField), 0 when none
// does or `field` is -1.
int32_t ColumnOfField(int field, const TColMap& map);

// The grid row (from 1) that shows a record with the stored fields of
// `record`, the one nearest `row` when there are several; else `row` within
// the rows there are. Keeps the cursor on its bootleg when the list is read again.
int32_t RowOfSameRecord(const TProject& list, const TBootData& record, int32_t row);

// The name of a step from what it changed ("delete of 3 bootlegs").
std::string StepCaption(const TStepSummary& step);
// The Edit menu's captions: the step that undo or redo would act on.
std::string UndoCaption(const TUndoHistory& history);
std::string RedoCaption(const TUndoHistory& history);
