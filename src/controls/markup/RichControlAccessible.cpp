#include "controls/markup/RichControlAccessible.h"

#include "controls/markup/QtAccessiblePart.h"
#include "controls/markup/RichControl.h"

namespace {

QAccessibleInterface* MakeRichControlAccessible(TRichControl* control) {
    return new TLabelAccessible(control, [control] { return control->SpokenText(); });
}

} // namespace

void InstallRichControlAccessibility() {
    QAccessible::installFactory(AccessibleFactoryOf<TRichControl, MakeRichControlAccessible>);
}
