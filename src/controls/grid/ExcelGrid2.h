#pragma once

#include "controls/grid/GridColors.h"
#include "controls/grid/GridLayout.h"
#include "controls/grid/GridModel.h"
#include "controls/grid/GridMouse.h"

#include <QAbstractScrollArea>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QPainter;
class QTimer;
class IGridClipboard;
class IGridItemPainter;
class TGridEdit;
class TGridEditorEvents;
class TGridMemo;
class TGridListBox;
class TGridListMenu;
class TGridAnnouncer;

// The spreadsheet grid control: the model of TGridModel drawn in a scroll
// area, with its in-place editors. Coordinates of the layout are those of
// the viewport; the control's size (W, H) includes the scroll bars.
class TExcelGrid2 : public QAbstractScrollArea, public TGridModel {
    Q_OBJECT

public:
    // Draws list, menu and external cells and the items of the drop-down
    // list and the list menu; `index` is the item (0 for external cells).
    using TDrawObjectEvent =
        std::function<void(TExcelGrid2& sender, QPainter& canvas, QRect& rect, int32_t x, int32_t y, int32_t index)>;
    // Asks the user for a colour starting from `color`; true when confirmed.
    using TColorChooser = std::function<bool(QWidget* parent, TColor& color)>;

    explicit TExcelGrid2(QWidget* parent = nullptr);
    ~TExcelGrid2() override;

    TDrawObjectEvent OnDrawObject;
    // The framework's events: a key the grid saw (Ctrl left out of the
    // shift state) and a mouse press, after the grid's own handling.
    std::function<void(TExcelGrid2& sender, int key, TShiftState shift)> OnKeyDown;
    std::function<void(TExcelGrid2& sender, TShiftState shift, int x, int y)> OnMouseDown;
    // QColorDialog unless replaced (tests script it).
    TColorChooser ColorChooser;

    // Hooks of the model.
    void CommitEditors() override;
    void ScrollInView() override;
    void Invalidate() override;
    void CellChanged(int32_t x, int32_t y) override;

    // Starts editing the active cell as its kind asks (typing passes no
    // shift state, Enter and F2 theirs, a double-click ssLeft | ssDouble).
    void ShowEditor(TShiftState shift);
    TGridCell MouseToCell(int32_t x, int32_t y) const { return ::MouseToCell(*this, x, y); }
    // Every key the grid itself gets passes here; true when it was used.
    bool KeyDown(int key, TShiftState shift);
    // The grid's own clipboard text (owners call these for their menu
    // commands and raise OnChange after a paste themselves).
    void CopyToClipboard();
    void PasteFromClipboard();
    // What a paste would take.
    std::string ClipboardText();
    // The desktop clipboard unless replaced.
    void SetClipboard(std::unique_ptr<IGridClipboard> clipboard);
    const TGridMouse& Mouse() const { return *m_mouse; }
    // The character handler: typing over a cell opens its editor with that
    // text. False when the text is no character.
    bool KeyPress(const QString& text);

    const TGridExtent& Extent() const { return m_extent; }
    TGridColors Colors() const;
    // The grid itself has the keyboard focus (not one of its editors).
    bool Focused() const;
    // The whole control as paintEvent draws it, onto any device.
    void PaintTo(QPainter& painter, const QRect& clip);

    TGridEdit& GridEdit() const { return *m_edit; }
    TGridMemo& GridMemo() const { return *m_memo; }
    TGridListBox& GridListBox() const { return *m_listBox; }
    TGridListMenu& ListMenu() const { return *m_listMenu; }

    static TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class TMouseHost;
    friend class TMouseHost;
    class TItemPainter;
    friend class TItemPainter;
    void UpdateExtent();
    void SyncScrollBars();
    void OpenLineEditor(int32_t x, int32_t y);
    void OpenMemoEditor(int32_t x, int32_t y);
    void OpenDropDown(int32_t x, int32_t y);
    void OpenListMenu(int32_t x, int32_t y);
    void ChooseColor(int32_t x, int32_t y);
    void CloseEditor(QWidget& editor);
    // Takes what `editor` holds, closes it, and stores the value when committing.
    void FinishEdit(QWidget& editor, bool commit);
    void CreateEditors();
    // The editors that hold a value until they close (the list menu stores at once).
    std::array<QWidget*, 3> TextEditors() const;
    bool AnyEditorOpen() const;

    TGridExtent m_extent;
    bool m_syncing = false;
    bool m_destroying = false;
    TGridEdit* m_edit = nullptr;
    TGridMemo* m_memo = nullptr;
    TGridListBox* m_listBox = nullptr;
    TGridListMenu* m_listMenu = nullptr;
    TGridEditorEvents* m_editorEvents = nullptr;
    std::unique_ptr<IGridItemPainter> m_itemPainter;
    std::unique_ptr<IGridClipboard> m_clipboard;
    std::unique_ptr<IGridMouseHost> m_mouseHost;
    std::unique_ptr<TGridMouse> m_mouse;
    QTimer* m_autoScroll = nullptr;
    std::unique_ptr<TGridAnnouncer> m_announcer;
};
