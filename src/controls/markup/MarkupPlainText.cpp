#include "controls/markup/MarkupPlainText.h"

#include "controls/markup/MarkupFontWalk.h"
#include "controls/markup/MarkupParse.h"
#include "controls/markup/MarkupSupport.h"
#include "platform/Utf8.h"

#include <utility>

namespace {

// The characters a code of the Symbol face draws; codes it has none for drop out.
std::string SymbolText(const std::string& codes) {
    std::string out;
    for (char32_t code : DecodeUtf8(codes))
        if (const char32_t shown = SymbolToUnicode(code); shown != 0)
            out += EncodeUtf8(shown);
    return out;
}

class TPlainLine {
public:
    void Put(const std::string& text) {
        for (char c : text) {
            if (c == ' ' || c == '\r' || c == '\n') {
                Gap();
                continue;
            }
            if (m_gap)
                m_out += ' ';
            m_gap = false;
            m_out += c;
        }
    }
    void Gap() { m_gap = !m_out.empty(); }
    std::string Take() { return std::move(m_out); }

private:
    std::string m_out;
    bool m_gap = false;
};

} // namespace

std::string MarkupPlainText(const std::string& markup) {
    TPlainLine line;
    for (const TWord& word : ParseMarkup(NormaliseLineBreaks(markup))) {
        switch (word.Kind) {
        case ItemKind::SpacedText:
        case ItemKind::Text:
            line.Put(word.Text);
            break;
        case ItemKind::Symbol:
            line.Put(SymbolText(word.Text));
            break;
        case ItemKind::RootOn:
            line.Put(EncodeUtf8(SymbolToUnicode(kRadical)));
            break;
        case ItemKind::LineBreak:
            line.Gap();
            break;
        default:
            break;
        }
    }
    return line.Take();
}
