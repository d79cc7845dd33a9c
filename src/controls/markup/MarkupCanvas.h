#pragma once

#include "platform/ScreenTypes.h"

#include <cstdint>
#include <string>

// The canvas font as the renderer sees it. Size is in points and Height in
// pixels (negative: character height), related at 96 pixels per inch.
struct TMarkupFont {
    std::string Name;
    int32_t Size = 8;
    int32_t Height = -11;
    bool Bold = false;
    TColor Color = 0;

    bool operator==(const TMarkupFont& other) const {
        return Name == other.Name && Size == other.Size && Height == other.Height && Bold == other.Bold &&
               Color == other.Color;
    }
};

// Point sizes the renderer will set; codes can ask for anything.
constexpr int32_t kMinFontSize = 1;
constexpr int32_t kMaxFontSize = 400;

// Sets a point size (clamped) and the pixel height that goes with it.
void SetFontSize(TMarkupFont& font, int32_t points);
// Round(abs(height) * 72 / 96).
int32_t PointsOfHeight(int32_t height);

// What the renderer needs of a drawing surface. Strings are UTF-8; a font
// named "Symbol" takes character codes of the Symbol font encoding.
class TMarkupCanvas {
public:
    virtual ~TMarkupCanvas() = default;

    virtual TMarkupFont Font() const = 0;
    virtual void SetFont(const TMarkupFont& font) = 0;
    virtual TColor PenColor() const = 0;
    virtual void SetPenColor(TColor color) = 0;
    // The platform's button-shadow colour, for greyed text.
    virtual TColor ShadowColor() const = 0;
    // The light edge below and right of greyed text: white on a light desktop.
    virtual TColor EmbossColor() const { return 0xFFFFFF; }

    virtual int32_t TextWidth(const std::string& text) = 0;
    // (x, y) is the top-left corner of the text cell.
    virtual void TextOut(int32_t x, int32_t y, const std::string& text) = 0;
    virtual void TextRect(const TRect& clip, int32_t x, int32_t y, const std::string& text) = 0;
    virtual void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    // Text direction in tenths of a degree, counter-clockwise; 0 is upright.
    virtual void SetTextAngle(int32_t tenths) = 0;
};
