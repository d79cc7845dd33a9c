// The main window on the sample home in a few states, grabbed into PNGs for
// looking at them: main_window_showcase HOME OUT_DIR
//   plain.png     the sample list as it opens
//   quick.png     narrowed by the quick filter box, which has the keyboard
//   tour.png      filtered by one tour
//   results.png   search results of a compare (the Search column, the reds),
//                 a selection, cover and info marks
//   dropdown.png  the drop-down list of a Source cell
//   default.png   the window at its first-run size, the band list focused
//   small.png     the window at its smallest, the grid focused
//   undo.png      three deleted rows brought back by Undo, selected; Redo offered

#include "ShowcaseWindow.h"

#include "controls/grid/ExcelGrid2.h"
#include "controls/grid/GridEditors.h"
#include "controls/markup/QtColorScheme.h"
#include "core/Project.h"
#include "platform/SettingsStore.h"
#include "program/Program.h"
#include "ui/main/FilterPanel.h"
#include "ui/main/MainForm.h"
#include "ui/main/QuickFilterBox.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include <cstdio>

namespace {

void Save(TMainForm& window, const QString& path) {
    QApplication::processEvents();
    if (!window.grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyPaletteFromEnvironment();
    std::string home;
    QString out;
    if (!ShowcaseFolders(argc, argv, "usage: main_window_showcase HOME OUT_DIR", home, out))
        return 2;
    TMemorySettingsStore settings;
    const std::unique_ptr<TMainForm> owned = ShowcaseMainWindow(settings, home, QSize(1500, 720));
    if (!owned)
        return 1;
    TMainForm& window = *owned;
    window.activateWindow(); // a focused control shows as such
    if (!QTest::qWaitForWindowActive(&window))
        std::fprintf(stderr, "the window did not become active\n");

    if (!window.Program().OpenList(home + "Lists/Sample list.kvu"))
        return 1;
    Save(window, out + "plain.png");

    TQuickFilterBox& box = window.QuickFilterBox();
    box.setFocus();
    QTest::keyClicks(&box, QStringLiteral("ironwood -date:1994"));
    Save(window, out + "quick.png");
    box.clear();

    QListWidget& tours = *window.Rollup().TourLB();
    tours.setCurrentRow(2);
    Save(window, out + "tour.png");
    tours.clearSelection();
    tours.setCurrentRow(0);

    TProject& list = *window.Program().CurrentList();
    for (size_t i = 0; i < list.Data.size(); i += 3) {
        list.Data[i].SearchHits = i % 2 ? 1 : 2;
        list.Data[i].SearchText = list.Data[i].SearchHits == 1 ? "Other list" : "Other list, Old list";
    }
    list.SearchColumn = true;
    window.SetValues();
    TExcelGrid2& grid = window.Grid();
    grid.Col = 4;
    grid.Row = 5;
    grid.Selection = {4, 5, 6, 8};
    grid.setFocus();
    Save(window, out + "results.png");

    // The drop-down of a Source cell lists the names.
    grid.Selection = {9, 3, 9, 3};
    grid.Col = 9;
    grid.Row = 3;
    QTest::keyClick(&grid, Qt::Key_Return);
    Save(window, out + "dropdown.png");
    QTest::keyClick(&grid.GridListBox(), Qt::Key_Escape);

    // Delete three rows and take the delete back: the rows return selected.
    grid.Col = 2;
    grid.Row = 4;
    grid.Selection = {2, 4, 2, 6};
    window.Execute({TActionId::cmDelete});
    window.Execute({TActionId::cmUndo});
    Save(window, out + "undo.png");

    window.resize(kMainWindowSize.Width, kMainWindowSize.Height);
    tours.setFocus();
    Save(window, out + "default.png");

    window.resize(window.minimumSize());
    grid.setFocus();
    Save(window, out + "small.png");
    return 0;
}
