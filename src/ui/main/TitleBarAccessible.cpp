#include "ui/main/TitleBarAccessible.h"

#include "ui/main/TitlePaintBox.h"

#include <QAccessibleWidget>

namespace {

class TTitleBarAccessible : public QAccessibleWidget {
public:
    explicit TTitleBarAccessible(TTitlePaintBox* bar) : QAccessibleWidget(bar, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const std::string line = static_cast<TTitlePaintBox*>(widget())->SpokenText();
        return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    }
};

QAccessibleInterface* TitleBarFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("TTitlePaintBox") && object != nullptr && object->isWidgetType())
        return new TTitleBarAccessible(static_cast<TTitlePaintBox*>(object));
    return nullptr;
}

} // namespace

void InstallTitleBarAccessibility() {
    QAccessible::installFactory(TitleBarFactory);
}

void AnnounceTitleBar(TTitlePaintBox& bar) {
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(&bar, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}
