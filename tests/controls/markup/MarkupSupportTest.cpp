#include "controls/markup/MarkupSupport.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> Channels(TColor color) {
    const TRgb c = SplitRgb(color);
    return {c.Red, c.Green, c.Blue};
}

TEST(MarkupSupportColours, ShadeLightensOrDarkensAndRedIsTheLowByte) {
    const std::pair<TColor, std::vector<int>> shades[] = {
        {JoinRgb(255, 255, 255), {231, 231, 231}}, {JoinRgb(192, 192, 192), {216, 216, 216}},
        {JoinRgb(250, 10, 10), {255, 34, 34}},     {JoinRgb(230, 230, 230), {254, 254, 254}}, // mean 230 lightens
        {JoinRgb(231, 231, 231), {207, 207, 207}}, {JoinRgb(0, 0, 0), {24, 24, 24}}};
    for (const auto& [in, out] : shades)
        EXPECT_EQ(Channels(ShadeColor(in)), out) << in;
    EXPECT_EQ(JoinRgb(1, 2, 3), 0x030201u);
    EXPECT_EQ(Channels(0x030201u), std::vector<int>({1, 2, 3}));
    EXPECT_EQ(Channels(GreyOf(JoinRgb(10, 20, 40))), std::vector<int>({23, 23, 23}));
}

TEST(MarkupSupportFontSize, HalvesRoundToEvenAndSizesAreClamped) {
    EXPECT_EQ(std::vector<int64_t>({RoundHalfEven(2.5), RoundHalfEven(3.5), RoundHalfEven(-2.5)}),
              std::vector<int64_t>({2, 4, -2}));
    EXPECT_EQ(std::vector<int>({PointsOfHeight(-11), PointsOfHeight(14), PointsOfHeight(-16)}),
              std::vector<int>({8, 10, 12})); // 14: 10.5
    TMarkupFont font;
    SetFontSize(font, 8);
    EXPECT_EQ(font.Height, -11);
    SetFontSize(font, 29);
    EXPECT_EQ(font.Height, -39);
    SetFontSize(font, -5);
    EXPECT_EQ(font.Size, kMinFontSize);
    SetFontSize(font, 1 << 30);
    EXPECT_EQ(font.Size, kMaxFontSize);
}

TEST(MarkupSupportUtf8, DecodesAndEncodes) {
    EXPECT_EQ(DecodeUtf8("a\xCE\xB1\xF0\x9F\x8E\xB8"), std::u32string(U"a\u03B1\U0001F3B8"));
    EXPECT_EQ(DecodeUtf8("\xFF"), std::u32string(U"\uFFFD"));
    for (char32_t code : {U'a', U'\u00E9', U'\u221A', U'\U0001F3B8'})
        EXPECT_EQ(DecodeUtf8(EncodeUtf8(code)), std::u32string(1, code));
    EXPECT_EQ(Utf8CharLength("\xCE\xB1x", 0), 2u);
    EXPECT_EQ(Utf8CharLength("\xCE", 0), 1u);
    EXPECT_EQ(Utf8CharLength("x", 5), 0u);
}

TEST(MarkupSupportSymbolFont, CodesMapToTheirCharacters) {
    const std::pair<char32_t, char32_t> cases[] = {{'a', U'\u03B1'},  {'W', U'\u03A9'},  {214, U'\u221A'},
                                                   {0xAE, U'\u2192'}, {0xDE, U'\u21D2'}, {'1', U'1'},
                                                   {0x85, 0},         {0x0A, 0},         {0x3B1, 0x3B1}};
    for (const auto& [code, character] : cases)
        EXPECT_EQ(SymbolToUnicode(code), character) << code;
}

} // namespace
