#include "controls/grid/ExcelGrid2.h"

#include "controls/grid/GridAccessible.h"
#include "controls/grid/GridEditing.h"
#include "controls/grid/GridEditorPlacement.h"
#include "controls/grid/GridEditors.h"
#include "controls/grid/GridItemPainter.h"
#include "controls/grid/GridKeys.h"
#include "controls/grid/GridListMenu.h"
#include "controls/grid/GridPainter.h"
#include "controls/grid/GridQtClipboard.h"
#include "controls/markup/MarkupSupport.h"
#include "controls/markup/QtMarkupCanvas.h"

#include <QApplication>
#include <QColorDialog>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <array>
#include <utility>

namespace {

bool DefaultColorChooser(QWidget* parent, TColor& color) {
    const QColor chosen = QColorDialog::getColor(ToQColor(color), parent);
    if (!chosen.isValid())
        return false;
    color = ToTColor(chosen);
    return true;
}

TNumberLocale UserNumberLocale() {
    const QLocale locale;
    TNumberLocale result;
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (point.size() == 1 && point[0].unicode() < 0x80)
        result.DecimalSeparator = static_cast<char>(point[0].unicode());
    if (group.size() == 1 && group[0].unicode() < 0x80)
        result.ThousandSeparator = static_cast<char>(group[0].unicode());
    return result;
}

TGridKey GridKeyOf(int key) {
    // clang-format off
    static const std::pair<int, TGridKey> kKeys[] = {
        {Qt::Key_PageUp, TGridKey::PageUp}, {Qt::Key_PageDown, TGridKey::PageDown}, {Qt::Key_End, TGridKey::End},
        {Qt::Key_Home, TGridKey::Home},     {Qt::Key_Left, TGridKey::Left},         {Qt::Key_Up, TGridKey::Up},
        {Qt::Key_Right, TGridKey::Right},   {Qt::Key_Down, TGridKey::Down},         {Qt::Key_Return, TGridKey::Enter},
        {Qt::Key_Enter, TGridKey::Enter},   {Qt::Key_F2, TGridKey::F2},             {Qt::Key_Insert, TGridKey::Insert},
        {Qt::Key_Delete, TGridKey::Delete}, {Qt::Key_C, TGridKey::C},               {Qt::Key_V, TGridKey::V},
        {Qt::Key_X, TGridKey::X},           {Qt::Key_Tab, TGridKey::Tab},           {Qt::Key_Backtab, TGridKey::Tab},
    };
    // clang-format on
    for (const auto& [code, name] : kKeys)
        if (code == key)
            return name;
    return TGridKey::Other;
}

Qt::CursorShape CursorOf(TGridPointer pointer) {
    switch (pointer) {
    case TGridPointer::HorizontalSplit:
        return Qt::SplitHCursor;
    case TGridPointer::Drag:
        return Qt::DragMoveCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

class TExcelGrid2::TMouseHost : public IGridMouseHost {
public:
    explicit TMouseHost(TExcelGrid2& grid) : m_grid(grid) {}
    TGridExtent Extent() override { return m_grid.m_extent; }
    void TakeFocus() override {
        if (!m_grid.hasFocus() && !m_grid.AnyEditorOpen())
            m_grid.setFocus(Qt::MouseFocusReason);
    }
    void SetPointer(TGridPointer pointer) override { m_grid.viewport()->setCursor(CursorOf(pointer)); }
    void SetAutoScroll(bool enabled, int32_t intervalMs) override {
        if (!enabled) {
            m_grid.m_autoScroll->stop();
            return;
        }
        m_grid.m_autoScroll->setInterval(intervalMs);
        if (!m_grid.m_autoScroll->isActive())
            m_grid.m_autoScroll->start();
    }
    void ShowEditor(TShiftState shift) override { m_grid.ShowEditor(shift); }
    void MouseDownEvent(TShiftState shift, int32_t x, int32_t y) override {
        if (m_grid.OnMouseDown)
            m_grid.OnMouseDown(m_grid, shift, x, y);
    }

private:
    TExcelGrid2& m_grid;
};

class TExcelGrid2::TItemPainter : public IGridItemPainter {
public:
    explicit TItemPainter(TExcelGrid2& grid) : m_grid(grid) {}
    TGridColors Colors() const override { return m_grid.Colors(); }
    void DrawItem(QPainter& painter, const QRect& rect, int index, bool selected, TColor background) override {
        const TGridColors colors = Colors();
        painter.fillRect(rect, ToQColor(selected ? colors.Selection() : background));
        if (!m_grid.OnDrawObject)
            return;
        painter.save();
        painter.setPen(ToQColor(colors.ButtonText));
        QRect r = rect;
        m_grid.OnDrawObject(m_grid, painter, r, m_grid.ActiveCol(), m_grid.ActiveRow(), index);
        painter.restore();
    }

private:
    TExcelGrid2& m_grid;
};

TExcelGrid2::TExcelGrid2(QWidget* parent) : QAbstractScrollArea(parent), ColorChooser(DefaultColorChooser) {
    InstallGridAccessibility();
    m_announcer = std::make_unique<TGridAnnouncer>(*this);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::StyledPanel);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setFocusProxy(this);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (m_syncing || value == TopRow)
            return;
        ScrollRows(*this, m_extent, TScrollCode::Position, value);
        SyncScrollBars();
        Invalidate();
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (m_syncing || value == LeftCol)
            return;
        ScrollColumns(*this, m_extent, TScrollCode::Position, value);
        SyncScrollBars();
        Invalidate();
    });
    SetNumberLocale(UserNumberLocale());
    CreateEditors();
    m_clipboard = std::make_unique<TQtGridClipboard>();
    m_mouseHost = std::make_unique<TMouseHost>(*this);
    m_mouse = std::make_unique<TGridMouse>(*this, *m_mouseHost);
    m_autoScroll = new QTimer(this);
    connect(m_autoScroll, &QTimer::timeout, this, [this] {
        const QPoint p = viewport()->mapFromGlobal(QCursor::pos());
        m_mouse->Tick(p.x(), p.y());
        SyncScrollBars();
    });
    viewport()->setMouseTracking(true);
    resize(150, 150);
    UpdateExtent();
    ScrollInView();
}

TExcelGrid2::~TExcelGrid2() {
    // The editors go while the model still exists: closing the window moves
    // the focus, and an editor losing it would commit into a destroyed grid.
    m_destroying = true;
    delete m_listMenu;
    delete m_listBox;
    delete m_memo;
    delete m_edit;
}

void TExcelGrid2::CreateEditors() {
    m_itemPainter = std::make_unique<TItemPainter>(*this);
    m_edit = new TGridEdit(viewport());
    m_memo = new TGridMemo(viewport());
    m_listBox = new TGridListBox(viewport(), *m_itemPainter);
    m_listMenu = new TGridListMenu(this, *m_itemPainter);
    m_editorEvents = new TGridEditorEvents(*this);
    for (QWidget* editor : TextEditors())
        m_editorEvents->Watch(*editor);
    connect(m_editorEvents, &TGridEditorEvents::CloseEditor, this, [this](QWidget* editor, TEditorEnd end) {
        if (!m_destroying)
            FinishEdit(*editor, end == TEditorEnd::Commit);
    });
    connect(m_editorEvents, &TGridEditorEvents::KeyAfterClose, this,
            [this](int key, Qt::KeyboardModifiers modifiers) { KeyDown(key, ShiftOf(modifiers)); });
    connect(m_listBox, &TGridListBox::Picked, this, [this] { FinishEdit(*m_listBox, true); });
    connect(m_listMenu, &QMenu::triggered, this, [this](QAction* item) {
        CommitItemIndex(*this, item->data().toInt());
        setFocus(Qt::OtherFocusReason);
    });
}

TShiftState TExcelGrid2::ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    TShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= ssShift;
    if (modifiers & Qt::ControlModifier)
        shift |= ssCtrl;
    if (modifiers & Qt::AltModifier)
        shift |= ssAlt;
    if (buttons & Qt::LeftButton)
        shift |= ssLeft;
    if (buttons & Qt::RightButton)
        shift |= ssRight;
    if (buttons & Qt::MiddleButton)
        shift |= ssMiddle;
    return shift;
}

TGridColors TExcelGrid2::Colors() const {
    const QPalette& p = palette();
    TGridColors c;
    c.Window = ToTColor(p.color(QPalette::Base));
    c.WindowText = ToTColor(p.color(QPalette::Text));
    c.Highlight = ToTColor(p.color(QPalette::Highlight));
    c.HighlightText = ToTColor(p.color(QPalette::HighlightedText));
    c.GrayText = ToTColor(p.color(QPalette::Disabled, QPalette::Text));
    c.ButtonFace = ToTColor(p.color(QPalette::Button));
    c.ButtonShadow = ToTColor(p.color(QPalette::Dark));
    c.ButtonHighlight = ToTColor(p.color(QPalette::Light));
    c.ButtonText = ToTColor(p.color(QPalette::ButtonText));
    c.DarkShadow3D = ToTColor(p.color(QPalette::Shadow));
    c.Light3D = ToTColor(p.color(QPalette::Midlight));
    c.Scheme = SchemeOfWindow(ToTColor(p.color(QPalette::Window)));
    return c;
}

bool TExcelGrid2::Focused() const {
    return hasFocus();
}

void TExcelGrid2::UpdateExtent() {
    const QRect inside = contentsRect();
    m_extent.Width = inside.width();
    m_extent.Height = inside.height();
    m_extent.BarSize = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

void TExcelGrid2::ScrollInView() {
    ::ScrollInView(*this, m_extent);
    SyncScrollBars();
}

void TExcelGrid2::SyncScrollBars() {
    if (m_syncing)
        return;
    m_syncing = true;
    UpdateScrollBars(*this, m_extent);
    QScrollBar* rows = verticalScrollBar();
    rows->setRange(1, std::max(1, CountRows() - VisibleRows + 1));
    rows->setPageStep(std::max(1, VisibleRows));
    rows->setValue(TopRow);
    QScrollBar* cols = horizontalScrollBar();
    cols->setRange(1, std::max(1, ColCount() - VisibleCols + 1));
    cols->setPageStep(std::max(1, VisibleCols));
    cols->setValue(LeftCol);
    setVerticalScrollBarPolicy(m_extent.VBar > 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(m_extent.HBar > 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_syncing = false;
}

void TExcelGrid2::Invalidate() {
    viewport()->update();
    if (m_announcer)
        m_announcer->Changed();
}

void TExcelGrid2::CellChanged(int32_t x, int32_t y) {
    m_announcer->CellChanged(x, y);
}

void TExcelGrid2::PaintTo(QPainter& painter, const QRect& clip) {
    TGridPaintView view;
    view.Colors = Colors();
    view.Extent = m_extent;
    view.Font = font();
    view.Enabled = isEnabled();
    view.Focused = Focused();
    view.Mouse = m_mouse.get();
    if (OnDrawObject)
        view.DrawObject = [this](QPainter& painter, QRect& rect, int32_t x, int32_t y, int32_t index) {
            OnDrawObject(*this, painter, rect, x, y, index);
        };
    TGridPainter(*this, view, painter, clip).Paint();
}

void TExcelGrid2::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    PaintTo(painter, event->rect());
}

void TExcelGrid2::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateExtent();
    ScrollInView();
}

void TExcelGrid2::scrollContentsBy(int, int) {
    // The bars count rows and columns; their handlers scroll.
}

void TExcelGrid2::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::StyleChange) {
        UpdateExtent();
        ScrollInView();
    }
}

void TExcelGrid2::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    m_announcer->FocusIn();
    Invalidate();
}

void TExcelGrid2::focusOutEvent(QFocusEvent* event) {
    QWidget* now = QApplication::focusWidget();
    if (!m_destroying && event->reason() != Qt::PopupFocusReason && (now == nullptr || !isAncestorOf(now)))
        CommitEditors();
    Invalidate();
    QAbstractScrollArea::focusOutEvent(event);
}

std::array<QWidget*, 3> TExcelGrid2::TextEditors() const {
    return {m_edit, m_memo, m_listBox};
}

bool TExcelGrid2::AnyEditorOpen() const {
    return m_edit->isVisible() || m_memo->isVisible() || m_listBox->isVisible() || m_listMenu->isVisible();
}

void TExcelGrid2::CommitEditors() {
    for (QWidget* editor : TextEditors())
        if (editor->isVisible())
            FinishEdit(*editor, true);
    Invalidate();
}

void TExcelGrid2::CloseEditor(QWidget& editor) {
    editor.hide();
    setFocus(Qt::OtherFocusReason);
    Invalidate();
}

void TExcelGrid2::FinishEdit(QWidget& editor, bool commit) {
    if (&editor == m_edit) {
        const std::string text = m_edit->Bytes();
        CloseEditor(*m_edit);
        if (commit)
            CommitEditorText(*this, text);
    } else if (&editor == m_memo) {
        const std::string text = m_memo->Bytes();
        CloseEditor(*m_memo);
        if (commit)
            CommitMemoText(*this, text);
    } else if (&editor == m_listBox) {
        const int index = m_listBox->currentRow();
        CloseEditor(*m_listBox);
        // Nothing picked in an empty list: nothing to store.
        if (commit && index >= 0)
            CommitItemIndex(*this, index);
    }
}

// Keys

bool TExcelGrid2::KeyDown(int key, TShiftState shift) {
    if (CountRows() == 0)
        return false;
    const TGridKey gridKey = GridKeyOf(key);
    if (key == Qt::Key_Backtab)
        shift |= ssShift;
    const TGridKeyOutcome outcome = HandleGridKey(*this, gridKey, shift, *m_clipboard);
    if (outcome.ShowEditor)
        ShowEditor(shift);
    if (OnKeyDown)
        OnKeyDown(*this, key, shift & ~ssCtrl);
    return outcome.Handled;
}

void TExcelGrid2::CopyToClipboard() {
    ::CopyToClipboard(*this, *m_clipboard);
}

std::string TExcelGrid2::ClipboardText() {
    return m_clipboard->Text();
}

void TExcelGrid2::PasteFromClipboard() {
    ::PasteFromClipboard(*this, *m_clipboard);
    Invalidate();
}

void TExcelGrid2::SetClipboard(std::unique_ptr<IGridClipboard> clipboard) {
    m_clipboard = std::move(clipboard);
}

bool TExcelGrid2::KeyPress(const QString& text) {
    if (text.isEmpty() || text[0].unicode() < 32 || text[0] == QChar(0x7F))
        return false;
    if (!EditorEnabled())
        return true;
    ShowEditor(0);
    if (m_edit->isVisible()) {
        m_edit->setText(text);
        m_edit->end(false);
    } else if (m_memo->isVisible()) {
        m_memo->SetTypedText(text);
    }
    return true;
}

bool TExcelGrid2::focusNextPrevChild(bool next) {
    // Tab and Shift+Tab reach the key handler, which moves between the cells
    // of a grid the user types into.
    if (EditorEnabled() && CountRows() > 0)
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void TExcelGrid2::keyPressEvent(QKeyEvent* event) {
    if (KeyDown(event->key(), ShiftOf(event->modifiers())))
        return;
    // Keys the grid does not use go on to the window (Escape to a dialog, say).
    if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) || !KeyPress(event->text()))
        event->ignore();
}

// Mouse

void TExcelGrid2::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    m_mouse->Press(ShiftOf(event->modifiers(), event->buttons()), p.x(), p.y());
}

void TExcelGrid2::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    m_mouse->Press(ShiftOf(event->modifiers(), event->buttons()) | ssDouble, p.x(), p.y());
}

void TExcelGrid2::mouseMoveEvent(QMouseEvent* event) {
    // The release of the click that picked a drop-down item must not drag-select.
    if (!m_listBox->MouseReleaseLatch)
        return;
    const QPoint p = event->position().toPoint();
    m_mouse->Move(ShiftOf(event->modifiers(), event->buttons()), p.x(), p.y());
    SyncScrollBars();
}

void TExcelGrid2::mouseReleaseEvent(QMouseEvent*) {
    m_mouse->Release();
    m_listBox->MouseReleaseLatch = true;
}

void TExcelGrid2::wheelEvent(QWheelEvent* event) {
    const QPoint p = event->position().toPoint();
    const bool over = viewport()->rect().contains(p);
    if (!m_mouse->Wheel(ShiftOf(event->modifiers()), event->angleDelta().y(), QApplication::wheelScrollLines(), over,
                        AnyEditorOpen())) {
        event->ignore();
        return;
    }
    SyncScrollBars();
    event->accept();
}

// Editors

void TExcelGrid2::ShowEditor(TShiftState shift) {
    const int32_t x = ActiveCol();
    const int32_t y = ActiveRow();
    if (CountRows() == 0 || !CellEnabled(x, y))
        return;
    if (OnDrawCell) {
        bool draw = true;
        OnDrawCell(*this, draw, x, y);
        if (!draw)
            return;
    }
    switch (EditActionFor(Column(x).Kind, shift)) {
    case TEditAction::LineEditor:
        OpenLineEditor(x, y);
        break;
    case TEditAction::MemoEditor:
        OpenMemoEditor(x, y);
        break;
    case TEditAction::ColorDialog:
        ChooseColor(x, y);
        break;
    case TEditAction::Toggle:
        ToggleCell(*this);
        setFocus(Qt::OtherFocusReason);
        break;
    case TEditAction::DropDownList:
        OpenDropDown(x, y);
        break;
    case TEditAction::ListMenu:
        OpenListMenu(x, y);
        break;
    case TEditAction::Step:
        StepCell(*this, (shift & ssShift) != 0);
        break;
    case TEditAction::External:
        if (OnExternalEdit)
            OnExternalEdit(*this, x, y);
        break;
    case TEditAction::None:
        break;
    }
}

void TExcelGrid2::OpenLineEditor(int32_t x, int32_t y) {
    CommitEditors();
    const TRect place = LineEditorRect(*this, x, y);
    m_edit->setGeometry(place.Left, place.Top, place.Right - place.Left, place.Bottom - place.Top);
    QPalette colors = m_edit->palette();
    colors.setColor(QPalette::Base, ToQColor(Colors().Window));
    m_edit->setPalette(colors);
    m_edit->Open(GetCellText(x, y));
    m_edit->show();
    m_edit->setFocus(Qt::OtherFocusReason);
}

void TExcelGrid2::OpenMemoEditor(int32_t x, int32_t y) {
    CommitEditors();
    const TRect place = LineEditorRect(*this, x, y);
    const std::string text = GetCellText(x, y);
    // Taller than the cell when the text has more lines, so that they show.
    const int lines = std::min<int>(8, 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n')));
    const int wanted = lines * m_memo->fontMetrics().lineSpacing() + 4;
    const int room = std::max(0, viewport()->height() - place.Top);
    const int height = std::max(place.Bottom - place.Top, std::min(wanted, room));
    m_memo->setGeometry(place.Left, place.Top, place.Right - place.Left, height);
    QPalette colors = m_memo->palette();
    colors.setColor(QPalette::Base, ToQColor(Colors().Window));
    m_memo->setPalette(colors);
    m_memo->Open(text);
    m_memo->show();
    m_memo->setFocus(Qt::OtherFocusReason);
}

void TExcelGrid2::OpenDropDown(int32_t x, int32_t y) {
    CommitEditors();
    int32_t itemHeight = RowHeight();
    const int32_t count = ObjectCount(x, y, &itemHeight);
    const int frame = m_listBox->frameWidth();
    m_listBox->Open(count, itemHeight, Cell(x, y).I);
    const TRect place = DropDownRect(*this, x, y, count, m_listBox->ItemHeight(), viewport()->height() - 2 * frame,
                                     viewport()->height(), frame);
    m_listBox->setGeometry(place.Left, place.Top, place.Right - place.Left, place.Bottom - place.Top);
    m_listBox->setVerticalScrollBarPolicy(int64_t(count) * m_listBox->ItemHeight() > place.Bottom - place.Top
                                              ? Qt::ScrollBarAsNeeded
                                              : Qt::ScrollBarAlwaysOff);
    m_listBox->show();
    m_listBox->raise();
    m_listBox->setFocus(Qt::OtherFocusReason);
    if (IsItemIndex(Cell(x, y).I, count))
        m_listBox->scrollToItem(m_listBox->item(Cell(x, y).I), QAbstractItemView::PositionAtCenter);
}

void TExcelGrid2::OpenListMenu(int32_t x, int32_t y) {
    CommitEditors();
    const int32_t count = ObjectCount(x, y);
    m_listMenu->Rebuild(count, QSize(std::max(1, Column(x).Width - 20), RowHeight()));
    const TPoint origin = ListMenuOrigin(*this, x, y, count);
    m_listMenu->popup(viewport()->mapToGlobal(QPoint(origin.X, origin.Y)));
    if (QAction* current = m_listMenu->Item(Cell(x, y).I))
        m_listMenu->setActiveAction(current);
}

void TExcelGrid2::ChooseColor(int32_t x, int32_t y) {
    CommitEditors();
    TColor color = static_cast<TColor>(Cell(x, y).I);
    if (ColorChooser && ColorChooser(this, color))
        CommitColor(*this, color);
    setFocus(Qt::OtherFocusReason);
}
