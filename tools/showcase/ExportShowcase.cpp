// The export window over the main window with the sample list, grabbed into
// PNGs for looking at it: export_showcase HOME OUT_DIR [SECONDS]
//   export-default.png    as it opens
//   export-reordered.png  Country and Date dragged onto Band, still selected,
//                         the separator moved up
//   export-text.png       the exported file in a plain text viewer
// With SECONDS the last state stays on screen that long (for a screenshot).

#include "ShowcaseWindow.h"

#include "controls/markup/QtColorScheme.h"
#include "controls/panels/MyListBox.h"
#include "platform/SettingsStore.h"
#include "ui/dialogs/ExportForm.h"
#include "ui/main/MainForm.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

void Save(QWidget& widget, const QString& path) {
    QApplication::processEvents();
    if (!widget.grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

void Drop(TMyListBox& list, std::initializer_list<int> selected, int target) {
    list.clearSelection();
    for (int position : selected)
        list.SetSelected(position, true);
    const QPoint at = list.ItemRect(target).center();
    list.OnDragDrop(list, &list, at.x(), at.y());
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyPaletteFromEnvironment();
    std::string home;
    QString out;
    if (!ShowcaseFolders(argc, argv, "usage: export_showcase HOME OUT_DIR [SECONDS]", home, out, 3))
        return 2;
    TMemorySettingsStore settings;
    const std::unique_ptr<TMainForm> owned = ShowcaseMainWindow(settings, home, QSize(1100, 640));
    if (!owned)
        return 1;
    TMainForm& window = *owned;
    const std::string exported = QString(out + "export.txt").toStdString();
    window.FileDialogHook = [&](TFileDialog& dialog, bool) {
        dialog.FileName = exported;
        return true;
    };
    if (!window.Program().OpenList(home + "Lists/Sample list.kvu"))
        return 1;

    TExportForm form(&window, window.Program(), window, window.GridStr());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    Save(form, out + "export-default.png");

    Drop(form.PropsLB(), {3, 1}, 0);
    Drop(form.PropsLB(), {13}, 7);
    Drop(form.PropsLB(), {1, 0}, 0);
    form.PropsLB().setFocus();
    Save(form, out + "export-reordered.png");

    form.ExportBtn().click();
    QFile file(QString::fromStdString(exported));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QPlainTextEdit viewer;
    viewer.setWindowTitle(QStringLiteral("export.txt"));
    viewer.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    viewer.setLineWrapMode(QPlainTextEdit::NoWrap);
    viewer.setPlainText(QString::fromUtf8(file.readAll()));
    viewer.resize(900, 600);
    viewer.show();
    if (!QTest::qWaitForWindowExposed(&viewer))
        return 1;
    Save(viewer, out + "export-text.png");
    viewer.hide();

    if (argc == 4) {
        form.raise();
        form.activateWindow();
        QTest::qWait(1000 * QString(argv[3]).toInt());
    }
    return 0;
}
