// The start of the real main window, offscreen, with a Tours folder of many
// tour files: from creating the window to its first paint (beside the
// reading of the tour files alone, which the start includes), and then a
// click in the band filter list and selecting all of its lines. The times with
// 100,000 tour files are given as ratios to those with 20,000, measured in
// the same run: five times the files should cost about five times as much.
// Run as: startup_bench [FILES] [start] (default 100000; "start" measures
// only the start, for builds where the clicks take minutes).

#include "platform/SettingsStore.h"
#include "program/ConcertLists.h"
#include "ui/main/FilterPanel.h"
#include "ui/main/MainForm.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

using TClock = std::chrono::steady_clock;

bool g_clicks = true;

double SecondsSince(TClock::time_point start) {
    return std::chrono::duration<double>(TClock::now() - start).count();
}

// A home folder whose Tours folder holds `count` bands of one tour and one concert each.
std::string MakeHome(const QTemporaryDir& dir, int count) {
    const std::string home = dir.path().toStdString() + "/";
    QDir().mkpath(QString::fromStdString(home + "Tours"));
    QDir().mkpath(QString::fromStdString(home + "Lists"));
    for (int i = 0; i < count; ++i) {
        std::ofstream file(home + "Tours/Band " + std::to_string(i) + ".txt", std::ios::binary);
        file << "|||||Tour " << i << "|1990.01.01|1990.12.31\r\n1990.05.01|Fri|City|Country|Venue\r\n";
    }
    return home;
}

struct TTimes {
    double ReadTours = 0;
    double Start = 0;
    double Click = 0;
    double SelectAll = 0;
};

void Settle(QWidget& window) {
    window.repaint();
    QCoreApplication::processEvents();
}

// Each time as soon as it is known, so that a slow step shows which it is.
double Report(const char* what, int files, double seconds) {
    std::fprintf(stderr, "  %d files: %s %.3f s\n", files, what, seconds);
    return seconds;
}

TTimes Measure(const std::string& home, int files) {
    TTimes times;
    auto read = TClock::now();
    const size_t bands = LoadConcertLists(home + "Tours/").Bands.size();
    times.ReadTours = Report("reading the tour files alone", files, SecondsSince(read));
    if (bands != static_cast<size_t>(files))
        std::fprintf(stderr, "only %zu of %d tour files were read\n", bands, files);
    TMemorySettingsStore settings;
    TMainFormOptions options;
    options.AboutAtStart = false;
    options.ReopenRecent = false;
    const auto start = TClock::now();
    TMainForm window(settings, MakeProgramFolders(home + "korvalen", home), {}, options);
    window.MessageHook = [](const std::string&, Msg::TKind, Msg::TButtons, Msg::TAlign) { return Msg::ResultOk; };
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "the window was not exposed\n");
    Settle(window);
    times.Start = Report("start", files, SecondsSince(start));

    if (!g_clicks)
        return times;
    QListWidget& tours = *window.Rollup().TourLB();
    const int line = tours.count() / 2;
    auto click = TClock::now();
    tours.scrollToItem(tours.item(line));
    QTest::mouseClick(tours.viewport(), Qt::LeftButton, Qt::NoModifier,
                      tours.visualItemRect(tours.item(line)).center());
    Settle(window);
    times.Click = Report("click", files, SecondsSince(click));

    tours.setFocus();
    click = TClock::now();
    window.Execute({TActionId::cmSelectAll});
    Settle(window);
    times.SelectAll = Report("select all", files, SecondsSince(click));
    return times;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int files = argc > 1 ? std::stoi(argv[1]) : 100000;
    const int baseFiles = files / 5;
    g_clicks = !(argc > 2 && std::string(argv[2]) == "start");

    QTemporaryDir baseDir, bigDir;
    const std::string baseHome = MakeHome(baseDir, baseFiles);
    const std::string bigHome = MakeHome(bigDir, files);
    Measure(baseHome, baseFiles); // warms the file cache and the fonts
    const TTimes base = Measure(baseHome, baseFiles);
    const TTimes big = Measure(bigHome, files);

    std::printf("%-28s %12s %12s %8s\n", "", (std::to_string(baseFiles) + " files").c_str(),
                (std::to_string(files) + " files").c_str(), "ratio");
    const auto row = [](const char* what, double a, double b) {
        std::printf("%-28s %10.3f s %10.3f s %8.2f\n", what, a, b, b / a);
    };
    row("reading the tour files alone", base.ReadTours, big.ReadTours);
    row("start to first paint", base.Start, big.Start);
    if (g_clicks) {
        row("click in the band list", base.Click, big.Click);
        row("select all bands and tours", base.SelectAll, big.SelectAll);
    }
    return 0;
}
