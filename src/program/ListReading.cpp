#include "program/ListReading.h"

#include "controls/markup/MarkupPlainText.h"
#include "core/Codes.h"

namespace {

constexpr int32_t PropertyNumber(TProperty property) {
    return static_cast<int32_t>(property);
}

std::string CoverWords(const TBootData& record) {
    std::string words;
    if (!record.Covers[0].empty())
        words = "Front cover";
    if (!record.Covers[1].empty())
        words += words.empty() ? "Back cover" : ", back cover";
    return words;
}

} // namespace

std::string ListCellSpokenText(const TStrings2& names, int32_t property, const TBootData& record, int32_t index) {
    switch (property) {
    case PropertyNumber(TProperty::Source):
        return MarkupPlainText(CodeName(names, TCodeKind::Source, index));
    case PropertyNumber(TProperty::Media):
        return MarkupPlainText(CodeName(names, TCodeKind::Media, index));
    case PropertyNumber(TProperty::Cover):
        return CoverWords(record);
    case PropertyNumber(TProperty::Info):
        return record.Info.empty() ? std::string() : "Info";
    default:
        return {};
    }
}

std::string TitleBarSpokenText(const TTitleBarCounts& counts, const std::string& caption) {
    std::string line;
    for (const std::string& text : TitleBarTexts(counts, caption)) {
        const std::string plain = MarkupPlainText(text);
        if (!plain.empty())
            line += (line.empty() ? "" : ", ") + plain;
    }
    return line;
}
