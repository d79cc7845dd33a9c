// The concerts window over the main window on the sample home, in a few
// states, the whole screen grabbed into PNGs (so that the drop-down shows):
// concerts_showcase HOME OUT_DIR
//   all.png       every concert
//   tour.png      one tour chosen
//   dropdown.png  the band-and-tour box dropped down
//   found.png     a cell found by Find

#include "ShowcaseWindow.h"

#include "controls/grid/ExcelGrid2.h"
#include "platform/SettingsStore.h"
#include "ui/dialogs/ConcertsForm.h"
#include "ui/dialogs/TourLine.h"
#include "ui/main/MainForm.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::string home;
    QString out;
    TMemorySettingsStore settings;
    const std::unique_ptr<TMainForm> owned =
        StartSampleShowcase(argc, argv, "usage: concerts_showcase HOME OUT_DIR", settings, QSize(1000, 700), home, out);
    if (!owned)
        return 1;
    TMainForm& window = *owned;

    TConcertsForm form(window.Program(), window.ToolbarImages(), &window);
    form.RefreshMainWindow = [&window] { window.SetValues(); };
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    SaveScreen(out + "all.png");

    form.TourCB().setCurrentIndex(3);
    SaveScreen(out + "tour.png");

    form.TourCB().showPopup();
    SaveScreen(out + "dropdown.png");
    form.TourCB().hidePopup();

    form.TourCB().setCurrentIndex(0);
    form.AskFindText = [](std::string& text) {
        text = "paris";
        return true;
    };
    form.Find1Click(true);
    form.Grid().setFocus();
    SaveScreen(out + "found.png");
    return 0;
}
