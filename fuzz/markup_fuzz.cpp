// Feeds arbitrary bytes to the markup parser and both layouts, through a
// canvas with fixed metrics.

#include "controls/markup/Markup.h"
#include "controls/markup/MarkupSupport.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

class TFuzzCanvas : public TMarkupCanvas {
public:
    TFuzzCanvas() {
        m_font.Name = "Arial";
        SetFontSize(m_font, 8);
    }
    TMarkupFont Font() const override { return m_font; }
    void SetFont(const TMarkupFont& font) override { m_font = font; }
    TColor PenColor() const override { return m_pen; }
    void SetPenColor(TColor color) override { m_pen = color; }
    TColor ShadowColor() const override { return 0x808080; }
    int32_t TextWidth(const std::string& text) override {
        return static_cast<int32_t>(text.size()) * (m_font.Size + (m_font.Bold ? 1 : 0));
    }
    void TextOut(int32_t, int32_t, const std::string&) override {}
    void TextRect(const TRect&, int32_t, int32_t, const std::string&) override {}
    void Line(int32_t, int32_t, int32_t, int32_t) override {}
    void SetTextAngle(int32_t) override {}

private:
    TMarkupFont m_font;
    TColor m_pen = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    TFuzzCanvas canvas;
    const TMarkupFont entry = canvas.Font();
    const auto horz = static_cast<TAlignment>(size % 4);
    DrawMarkup(text, {6, 6, 194, 94}, horz, taCenter, (size & 1) != 0, (size & 2) != 0, canvas);
    DrawMarkupRotated(text, {0, 0, 30, 120}, 90, taCenter, taCenter, false, true, canvas);
    if (!(canvas.Font() == entry))
        __builtin_trap();
    return 0;
}
