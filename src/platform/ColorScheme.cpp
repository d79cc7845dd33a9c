#include "platform/ColorScheme.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr TColor Rgb(unsigned r, unsigned g, unsigned b) {
    return TColor(r | (g << 8) | (b << 16));
}

struct TColorRow {
    TFixedColor Which;
    TColor Light;
    TColor Dark;
};

// clang-format off
const TColorRow kTable[] = {
    {TFixedColor::Window,            Rgb(240, 240, 240), Rgb( 56,  56,  58)},
    {TFixedColor::WindowText,        Rgb(  0,   0,   0), Rgb(232, 232, 232)},
    {TFixedColor::Base,              Rgb(255, 255, 255), Rgb( 30,  30,  32)},
    {TFixedColor::AlternateBase,     Rgb(245, 245, 245), Rgb( 42,  42,  44)},
    {TFixedColor::Text,              Rgb(  0,   0,   0), Rgb(232, 232, 232)},
    {TFixedColor::Button,            Rgb(240, 240, 240), Rgb( 62,  62,  64)},
    {TFixedColor::ButtonText,        Rgb(  0,   0,   0), Rgb(232, 232, 232)},
    {TFixedColor::Highlight,         Rgb( 38, 110, 180), Rgb( 42, 110, 190)},
    {TFixedColor::HighlightedText,   Rgb(255, 255, 255), Rgb(255, 255, 255)},
    {TFixedColor::Light,             Rgb(255, 255, 255), Rgb( 92,  92,  96)},
    {TFixedColor::Midlight,          Rgb(227, 227, 227), Rgb( 72,  72,  76)},
    {TFixedColor::Mid,               Rgb(160, 160, 160), Rgb( 48,  48,  50)},
    {TFixedColor::Dark,              Rgb(160, 160, 160), Rgb( 28,  28,  30)},
    {TFixedColor::Shadow,            Rgb(105, 105, 105), Rgb( 16,  16,  16)},
    {TFixedColor::DisabledText,      Rgb(120, 120, 120), Rgb(140, 140, 140)},
    {TFixedColor::ToolTipBase,       Rgb(255, 255, 220), Rgb( 60,  60,  48)},
    {TFixedColor::ToolTipText,       Rgb(  0,   0,   0), Rgb(232, 232, 232)},
    {TFixedColor::Link,              Rgb(  0,   0, 238), Rgb(130, 180, 255)},
    {TFixedColor::RowPlain,          Rgb(255, 255, 255), Rgb( 30,  30,  32)},
    {TFixedColor::RowShaded,         Rgb(240, 240, 240), Rgb( 44,  44,  48)},
    {TFixedColor::RowTint,           Rgb(255, 255, 192), Rgb( 52,  50,  26)},
    {TFixedColor::RowTintShaded,     Rgb(240, 240, 176), Rgb( 66,  63,  32)},
    {TFixedColor::HitsMany,          Rgb(255, 144, 144), Rgb(118,  38,  38)},
    {TFixedColor::HitsOne,           Rgb(255, 176, 176), Rgb( 90,  40,  40)},
    {TFixedColor::HitsTintMany,      Rgb(239, 160, 160), Rgb(112,  52,  34)},
    {TFixedColor::HitsTintOne,       Rgb(239, 192, 192), Rgb( 86,  54,  36)},
    {TFixedColor::OwnedPlain,        Rgb(204, 255, 204), Rgb( 28,  70,  36)},
    {TFixedColor::OwnedShaded,       Rgb(192, 240, 192), Rgb( 36,  84,  44)},
    {TFixedColor::OwnedTint,         Rgb(204, 255, 153), Rgb( 48,  74,  24)},
    {TFixedColor::OwnedTintShaded,   Rgb(192, 240, 140), Rgb( 58,  86,  28)},
    {TFixedColor::CellError,         Rgb(255, 160, 160), Rgb(128,  36,  36)},
    {TFixedColor::CellErrorSelected, Rgb(255,  96,  96), Rgb(160,  48,  48)},
    {TFixedColor::CoverageFull,      Rgb( 64, 160,  64), Rgb( 70, 160,  70)},
    {TFixedColor::CoveragePart,      Rgb(120, 190, 120), Rgb( 44, 100,  44)},
};

using F = TFixedColor;
const std::vector<TColorPair> kPairs = {
    {F::WindowText, F::Window},      {F::Text, F::Base},
    {F::Text, F::AlternateBase},     {F::ButtonText, F::Button},
    {F::HighlightedText, F::Highlight}, {F::ToolTipText, F::ToolTipBase},
    {F::Link, F::Base},
    {F::Text, F::RowPlain},          {F::Text, F::RowShaded},
    {F::Text, F::RowTint},           {F::Text, F::RowTintShaded},
    {F::Text, F::HitsMany},          {F::Text, F::HitsOne},
    {F::Text, F::HitsTintMany},      {F::Text, F::HitsTintOne},
    {F::Text, F::OwnedPlain},        {F::Text, F::OwnedShaded},
    {F::Text, F::OwnedTint},         {F::Text, F::OwnedTintShaded},
    {F::Text, F::CellError},         {F::Text, F::CellErrorSelected},
};
// clang-format on

double Linear(unsigned channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

TScheme SchemeOfWindow(TColor window) {
    const unsigned r = window & 0xFF, g = (window >> 8) & 0xFF, b = (window >> 16) & 0xFF;
    const unsigned sum = std::max({r, g, b}) + std::min({r, g, b});
    return sum < 255 ? TScheme::Dark : TScheme::Light;
}

TColor FixedColor(TFixedColor which, TScheme scheme) {
    static_assert(sizeof(kTable) / sizeof(kTable[0]) == size_t(TFixedColor::Count), "one row per colour");
    const TColorRow& row = kTable[size_t(which)];
    return scheme == TScheme::Dark ? row.Dark : row.Light;
}

const std::vector<TColorPair>& TextOnBackgroundPairs() {
    return kPairs;
}

double RelativeLuminance(TColor color) {
    return 0.2126 * Linear(color & 0xFF) + 0.7152 * Linear((color >> 8) & 0xFF) + 0.0722 * Linear((color >> 16) & 0xFF);
}

double ContrastRatio(TColor a, TColor b) {
    const double x = RelativeLuminance(a), y = RelativeLuminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}
