#pragma once

#include "controls/markup/MarkupCanvas.h"
#include "controls/markup/MarkupSupport.h"

#include <string>
#include <vector>

// A canvas with fixed metrics that records what is drawn. Every character
// is as wide as the point size, one more in bold, two more in Symbol.
class TFakeCanvas : public TMarkupCanvas {
public:
    enum TOpKind { opText, opClippedText, opLine };
    struct TOp {
        TOpKind Kind;
        int32_t X, Y;
        std::string Text;
        TMarkupFont Font;
        int32_t Angle;
        TRect Clip;
        int32_t X2, Y2;
        TColor Pen;
    };

    explicit TFakeCanvas(int32_t height = -11, bool bold = false) {
        m_font.Name = "Arial";
        m_font.Height = height;
        m_font.Size = PointsOfHeight(height);
        m_font.Bold = bold;
        m_font.Color = JoinRgb(0, 0, 0);
        m_pen = JoinRgb(1, 2, 3);
    }

    TMarkupFont Font() const override { return m_font; }
    void SetFont(const TMarkupFont& font) override { m_font = font; }
    TColor PenColor() const override { return m_pen; }
    void SetPenColor(TColor color) override { m_pen = color; }
    TColor ShadowColor() const override { return JoinRgb(128, 128, 128); }

    int32_t TextWidth(const std::string& text) override {
        int32_t per = m_font.Size + (m_font.Bold ? 1 : 0) + (m_font.Name == "Symbol" ? 2 : 0);
        return per * static_cast<int32_t>(DecodeUtf8(text).size());
    }
    void TextOut(int32_t x, int32_t y, const std::string& text) override {
        Ops.push_back({opText, x, y, text, m_font, m_angle, {}, 0, 0, m_pen});
    }
    void TextRect(const TRect& clip, int32_t x, int32_t y, const std::string& text) override {
        Ops.push_back({opClippedText, x, y, text, m_font, m_angle, clip, 0, 0, m_pen});
    }
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
        Ops.push_back({opLine, x1, y1, "", m_font, m_angle, {}, x2, y2, m_pen});
    }
    void SetTextAngle(int32_t tenths) override { m_angle = tenths; }

    int32_t Angle() const { return m_angle; }
    std::vector<TOp> Texts() const {
        std::vector<TOp> texts;
        for (const TOp& op : Ops)
            if (op.Kind == opText)
                texts.push_back(op);
        return texts;
    }

    std::vector<TOp> Ops;

private:
    TMarkupFont m_font;
    TColor m_pen;
    int32_t m_angle = 0;
};
