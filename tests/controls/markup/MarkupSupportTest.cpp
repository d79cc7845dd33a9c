#include "controls/markup/MarkupSupport.h"

#include <gtest/gtest.h>

namespace {

struct TShadeCase {
    TRgb In, Out;
};

class ShadeColorTest : public testing::TestWithParam<TShadeCase> {};

TEST_P(ShadeColorTest, LightensOrDarkens) {
    const TShadeCase& c = GetParam();
    TRgb out = SplitRgb(ShadeColor(JoinRgb(c.In.Red, c.In.Green, c.In.Blue)));
    EXPECT_EQ(out.Red, c.Out.Red);
    EXPECT_EQ(out.Green, c.Out.Green);
    EXPECT_EQ(out.Blue, c.Out.Blue);
}

INSTANTIATE_TEST_SUITE_P(Markup, ShadeColorTest,
                         testing::Values(TShadeCase{{255, 255, 255}, {231, 231, 231}},
                                         TShadeCase{{192, 192, 192}, {216, 216, 216}},
                                         TShadeCase{{250, 10, 10}, {255, 34, 34}},
                                         TShadeCase{{230, 230, 230}, {254, 254, 254}}, // mean 230 still lightens
                                         TShadeCase{{231, 231, 231}, {207, 207, 207}},
                                         TShadeCase{{0, 0, 0}, {24, 24, 24}}));

TEST(Colours, RedIsTheLowByte) {
    EXPECT_EQ(JoinRgb(1, 2, 3), 0x030201u);
    TRgb c = SplitRgb(0x030201u);
    EXPECT_EQ(c.Red, 1);
    EXPECT_EQ(c.Blue, 3);
    TRgb g = SplitRgb(GreyOf(JoinRgb(10, 20, 40)));
    EXPECT_EQ(g.Red, 23);
    EXPECT_EQ(g.Green, 23);
    EXPECT_EQ(g.Blue, 23);
}

TEST(Rounding, HalvesGoToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(PointsOfHeight(-11), 8);
    EXPECT_EQ(PointsOfHeight(14), 10); // 10.5
    EXPECT_EQ(PointsOfHeight(-16), 12);
}

TEST(FontSize, HeightFollowsAndSizeIsClamped) {
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

struct TUtf8Case {
    std::string Bytes;
    bool Valid;
    std::string Utf8;
};

class Utf8Test : public testing::TestWithParam<TUtf8Case> {};

TEST_P(Utf8Test, ValidTextStaysElseWindows1252) {
    EXPECT_EQ(IsValidUtf8(GetParam().Bytes), GetParam().Valid);
    EXPECT_EQ(ToUtf8(GetParam().Bytes), GetParam().Utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Markup, Utf8Test,
    testing::Values(TUtf8Case{"plain", true, "plain"}, TUtf8Case{"caf\xC3\xA9", true, "caf\xC3\xA9"},
                    TUtf8Case{"caf\xE9", false, "caf\xC3\xA9"},
                    TUtf8Case{"\x80 \x9F", false, "\xE2\x82\xAC \xC5\xB8"},
                    TUtf8Case{"\xC3", false, "\xC3\x83"},             // cut short
                    TUtf8Case{"\xC0\xAF", false, "\xC3\x80\xC2\xAF"}, // overlong
                    TUtf8Case{"\xED\xA0\x80", false, "\xC3\xAD\xC2\xA0\xE2\x82\xAC"}, // surrogate
                    TUtf8Case{"\xF0\x9F\x8E\xB8", true, "\xF0\x9F\x8E\xB8"},
                    TUtf8Case{"\x81", false, "\xC2\x81"}));

TEST(Utf8, DecodesAndEncodes) {
    EXPECT_EQ(DecodeUtf8("a\xCE\xB1\xF0\x9F\x8E\xB8"), std::u32string(U"a\u03B1\U0001F3B8"));
    EXPECT_EQ(DecodeUtf8("\xFF"), std::u32string(U"\uFFFD"));
    for (char32_t code : {U'a', U'\u00E9', U'\u221A', U'\U0001F3B8'})
        EXPECT_EQ(DecodeUtf8(EncodeUtf8(code)), std::u32string(1, code));
    EXPECT_EQ(Utf8CharLength("\xCE\xB1x", 0), 2u);
    EXPECT_EQ(Utf8CharLength("\xCE", 0), 1u);
    EXPECT_EQ(Utf8CharLength("x", 5), 0u);
}

TEST(SymbolFont, CodesMapToTheirCharacters) {
    EXPECT_EQ(SymbolToUnicode('a'), U'\u03B1');
    EXPECT_EQ(SymbolToUnicode('W'), U'\u03A9');
    EXPECT_EQ(SymbolToUnicode(214), U'\u221A');
    EXPECT_EQ(SymbolToUnicode(0xAE), U'\u2192');
    EXPECT_EQ(SymbolToUnicode(0xDE), U'\u21D2');
    EXPECT_EQ(SymbolToUnicode('1'), U'1');
    EXPECT_EQ(SymbolToUnicode(0x85), 0u);
    EXPECT_EQ(SymbolToUnicode(0x0A), 0u);
    EXPECT_EQ(SymbolToUnicode(0x3B1), 0x3B1u);
}

} // namespace
