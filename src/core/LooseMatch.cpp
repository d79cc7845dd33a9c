#include "core/LooseMatch.h"

#include "core/TextMatch.h"
#include "core/TradeDate.h"

#include <cstdint>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

void AppendSqueezed(std::string_view text, std::string& out) {
    bool gap = false;
    for (char c : text) {
        if (IsSpace(c)) {
            gap = true;
            continue;
        }
        // Spaces at the start give no gap; those at the end never reach one.
        if (gap && !out.empty())
            out += ' ';
        gap = false;
        out += c;
    }
}

void AppendLooseText(std::string_view text, std::string& out) {
    // Folding keeps spaces where they were, so the text is squeezed first
    // and folded as a whole: a legacy text stays one kind of text.
    std::string squeezed;
    AppendSqueezed(text, squeezed);
    AppendFoldedText(squeezed, out);
}

void AppendLooseDate(std::string_view text, std::string& out) {
    const std::string dotted = DottedDate(text);
    if (dotted.empty())
        AppendLooseText(text, out);
    else
        out += dotted;
}

} // namespace

std::string LooseText(std::string_view text) {
    std::string out;
    AppendLooseText(text, out);
    return out;
}

std::string LooseDate(std::string_view text) {
    std::string out;
    AppendLooseDate(text, out);
    return out;
}

void AppendLooseKey(const TBootData& record, std::string& key) {
    const size_t start = key.size();
    key.append(sizeof(uint32_t), '\0');
    AppendLooseText(record.Band, key);
    const auto length = static_cast<uint32_t>(key.size() - start - sizeof(uint32_t));
    for (size_t i = 0; i < sizeof(uint32_t); ++i)
        key[start + i] = static_cast<char>((length >> (8 * i)) & 0xFF);
    AppendLooseDate(record.Date, key);
}
