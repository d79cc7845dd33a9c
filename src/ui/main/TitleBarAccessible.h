#pragma once

class TTitlePaintBox;

// The bar above the grid as a label for screen readers, named by its line
// (TitleBarSpokenText).

// Gives every TTitlePaintBox its interface; safe to call more than once.
void InstallTitleBarAccessibility();
// The bar's line changed.
void AnnounceTitleBar(TTitlePaintBox& bar);
