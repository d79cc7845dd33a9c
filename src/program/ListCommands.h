#pragma once

#include "core/BootData.h"
#include "program/ListGrid.h"

#include <string>
#include <vector>

class TGridModel;
class TProject;

// The list commands that work on the main grid and the records behind it.
// Refreshing the view and repainting stay with the window.

// Upper-cases the letters a..z only, as the search compares.
std::string SearchUpperCase(std::string text);

// Looks for `search` in the stored cell texts, row after row from the one
// after the current row, wrapping round; the current row itself is never
// looked at. On a match the cell becomes current and true comes back.
bool FindNextInGrid(TGridModel& grid, const std::string& search);

// Fills City, Country and Venue of the selected rows' grid cells from the
// first concert of the row's band on the row's date. Only the grid changes.
void FindConcertsInGrid(TGridModel& grid, const std::vector<TBand>& bands, const TColMap& map);

// Appends an empty record; the caller shows every band so that it is seen.
void AddEmptyRecord(TProject& list);

// The records shown on the grid's selected rows, top to bottom.
std::vector<int32_t> SelectedRecords(const TGridModel& grid, const TProject& list);

// Removes the records shown on the grid's selected rows. True when any went.
bool DeleteSelectedRecords(TProject& list, const TGridModel& grid);
