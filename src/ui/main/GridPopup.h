#pragma once

class QMenu;
class TExcelGrid2;

// Gives the grid its pop-up menu: at the pointer for a right click, and at
// the current cell for Shift+F10 and the Menu key, where a keyboard user's
// eyes are (the pointer may be anywhere, or hidden).
void AttachGridPopup(TExcelGrid2& grid, QMenu& menu);
