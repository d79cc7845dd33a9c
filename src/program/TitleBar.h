#pragma once

#include <array>
#include <string>

class TProject;

// The three markup texts of the bar above the grid: the list's name, the
// shown and total bootlegs, and the bootlegs with search results in the
// whole list and among the shown ones.
std::array<std::string, 3> TitleBarTexts(const TProject& list);
// Their left edges in the bar.
constexpr std::array<int, 3> kTitleBarX = {10, 160, 310};
