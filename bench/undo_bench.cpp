// Undo and redo in the real main window, offscreen, on a list of 100,000
// bootlegs: undo and redo of a delete of every bootleg, with the refill,
// against the bare refill of the same window; and the memory of 200
// single-cell edits.

#include "BigWindow.h"

#include "controls/grid/ExcelGrid2.h"
#include "core/Project.h"
#include "platform/SettingsStore.h"
#include "program/ListGrid.h"
#include "ui/main/FilterPanel.h"
#include "ui/main/MainForm.h"

#include <QApplication>
#include <QListWidget>
#include <QTabBar>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

constexpr size_t kRecords = 100000;
constexpr int kCellEdits = 200;
TBigWindow& Big() {
    static TBigWindow window({kRecords, kRecords});
    return window;
}

using TClock = std::chrono::steady_clock;

double Seconds(TClock::time_point since) {
    return std::chrono::duration<double>(TClock::now() - since).count();
}

TProject& CurrentList(TBigWindow& big) {
    return *big.Window->Program().CurrentList();
}

void Run(TBigWindow& big, TActionId id) {
    big.Window->Execute({id});
    big.Settle();
}

void DeleteAll(TBigWindow& big) {
    TExcelGrid2& grid = big.Window->Grid();
    grid.Col = 1;
    grid.Row = 1;
    grid.Selection = {1, 1, 1, grid.CountRows()};
    Run(big, TActionId::cmDelete);
}

// The least any change costs the window: filling the grid from every record.
double RefillSeconds() {
    static const double seconds = [] {
        TBigWindow& big = Big();
        double best = 1e9;
        for (int i = 0; i < 5; ++i) {
            const TClock::time_point start = TClock::now();
            big.Window->SetValues();
            big.Settle();
            best = std::min(best, Seconds(start));
        }
        return best;
    }();
    return seconds;
}

void Report(benchmark::State& state, double seconds) {
    const double each = seconds / static_cast<double>(state.iterations());
    state.counters["ms"] = each * 1000;
    state.counters["x_refill"] = each / RefillSeconds();
    state.counters["records"] = static_cast<double>(CurrentList(Big()).Data.size());
}

void BM_Refill(benchmark::State& state) {
    for (auto _ : state)
        state.SetIterationTime(RefillSeconds());
    state.counters["ms"] = RefillSeconds() * 1000;
}

void BM_UndoDeleteOfAll(benchmark::State& state) {
    TBigWindow& big = Big();
    RefillSeconds();
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        DeleteAll(big);
        state.ResumeTiming();
        const TClock::time_point start = TClock::now();
        Run(big, TActionId::cmUndo);
        seconds += Seconds(start);
    }
    Report(state, seconds);
}

void BM_RedoDeleteOfAll(benchmark::State& state) {
    TBigWindow& big = Big();
    RefillSeconds();
    DeleteAll(big);
    Run(big, TActionId::cmUndo);
    double seconds = 0;
    for (auto _ : state) {
        const TClock::time_point start = TClock::now();
        Run(big, TActionId::cmRedo);
        seconds += Seconds(start);
        state.PauseTiming();
        Run(big, TActionId::cmUndo);
        state.ResumeTiming();
    }
    Report(state, seconds);
}

// 200 single-cell edits through the grid, as typing makes them: what the
// history holds afterwards, against the records of the list themselves.
void BM_MemoryOf200CellEdits(benchmark::State& state) {
    TBigWindow& big = Big();
    TExcelGrid2& grid = big.Window->Grid();
    const int32_t comment = big.Window->ColMap()[tcComment];
    TProject& list = CurrentList(big);
    size_t historyBytes = 0;
    int round = 0;
    for (auto _ : state) {
        list.UndoSteps.Clear();
        ++round;
        for (int i = 0; i < kCellEdits; ++i) {
            TValue value;
            value.S = "comment " + std::to_string(round) + " typed into row " + std::to_string(i * 400 + 1);
            grid.ChangeCell(comment, i * 400 + 1, value);
            grid.Changed();
        }
        historyBytes = list.UndoSteps.Bytes();
    }
    size_t listBytes = list.Data.capacity() * sizeof(TBootData);
    for (const TBootData& record : list.Data)
        for (const std::string* text :
             {&record.Band, &record.Date, &record.City, &record.Venue, &record.Country, &record.Name, &record.Info,
              &record.Num, &record.Comment, &record.Quality, &record.Covers[0], &record.Covers[1]})
            listBytes += text->capacity() > 15 ? text->capacity() + 1 : 0;
    state.counters["steps"] = static_cast<double>(list.UndoSteps.StepCount());
    state.counters["history_KB"] = static_cast<double>(historyBytes) / 1024;
    state.counters["x_list"] = static_cast<double>(historyBytes) / static_cast<double>(listBytes);
}

BENCHMARK(BM_Refill)->UseManualTime()->Iterations(1);
BENCHMARK(BM_UndoDeleteOfAll)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_RedoDeleteOfAll)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_MemoryOf200CellEdits)->Unit(benchmark::kMillisecond)->Iterations(3);

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
