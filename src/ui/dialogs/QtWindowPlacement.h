#pragma once

#include "program/ProgramHost.h"

class QWidget;

// Placements of the top-level windows as the program keeps them: the
// position of the window's frame, so that a title bar put on the screen
// stays there, and the size of its inside, both in the toolkit's scaled
// pixels, the units the screen is measured in.

// The size of the whole virtual screen.
TScreenSize VirtualScreenSize();
// Puts `window` where `placement` says, fitted to the screen at no less than
// the window's minimum size, which is first limited to the screen. The show
// state is the caller's.
void ApplyPlacement(QWidget& window, const TWindowPlacement& placement);
// ApplyPlacement, then the stored show state: maximised, or minimised where
// the window `mayMinimise`; any other number shows it normal.
void PlaceWindow(QWidget& window, const TWindowPlacement& placement, bool mayMinimise);
// Where `window` stands when neither maximised nor minimised, and its state;
// a minimised window that may not come back minimised is kept as normal.
TWindowPlacement PlacementOf(const QWidget& window, bool mayMinimise = true);
