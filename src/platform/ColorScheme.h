#pragma once

#include "platform/ScreenTypes.h"

#include <vector>

// The program's own fixed colours, each with a counterpart for a dark
// desktop. A scheme is chosen from the running window colour, so a light
// desktop keeps the colours it always had and a dark one gets colours of the
// same meaning that its light text stays readable on (WCAG ratio >= 4.5).

enum class TScheme { Light, Dark };

// Dark when the window colour's lightness (HSL, the mean of the largest and
// smallest channel) is below one half.
TScheme SchemeOfWindow(TColor window);

enum class TFixedColor {
    // The desktop roles a dark start sets up, and which the light
    // desktop is assumed to have; the fixed colours below are made for them.
    Window,
    WindowText,
    Base,
    AlternateBase,
    Text,
    Button,
    ButtonText,
    Highlight,
    HighlightedText,
    Light,
    Midlight,
    Mid,
    Dark,
    Shadow,
    DisabledText,
    ToolTipBase,
    ToolTipText,
    Link,
    // List rows in blocks of five, and their tinted columns.
    RowPlain,
    RowShaded,
    RowTint,
    RowTintShaded,
    // Rows with search or compare results: several, one; plain and tinted.
    HitsMany,
    HitsOne,
    HitsTintMany,
    HitsTintOne,
    // Concerts that a list already has.
    OwnedPlain,
    OwnedShaded,
    OwnedTint,
    OwnedTintShaded,
    // Cells the owner reports as wrong, unselected and selected.
    CellError,
    CellErrorSelected,
    // A tour's coverage bar, complete and partial.
    CoverageFull,
    CoveragePart,
    Count
};

TColor FixedColor(TFixedColor which, TScheme scheme);

struct TColorPair {
    TFixedColor Text;
    TFixedColor Background;
};
// Every text colour with each background the program draws it on.
const std::vector<TColorPair>& TextOnBackgroundPairs();

// WCAG 2 relative luminance (0 black .. 1 white) and contrast ratio (1 .. 21).
double RelativeLuminance(TColor color);
double ContrastRatio(TColor a, TColor b);
