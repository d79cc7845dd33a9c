// The list functions window over the main window on the sample home, and
// the main window after its compare, grabbed into PNGs for looking at them:
// compare_showcase HOME OUT_DIR
//   compare.png   the window with three lists selected
//   screen.png    the whole screen with the window over the main window
//   compared.png  the main window after the compare: Search column, reds

#include "ShowcaseWindow.h"

#include "controls/markup/QtColorScheme.h"
#include "controls/panels/MyListBox.h"
#include "core/Project.h"
#include "platform/SettingsStore.h"
#include "ui/dialogs/CompareForm.h"
#include "ui/main/MainForm.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace {

// A trader's list: every other bootleg of the sample list and a few of his own.
std::string SaveTradersList(const std::string& sample, const std::string& path, size_t step) {
    TProject list;
    list.FileName = sample;
    if (!list.Load().Ok())
        return {};
    TProject trader;
    trader.FileName = path;
    for (size_t i = 0; i < list.Data.size(); i += step)
        trader.Data.push_back(list.Data[i]);
    trader.Data.push_back(list.Data.front());
    trader.Data.back().Date = "1999.12.31";
    return trader.Save().Ok ? path : std::string();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyPaletteFromEnvironment();
    std::string home;
    QString out;
    if (!ShowcaseFolders(argc, argv, "usage: compare_showcase HOME OUT_DIR", home, out))
        return 2;
    TMemorySettingsStore settings;
    const std::unique_ptr<TMainForm> owned = ShowcaseMainWindow(settings, home, QSize(1300, 700));
    if (!owned)
        return 1;
    TMainForm& window = *owned;
    const std::string sample = home + "Lists/Sample list.kvu";
    const std::string tmp = QDir::tempPath().toStdString();
    if (!window.Program().OpenList(sample) ||
        !window.Program().OpenList(SaveTradersList(sample, tmp + "/trader.kvu", 2)) ||
        !window.Program().OpenList(SaveTradersList(sample, tmp + "/bootlegs 2003.kvu", 3)))
        return 1;
    window.Program().OpenList("");

    TCompareForm form(window.Program(), window, &window);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    for (int line = 0; line < 3; ++line)
        form.ListLB()->SetSelected(line, true);
    form.ListLB()->setFocus();
    QApplication::processEvents();
    form.grab().save(out + "compare.png");
    std::system(("import -window root '" + (out + "screen.png").toStdString() + "'").c_str());

    window.SetCurrentTab(3); // the empty list: the compare moves to the first selected one
    form.CompareBtn()->click();
    QApplication::processEvents();
    window.grab().save(out + "compared.png");
    return 0;
}
