#include "ui/dialogs/StatChart.h"

#include "controls/markup/TextCodec.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kMargin = 8;
constexpr int kRowGap = 4;
constexpr int kShortestChart = 120;

} // namespace

TStatChart::TStatChart(QWidget* parent) : QWidget(parent) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void TStatChart::SetTable(const TStatTable& table) {
    m_table = table;
    m_largest = 0;
    for (const TStatRow& row : m_table.Rows)
        m_largest = std::max(m_largest, row.Count);
    setMinimumHeight(sizeHint().height());
    updateGeometry();
    update();
}

int TStatChart::RowHeight() const {
    return fontMetrics().height() + kRowGap;
}

QSize TStatChart::sizeHint() const {
    const int rows = static_cast<int>(m_table.Rows.size());
    return {400, std::max(kShortestChart, 2 * kMargin + rows * RowHeight())};
}

void TStatChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    // Labels take what the longest needs, up to two fifths of the width.
    int labelWidth = 0, countWidth = 0;
    for (const TStatRow& row : m_table.Rows) {
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(BytesToQString(row.Label)));
        countWidth = std::max(countWidth, metrics.horizontalAdvance(QString::number(row.Count)));
    }
    // Advances are rounded: a pixel or two more, so that no full label is cut at a fractional scale.
    labelWidth = std::min(labelWidth + 2, width() * 2 / 5);
    const int barLeft = kMargin + labelWidth + kMargin;
    const int barSpace = std::max(1, width() - barLeft - kMargin - countWidth - kMargin);
    const QColor barColour = palette().color(QPalette::Highlight);
    int y = kMargin;
    for (const TStatRow& row : m_table.Rows) {
        const QRect labelRect(kMargin, y, labelWidth, RowHeight());
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(labelRect, Qt::AlignRight | Qt::AlignVCenter,
                         metrics.elidedText(BytesToQString(row.Label), Qt::ElideRight, labelWidth));
        const double share = m_largest > 0 ? double(row.Count) / double(m_largest) : 0.0;
        const QRectF bar(barLeft, y + kRowGap / 2.0, std::max(1.0, share * barSpace), RowHeight() - kRowGap);
        painter.fillRect(bar, barColour);
        painter.drawText(QRectF(bar.right() + kMargin, y, countWidth + kMargin, RowHeight()),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(row.Count));
        y += RowHeight();
    }
}
