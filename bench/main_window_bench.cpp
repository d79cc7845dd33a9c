// The view loop of the real main window, offscreen, on lists of 100,000
// bootlegs: a cell edit, a click in the band filter and a tab switch, each
// including the repaint of the window that follows.

#include "ListGenerator.h"

#include "controls/grid/ExcelGrid2.h"
#include "core/Project.h"
#include "platform/SettingsStore.h"
#include "program/ListGrid.h"
#include "ui/main/FilterPanel.h"
#include "ui/main/MainForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr size_t kRecords = 100000;
const char* const kTourBands[] = {"Pink Floyd", "Genesis", "Marillion"};

// A home folder with tours for some of the generated bands and two big lists.
class TBigWindow {
public:
    TBigWindow() {
        const QString home = m_dir.path();
        QDir().mkpath(home + "/Tours");
        QDir().mkpath(home + "/Lists");
        for (const char* band : kTourBands) {
            QFile tours(home + "/Tours/" + band + ".txt");
            tours.open(QIODevice::WriteOnly);
            tours.write("|||||Early years|1965.01.01|1985.12.31\r\n|||||Late years|1986.01.01|2025.12.31\r\n");
        }
        for (int i = 0; i < 2; ++i) {
            TProject list;
            list.FileName = (home + QStringLiteral("/Lists/Big %1.kvu").arg(i)).toStdString();
            list.Data = GenerateCollection(kRecords, 42 + i);
            list.Save();
            m_lists.push_back(list.FileName);
        }
        const std::string base = home.toStdString() + "/";
        TMainFormOptions options;
        options.AboutAtStart = false;
        options.ReopenRecent = false;
        Window = std::make_unique<TMainForm>(m_settings, MakeProgramFolders(base + "korvalen", base),
                                             std::vector<std::string>{}, options);
        Window->resize(1600, 1000);
        Window->show();
        if (!QTest::qWaitForWindowExposed(Window.get()))
            std::fprintf(stderr, "the window was not exposed\n");
        for (const std::string& path : m_lists)
            Window->Program().OpenList(path);
        Settle();
    }

    void Settle() {
        Window->repaint();
        QCoreApplication::processEvents();
    }

    std::unique_ptr<TMainForm> Window;

private:
    QTemporaryDir m_dir;
    TMemorySettingsStore m_settings;
    std::vector<std::string> m_lists;
};

TBigWindow& Big() {
    static TBigWindow window;
    return window;
}

void BM_CellEdit(benchmark::State& state) {
    TBigWindow& big = Big();
    TExcelGrid2& grid = big.Window->Grid();
    const int32_t comment = big.Window->ColMap()[tcComment];
    int n = 0;
    for (auto _ : state) {
        TValue value;
        value.S = "edited " + std::to_string(++n);
        grid.ChangeCell(comment, 5000, value);
        grid.Changed();
        big.Settle();
    }
    state.counters["rows"] = grid.CountRows();
}

void ClickLine(QListWidget& list, int line) {
    QListWidgetItem* item = list.item(line);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, list.visualItemRect(item).center());
}

void BM_FilterClick(benchmark::State& state) {
    TBigWindow& big = Big();
    QListWidget& tours = *big.Window->Rollup().TourLB();
    bool band = false;
    for (auto _ : state) {
        // Alternately one band (a few thousand rows) and every band (all rows).
        band = !band;
        ClickLine(tours, band ? 1 : 0);
        big.Settle();
    }
    big.Window->Program().Filter.AllBands = true;
    big.Window->SetValues();
}

void BM_TabSwitch(benchmark::State& state) {
    TBigWindow& big = Big();
    QTabBar& tabs = big.Window->MainTab();
    for (auto _ : state) {
        tabs.setCurrentIndex(1 - tabs.currentIndex());
        big.Settle();
    }
    state.counters["rows"] = big.Window->Grid().CountRows();
}

BENCHMARK(BM_CellEdit)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_FilterClick)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_TabSwitch)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Big().Window.reset();
    return 0;
}
