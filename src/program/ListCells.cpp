#include "ListCells.h"

#include "controls/markup/MarkupSupport.h"

namespace {

const TColor kNormal[4] = {JoinRgb(255, 255, 255), JoinRgb(240, 240, 240), JoinRgb(255, 255, 192),
                           JoinRgb(240, 240, 176)};
const TColor kSearch[4] = {JoinRgb(255, 144, 144), JoinRgb(255, 176, 176), JoinRgb(239, 160, 160),
                           JoinRgb(239, 192, 192)};

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

TColor ListCellColor(int32_t property, int32_t row, int32_t searchHits) {
    const bool tinted = property == 2 || (property >= 7 && property <= 9);
    if (searchHits > 0)
        return kSearch[(tinted ? 2 : 0) + (searchHits == 1 ? 1 : 0)];
    return RowBlockColor(tinted, row);
}

TColor RowBlockColor(bool tinted, int32_t row) {
    // Rows alternate in blocks of five; (row - 1) mod 10 stays in 0..9 for rows from 1.
    const int64_t phase = (int64_t(row) - 1) % 10;
    return kNormal[(tinted ? 2 : 0) + (phase >= 0 && phase < 5 ? 0 : 1)];
}

void ApplyListCellColor(TColor& color, bool& change, TColor rowColor) {
    color = change ? (color & rowColor & 0xFFFFFF) : rowColor;
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
