#pragma once

#include "controls/grid/GridModel.h"

#include <cstdint>
#include <string>

// What editing a cell means, and how the editors' results reach the cells,
// without any widget: the widget opens what EditActionFor names and hands
// the outcome to the commits below. All of them act on the active cell.

enum class TEditAction {
    None,
    LineEditor,
    MemoEditor,
    ColorDialog,
    Toggle,
    DropDownList,
    ListMenu,
    Step,
    External,
};

// The action of a request to edit a cell of `kind`: Enter and F2 pass their
// shift state, a double-click the left button and ssDouble, typing nothing.
TEditAction EditActionFor(uint8_t kind, TShiftState shift);

// A list or menu index one item on (or back), wrapping around `count` items.
int32_t SteppedIndex(int32_t index, int32_t count, bool back);

// The text of a number editor replaced by the value of its expression; kept
// as typed when it is no expression or the arithmetic fails.
std::string EvaluatedText(const std::string& text, const TNumberLocale& locale);

// A memo editor's text as the cell keeps it: line feeds, no CR LF.
std::string MemoCellText(const std::string& editorText);

enum class TStoreMode {
    ByKind, // SetCellValue: the field of the column's kind
    Whole,  // all three fields
    Index,  // SetCellInteger with the picked index, whatever the handler made of the value
};

// The commit every editor ends with: OnCellChanging may alter or veto the
// value; when it is stored, OnChange follows. True when stored.
bool CommitCell(TGridModel& grid, int32_t x, int32_t y, TValue value, TStoreMode mode);

// Line editor: number cells evaluate the text first, then TextToValue.
bool CommitEditorText(TGridModel& grid, std::string text);
bool CommitMemoText(TGridModel& grid, const std::string& editorText);
// Drop-down list and list menu.
bool CommitItemIndex(TGridModel& grid, int32_t index);
bool CommitColor(TGridModel& grid, TColor color);
bool ToggleCell(TGridModel& grid);
// Repaints also when the handler vetoes the step.
bool StepCell(TGridModel& grid, bool back);
