#include "MarkupSupport.h"

#include <algorithm>
#include <cmath>

TRgb SplitRgb(TColor color) {
    return {static_cast<uint8_t>(color & 0xFF), static_cast<uint8_t>((color >> 8) & 0xFF),
            static_cast<uint8_t>((color >> 16) & 0xFF)};
}

TColor JoinRgb(uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<TColor>(red) | (static_cast<TColor>(green) << 8) | (static_cast<TColor>(blue) << 16);
}

TColor GreyOf(TColor color) {
    TRgb c = SplitRgb(color);
    auto g = static_cast<uint8_t>((c.Red + c.Green + c.Blue) / 3);
    return JoinRgb(g, g, g);
}

TColor ShadeColor(TColor color) {
    constexpr int kStep = 24;
    TRgb c = SplitRgb(color);
    int grey = (c.Red + c.Green + c.Blue) / 3;
    auto shade = [&](int channel) {
        return static_cast<uint8_t>(grey < 255 - kStep ? std::min(channel + kStep, 255) : channel - kStep);
    };
    return JoinRgb(shade(c.Red), shade(c.Green), shade(c.Blue));
}

void SwapIntegers(int32_t& a, int32_t& b) {
    std::swap(a, b);
}

int64_t RoundHalfEven(double value) {
    return static_cast<int64_t>(std::nearbyint(value));
}

void SetFontSize(TMarkupFont& font, int32_t points) {
    font.Size = std::clamp(points, kMinFontSize, kMaxFontSize);
    // MulDiv(size, 96, 72), halves away from zero.
    font.Height = -((font.Size * 96 + 36) / 72);
}

int32_t PointsOfHeight(int32_t height) {
    int64_t h = height < 0 ? -static_cast<int64_t>(height) : height;
    return static_cast<int32_t>(std::min<int64_t>(RoundHalfEven(static_cast<double>(h) * 72.0 / 96.0), INT32_MAX));
}

namespace {

// clang-format off
// Codes 0x20..0xFF of the Symbol font; 0 where the font has no character.
constexpr char16_t kSymbol[224] = {
    // 0x20
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212,
    0x002E, 0x002F,
    // 0x30
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, 0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D,
    0x003E, 0x003F,
    // 0x40
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C,
    0x039D, 0x039F,
    // 0x50
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D,
    0x22A5, 0x005F,
    // 0x60: the radical extender, then Greek small letters
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC,
    0x03BD, 0x03BF,
    // 0x70
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D,
    0x223C, 0,
    // 0x80, 0x90
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xA0
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191,
    0x2192, 0x2193,
    // 0xB0
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, 0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0,
    0x23AF, 0x21B5,
    // 0xC0
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286,
    0x2208, 0x2209,
    // 0xD0
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1,
    0x21D2, 0x21D3,
    // 0xE0
    0x25CA, 0x27E8, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8,
    0x23A9, 0x23AA,
    // 0xF0
    0, 0x27E9, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC,
    0x23AD, 0,
};
// clang-format on

} // namespace

size_t Utf8CharLength(const std::string& text, size_t pos) {
    if (pos >= text.size())
        return 0;
    size_t length = Utf8SequenceLength(text, pos);
    return length == 0 ? 1 : length;
}

std::u32string DecodeUtf8(const std::string& text) {
    std::u32string out;
    for (size_t pos = 0; pos < text.size();) {
        size_t length = Utf8SequenceLength(text, pos);
        if (length == 0) {
            out += U'\uFFFD';
            ++pos;
            continue;
        }
        auto b0 = static_cast<unsigned char>(text[pos]);
        char32_t code = length == 1 ? b0 : length == 2 ? (b0 & 0x1F) : length == 3 ? (b0 & 0x0F) : (b0 & 0x07);
        for (size_t i = 1; i < length; ++i)
            code = (code << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
        out += code;
        pos += length;
    }
    return out;
}

char32_t SymbolToUnicode(char32_t code) {
    if (code > 0xFF)
        return code;
    if (code < 0x20)
        return 0;
    return kSymbol[code - 0x20];
}
