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
