#pragma once

#include "controls/markup/MarkupCanvas.h"

#include <string>
#include <unordered_map>
#include <vector>

// A markup canvas that remembers text widths for the length of one paint.
// A grid paint measures the same band names and words in row after row;
// measuring shapes the text, which costs more than drawing it. Setting the
// font it already has is skipped as well.
class TCachingCanvas : public TMarkupCanvas {
public:
    explicit TCachingCanvas(TMarkupCanvas& inner);

    TMarkupFont Font() const override { return m_font; }
    void SetFont(const TMarkupFont& font) override;
    TColor PenColor() const override { return m_inner.PenColor(); }
    void SetPenColor(TColor color) override { m_inner.SetPenColor(color); }
    TColor ShadowColor() const override { return m_inner.ShadowColor(); }

    int32_t TextWidth(const std::string& text) override;
    void TextOut(int32_t x, int32_t y, const std::string& text) override { m_inner.TextOut(x, y, text); }
    void TextRect(const TRect& clip, int32_t x, int32_t y, const std::string& text) override {
        m_inner.TextRect(clip, x, y, text);
    }
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override { m_inner.Line(x1, y1, x2, y2); }
    void SetTextAngle(int32_t tenths) override { m_inner.SetTextAngle(tenths); }

    // The width of a UTF-8 text as the sum of its characters' widths: no
    // kerning, but every character is measured only once. Good enough to
    // decide where a text is cut.
    int32_t CharsWidth(const std::string& text);

private:
    struct TWidths {
        TMarkupFont Font; // colour ignored
        std::unordered_map<std::string, int32_t> Width;
    };
    TWidths& Current();

    TMarkupCanvas& m_inner;
    TMarkupFont m_font;
    std::vector<TWidths> m_widths;
    size_t m_current = 0;
};
