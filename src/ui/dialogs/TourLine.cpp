#include "ui/dialogs/TourLine.h"

#include "controls/markup/TextCodec.h"
#include "program/ConcertLists.h"
#include "program/ListCommands.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QStylePainter>

namespace {

constexpr int kBandIndent = 2;
constexpr int kTourIndent = 15;
constexpr size_t kPrefixLength = 4; // "$f01" or "$f02"

} // namespace

TTourLineLook TourLineLook(const std::string& line) {
    TTourLineLook look;
    look.Band = line.compare(0, kPrefixLength, kBandLinePrefix) == 0;
    const std::string text = line.size() > kPrefixLength ? line.substr(kPrefixLength) : std::string();
    look.Text = BytesToQString(look.Band ? SearchUpperCase(text) : text);
    return look;
}

void DrawTourLine(QPainter& painter, const QRect& rect, const QFont& font, const TTourLineLook& look,
                  const QColor& pen) {
    QFont lineFont = font;
    lineFont.setBold(look.Band);
    painter.save();
    painter.setFont(lineFont);
    painter.setPen(pen);
    const QRect text = rect.adjusted(look.Band ? kBandIndent : kTourIndent, 0, -2, 0);
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(look.Text, Qt::ElideRight, text.width()));
    painter.restore();
}

void TTourLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    const QWidget* widget = option.widget;
    if (QStyle* style = widget ? widget->style() : nullptr)
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    const bool selected = option.state & QStyle::State_Selected;
    DrawTourLine(*painter, option.rect, option.font, {index.data().toString(), index.data(Qt::UserRole).toBool()},
                 option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
}

QSize TTourLineDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kTourLineHeight};
}

TTourComboBox::TTourComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new TTourLineDelegate(this));
    // Drops down below the box, as a drop-down list does, rather than over it.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}

void TTourComboBox::SetLines(const std::vector<std::string>& lines) {
    const QSignalBlocker block(this);
    clear();
    for (const std::string& line : lines) {
        const TTourLineLook look = TourLineLook(line);
        addItem(look.Text, look.Band);
    }
}

void TTourComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    DrawTourLine(painter, field, font(), {currentText(), currentData(Qt::UserRole).toBool()},
                 palette().color(QPalette::ButtonText));
}
