#pragma once

#include "platform/ColorScheme.h"

#include <QPalette>

// The running palette's side of the fixed colours: which scheme a palette
// asks for, and the dark palette a start with KORVALEN_PALETTE=dark gets.

TScheme SchemeOf(const QPalette& palette);
// The fixed colour for the scheme of `palette`.
QColor SchemeColor(const QPalette& palette, TFixedColor which);

// Every role from the dark column of the colour table.
QPalette DarkPalette();
// KORVALEN_PALETTE=dark starts the program in Qt's Fusion style with
// DarkPalette(); anything else leaves the desktop's style and palette.
// Call after the application object exists.
void ApplyPaletteFromEnvironment();
