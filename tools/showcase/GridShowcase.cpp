// The grid with a column of every kind and 100,000 rows. With --state it
// opens in one of the looks worth a screenshot: plain, selection, line,
// memo, list, menu, and driven by mouse and keys: resized, dragging, pasted.

#include "ShowcaseGrid.h"

#include "controls/grid/ExcelGrid2.h"
#include "controls/grid/GridLayout.h"
#include "controls/markup/QtColorScheme.h"

#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QTest>
#include <QTimer>

namespace {

void SendMove(TExcelGrid2& grid, const QPoint& to, Qt::MouseButtons buttons) {
    QMouseEvent move(QEvent::MouseMove, QPointF(to), grid.viewport()->mapToGlobal(QPointF(to)), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &move);
}

// Drives the grid with real events, as a user would.
bool DriveState(TExcelGrid2& grid, const QString& state) {
    QWidget* view = grid.viewport();
    if (state == "resized") {
        grid.SetResizeEnabled(true);
        const QPoint border(CellRect(grid, kBandCol, 1).Right, grid.HeadingHeight() / 2);
        QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, border);
        SendMove(grid, border + QPoint(90, 0), Qt::LeftButton);
        QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, border + QPoint(90, 0));
        return true;
    }
    if (state == "dragging") {
        grid.SetDragEnabled(true);
        const TRect first = RowHeadingRect(grid, 3);
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(5, first.Top + 5));
        QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, RowHeadingRect(grid, 5).Top + 5));
        QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, QPoint(5, first.Top + 5));
        SendMove(grid, QPoint(5, RowHeadingRect(grid, 12).Top + 2), Qt::LeftButton);
        return true; // left in the middle of the drag, to show the marker
    }
    if (state == "pasted") {
        QGuiApplication::clipboard()->setText("Pasted\t1.5\r\nBlock\t2.5\r\n");
        const QPoint from(CellRect(grid, kBandCol, 2).Left + 5, CellRect(grid, kBandCol, 2).Top + 5);
        const QPoint to(CellRect(grid, kPriceCol, 7).Left + 5, CellRect(grid, kPriceCol, 7).Top + 5);
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, to);
        QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier);
        return true;
    }
    return false;
}

void ShowState(TExcelGrid2& grid, const QString& state) {
    grid.setFocus();
    if (DriveState(grid, state))
        return;
    auto select = [&grid](int32_t col, int32_t row) {
        grid.Col = col;
        grid.Row = row;
        grid.ResetSelection();
        grid.ScrollInView();
    };
    if (state == "selection") {
        select(kPriceCol, 4);
        grid.Selection.Right = kSourceCol;
        grid.Selection.Bottom = 9;
    } else if (state == "line") {
        select(kCommentCol, 5);
        grid.ShowEditor(0);
    } else if (state == "memo") {
        select(kNotesCol, 6);
        grid.ShowEditor(0);
    } else if (state == "list") {
        select(kSourceCol, 8);
        grid.ShowEditor(0);
    } else if (state == "menu") {
        select(kMediaCol, 10);
        grid.ShowEditor(0);
    } else if (state == "last") {
        select(kBandCol, grid.CountRows());
    } else {
        select(kBandCol, 3);
    }
    grid.viewport()->update();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyPaletteFromEnvironment();
    QString state = "plain";
    const QStringList args = app.arguments();
    const int at = int(args.indexOf("--state"));
    if (at >= 0 && at + 1 < args.size())
        state = args[at + 1];

    QMainWindow window;
    window.setWindowTitle("Grid showcase");
    auto* grid = new TExcelGrid2(&window);
    FillShowcaseGrid(*grid, 100000);
    window.setCentralWidget(grid);
    window.resize(1200, 700);
    window.move(20, 20);
    window.show();
    window.activateWindow();
    grid->setFocus();
    QTimer::singleShot(300, grid, [grid, state] { ShowState(*grid, state); });
    return app.exec();
}
