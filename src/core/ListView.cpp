#include "ListView.h"

#include <string_view>
#include <unordered_map>

namespace {

// What the band filter lets through for one band name: everything, or the
// records whose date lies in one of the selected tours.
struct TBandPass {
    bool Whole = false;
    std::vector<const TTour*> Tours;
};

using TBandPasses = std::unordered_map<std::string_view, TBandPass>;

// Bands with neither a selection nor a selected tour pass nothing, so they
// are left out; a record of such a band finds no entry and is hidden.
TBandPasses CollectBandPasses(const std::vector<TBand>& bands) {
    TBandPasses passes;
    for (const TBand& band : bands) {
        std::vector<const TTour*> tours;
        for (const TTour& tour : band.Tours)
            if (tour.Selected)
                tours.push_back(&tour);
        if (!band.Selected && tours.empty())
            continue;
        TBandPass& pass = passes[band.Name];
        pass.Whole = pass.Whole || band.Selected;
        pass.Tours.insert(pass.Tours.end(), tours.begin(), tours.end());
    }
    return passes;
}

bool PassesBand(const TBandPasses& passes, const TBootData& record) {
    auto found = passes.find(record.Band);
    if (found == passes.end())
        return false;
    const TBandPass& pass = found->second;
    if (pass.Whole)
        return true;
    for (const TTour* tour : pass.Tours)
        if (tour->Holds(record.Date))
            return true;
    return false;
}

template <size_t N> bool PassesCode(TCodeKind kind, bool all, const std::array<bool, N>& selected, int32_t code) {
    if (all)
        return true;
    // Codes outside the known range match no selection.
    return IsCode(kind, code) && static_cast<size_t>(code) < N && selected[static_cast<size_t>(code)];
}

} // namespace

std::vector<int32_t> BuildListView(TArrayOfBootData& data, const TFilterState& filter, const std::vector<int32_t>* only,
                                   TViewHits* hits) {
    TBandPasses passes;
    if (!filter.AllBands)
        passes = CollectBandPasses(filter.Bands);

    std::vector<int32_t> view;
    view.reserve(only ? only->size() : data.size());
    size_t next = 0; // into `only`
    // Beside ViewIndex in the record: counting costs no extra pass over the list.
    TViewHits counted;
    for (size_t i = 0; i < data.size(); ++i) {
        TBootData& record = data[i];
        record.ViewIndex = -1;
        counted.All += record.SearchHits > 0;
        if (only) {
            if (next == only->size() || static_cast<size_t>((*only)[next]) != i)
                continue;
            ++next;
        }
        if (!PassesCode(TCodeKind::Source, filter.SourceSelAll, filter.SourceSel, record.Source))
            continue;
        if (!PassesCode(TCodeKind::Media, filter.MediaSelAll, filter.MediaSel, record.Media))
            continue;
        if (!filter.AllBands && !PassesBand(passes, record))
            continue;
        record.ViewIndex = static_cast<int32_t>(view.size());
        view.push_back(static_cast<int32_t>(i));
        counted.Shown += record.SearchHits > 0;
    }
    if (hits)
        *hits = counted;
    return view;
}
