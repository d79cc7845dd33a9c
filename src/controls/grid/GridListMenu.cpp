#include "controls/grid/GridListMenu.h"

#include "controls/grid/GridItemPainter.h"
#include "controls/markup/QtMarkupCanvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace {

// Gives every item of a list menu the size the grid measured for it.
class TListMenuStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (type == CT_MenuItem)
            if (auto* menu = qobject_cast<const TGridListMenu*>(widget))
                return menu->ItemSize();
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }
};

} // namespace

TGridListMenu::TGridListMenu(QWidget* parent, IGridItemPainter& painter)
    : QMenu(parent), m_painter(painter), m_style(std::make_unique<TListMenuStyle>()) {
    setStyle(m_style.get());
}

TGridListMenu::~TGridListMenu() {
    setStyle(nullptr); // the proxy goes before the widget's last use of it
}

void TGridListMenu::Rebuild(int count, const QSize& itemSize) {
    m_itemSize = itemSize.expandedTo(QSize(1, 1));
    clear();
    for (int n = 0; n < count; ++n)
        addAction(QString())->setData(n);
}

QAction* TGridListMenu::Item(int index) const {
    const QList<QAction*> items = actions();
    return index >= 0 && index < items.size() ? items[index] : nullptr;
}

void TGridListMenu::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const TGridColors colors = m_painter.Colors();
    painter.fillRect(rect(), ToQColor(colors.Window));
    const QList<QAction*> items = actions();
    for (QAction* action : items) {
        const QRect place = actionGeometry(action);
        if (!place.intersects(event->rect()))
            continue;
        m_painter.DrawItem(painter, place, action->data().toInt(), action == activeAction(), colors.Window);
    }
    painter.setPen(ToQColor(colors.ButtonShadow));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
