#include "TitleBar.h"

#include "controls/markup/MarkupLiteral.h"
#include "core/Project.h"
#include "program/ListNames.h"

namespace {

constexpr int32_t kGap = 16;
constexpr int32_t kRightMargin = 4;
const char* const kEllipsis = "...";

// Left edges, each text `gap` after the end of the one before, and no nearer than `usual`.
std::array<TTitleBarPlace, 3> Placed(const std::array<int32_t, 3>& widths, bool usual) {
    std::array<TTitleBarPlace, 3> places;
    int32_t end = kTitleBarX[0] - kGap;
    for (size_t i = 0; i < places.size(); ++i) {
        places[i].X = std::max(usual ? kTitleBarX[i] : 0, end + kGap);
        end = places[i].X + widths[i];
    }
    return places;
}

} // namespace

std::array<std::string, 3> TitleBarTexts(const TProject& list) {
    return TitleBarTexts(list, ListName(list));
}

std::array<std::string, 3> TitleBarTexts(const TProject& list, const std::string& caption) {
    return TitleBarTexts(CountTitleBar(list), caption);
}

TTitleBarCounts CountTitleBar(const TProject& list) {
    TTitleBarCounts counts;
    counts.Shown = list.View.size();
    counts.Total = list.Data.size();
    for (const TBootData& record : list.Data)
        counts.Hits += record.SearchHits > 0;
    for (int32_t index : list.View)
        counts.ShownHits += list.Data[static_cast<size_t>(index)].SearchHits > 0;
    return counts;
}

TTitleBarCounts KeptTitleBarCounts(const TProject& list) {
    return {list.View.size(), list.Data.size(), list.ViewHits.All, list.ViewHits.Shown};
}

std::array<std::string, 3> TitleBarTexts(const TTitleBarCounts& counts, const std::string& caption) {
    return {"List: |b " + MarkupLiteral(caption) + "|f ",
            "Bootlegs: |b " + std::to_string(counts.Shown) + "|f  (|b " + std::to_string(counts.Total) + "|f )",
            "Search: |b " + std::to_string(counts.Hits) + "|f  (|b " + std::to_string(counts.ShownHits) + "|f )"};
}

std::vector<std::string> ShortenedCaptions(const std::string& caption) {
    std::vector<std::string> captions{caption};
    for (size_t space = caption.rfind(' '); space != std::string::npos && space > 0;
         space = caption.rfind(' ', space - 1)) {
        const size_t end = caption.find_last_not_of(' ', space);
        if (end != std::string::npos && caption.substr(0, end + 1) + kEllipsis != captions.back())
            captions.push_back(caption.substr(0, end + 1) + kEllipsis);
    }
    if (captions.back() != kEllipsis)
        captions.push_back(kEllipsis);
    return captions;
}

std::array<TTitleBarPlace, 3> PlaceTitleBarTexts(const std::array<int32_t, 3>& widths, int32_t barWidth) {
    const int32_t room = barWidth - kRightMargin;
    std::array<TTitleBarPlace, 3> places = Placed(widths, true);
    if (places[2].X + widths[2] > room)
        places = Placed(widths, false);
    for (size_t i = 0; i < places.size(); ++i)
        places[i].Shown = places[i].X + widths[i] <= room;
    return places;
}
