#pragma once

#include "controls/grid/GridTypes.h"

#include <string>

class TGridModel;

// The keys the grid acts on; the widget maps its toolkit's keys onto them.
enum class TGridKey {
    Other,
    PageUp,
    PageDown,
    End,
    Home,
    Left,
    Up,
    Right,
    Down,
    Enter,
    F2,
    Insert,
    Delete,
    C,
    V,
    X,
    Tab, // with Shift: back
};

// Where copied text goes and pasted text comes from.
class IGridClipboard {
public:
    virtual ~IGridClipboard() = default;
    virtual std::string Text() = 0;
    virtual void SetText(const std::string& text) = 0;
    // A cell's bytes as the clipboard carries them.
    virtual std::string FromCell(const std::string& text) { return text; }
};

// What the key asks of the widget beyond the model.
struct TGridKeyOutcome {
    bool Handled = false;    // the key is one of the grid's; it goes no further
    bool ShowEditor = false; // with the full shift state
    bool Repaint = false;
};

// Moves the cursor, copies, pastes and clears as the key map says. The
// owner's OnKeyDown (with Ctrl removed from the shift state) is the widget's,
// after this. Nothing happens while the grid has no rows.
TGridKeyOutcome HandleGridKey(TGridModel& grid, TGridKey key, TShiftState shift, IGridClipboard& clipboard);

void CopyToClipboard(TGridModel& grid, IGridClipboard& clipboard);
void PasteFromClipboard(TGridModel& grid, IGridClipboard& clipboard);
