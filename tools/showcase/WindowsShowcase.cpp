// The windows that open from a cell or a menu and have no showcase of their
// own, over the main window on the sample home, the screen grabbed into PNGs:
// windows_showcase HOME OUT_DIR
//   info.png        the information window with a text
//   cover.png       the cover window, no pictures chosen
//   coverage.png    the tour coverage window
//   statistics.png  the statistics window

#include "ShowcaseWindow.h"

#include "platform/SettingsStore.h"
#include "program/Program.h"
#include "program/ProgramHost.h"
#include "ui/dialogs/CoverForm.h"
#include "ui/dialogs/CoverageForm.h"
#include "ui/dialogs/InfoForm.h"
#include "ui/dialogs/StatisticsForm.h"
#include "ui/main/MainForm.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

namespace {

void Shoot(QDialog& form, const QString& path) {
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        std::fprintf(stderr, "%s never showed\n", qPrintable(path));
    SaveScreen(path);
    form.hide();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::string home;
    QString out;
    TMemorySettingsStore settings;
    const std::unique_ptr<TMainForm> owned =
        StartSampleShowcase(argc, argv, "usage: windows_showcase HOME OUT_DIR", settings, QSize(1000, 700), home, out);
    if (!owned)
        return 1;
    TMainForm& window = *owned;
    window.SetValues();

    TWindowPlacement placement{1, 120, 80, 120 + TInfoForm::kDesignWidth, 80 + TInfoForm::kDesignHeight};
    TInfoForm info(placement, &window.ToolbarImages(), &window);
    info.SetText("Soundboard recording, second generation.\r\nTrack list:\r\n1. Intro\r\n2. Northern Lights\r\n");
    Shoot(info, out + "info.png");

    TCoverForm cover(home + "Covers/", &window);
    Shoot(cover, out + "cover.png");

    TCoverageForm coverage(window.Program(), window, &window);
    Shoot(coverage, out + "coverage.png");

    TStatisticsForm statistics(window.Program(), &window);
    Shoot(statistics, out + "statistics.png");
    return 0;
}
