#include "platform/ColorScheme.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Rgb(unsigned r, unsigned g, unsigned b) {
    return TColor(r | (g << 8) | (b << 16));
}

class ColorSchemeContrast : public ::testing::TestWithParam<TScheme> {};

TEST_P(ColorSchemeContrast, EveryTextIsReadableOnEveryBackgroundItIsDrawnOn) {
    for (const TColorPair& pair : TextOnBackgroundPairs()) {
        const TColor text = FixedColor(pair.Text, GetParam());
        const TColor back = FixedColor(pair.Background, GetParam());
        EXPECT_GE(ContrastRatio(text, back), 4.5) << int(pair.Text) << " on " << int(pair.Background);
    }
}

TEST_P(ColorSchemeContrast, ItsOwnWindowColourChoosesIt) {
    EXPECT_EQ(SchemeOfWindow(FixedColor(TFixedColor::Window, GetParam())), GetParam());
}

INSTANTIATE_TEST_SUITE_P(BothSchemes, ColorSchemeContrast, ::testing::Values(TScheme::Light, TScheme::Dark));

TEST(ColorScheme, EveryRowAndCellColourHasADarkerCounterpartAndATextPair) {
    for (int c = int(TFixedColor::RowPlain); c <= int(TFixedColor::CellErrorSelected); ++c) {
        const auto which = TFixedColor(c);
        EXPECT_LT(RelativeLuminance(FixedColor(which, TScheme::Dark)),
                  RelativeLuminance(FixedColor(which, TScheme::Light)))
            << c;
        bool paired = false;
        for (const TColorPair& pair : TextOnBackgroundPairs())
            paired = paired || pair.Background == which;
        EXPECT_TRUE(paired) << c;
    }
}

TEST(ContrastRatio, GivesTheKnownRatiosInEitherOrder) {
    EXPECT_DOUBLE_EQ(ContrastRatio(Rgb(0, 0, 0), Rgb(255, 255, 255)), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(Rgb(90, 20, 200), Rgb(90, 20, 200)), 1.0);
    // Grey 119 just fails 4.5:1 on white and grey 118 just passes.
    EXPECT_NEAR(ContrastRatio(Rgb(119, 119, 119), Rgb(255, 255, 255)), 4.48, 0.005);
    EXPECT_NEAR(ContrastRatio(Rgb(255, 255, 255), Rgb(118, 118, 118)), 4.54, 0.005);
    // Green weighs most, blue least.
    EXPECT_GT(RelativeLuminance(Rgb(0, 200, 0)), RelativeLuminance(Rgb(200, 0, 0)));
    EXPECT_GT(RelativeLuminance(Rgb(200, 0, 0)), RelativeLuminance(Rgb(0, 0, 200)));
}

TEST(SchemeOfWindow, IsDarkBelowHalfLightness) {
    const struct {
        TColor Window;
        TScheme Expected;
    } cases[] = {
        {Rgb(255, 255, 255), TScheme::Light}, {Rgb(128, 128, 128), TScheme::Light}, {Rgb(127, 127, 127), TScheme::Dark},
        {Rgb(255, 0, 0), TScheme::Light},     {Rgb(0, 0, 254), TScheme::Dark},      {Rgb(30, 30, 60), TScheme::Dark},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SchemeOfWindow(c.Window), c.Expected) << std::hex << c.Window;
}

} // namespace
