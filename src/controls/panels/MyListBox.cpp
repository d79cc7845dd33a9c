#include "controls/panels/MyListBox.h"

#include "controls/markup/TextCodec.h"

#include <QAbstractItemDelegate>
#include <QDrag>
#include <QDragMoveEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace {

constexpr int kBytesRole = Qt::UserRole;
constexpr int kTextIndent = 2; // standard text from the item's left edge
const char* const kDragMime = "application/x-korvalen-list-lines";

} // namespace

// Paints every line through the list box: the margin stays clear, the owner
// draws the rest, the focus frame goes on top.
class TMyListBoxDelegate : public QAbstractItemDelegate {
public:
    explicit TMyListBoxDelegate(TMyListBox& box) : QAbstractItemDelegate(&box), m_box(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QRect rect = option.rect;
        rect.setLeft(rect.left() + m_box.m_textOffset);
        const QPalette& colors = m_box.palette();
        TOwnerDrawState state = 0;
        if (option.state & QStyle::State_Selected)
            state |= odSelected;
        if (option.state & QStyle::State_HasFocus)
            state |= odFocused;
        if (!m_box.isEnabled())
            state |= odDisabled;

        painter->save();
        painter->setFont(m_box.font());
        painter->setBrush((state & odSelected) ? colors.color(QPalette::Active, QPalette::Highlight)
                                               : colors.color(QPalette::Active, QPalette::Base));
        QColor text = (state & odSelected) ? colors.color(QPalette::Active, QPalette::HighlightedText)
                                           : colors.color(QPalette::Active, QPalette::Text);
        if (state & odDisabled)
            text = colors.color(QPalette::Disabled, QPalette::Text);
        painter->setPen(text);
        if (m_box.OnDrawItem)
            m_box.OnDrawItem(m_box, index.row(), rect, state, *painter);
        else
            m_box.DrawItemText(*painter, index.row(), rect);
        painter->restore();

        if (state & odFocused) {
            QStyleOptionFocusRect frame;
            frame.initFrom(&m_box);
            frame.rect = rect;
            frame.state |= QStyle::State_KeyboardFocusChange;
            frame.backgroundColor = painter->brush().color();
            m_box.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, &m_box);
        }
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return QSize(m_box.viewport()->width(), m_box.m_itemHeight);
    }

private:
    TMyListBox& m_box;
};

TMyListBox::TMyListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new TMyListBoxDelegate(*this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The toolkit would give the focus before the press arrives; the press
    // takes it itself, so that one in the margin can leave it where it is.
    setFocusPolicy(Qt::TabFocus);
    m_itemHeight = fontMetrics().height() + 2;
}

TMyListBox::~TMyListBox() = default;

void TMyListBox::SetTextOffset(int32_t value) {
    if (value == m_textOffset)
        return;
    m_textOffset = value;
    viewport()->repaint();
}

void TMyListBox::SetItemHeight(int32_t value) {
    if (value < 1 || value == m_itemHeight)
        return;
    m_itemHeight = value;
    // Uniform sizes are cached; a new delegate size hint resets them.
    doItemsLayout();
    FitWholeLines();
}

void TMyListBox::SetIntegralHeight(bool value) {
    if (value == m_integralHeight)
        return;
    m_integralHeight = value;
    FitWholeLines();
}

void TMyListBox::FitWholeLines() {
    if (!m_integralHeight)
        return;
    // The viewport may not be laid out yet; the frame is all around it.
    const int frame = 2 * frameWidth();
    const int lines = std::max(1, (height() - frame) / m_itemHeight);
    const int wanted = frame + lines * m_itemHeight;
    if (wanted != height())
        resize(width(), wanted);
}

void TMyListBox::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    FitWholeLines();
}

void TMyListBox::SetMultiSelect(bool value) {
    setSelectionMode(value ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TMyListBox::SetDragAutomatic(bool value) {
    m_dragAutomatic = value;
    setDragEnabled(value);
    setAcceptDrops(value);
    viewport()->setAcceptDrops(value);
    setDragDropMode(value ? QAbstractItemView::DragDrop : QAbstractItemView::NoDragDrop);
    setDropIndicatorShown(false);
}

void TMyListBox::SetItems(const std::vector<std::string>& items) {
    clear();
    for (const std::string& text : items)
        AddItem(text);
}

void TMyListBox::AddItem(const std::string& text) {
    auto* line = new QListWidgetItem(BytesToQString(text));
    line->setData(kBytesRole, QByteArray(text.data(), static_cast<int>(text.size())));
    addItem(line);
}

std::string TMyListBox::ItemText(int32_t index) const {
    const QListWidgetItem* line = item(index);
    if (line == nullptr)
        return {};
    const QByteArray bytes = line->data(kBytesRole).toByteArray();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::vector<std::string> TMyListBox::Items() const {
    std::vector<std::string> items;
    items.reserve(static_cast<size_t>(count()));
    for (int32_t i = 0; i < count(); ++i)
        items.push_back(ItemText(i));
    return items;
}

void TMyListBox::SetItemIndex(int32_t index) {
    if (index < 0 || index >= count())
        setCurrentRow(-1);
    else
        setCurrentRow(index);
}

bool TMyListBox::Selected(int32_t index) const {
    const QListWidgetItem* line = item(index);
    return line != nullptr && line->isSelected();
}

void TMyListBox::SetSelected(int32_t index, bool value) {
    if (QListWidgetItem* line = item(index))
        line->setSelected(value);
}

int32_t TMyListBox::SelCount() const {
    return static_cast<int32_t>(selectedItems().size());
}

int32_t TMyListBox::ItemAtPos(const QPoint& point, bool existing) const {
    const QModelIndex at = indexAt(point);
    if (at.isValid())
        return at.row();
    return existing ? -1 : count();
}

QRect TMyListBox::ItemRect(int32_t index) const {
    const QListWidgetItem* line = item(index);
    return line == nullptr ? QRect() : visualItemRect(line);
}

void TMyListBox::DrawItemText(QPainter& canvas, int32_t index, const QRect& rect) const {
    canvas.fillRect(rect, canvas.brush());
    const QListWidgetItem* line = item(index);
    if (line == nullptr)
        return;
    canvas.drawText(rect.adjusted(kTextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    line->text());
}

void TMyListBox::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && InTextMargin(m_textOffset, at.x())) {
        // The margin belongs to no line: the owner hears of the press, nothing else happens.
        if (OnMouseDown)
            OnMouseDown(*this, Qt::LeftButton, Qt::NoModifier, at.x(), at.y());
        event->accept();
        return;
    }
    m_pressPoint = at;
    setFocus(Qt::MouseFocusReason);
    QListWidget::mousePressEvent(event);
    if (OnMouseDown)
        OnMouseDown(*this, event->button(), event->modifiers(), at.x(), at.y());
}

void TMyListBox::startDrag(Qt::DropActions) {
    if (SelCount() == 0)
        return;
    // A drag of our own: the base class would remove the dragged lines after a move.
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setData(kDragMime, QByteArray());
    drag->setMimeData(data);
    // The pressed line travels with the pointer.
    const QRect line = ItemRect(ItemAtPos(m_pressPoint, true)).intersected(viewport()->rect());
    if (!line.isEmpty()) {
        drag->setPixmap(viewport()->grab(line));
        drag->setHotSpot(m_pressPoint - line.topLeft());
    }
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

bool TMyListBox::AcceptDrag(QDropEvent* event) {
    bool accept = false;
    const QPoint at = event->position().toPoint();
    if (OnDragOver)
        OnDragOver(*this, event->source(), at.x(), at.y(), accept);
    if (accept) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
    SetDropRow(accept && event->type() != QEvent::Drop ? ItemAtPos(at, false) : -1);
    return accept;
}

void TMyListBox::SetDropRow(int32_t row) {
    if (row == m_dropRow)
        return;
    m_dropRow = row;
    viewport()->update();
}

void TMyListBox::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (m_dropRow < 0 || count() == 0)
        return;
    // A bar over the line the drop goes before, or under the last line.
    const int y = m_dropRow < count() ? ItemRect(m_dropRow).top() : ItemRect(count() - 1).bottom() + 1;
    QPainter painter(viewport());
    painter.fillRect(QRect(m_textOffset, y - 1, viewport()->width() - m_textOffset, 2),
                     palette().color(QPalette::Active, QPalette::Text));
}

void TMyListBox::dragEnterEvent(QDragEnterEvent* event) {
    AcceptDrag(event);
}

void TMyListBox::dragMoveEvent(QDragMoveEvent* event) {
    // The base class scrolls a long list near its edges.
    QListWidget::dragMoveEvent(event);
    AcceptDrag(event);
}

void TMyListBox::dragLeaveEvent(QDragLeaveEvent* event) {
    QListWidget::dragLeaveEvent(event);
    SetDropRow(-1);
}

void TMyListBox::dropEvent(QDropEvent* event) {
    if (!AcceptDrag(event))
        return;
    const QPoint at = event->position().toPoint();
    if (OnDragDrop)
        OnDragDrop(*this, event->source(), at.x(), at.y());
    event->accept();
    stopAutoScroll();
}
