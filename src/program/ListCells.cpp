#include "ListCells.h"

#include "controls/markup/MarkupSupport.h"

namespace {

const TFixedColor kNormal[4] = {TFixedColor::RowPlain, TFixedColor::RowShaded, TFixedColor::RowTint,
                                TFixedColor::RowTintShaded};
const TFixedColor kSearch[4] = {TFixedColor::HitsMany, TFixedColor::HitsOne, TFixedColor::HitsTintMany,
                                TFixedColor::HitsTintOne};

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    size_t at = 0;
    while ((at = text.find(from, at)) != std::string::npos) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

const std::string kCoverMarker = "[---]";

} // namespace

TColor ListCellColor(int32_t property, int32_t row, int32_t searchHits, TScheme scheme) {
    const bool tinted = property == 2 || (property >= 7 && property <= 9);
    if (searchHits > 0)
        return FixedColor(kSearch[(tinted ? 2 : 0) + (searchHits == 1 ? 1 : 0)], scheme);
    return RowBlockColor(tinted, row, scheme);
}

int RowBlockKind(bool tinted, int32_t row) {
    // Rows alternate in blocks of five; (row - 1) mod 10 stays in 0..9 for rows from 1.
    const int64_t phase = (int64_t(row) - 1) % 10;
    return (tinted ? 2 : 0) + (phase >= 0 && phase < 5 ? 0 : 1);
}

TColor RowBlockColor(bool tinted, int32_t row, TScheme scheme) {
    return FixedColor(kNormal[RowBlockKind(tinted, row)], scheme);
}

void ApplyListCellColor(TColor& color, bool& change, TColor rowColor, TScheme scheme) {
    if (!change)
        color = rowColor;
    else if (scheme == TScheme::Light)
        color = color & rowColor & 0xFFFFFF;
    else
        color = ((color & 0xFEFEFE) >> 1) + ((rowColor & 0xFEFEFE) >> 1);
    change = true;
}

std::string CoverClipboardText(const TBootData& record) {
    return record.Covers[0] + kCoverMarker + record.Covers[1];
}

void PasteCoverText(TBootData& record, const std::string& text) {
    const size_t at = text.find(kCoverMarker);
    if (at == std::string::npos) {
        record.Covers = {text, std::string()};
    } else {
        record.Covers = {text.substr(0, at), text.substr(at + kCoverMarker.size())};
    }
}

std::string InfoClipboardText(const TBootData& record) {
    return ReplaceAll(ReplaceAll(record.Info, "\t", "[TAB]"), "\r\n", "[CR]");
}

void PasteInfoText(TBootData& record, const std::string& text) {
    record.Info = ReplaceAll(ReplaceAll(text, "[TAB]", "\t"), "[CR]", "\r\n");
}
