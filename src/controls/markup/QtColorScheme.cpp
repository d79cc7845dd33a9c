#include "controls/markup/QtColorScheme.h"

#include "controls/markup/QtMarkupCanvas.h"

#include <QApplication>
#include <QStyleFactory>

TScheme SchemeOf(const QPalette& palette) {
    return SchemeOfWindow(ToTColor(palette.color(QPalette::Window)));
}

QColor SchemeColor(const QPalette& palette, TFixedColor which) {
    return ToQColor(FixedColor(which, SchemeOf(palette)));
}

QPalette DarkPalette() {
    using F = TFixedColor;
    auto dark = [](F which) { return ToQColor(FixedColor(which, TScheme::Dark)); };
    // clang-format off
    const std::pair<QPalette::ColorRole, F> roles[] = {
        {QPalette::Window, F::Window},         {QPalette::WindowText, F::WindowText},
        {QPalette::Base, F::Base},             {QPalette::AlternateBase, F::AlternateBase},
        {QPalette::Text, F::Text},             {QPalette::Button, F::Button},
        {QPalette::ButtonText, F::ButtonText}, {QPalette::Highlight, F::Highlight},
        {QPalette::HighlightedText, F::HighlightedText},
        {QPalette::Light, F::Light},           {QPalette::Midlight, F::Midlight},
        {QPalette::Mid, F::Mid},               {QPalette::Dark, F::Dark},
        {QPalette::Shadow, F::Shadow},         {QPalette::ToolTipBase, F::ToolTipBase},
        {QPalette::ToolTipText, F::ToolTipText}, {QPalette::Link, F::Link},
        {QPalette::BrightText, F::HighlightedText}, {QPalette::PlaceholderText, F::DisabledText},
    };
    // clang-format on
    QPalette palette;
    for (const auto& [role, which] : roles)
        palette.setColor(role, dark(which));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, dark(F::DisabledText));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, dark(F::Mid));
    return palette;
}

void ApplyPaletteFromEnvironment() {
    if (qgetenv("KORVALEN_PALETTE") != "dark")
        return;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(DarkPalette());
}
