#pragma once

#include "program/ProgramHost.h"

// Stored window placements come from a file anyone can edit and from runs on
// other screens. Before a window takes one, it is made fit for the virtual
// screen, in 64-bit arithmetic so that no stored number can overflow: a
// window larger than the screen is shrunk to it, and one that would show
// less than a usable part of itself on the screen, or its top edge above
// the screen, is moved onto it. A window cannot be smaller than `minimum`,
// so it is fitted at that size at the least. A screen of unknown size
// changes nothing.
TWindowPlacement FitPlacementOnScreen(const TWindowPlacement& placement, const TScreenSize& screen,
                                      const TScreenSize& minimum = {});

// What the window must show of itself on the screen, at the least, unless
// it is smaller.
constexpr int kUsableWidth = 100;
constexpr int kUsableHeight = 50;
