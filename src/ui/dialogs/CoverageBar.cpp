#include "ui/dialogs/CoverageBar.h"

#include "controls/markup/QtColorScheme.h"

#include <QPainter>

void TCoverageBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QVariant value = index.data(kPercentRole);
    if (!value.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    plain.text.clear();
    QStyledItemDelegate::paint(painter, plain, QModelIndex());

    const int percent = qBound(0, value.toInt(), 100);
    // The figure stands right of the bar, so the bar never hides it.
    const int figureWidth = option.fontMetrics.horizontalAdvance(QStringLiteral("100 %")) + 6;
    const QRectF frame = QRectF(option.rect).adjusted(3, 2, -figureWidth, -2);
    painter->save();
    painter->setPen(QPen(option.palette.color(QPalette::Mid), 1));
    painter->setBrush(option.palette.color(QPalette::Base));
    painter->drawRect(frame);
    QRectF filled = frame.adjusted(1, 1, -1, -1);
    filled.setWidth(filled.width() * percent / 100.0);
    painter->fillRect(
        filled, SchemeColor(option.palette, percent == 100 ? TFixedColor::CoverageFull : TFixedColor::CoveragePart));
    painter->setPen(
        option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QRectF(frame.right(), option.rect.top(), figureWidth - 3, option.rect.height()),
                      Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 %").arg(percent));
    painter->restore();
}
