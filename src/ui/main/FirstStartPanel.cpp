#include "ui/main/FirstStartPanel.h"

#include "controls/markup/Markup.h"
#include "controls/markup/MarkupFontWalk.h"
#include "controls/markup/QtMarkupCanvas.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <map>

namespace {

constexpr int kTextWidth = 560;
constexpr int kMargin = 24;
constexpr int kFontHeight = -15;

} // namespace

TFirstStartPanel::TFirstStartPanel(QWidget* parent) : QWidget(parent) {
    setFont(MarkupFont("Arial", kFontHeight));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // the pointing hand over links
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void TFirstStartPanel::SetText(const TFirstStartText& text) {
    if (text.Markup == m_text.Markup && text.Links == m_text.Links)
        return;
    m_text = text;
    m_boxesValid = false;
    m_focused = hasFocus() && !m_text.Links.empty() ? 0 : -1;
    update();
}

TRect TFirstStartPanel::TextBounds() const {
    const int textWidth = std::min(kTextWidth, width() - 2 * kMargin);
    const int left = std::max((width() - textWidth) / 2, kMargin);
    const int top = std::max(height() / 6, kMargin);
    return {left, top, left + textWidth, height() - kMargin};
}

const std::vector<TLinkBox>& TFirstStartPanel::Boxes() {
    if (!m_boxesValid) {
        QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&scratch);
        TQtMarkupCanvas canvas(painter, font(), palette().color(QPalette::Text));
        const std::vector<TWord> words =
            LayoutMarkup(m_text.Markup, TextBounds(), taLeftJustify, taLeftJustify, false, canvas);
        m_boxes = LinkBoxes(words, MarkupMetrics(canvas.Font()).LineHeight);
        m_boxesValid = true;
    }
    return m_boxes;
}

QPoint TFirstStartPanel::LinkCentre(int index) {
    for (const TLinkBox& box : Boxes())
        if (box.Link == index)
            return QPoint((box.Box.Left + box.Box.Right) / 2, (box.Box.Top + box.Box.Bottom) / 2);
    return {-1, -1};
}

void TFirstStartPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TQtMarkupCanvas canvas(painter, font(), palette().color(QPalette::Text));
    DrawMarkup(m_text.Markup, TextBounds(), taLeftJustify, taLeftJustify, false, isEnabled(), canvas);
    if (!hasFocus() || m_focused < 0)
        return;
    // One frame around the link's words on each of its lines.
    std::map<int32_t, QRect> lines;
    for (const TLinkBox& box : Boxes())
        if (box.Link == m_focused)
            lines[box.Box.Top] |=
                QRect(box.Box.Left, box.Box.Top, box.Box.Right - box.Box.Left, box.Box.Bottom - box.Box.Top);
    painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
    for (const auto& line : lines)
        painter.drawRect(line.second.adjusted(-2, 0, 1, -1));
}

void TFirstStartPanel::resizeEvent(QResizeEvent* event) {
    m_boxesValid = false;
    QWidget::resizeEvent(event);
}

void TFirstStartPanel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    setCursor(LinkAt(Boxes(), at.x(), at.y()) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TFirstStartPanel::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        Activate(LinkAt(Boxes(), at.x(), at.y()));
}

void TFirstStartPanel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Activate(m_focused);
        return;
    case Qt::Key_Down:
        focusNextPrevChild(true);
        return;
    case Qt::Key_Up:
        focusNextPrevChild(false);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TFirstStartPanel::focusInEvent(QFocusEvent* event) {
    const int links = static_cast<int>(m_text.Links.size());
    if (links > 0)
        m_focused = event->reason() == Qt::BacktabFocusReason ? links - 1 : std::clamp(m_focused, 0, links - 1);
    update();
    QWidget::focusInEvent(event);
}

void TFirstStartPanel::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

bool TFirstStartPanel::focusNextPrevChild(bool next) {
    // Tab goes from link to link before it leaves the panel.
    const int target = m_focused + (next ? 1 : -1);
    if (hasFocus() && target >= 0 && target < static_cast<int>(m_text.Links.size())) {
        m_focused = target;
        update();
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void TFirstStartPanel::Activate(int link) {
    if (link >= 0 && link < static_cast<int>(m_text.Links.size()) && OnLink)
        OnLink(m_text.Links[static_cast<size_t>(link)]);
}
