#include "ui/main/FocusFrame.h"

#include <QApplication>
#include <QPainter>
#include <QVBoxLayout>

TFocusFrame::TFocusFrame(QWidget* child, QWidget* parent) : QWidget(parent), m_child(child) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kWidth, kWidth, kWidth, kWidth);
    layout->addWidget(child);
    connect(qApp, &QApplication::focusChanged, this, &TFocusFrame::FocusMoved);
}

void TFocusFrame::FocusMoved() {
    const QWidget* focus = QApplication::focusWidget();
    const bool lit = focus && (focus == m_child || m_child->isAncestorOf(focus));
    if (lit == m_lit)
        return;
    m_lit = lit;
    update();
}

void TFocusFrame::paintEvent(QPaintEvent*) {
    if (!m_lit)
        return;
    QPainter painter(this);
    const QColor bar = palette().color(QPalette::Active, QPalette::Highlight);
    const QRect r = rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), kWidth), bar);
    painter.fillRect(QRect(r.left(), r.bottom() - kWidth + 1, r.width(), kWidth), bar);
    painter.fillRect(QRect(r.left(), r.top(), kWidth, r.height()), bar);
    painter.fillRect(QRect(r.right() - kWidth + 1, r.top(), kWidth, r.height()), bar);
}
