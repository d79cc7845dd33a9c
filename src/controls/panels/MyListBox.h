#pragma once

#include "controls/panels/ListBoxMargin.h"

#include <QListWidget>

#include <functional>
#include <string>
#include <vector>

class QPainter;

// The list box of the list functions and export windows: a left margin of
// TextOffset pixels that belongs to no item, items drawn by the owner through
// OnDrawItem (or as plain text), grey items when disabled, optional multiple
// selection with Ctrl and Shift, and drags of the selected lines that the
// owner accepts in OnDragOver and carries out in OnDragDrop (the list box
// never moves items by itself). Item texts are bytes, shown as UTF-8 or in
// the legacy code page.
class TMyListBox : public QListWidget {
    Q_OBJECT

public:
    // `rect` starts right of the margin. The painter comes with the item's
    // colours set: brush the background (highlight when selected), pen the
    // text (grey when disabled), font the list box's.
    using TDrawItemEvent = std::function<void(TMyListBox& control, int32_t index, const QRect& rect,
                                              TOwnerDrawState state, QPainter& canvas)>;
    using TMouseEvent =
        std::function<void(TMyListBox& sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;
    // `source` is the object the drag came from (this list box for its own).
    using TDragOverEvent = std::function<void(TMyListBox& sender, QObject* source, int x, int y, bool& accept)>;
    using TDragDropEvent = std::function<void(TMyListBox& sender, QObject* source, int x, int y)>;

    explicit TMyListBox(QWidget* parent = nullptr);
    ~TMyListBox() override;

    // The margin; a change repaints at once.
    int32_t TextOffset() const { return m_textOffset; }
    void SetTextOffset(int32_t value);
    // Fixed height of every line.
    int32_t ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int32_t value);
    // The height snaps to whole lines, so no line shows cut off at the bottom.
    bool IntegralHeight() const { return m_integralHeight; }
    void SetIntegralHeight(bool value);
    // Ctrl and Shift extend the selection; off: one line at a time.
    bool MultiSelect() const { return selectionMode() == QAbstractItemView::ExtendedSelection; }
    void SetMultiSelect(bool value);
    // Pressing on a line and moving starts a drag of the selected lines.
    bool DragAutomatic() const { return m_dragAutomatic; }
    void SetDragAutomatic(bool value);

    void SetItems(const std::vector<std::string>& items);
    std::vector<std::string> Items() const;
    std::string ItemText(int32_t index) const;
    void AddItem(const std::string& text);
    int32_t Count() const { return count(); }

    // The current line (focus), -1 for none.
    int32_t ItemIndex() const { return currentRow(); }
    void SetItemIndex(int32_t index);
    bool Selected(int32_t index) const;
    void SetSelected(int32_t index, bool value);
    int32_t SelCount() const;
    // The line under the point (viewport pixels); below the last line -1 when
    // `existing`, else Count.
    int32_t ItemAtPos(const QPoint& point, bool existing) const;
    // The whole line's rectangle in viewport pixels, margin included.
    QRect ItemRect(int32_t index) const;

    TDrawItemEvent OnDrawItem;
    TMouseEvent OnMouseDown;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;

    // Where an accepted drag would land: the line before which a drop
    // inserts (Count below the last line), marked in the list; -1 without a drag.
    int32_t DropRow() const { return m_dropRow; }

    // The standard drawing of an item (background and text), for owners that
    // draw only some lines themselves.
    void DrawItemText(QPainter& canvas, int32_t index, const QRect& rect) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend class TMyListBoxDelegate;
    bool AcceptDrag(QDropEvent* event);
    void SetDropRow(int32_t row);
    void FitWholeLines();

    int32_t m_textOffset = 0;
    int32_t m_itemHeight = 14;
    bool m_dragAutomatic = false;
    bool m_integralHeight = false;
    int32_t m_dropRow = -1;
    QPoint m_pressPoint; // where a drag starts from
};
