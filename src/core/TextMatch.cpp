#include "core/TextMatch.h"

#include "platform/CaseFold.h"
#include "platform/CodePage.h"
#include "platform/Utf8.h"

namespace {

char AsciiFolded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

void AppendLegacyFolded(std::string_view bytes, std::string& out) {
    const TCodePage page = LegacyCodePage();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out += AsciiFolded(c);
        else
            out += EncodeUtf8(CodePageChar(b, page));
    }
}

bool Contains(std::string_view text, const std::string& folded) {
    return text.find(folded) != std::string_view::npos;
}

} // namespace

TTextKind AppendFoldedText(std::string_view bytes, std::string& out) {
    if (AppendFoldedUtf8(bytes, out))
        return TTextKind::Utf8;
    AppendLegacyFolded(bytes, out);
    return TTextKind::Legacy;
}

std::string FoldedText(std::string_view bytes) {
    std::string out;
    AppendFoldedText(bytes, out);
    return out;
}

TTextPattern::TTextPattern(std::string_view typed) {
    // What the typed text shows, in UTF-8, is folded as either kind of text is.
    std::string shown;
    if (IsValidUtf8(typed))
        shown.assign(typed);
    else
        shown = CodePageToUtf8(std::string(typed), LegacyCodePage());
    AppendFoldedUtf8(shown, m_utf8);
    m_legacy.reserve(shown.size());
    for (char c : shown)
        m_legacy += AsciiFolded(c);
}

bool TTextPattern::Matches(std::string_view text) const {
    if (Empty())
        return false;
    std::string folded;
    folded.reserve(text.size());
    const TTextKind kind = AppendFoldedText(text, folded);
    return Contains(folded, Folded(kind));
}

bool TTextPattern::Implies(const TTextPattern& wider) const {
    return Contains(m_utf8, wider.m_utf8) && Contains(m_legacy, wider.m_legacy);
}
