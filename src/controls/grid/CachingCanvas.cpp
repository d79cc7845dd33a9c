#include "CachingCanvas.h"

#include "controls/markup/MarkupSupport.h"

namespace {

bool SameShape(const TMarkupFont& a, const TMarkupFont& b) {
    return a.Name == b.Name && a.Height == b.Height && a.Size == b.Size && a.Bold == b.Bold;
}

} // namespace

TCachingCanvas::TCachingCanvas(TMarkupCanvas& inner) : m_inner(inner), m_font(inner.Font()) {}

void TCachingCanvas::SetFont(const TMarkupFont& font) {
    if (font == m_font)
        return;
    const bool reshaped = !SameShape(font, m_font);
    m_font = font;
    m_inner.SetFont(font);
    if (!reshaped)
        return;
    m_current = m_widths.size();
    for (size_t i = 0; i < m_widths.size(); ++i)
        if (SameShape(m_widths[i].Font, font))
            m_current = i;
}

TCachingCanvas::TWidths& TCachingCanvas::Current() {
    if (m_current >= m_widths.size() || !SameShape(m_widths[m_current].Font, m_font)) {
        m_widths.push_back({m_font, {}});
        m_current = m_widths.size() - 1;
    }
    return m_widths[m_current];
}

int32_t TCachingCanvas::TextWidth(const std::string& text) {
    auto& widths = Current().Width;
    auto found = widths.find(text);
    if (found != widths.end())
        return found->second;
    const int32_t width = m_inner.TextWidth(text);
    widths.emplace(text, width);
    return width;
}

int32_t TCachingCanvas::CharsWidth(const std::string& text) {
    int64_t width = 0;
    for (size_t pos = 0; pos < text.size();) {
        const size_t length = Utf8CharLength(text, pos);
        width += TextWidth(text.substr(pos, length));
        pos += length;
    }
    return static_cast<int32_t>(std::min<int64_t>(width, INT32_MAX));
}
