#include "FilterPanel.h"

#include "controls/markup/MarkupSupport.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/RichLabel.h"
#include "controls/markup/TextCodec.h"
#include "ui/dialogs/TourLine.h"
#include "ui/main/FocusFrame.h"

#include <QItemSelectionModel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

constexpr int kLineHeight = kTourLineHeight;
constexpr int kEdgeGrab = 2;
constexpr int kEdgeMargin = 4;
constexpr int kMinWidth = 100;
// The whole lines the source and media lists show.
constexpr int kSourceLines = 7;
constexpr int kMediaLines = 9;

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

// Lines of `TLines`' look, 14 pixels high, the focused one outlined.
template <class TLines> class TFilterLineDelegate : public TLines {
public:
    using TLines::TLines;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        item.state &= ~QStyle::State_HasFocus;
        TLines::paint(painter, item, index);
        OutlineCurrentLine(*painter, option);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {TLines::sizeHint(option, index).width(), kLineHeight};
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

bool SameLines(const QListWidget& list, const std::vector<QString>& lines) {
    if (list.count() != static_cast<int>(lines.size()))
        return false;
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->text() != lines[static_cast<size_t>(i)])
            return false;
    return true;
}

// A Tours folder can hold a hundred thousand bands: the lines and their
// selection are set in one step each, never line by line through the view.
void FillList(QListWidget& list, const std::vector<QString>& lines, const std::vector<bool>& bold) {
    if (SameLines(list, lines))
        return;
    list.clear();
    // Items get their data before they join the list, so that no change
    // has to be found and reported per line.
    for (size_t i = 0; i < lines.size(); ++i) {
        auto* item = new QListWidgetItem(lines[i]);
        item->setToolTip(lines[i]);
        item->setData(Qt::UserRole, i < bold.size() && bold[i]);
        list.insertItem(static_cast<int>(i), item);
    }
}

std::vector<bool> Selected(const QListWidget& list) {
    std::vector<bool> selected(static_cast<size_t>(list.count()));
    for (const QItemSelectionRange& range : list.selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            if (row >= 0 && row < list.count())
                selected[static_cast<size_t>(row)] = true;
    return selected;
}

void Select(QListWidget& list, std::vector<bool> selected) {
    selected.resize(static_cast<size_t>(list.count()), false);
    if (Selected(list) == selected)
        return;
    QItemSelection runs;
    for (int row = 0; row < list.count(); ++row) {
        if (!selected[static_cast<size_t>(row)])
            continue;
        int last = row;
        while (last + 1 < list.count() && selected[static_cast<size_t>(last + 1)])
            ++last;
        runs.select(list.model()->index(row, 0), list.model()->index(last, 0));
        row = last;
    }
    list.selectionModel()->select(runs, QItemSelectionModel::ClearAndSelect);
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
    m_tourLB->setItemDelegate(new TFilterLineDelegate<TTourLineDelegate>(m_tourLB));
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
    list->setItemDelegate(new TFilterLineDelegate<QStyledItemDelegate>(list));
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
        const TTourLineLook look = TourLineLook(line);
        bandTexts.push_back(look.Text);
        bold.push_back(look.Band);
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
