// The grid with a column of every kind and 100,000 rows. With --state it
// opens in one of the looks worth a screenshot: plain, selection, line,
// memo, list, menu.

#include "ShowcaseGrid.h"

#include "controls/grid/ExcelGrid2.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

namespace {

void ShowState(TExcelGrid2& grid, const QString& state) {
    grid.setFocus();
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
