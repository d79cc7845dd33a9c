#pragma once

#include <cstdint>
#include <functional>
#include <string>

class TGridModel;

// The grid's own clipboard text: rows end with CR LF (the last one too),
// cells are separated by a tab, a cell text holding a line feed is put in
// double quotes with nothing escaped.

// The selected range, or the current cell when no range is selected; each
// cell's text passes through `convert` when given.
std::string GridCopyText(TGridModel& grid, const std::function<std::string(const std::string&)>& convert = {});

// Pastes clipboard bytes at the current cell, or into the selected range,
// repeating the pasted block until it fills the range. Every cell goes
// through TextToValue and OnCellChanging; disabled cells are skipped.
// OnChange is the caller's.
void GridPasteText(TGridModel& grid, const std::string& text);

// How many rows a paste of `text` at the current cell fills when no row
// limit stops it.
int32_t GridPasteRowCount(const std::string& text);

// Empties the enabled cells of the selection (ckExternal cells through
// OnExternalDelete). OnChange is the caller's.
void GridClearSelection(TGridModel& grid);
