#include "ui/main/GridPopup.h"

#include "controls/grid/ExcelGrid2.h"
#include "controls/grid/GridLayout.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QShortcut>

namespace {

void PopupAtCell(TExcelGrid2& grid, QMenu& menu) {
    grid.ScrollInView();
    const TRect cell = CellRect(grid, grid.Col, grid.Row);
    menu.popup(grid.viewport()->mapToGlobal(QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2)));
}

// Takes the keyboard's pop-up request before the widget places it at the
// pointer or at a corner of the grid.
class TKeyboardPopup : public QObject {
public:
    TKeyboardPopup(TExcelGrid2& grid, QMenu& menu) : QObject(&grid), m_grid(grid), m_menu(menu) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ContextMenu)
            return false;
        auto* request = static_cast<QContextMenuEvent*>(event);
        if (request->reason() == QContextMenuEvent::Keyboard)
            PopupAtCell(m_grid, m_menu);
        else
            m_menu.popup(request->globalPos());
        return true;
    }

private:
    TExcelGrid2& m_grid;
    QMenu& m_menu;
};

} // namespace

void AttachGridPopup(TExcelGrid2& grid, QMenu& menu) {
    // A right click reaches the viewport, a keyboard request the grid.
    auto* filter = new TKeyboardPopup(grid, menu);
    grid.installEventFilter(filter);
    grid.viewport()->installEventFilter(filter);
    auto* key = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &grid);
    key->setContext(Qt::WidgetShortcut);
    QObject::connect(key, &QShortcut::activated, &grid, [&grid, &menu] { PopupAtCell(grid, menu); });
}
