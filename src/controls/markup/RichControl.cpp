#include "RichControl.h"

#include "controls/markup/MarkupPlainText.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/RichControlAccessible.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

TRichControl::TRichControl(QWidget* parent) : QWidget(parent) {
    InstallRichControlAccessibility();
    setFocusPolicy(Qt::NoFocus);
    m_color = palette().color(QPalette::Window);
    m_fontColor = palette().color(QPalette::WindowText);
    resize(200, 4 * FontPixelHeight(font()));
}

std::string TRichControl::SpokenText() const {
    return MarkupPlainText(MarkupText());
}

void TRichControl::Redraw() {
    const int before = m_paintCount;
    if (isVisible())
        repaint();
    if (m_paintCount != before)
        return;
    // Hidden, or its window not exposed yet: paint off screen for the text size.
    QImage image(std::max(1, width()), std::max(1, height()), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintOn(painter);
}

void TRichControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintOn(painter);
}

void TRichControl::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown) {
        OnMouseDown(event);
        event->accept();
    } else {
        event->ignore();
    }
}

void TRichControl::PaintOn(QPainter& painter) {
    ++m_paintCount;
    const int w = width();
    const int h = height();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!m_transparent) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Background());
        painter.drawRoundedRect(QRectF(0, 0, w, h), 3, 3);
    }
    if (m_border) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(palette().color(QPalette::Active, QPalette::Light));
        painter.drawRoundedRect(QRect(1, 1, w - 2, h - 2), 3, 3);
        painter.setPen(BorderShadow());
        painter.drawRoundedRect(QRect(0, 0, w - 2, h - 2), 3, 3);
    }
    painter.setBrush(Qt::NoBrush);
    TQtMarkupCanvas canvas(painter, font(), m_fontColor);
    const int inset = Inset();
    TRect box = DrawMarkup(MarkupText(), {inset, inset, w - 6, h - 6}, m_alignment, m_vAlignment, m_justified,
                           isEnabled(), canvas);
    m_textWidth = box.Right - box.Left;
    m_textHeight = box.Bottom - box.Top;
}
