#include "controls/grid/GridEditors.h"

#include "controls/grid/GridItemPainter.h"
#include "controls/grid/GridModel.h"
#include "controls/markup/MarkupSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// The flat look of the editors: no frame, the parent's font, out of the tab chain.
void MakeInPlace(QWidget& editor) {
    editor.hide();
    editor.setFocusPolicy(Qt::ClickFocus);
    editor.setAttribute(Qt::WA_MacShowFocusRect, false);
}

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Draws the items of the drop-down list through the grid's painter.
class TListItemDelegate : public QStyledItemDelegate {
public:
    TListItemDelegate(IGridItemPainter& painter, TGridListBox& list)
        : QStyledItemDelegate(&list), m_painter(painter), m_list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        m_painter.DrawItem(*painter, option.rect, index.row(), selected, ShadeColor(m_painter.Colors().ButtonFace));
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {m_list.viewport()->width(), m_list.ItemHeight()};
    }

private:
    IGridItemPainter& m_painter;
    TGridListBox& m_list;
};

} // namespace

TGridEditorEvents::TGridEditorEvents(QWidget& grid) : QObject(&grid), m_grid(grid) {}

void TGridEditorEvents::Watch(QWidget& editor) {
    editor.installEventFilter(this);
}

bool TGridEditorEvents::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (editor == nullptr)
        return false;
    if (event->type() == QEvent::KeyPress)
        return KeyPressed(*editor, static_cast<const QKeyEvent&>(*event));
    if (event->type() == QEvent::FocusOut)
        FocusLost(*editor, static_cast<const QFocusEvent&>(*event));
    return false;
}

bool TGridEditorEvents::KeyPressed(QWidget& editor, const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Escape) {
        emit CloseEditor(&editor, TEditorEnd::Revert);
        return true;
    }
    const bool memo = qobject_cast<TGridMemo*>(&editor) != nullptr;
    if (IsEnter(key) && !(memo && (event.modifiers() & Qt::ShiftModifier))) {
        emit CloseEditor(&editor, TEditorEnd::Commit);
        return true;
    }
    const bool tab = (key == Qt::Key_Tab || key == Qt::Key_Backtab) &&
                     !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (tab || ((key == Qt::Key_Up || key == Qt::Key_Down) && qobject_cast<TGridEdit*>(&editor) != nullptr)) {
        emit CloseEditor(&editor, TEditorEnd::Commit);
        emit KeyAfterClose(key, event.modifiers());
        return true;
    }
    return false;
}

void TGridEditorEvents::FocusLost(QWidget& editor, const QFocusEvent& event) {
    if (!editor.isVisible() || event.reason() == Qt::PopupFocusReason)
        return;
    QWidget* now = QApplication::focusWidget();
    if (now == nullptr || (now != &m_grid && !m_grid.isAncestorOf(now)))
        emit CloseEditor(&editor, TEditorEnd::Commit);
}

TGridEdit::TGridEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    MakeInPlace(*this);
}

void TGridEdit::Open(const std::string& bytes) {
    setText(m_text.Open(bytes));
    selectAll();
}

TGridMemo::TGridMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTabChangesFocus(true);
    document()->setDocumentMargin(0);
    MakeInPlace(*this);
}

void TGridMemo::Open(const std::string& bytes) {
    setPlainText(m_text.Open(bytes));
    selectAll();
}

void TGridMemo::SetTypedText(const QString& text) {
    setPlainText(text);
    moveCursor(QTextCursor::End);
}

void TGridMemo::keyPressEvent(QKeyEvent* event) {
    const bool enter = IsEnter(event->key());
    if (enter && (event->modifiers() & Qt::ShiftModifier)) {
        insertPlainText(QStringLiteral("\n")); // a plain line feed, not the soft break Qt makes of Shift + Enter
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

TGridListBox::TGridListBox(QWidget* parent, IGridItemPainter& painter) : QListWidget(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new TListItemDelegate(painter, *this));
    MakeInPlace(*this);
}

void TGridListBox::Open(int count, int itemHeight, int current) {
    m_itemHeight = std::max(1, itemHeight);
    clear();
    for (int i = 0; i < count; ++i)
        addItem(QString());
    if (IsItemIndex(current, count)) {
        setCurrentRow(current);
        scrollToItem(item(current), QAbstractItemView::PositionAtCenter);
    }
}

void TGridListBox::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) {
        MouseReleaseLatch = false;
        setCurrentRow(index.row());
        emit Picked();
    }
}
