#include "FilterSelection.h"

namespace {

bool LineSelected(const std::vector<bool>& lines, size_t index) {
    return index < lines.size() && lines[index];
}

template <size_t N> std::vector<bool> CodeLines(bool all, const std::array<bool, N>& selected) {
    std::vector<bool> lines{all};
    lines.insert(lines.end(), selected.begin(), selected.end());
    return lines;
}

template <size_t N> void ApplyCodeLines(const std::vector<bool>& lines, bool& all, std::array<bool, N>& selected) {
    all = LineSelected(lines, 0);
    for (size_t k = 0; k < N; ++k)
        selected[k] = LineSelected(lines, k + 1);
}

} // namespace

TFilterSelection FilterSelection(const TFilterState& filter) {
    TFilterSelection lines;
    lines.Bands.push_back(filter.AllBands);
    for (const TBand& band : filter.Bands) {
        lines.Bands.push_back(band.Selected);
        for (const TTour& tour : band.Tours)
            lines.Bands.push_back(tour.Selected);
    }
    lines.Sources = CodeLines(filter.SourceSelAll, filter.SourceSel);
    lines.Media = CodeLines(filter.MediaSelAll, filter.MediaSel);
    return lines;
}

void ApplyFilterSelection(TFilterState& filter, const TFilterSelection& lines) {
    size_t line = 0;
    filter.AllBands = LineSelected(lines.Bands, line++);
    for (TBand& band : filter.Bands) {
        band.Selected = LineSelected(lines.Bands, line++);
        for (TTour& tour : band.Tours)
            tour.Selected = LineSelected(lines.Bands, line++);
    }
    ApplyCodeLines(lines.Sources, filter.SourceSelAll, filter.SourceSel);
    ApplyCodeLines(lines.Media, filter.MediaSelAll, filter.MediaSel);
}
