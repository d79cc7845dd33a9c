// The concerts window over the main window on the sample home, in a few
// states, the whole screen grabbed into PNGs (so that the drop-down shows):
// concerts_showcase HOME OUT_DIR
//   all.png       every concert
//   tour.png      one tour chosen
//   dropdown.png  the band-and-tour box dropped down
//   found.png     a cell found by Find

#include "ShowcaseWindow.h"

#include "controls/grid/ExcelGrid2.h"
#include "controls/markup/QtColorScheme.h"
#include "platform/SettingsStore.h"
#include "ui/dialogs/ConcertList.h"
#include "ui/dialogs/TourLine.h"
#include "ui/main/MainForm.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

#include <cstdio>

namespace {

void Save(const QString& path) {
    QTest::qWait(300);
    if (!QGuiApplication::primaryScreen()->grabWindow(0).save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyPaletteFromEnvironment();
    std::string home;
    QString out;
    if (!ShowcaseFolders(argc, argv, "usage: concerts_showcase HOME OUT_DIR", home, out))
        return 2;
    TMemorySettingsStore settings;
    const std::unique_ptr<TMainForm> owned = ShowcaseMainWindow(settings, home, QSize(1000, 700));
    if (!owned)
        return 1;
    TMainForm& window = *owned;
    if (!window.Program().OpenList(home + "Lists/Sample list.kvu"))
        return 1;

    TConcertsForm form(window.Program(), window.ToolbarImages(), &window);
    form.RefreshMainWindow = [&window] { window.SetValues(); };
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    Save(out + "all.png");

    form.TourCB().setCurrentIndex(3);
    Save(out + "tour.png");

    form.TourCB().showPopup();
    Save(out + "dropdown.png");
    form.TourCB().hidePopup();

    form.TourCB().setCurrentIndex(0);
    form.AskFindText = [](std::string& text) {
        text = "paris";
        return true;
    };
    form.Find1Click(true);
    form.Grid().setFocus();
    Save(out + "found.png");
    return 0;
}
