#include "ui/main/TitleBarAccessible.h"

#include "controls/markup/QtAccessiblePart.h"
#include "ui/main/TitlePaintBox.h"

namespace {

QAccessibleInterface* MakeTitleBarAccessible(TTitlePaintBox* bar) {
    return new TLabelAccessible(bar, [bar] { return bar->SpokenText(); });
}

} // namespace

void InstallTitleBarAccessibility() {
    QAccessible::installFactory(AccessibleFactoryOf<TTitlePaintBox, MakeTitleBarAccessible>);
}

void AnnounceTitleBar(TTitlePaintBox& bar) {
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(&bar, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}
