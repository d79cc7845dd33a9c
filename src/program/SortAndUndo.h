#pragma once

#include "core/FilterState.h"
#include "core/UndoHistory.h"

class IProgramHost;
class TProject;

// Sort, undo and redo of a million bootlegs move more records than the
// window may stall for: the records move, the journal takes the step and the
// view is built again away from the window (IProgramHost::RunAndWait), which
// paints meanwhile and takes no input. Afterwards the list's view is the one
// `filter` gives: the window only fills its grid from it.

// Sorts on grid column `column` (the Search column counts when shown).
void SortList(IProgramHost& host, TProject& list, int column, bool ascending, const TFilterState& filter);

// Takes back (or does again) one step of the list's history, widening the
// filter when a record the step brought back would be hidden.
TUndoResult UndoOrRedoList(IProgramHost& host, TProject& list, TFilterState& filter, bool redo);
