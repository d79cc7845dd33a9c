#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TProject;

// The three markup texts of the bar above the grid: the list's name, the
// shown and total bootlegs, and the bootlegs with search results in the
// whole list and among the shown ones.
std::array<std::string, 3> TitleBarTexts(const TProject& list);
// The same with `caption` (a shortened one) as the list's name.
std::array<std::string, 3> TitleBarTexts(const TProject& list, const std::string& caption);

// The counts of the bar, taken once per refresh: counting the search
// results walks the whole list, too slow for every paint of a big one.
struct TTitleBarCounts {
    size_t Shown = 0;
    size_t Total = 0;
    size_t Hits = 0;
    size_t ShownHits = 0;
};
TTitleBarCounts CountTitleBar(const TProject& list);
// The same as counted when the list's view was last built: no pass over the
// list of its own.
TTitleBarCounts KeptTitleBarCounts(const TProject& list);
std::array<std::string, 3> TitleBarTexts(const TTitleBarCounts& counts, const std::string& caption);
// Their left edges in a bar wide enough.
constexpr std::array<int, 3> kTitleBarX = {10, 160, 310};

// The names the bar may show for `caption`, longest first: the caption
// itself, then cut after ever fewer words with "..." added, then "..." alone.
// A word is never cut in two.
std::vector<std::string> ShortenedCaptions(const std::string& caption);

struct TTitleBarPlace {
    int32_t X = 0;
    bool Shown = true;
};
// Where the texts of `widths` stand in a bar `barWidth` wide: at their usual
// edges, pushed right by a long text before them; when that runs past the
// bar, each one gap after the one before; a text that still runs past the
// bar is left out whole rather than cut.
std::array<TTitleBarPlace, 3> PlaceTitleBarTexts(const std::array<int32_t, 3>& widths, int32_t barWidth);
