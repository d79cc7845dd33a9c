#pragma once

#include "controls/panels/OptionPanelModel.h"

#include <cstdint>
#include <vector>

// What a screen reader is told of an option panel: each item is a check
// box, or a radio button in radio mode, checked as the panel shows it; a
// toggle is told for the items whose state changed.

// The item's check in check mode; in radio mode whether it is the selection.
bool SpokenChecked(const TOptionPanelModel& model, int32_t index);
// The items whose spoken state differs from `told`, which then holds the
// state of every item. Items that came or went are not told.
std::vector<int32_t> TakeToggledItems(const TOptionPanelModel& model, std::vector<bool>& told);
