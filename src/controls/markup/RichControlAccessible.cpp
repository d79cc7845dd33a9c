#include "controls/markup/RichControlAccessible.h"

#include "controls/markup/RichControl.h"

#include <QAccessibleWidget>

namespace {

class TRichControlAccessible : public QAccessibleWidget {
public:
    explicit TRichControlAccessible(TRichControl* control) : QAccessibleWidget(control, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const std::string plain = static_cast<TRichControl*>(widget())->SpokenText();
        return QString::fromUtf8(plain.data(), static_cast<qsizetype>(plain.size()));
    }
};

QAccessibleInterface* RichControlFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("TRichControl") && object != nullptr && object->isWidgetType())
        return new TRichControlAccessible(static_cast<TRichControl*>(object));
    return nullptr;
}

} // namespace

void InstallRichControlAccessibility() {
    QAccessible::installFactory(RichControlFactory);
}
