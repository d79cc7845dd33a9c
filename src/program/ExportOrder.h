#pragma once

#include "core/Codes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The export window's property list: fourteen fixed lines, "01 Band" ..
// "13 Comment" (line i is property i + 1) and the separator, shown in an
// order the user arranges. What stands above the separator is exported, top
// to bottom; the separator and what follows are not.

constexpr int kExportLineCount = kPropertyCount + 1;
constexpr int32_t kExportSeparatorLine = kPropertyCount;

// order[k] is the line shown at position k; always a permutation of 0..13.
using TExportOrder = std::array<int32_t, kExportLineCount>;

// Every property in number order, then the separator.
TExportOrder DefaultExportOrder();
bool IsExportOrder(const TExportOrder& order);

// The lines above the separator, top to bottom: the exported properties as
// line indices (property number - 1).
std::vector<int32_t> ExportedLines(const TExportOrder& order);

// Bold marks the exported lines: no separator at or above position k.
bool IsExportedPosition(const TExportOrder& order, int position);

// The text a line shows: its label without the number ("Band", ...); empty
// for the separator, which is drawn as a line.
std::string ExportLineCaption(int32_t line);

// Dropping the selected positions before position `target` (kExportLineCount
// for below the last line): the unselected lines above the target, then the
// selected ones as a block in their order, then the remaining unselected
// lines. `selected` is indexed by position; the moved lines end up at the
// positions marked in `selectedAfter`.
TExportOrder DropSelectedLines(const TExportOrder& order, const std::array<bool, kExportLineCount>& selected,
                               int target, std::array<bool, kExportLineCount>& selectedAfter);

// Where to drop the selected positions to move them one line up or down as
// a block (Ctrl+Up, Ctrl+Down); -1 when nothing is selected or the block
// already stands at that end.
int StepTarget(const std::array<bool, kExportLineCount>& selected, bool down);
