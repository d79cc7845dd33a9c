#include "GridEditors.h"

#include "controls/grid/ExcelGrid2.h"
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

// Draws the items of the drop-down list through the grid.
class TListItemDelegate : public QStyledItemDelegate {
public:
    TListItemDelegate(TExcelGrid2& grid, TGridListBox& list) : QStyledItemDelegate(&list), m_grid(grid), m_list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        m_grid.DrawItem(*painter, option.rect, index.row(), selected, ShadeColor(m_grid.Colors().ButtonFace));
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {m_list.viewport()->width(), m_list.ItemHeight()};
    }

private:
    TExcelGrid2& m_grid;
    TGridListBox& m_list;
};

// An open editor whose focus went somewhere outside the grid commits.
void CommitOnLeaving(TExcelGrid2& grid, QWidget& editor, QFocusEvent* event) {
    if (!editor.isVisible() || event->reason() == Qt::PopupFocusReason)
        return;
    QWidget* now = QApplication::focusWidget();
    if (now == nullptr || (now != &grid && !grid.isAncestorOf(now)))
        grid.EditorFocusLost(&editor);
}

} // namespace

TGridEdit::TGridEdit(TExcelGrid2& grid) : QLineEdit(grid.viewport()), m_grid(grid) {
    setFrame(false);
    MakeInPlace(*this);
}

void TGridEdit::Open(const std::string& bytes) {
    setText(m_text.Open(bytes));
    selectAll();
}

void TGridEdit::keyPressEvent(QKeyEvent* event) {
    if (!m_grid.EditKeyDown(event->key(), TExcelGrid2::ShiftOf(event->modifiers())))
        QLineEdit::keyPressEvent(event);
}

void TGridEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    CommitOnLeaving(m_grid, *this, event);
}

TGridMemo::TGridMemo(TExcelGrid2& grid) : QPlainTextEdit(grid.viewport()), m_grid(grid) {
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
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ShiftModifier)) {
        insertPlainText(QStringLiteral("\n")); // a plain line feed, not the soft break Qt makes of Shift + Enter
        return;
    }
    if (!m_grid.MemoKeyDown(event->key(), TExcelGrid2::ShiftOf(event->modifiers())))
        QPlainTextEdit::keyPressEvent(event);
}

void TGridMemo::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    CommitOnLeaving(m_grid, *this, event);
}

TGridListBox::TGridListBox(TExcelGrid2& grid) : QListWidget(grid.viewport()), m_grid(grid) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new TListItemDelegate(grid, *this));
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

void TGridListBox::keyPressEvent(QKeyEvent* event) {
    if (!m_grid.ListKeyDown(event->key()))
        QListWidget::keyPressEvent(event);
}

void TGridListBox::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) {
        MouseReleaseLatch = false;
        m_grid.ListItemPicked(index.row());
    }
}

void TGridListBox::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    CommitOnLeaving(m_grid, *this, event);
}
