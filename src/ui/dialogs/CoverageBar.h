#pragma once

#include <QStyledItemDelegate>

// Draws a number 0..100 (kPercentRole of the item) as a bar with the
// percentage on it, in vectors, so that it stays sharp at any scale.
class TCoverageBarDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int kPercentRole = Qt::UserRole + 10;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
