#include "controls/markup/QtAccessiblePart.h"

#include <QWindow>

QWindow* TAccessiblePart::window() const {
    const QWidget* top = m_owner ? m_owner->window() : nullptr;
    return top ? top->windowHandle() : nullptr;
}

QAccessibleInterface* TAccessiblePart::parent() const {
    return m_owner ? QAccessible::queryAccessibleInterface(m_owner.data()) : nullptr;
}

QRect TAccessiblePart::OnScreen(const QWidget& widget, const QRect& rect) {
    return QRect(widget.mapToGlobal(rect.topLeft()), rect.size());
}

QAccessibleInterface* TAccessibleParts::Get(int key, const std::function<QAccessibleInterface*()>& make) {
    const auto found = m_ids.find(key);
    if (found != m_ids.end())
        return QAccessible::accessibleInterface(found->second);
    QAccessibleInterface* part = make();
    m_ids.emplace(key, QAccessible::registerAccessibleInterface(part));
    return part;
}

void TAccessibleParts::Clear() {
    for (const auto& [key, id] : m_ids)
        QAccessible::deleteAccessibleInterface(id);
    m_ids.clear();
}

QAccessibleInterface* TPartsAccessible::child(int index) const {
    if (index < 0 || index >= PartCount())
        return nullptr;
    return m_parts.Get(index, [&] { return NewPart(index); });
}

int TPartsAccessible::indexOfChild(const QAccessibleInterface* part) const {
    for (int i = 0; i < PartCount(); ++i)
        if (child(i) == part)
            return i;
    return -1;
}

QAccessibleInterface* TPartsAccessible::childAt(int x, int y) const {
    return child(PartAt(widget()->mapFromGlobal(QPoint(x, y))));
}

QString TLabelAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
        return QAccessibleWidget::text(t);
    const std::string text = m_text();
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
