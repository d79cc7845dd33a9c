#include "FilterPanel.h"

#include "controls/markup/MarkupSupport.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/RichLabel.h"
#include "controls/markup/TextCodec.h"
#include "program/ConcertLists.h"
#include "ui/main/FocusFrame.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <cstring>

namespace {

constexpr int kLineHeight = 14;
constexpr int kEdgeGrab = 2;
constexpr int kEdgeMargin = 4;
constexpr int kMinWidth = 100;
constexpr int kTourIndent = 15;
constexpr int kBandIndent = 2;
// The whole lines the source and media lists show.
constexpr int kSourceLines = 7;
constexpr int kMediaLines = 9;

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// The line the keys act on, in the focused list: a plain frame, clearer than
// the style's dotted one.
void OutlineCurrentLine(QPainter& painter, const QStyleOptionViewItem& option) {
    if (!(option.state & QStyle::State_HasFocus))
        return;
    painter.save();
    painter.setPen(
        option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(option.rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

// Bands (and the "all" line) in bold capitals, tours indented below them.
class TTourLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        item.text.clear();
        item.state &= ~QStyle::State_HasFocus;
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        const bool band = index.data(Qt::UserRole).toBool();
        QFont font = option.font;
        font.setBold(band);
        painter->save();
        painter->setFont(font);
        painter->setPen(
            option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        QRect text = option.rect.adjusted(band ? kBandIndent : kTourIndent, 0, -2, 0);
        painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                          painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideRight, text.width()));
        painter->restore();
        OutlineCurrentLine(*painter, option);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kLineHeight};
    }
};

class TLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        item.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, item, index);
        OutlineCurrentLine(*painter, option);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kLineHeight};
    }
};

// The height of a list showing as many whole lines as fit into `room`, at least one.
int WholeLinesHeight(const QListWidget& list, int room) {
    const int frame = 2 * list.frameWidth();
    return frame + std::max(1, (room - frame) / kLineHeight) * kLineHeight;
}

// Gives its list the room it gets in the panel, cut down to whole lines: a
// list shows no half line at any size of the window.
class TWholeLinesSlot : public QWidget {
public:
    TWholeLinesSlot(QListWidget* list, QWidget* parent)
        : QWidget(parent), m_list(list), m_frame(new TFocusFrame(list, this)) {
        setMinimumHeight(kAround + WholeLinesHeight(*list, 0));
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        m_frame->setGeometry(0, 0, width(), kAround + WholeLinesHeight(*m_list, height() - kAround));
    }

private:
    static constexpr int kAround = 2 * TFocusFrame::kWidth;
    QListWidget* m_list;
    TFocusFrame* m_frame;
};

// Only the letters a..z change, as in the rest of the program.
QString UpperAscii(const std::string& bytes) {
    std::string upper = bytes;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return BytesToQString(upper);
}

bool SameLines(const QListWidget& list, const std::vector<QString>& lines) {
    if (list.count() != static_cast<int>(lines.size()))
        return false;
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->text() != lines[static_cast<size_t>(i)])
            return false;
    return true;
}

void FillList(QListWidget& list, const std::vector<QString>& lines, const std::vector<bool>& bold) {
    if (SameLines(list, lines))
        return;
    list.clear();
    for (size_t i = 0; i < lines.size(); ++i) {
        auto* item = new QListWidgetItem(lines[i], &list);
        item->setToolTip(lines[i]);
        item->setData(Qt::UserRole, i < bold.size() && bold[i]);
    }
}

void Select(QListWidget& list, const std::vector<bool>& selected) {
    for (int i = 0; i < list.count(); ++i)
        list.item(i)->setSelected(i < static_cast<int>(selected.size()) && selected[static_cast<size_t>(i)]);
}

std::vector<bool> Selected(const QListWidget& list) {
    std::vector<bool> selected(static_cast<size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i)
        selected[static_cast<size_t>(i)] = list.item(i)->isSelected();
    return selected;
}

std::vector<QString> Texts(const std::vector<std::string>& lines) {
    std::vector<QString> texts;
    texts.reserve(lines.size());
    for (const std::string& line : lines)
        texts.push_back(BytesToQString(line));
    return texts;
}

} // namespace

TFilterPanel::TFilterPanel(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(ShadeColor(ToTColor(colours.color(QPalette::Button)))));
    setPalette(colours);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    // The lists' focus frames reach into the left margin.
    layout->setContentsMargins(5 - TFocusFrame::kWidth, 5, kEdgeMargin + 1, 5);
    layout->setSpacing(2);
    m_tourLB = AddList("Bands and tours", 0);
    m_tourLB->setItemDelegate(new TTourLineDelegate(m_tourLB));
    m_sourceLB = AddList("Source", kSourceLines);
    m_mediaLB = AddList("Media", kMediaLines);
}

int TFilterPanel::FittedWidth(int wanted, int room) {
    return std::max(kMinWidth, std::min(wanted, room - kMinWidth));
}

QListWidget* TFilterPanel::AddList(const char* caption, int lines) {
    auto* label = new TRichLabel(this);
    label->setFont(MarkupFont("Arial", -11, true));
    label->SetCaption(caption);
    label->SetBorder(false);
    label->SetTransparent(true);
    label->setFixedHeight(20);
    layout()->addWidget(label);

    auto* list = new QListWidget(this);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setItemDelegate(new TLineDelegate(list));
    list->setFont(MarkupFont("Arial", -11));
    if (lines > 0) {
        list->setFixedHeight(WholeLinesHeight(*list, 2 * list->frameWidth() + lines * kLineHeight));
        layout()->addWidget(new TFocusFrame(list, this));
    } else {
        // The first list takes the room the others leave.
        static_cast<QVBoxLayout*>(layout())->addWidget(new TWholeLinesSlot(list, this), 1);
    }
    connect(list, &QListWidget::itemSelectionChanged, this, [this] { emit Changed(); });
    return list;
}

void TFilterPanel::SetLines(const std::vector<std::string>& bands, const std::vector<std::string>& sources,
                            const std::vector<std::string>& media) {
    std::vector<QString> bandTexts;
    std::vector<bool> bold;
    for (const std::string& line : bands) {
        const bool band = StartsWith(line, kBandLinePrefix);
        const std::string text = line.size() > 4 ? line.substr(4) : std::string();
        bandTexts.push_back(band ? UpperAscii(text) : BytesToQString(text));
        bold.push_back(band);
    }
    const QSignalBlocker blockTours(m_tourLB), blockSources(m_sourceLB), blockMedia(m_mediaLB);
    FillList(*m_tourLB, bandTexts, bold);
    FillList(*m_sourceLB, Texts(sources), {});
    FillList(*m_mediaLB, Texts(media), {});
}

void TFilterPanel::SetSelection(const TFilterSelection& selection) {
    const QSignalBlocker blockTours(m_tourLB), blockSources(m_sourceLB), blockMedia(m_mediaLB);
    Select(*m_tourLB, selection.Bands);
    Select(*m_sourceLB, selection.Sources);
    Select(*m_mediaLB, selection.Media);
}

TFilterSelection TFilterPanel::Selection() const {
    return {Selected(*m_tourLB), Selected(*m_sourceLB), Selected(*m_mediaLB)};
}

bool TFilterPanel::SelectAllInFocusedList() {
    for (QListWidget* list : {m_tourLB, m_sourceLB, m_mediaLB}) {
        if (!list->hasFocus())
            continue;
        const QSignalBlocker block(list);
        list->selectAll();
        return true;
    }
    return false;
}

bool TFilterPanel::NearEdge(int x) const {
    return std::abs(width() - x) <= kEdgeGrab + 1;
}

void TFilterPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && NearEdge(event->position().toPoint().x()))
        m_resizing = true;
    QWidget::mousePressEvent(event);
}

void TFilterPanel::mouseMoveEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (event->buttons() != Qt::LeftButton)
        m_resizing = false;
    if (m_resizing) {
        emit WidthDragged(parentWidget() ? FittedWidth(x, parentWidget()->width()) : std::max(kMinWidth, x));
    } else {
        setCursor(NearEdge(x) ? Qt::SplitHCursor : Qt::ArrowCursor);
    }
    QWidget::mouseMoveEvent(event);
}

void TFilterPanel::mouseReleaseEvent(QMouseEvent* event) {
    m_resizing = false;
    QWidget::mouseReleaseEvent(event);
}
