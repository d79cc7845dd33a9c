#include "controls/markup/MarkupParse.h"

#include "controls/markup/MarkupSupport.h"

namespace {

constexpr size_t kNpos = std::string::npos;

// The next position of a pattern at or after pos, searched again only when
// pos has passed the last find: the parse stays linear in the text length.
class TNextFind {
public:
    explicit TNextFind(const char* pattern) : m_pattern(pattern) {}
    size_t At(const std::string& s, size_t pos) {
        if (!m_known || (m_at != kNpos && m_at < pos)) {
            m_at = s.find(m_pattern, pos);
            m_known = true;
        }
        return m_at;
    }

private:
    const char* m_pattern;
    size_t m_at = kNpos;
    bool m_known = false;
};

// The codes that swallow one character after their letter and take no argument.
ItemKind SimpleOpener(char code) {
    switch (code) {
    case 'b':
        return ItemKind::BoldOn;
    case 'd':
        return ItemKind::SubscriptOn;
    case 'u':
        return ItemKind::SuperscriptOn;
    case 'p':
        return ItemKind::OverlineOn;
    default:
        return ItemKind::UnderlineOn;
    }
}

// One pass over a normalised text. An item ends at the first space (which
// it keeps), line break or bar; a bar starts a code.
class TMarkupParser {
public:
    explicit TMarkupParser(const std::string& text) : m_text(text), m_size(text.size()) {}
    std::vector<TWord> Run();

private:
    // Bytes taken by the bar, its letter and `chars` more characters; past
    // the end when the text runs out first.
    size_t CodeEnd(size_t chars) const;
    void Open(TWord& w, ItemKind opener);
    void Close(TWord& w);
    // The code at a bar: fills `w` and returns the bytes it takes; a letter
    // that is no code leaves `end` as it was.
    size_t ReadCode(TWord& w, size_t end);
    // At the end of the text, the closers of the codes still open, innermost first.
    void CloseOpenCodes();

    const std::string& m_text;
    const size_t m_size;
    size_t m_pos = 0;
    std::vector<TWord> m_words;
    std::vector<ItemKind> m_closers;
    size_t m_ignoredOpeners = 0;
    TNextFind m_space{" "};
    TNextFind m_lineBreak{"\r\n"};
    TNextFind m_bar{"|"};
};

size_t TMarkupParser::CodeEnd(size_t chars) const {
    size_t at = m_pos + 2;
    for (size_t i = 0; i < chars; ++i) {
        if (at >= m_size)
            return m_size - m_pos + 1;
        at += Utf8CharLength(m_text, at);
    }
    return at > m_size ? m_size - m_pos + 1 : at - m_pos;
}

void TMarkupParser::Open(TWord& w, ItemKind opener) {
    if (m_closers.size() >= kMaxNesting) {
        w.Kind = ItemKind::None;
        ++m_ignoredOpeners;
        return;
    }
    w.Kind = opener;
    m_closers.push_back(static_cast<ItemKind>(static_cast<int>(opener) + 1));
}

void TMarkupParser::Close(TWord& w) {
    if (m_ignoredOpeners > 0) {
        --m_ignoredOpeners;
        w.Kind = ItemKind::None;
    } else if (!m_closers.empty()) {
        w.Kind = m_closers.back();
        m_closers.pop_back();
    } else {
        w.Kind = ItemKind::None;
    }
}

size_t TMarkupParser::ReadCode(TWord& w, size_t end) {
    w.Text.clear();
    const char code = m_pos + 1 < m_size ? m_text[m_pos + 1] : '\0';
    switch (code) {
    case 'b':
    case 'd':
    case 'u':
    case 'p':
    case 'l':
        Open(w, SimpleOpener(code));
        return CodeEnd(1);
    case 'r':
        Open(w, ItemKind::RootOn);
        return 2;
    case 'z': {
        Open(w, ItemKind::ZoomOn);
        const size_t third = m_pos + 2;
        if (w.Kind != ItemKind::None && third < m_size) {
            const size_t fourth = third + Utf8CharLength(m_text, third);
            w.Text = m_text.substr(third, fourth - third);
            if (fourth < m_size && m_text[fourth] != ' ')
                w.Text += m_text.substr(fourth, Utf8CharLength(m_text, fourth));
        }
        return CodeEnd(2);
    }
    case 's':
        w.Kind = ItemKind::Symbol;
        if (m_pos + 2 < m_size)
            w.Text = m_text.substr(m_pos + 2, Utf8CharLength(m_text, m_pos + 2));
        return CodeEnd(2);
    case 'f':
        Close(w);
        return CodeEnd(1);
    default:
        return end;
    }
}

void TMarkupParser::CloseOpenCodes() {
    for (auto it = m_closers.rbegin(); it != m_closers.rend(); ++it) {
        TWord closer;
        closer.Kind = *it;
        m_words.push_back(closer);
    }
    m_closers.clear();
}

std::vector<TWord> TMarkupParser::Run() {
    while (m_pos < m_size) {
        TWord w;
        const size_t rest = m_size - m_pos;
        size_t end = rest;

        size_t at = m_space.At(m_text, m_pos);
        if (at != kNpos && at - m_pos + 1 <= end) {
            end = at - m_pos + 1;
            w.Text = m_text.substr(m_pos, end);
            w.Kind = ItemKind::SpacedText;
        }
        if (m_text.compare(m_pos, 2, "\r\n") == 0) {
            w.Kind = ItemKind::LineBreak;
            w.Text.clear();
            end = 2;
        } else if ((at = m_lineBreak.At(m_text, m_pos)) != kNpos && at - m_pos + 1 >= 2 && at - m_pos + 1 <= end) {
            end = at - m_pos;
            w.Text = m_text.substr(m_pos, end);
            w.Kind = ItemKind::Text;
        }
        if (m_text[m_pos] == '|') {
            end = ReadCode(w, end);
        } else if ((at = m_bar.At(m_text, m_pos)) != kNpos && at - m_pos + 1 >= 2 && at - m_pos + 1 <= end) {
            end = at - m_pos;
            w.Text = m_text.substr(m_pos, end);
            w.Kind = ItemKind::Text;
        }

        if (end != rest) {
            m_pos = end > rest ? m_size : m_pos + end;
            m_words.push_back(std::move(w));
            continue;
        }
        if (w.Kind == ItemKind::None) {
            w.Kind = ItemKind::Text;
            w.Text = m_text.substr(m_pos);
        }
        m_pos = m_size;
        m_words.push_back(std::move(w));
        CloseOpenCodes();
    }
    return std::move(m_words);
}

} // namespace

std::string NormaliseLineBreaks(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\r\n";
            ++i;
        } else if (text[i] == '\n') {
            out += "\r\n";
        } else if (text[i] == '\x0E' && i + 1 < text.size() && text[i + 1] == '\x0B') {
            // The bytes 14, 11 are the marker CR LF turns into while lone
            // line feeds are replaced, so a text holding them breaks there.
            out += "\r\n";
            ++i;
        } else if (text[i] == '|' && i + 1 < text.size() && text[i + 1] == '|') {
            out += "\r\n";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::vector<TWord> ParseMarkup(const std::string& text) {
    return TMarkupParser(text).Run();
}
