// The view loop of the real main window, offscreen: a cell edit, a click in
// the band filter and a tab switch, each including the repaint of the window
// that follows, with two lists of 100,000 bootlegs open and with one of
// 1,000,000 (beside a small one to switch to); a keystroke in the quick
// filter box; opening a list of 100,000 and one of 1,000,000 to the painted
// grid. The baselines are a bare repaint of the same window, a bare
// substring scan of the texts the quick filter looks in, and a bare load of
// the same file, on the window's thread and on one of its own.
//
// `main_window_bench memory FILE` prints instead how much the program grows
// from an empty window to FILE open, against the list's content.

#include "BareScan.h"
#include "BigWindow.h"
#include "ProcessStatus.h"
#include "RatioReporter.h"

#include "controls/grid/ExcelGrid2.h"
#include "core/Project.h"
#include "platform/SettingsStore.h"
#include "program/ListGrid.h"
#include "ui/main/FilterPanel.h"
#include "ui/main/MainForm.h"
#include "ui/main/QuickFilterBox.h"

#include <QApplication>
#include <QListWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <thread>

namespace {

constexpr size_t kBig = 100000;
constexpr size_t kHuge = 1000000;
// Built when first asked for, so that a filter on the benchmarks builds only
// the windows it needs; gone before the application.
std::unique_ptr<TBigWindow> g_big, g_huge;

TBigWindow& Big(const benchmark::State& state) {
    if (state.range(0) == static_cast<int64_t>(kHuge)) {
        if (!g_huge)
            g_huge = std::make_unique<TBigWindow>(std::vector<size_t>{kHuge, 1000});
        return *g_huge;
    }
    if (!g_big)
        g_big = std::make_unique<TBigWindow>(std::vector<size_t>{kBig, kBig});
    return *g_big;
}

void BM_Repaint(benchmark::State& state) {
    TBigWindow& big = Big(state);
    for (auto _ : state)
        big.Settle();
}

void BM_CellEdit(benchmark::State& state) {
    TBigWindow& big = Big(state);
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
    TBigWindow& big = Big(state);
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
    TBigWindow& big = Big(state);
    QTabBar& tabs = big.Window->MainTab();
    for (auto _ : state) {
        tabs.setCurrentIndex(1 - tabs.currentIndex());
        big.Settle();
    }
    tabs.setCurrentIndex(0);
    big.Settle();
}

// A keystroke in the quick filter box that the last text does not narrow
// (the whole list is looked at), to the painted window.
void BM_QuickFilterWord(benchmark::State& state) {
    TBigWindow& big = Big(state);
    TQuickFilterBox& box = big.Window->QuickFilterBox();
    const QString words[] = {QStringLiteral("wembley"), QStringLiteral("budokan")};
    // The index is made when the box takes the keyboard, before the first keystroke.
    box.setText(words[1]);
    big.Settle();
    int n = 0;
    for (auto _ : state) {
        box.setText(words[n++ % 2]);
        big.Settle();
    }
    box.clear();
    big.Settle();
}

// One character of a query typed into the box, to the painted window.
void BM_QuickFilterTyping(benchmark::State& state) {
    TBigWindow& big = Big(state);
    TQuickFilterBox& box = big.Window->QuickFilterBox();
    const QString query = QStringLiteral("pink floyd london -remastered");
    for (auto _ : state) {
        if (box.text().size() == query.size()) {
            state.PauseTiming();
            box.clear();
            big.Settle();
            state.ResumeTiming();
        }
        box.setText(query.left(box.text().size() + 1));
        big.Settle();
    }
    box.clear();
    big.Settle();
}

// A bare byte-wise substring scan of the texts the filter looks in.
void BM_BareScan(benchmark::State& state) {
    const TArrayOfBootData& data = Big(state).Window->Program().Lists[0]->Data;
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(BareScan(data, n++ % 2 ? "Budokan" : "Wembley"));
}

// Opening as File > Open does once the name is chosen, to the painted grid.
void BM_OpenList(benchmark::State& state) {
    TBigWindow& big = Big(state);
    TProgram& program = big.Window->Program();
    for (auto _ : state) {
        program.OpenList(big.Lists[0]);
        big.Settle();
        state.PauseTiming();
        program.CloseList(static_cast<int>(program.Lists.size()) - 1);
        big.Settle();
        state.ResumeTiming();
    }
}

void BM_Load(benchmark::State& state) {
    const std::string& path = Big(state).Lists[0];
    for (auto _ : state) {
        TProject list;
        list.FileName = path;
        if (!list.Load().Ok())
            std::abort();
    }
}

// The same on a thread of its own, as the window reads a list.
void BM_LoadAside(benchmark::State& state) {
    const std::string& path = Big(state).Lists[0];
    for (auto _ : state) {
        TProject list;
        list.FileName = path;
        std::thread reader([&list] {
            if (!list.Load().Ok())
                std::abort();
        });
        reader.join();
    }
}

int Memory(const std::string& path) {
    QTemporaryDir home;
    TMemorySettingsStore settings;
    std::unique_ptr<TMainForm> window = MakeBenchWindow(settings, home.path().toStdString());
    window->repaint();
    QCoreApplication::processEvents();
    const long before = StatusKiB("VmRSS:");
    if (!window->Program().OpenList(path))
        return 1;
    window->repaint();
    QCoreApplication::processEvents();
    const long after = StatusKiB("VmRSS:");
    const long peak = StatusKiB("VmHWM:");
    TStringSink content;
    std::string error;
    WriteListContent(window->Program().Lists[0]->Data, content, error);
    const double contentMiB = static_cast<double>(content.Bytes.size()) / (1024.0 * 1024.0);
    const double grown = static_cast<double>(after - before) / 1024.0;
    const double peaked = static_cast<double>(peak - before) / 1024.0;
    std::printf("bootlegs %zu, content %.1f MiB: the window grew %.1f MiB (%.2fx the content), at most %.1f MiB "
                "(%.2fx) while opening\n",
                window->Program().Lists[0]->Data.size(), contentMiB, grown, grown / contentMiB, peaked,
                peaked / contentMiB);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "memory") == 0)
        return Memory(argv[2]);
    const int64_t big = kBig, huge = kHuge;
    RegisterSizes("BM_Repaint", BM_Repaint, {big, huge});
    RegisterSizes("BM_CellEdit", BM_CellEdit, {big, huge});
    RegisterSizes("BM_FilterClick", BM_FilterClick, {big, huge});
    RegisterSizes("BM_TabSwitch", BM_TabSwitch, {big, huge});
    RegisterSizes("BM_QuickFilterWord", BM_QuickFilterWord, {big, huge});
    RegisterSizes("BM_QuickFilterTyping", BM_QuickFilterTyping, {big, huge});
    RegisterSizes("BM_BareScan", BM_BareScan, {big, huge});
    RegisterSizes("BM_OpenList", BM_OpenList, {big, huge});
    RegisterSizes("BM_Load", BM_Load, {big, huge});
    RegisterSizes("BM_LoadAside", BM_LoadAside, {big, huge});
    benchmark::Initialize(&argc, argv);
    std::vector<TRatioReporter::TPair> pairs;
    for (const char* size : {"/bootlegs:100000", "/bootlegs:1000000"})
        for (const char* figure : {"BM_CellEdit", "BM_FilterClick", "BM_TabSwitch"})
            pairs.push_back({std::string(figure) + size, std::string("BM_Repaint") + size});
    for (const char* size : {"/bootlegs:100000", "/bootlegs:1000000"})
        for (const char* figure : {"BM_QuickFilterWord", "BM_QuickFilterTyping"}) {
            pairs.push_back({std::string(figure) + size, std::string("BM_Repaint") + size});
            pairs.push_back({std::string(figure) + size, std::string("BM_BareScan") + size});
        }
    for (const char* size : {"/bootlegs:100000", "/bootlegs:1000000"})
        for (const char* baseline : {"BM_Load", "BM_LoadAside"})
            pairs.push_back({std::string("BM_OpenList") + size, baseline + std::string(size)});
    TRatioReporter reporter(pairs);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    g_big.reset();
    g_huge.reset();
    return 0;
}
