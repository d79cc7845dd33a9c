// Sort of 100,000 and 1,000,000 bootlegs on Band, Date and Source, against
// a stable sort that reads both keys at every comparison, in the same run.
// The sort and its undo are also measured as whole commands short of the
// window: the history step, the journal entry and the view built again.

#include "ListGenerator.h"
#include "RatioReporter.h"
#include "core/ListJournal.h"
#include "core/ListSort.h"
#include "core/Project.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <numeric>

namespace {

const TArrayOfBootData& Collection(size_t count) {
    static std::map<size_t, TArrayOfBootData> made;
    auto found = made.find(count);
    if (found == made.end())
        found = made.emplace(count, GenerateCollection(count)).first;
    return found->second;
}

// Column 2 Band, 3 Date, 8 Source.
const std::string& TextOf(const TBootData& r, int column) {
    return column == 2 ? r.Band : r.Date;
}

void BM_ComparatorSort(benchmark::State& state) {
    const TArrayOfBootData& data = Collection(static_cast<size_t>(state.range(0)));
    const int column = static_cast<int>(state.range(1));
    std::vector<uint32_t> order(data.size());
    for (auto _ : state) {
        std::iota(order.begin(), order.end(), 0u);
        std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
            if (column == 8)
                return data[a].Source < data[b].Source;
            return TextOf(data[a], column) < TextOf(data[b], column);
        });
        benchmark::DoNotOptimize(order.data());
    }
}

void BM_SortOrder(benchmark::State& state) {
    const TArrayOfBootData& data = Collection(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SortOrder(data, static_cast<int>(state.range(1)), true).data());
}

// The order found and the records moved into it: what a sort command costs.
void BM_SortRecords(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        TArrayOfBootData data = Collection(static_cast<size_t>(state.range(0)));
        state.ResumeTiming();
        SortRecords(data, static_cast<int>(state.range(1)), true);
        benchmark::DoNotOptimize(data.data());
        state.PauseTiming();
        data = TArrayOfBootData(); // freed outside the timing
        state.ResumeTiming();
    }
}

// A list as the window holds it: journaled, its view built.
struct TCommandList {
    explicit TCommandList(size_t count)
        : Recorder([this](const std::string& entry) { Journal += entry.size(); }, [] { return int64_t(0); }) {
        List.Data = Collection(count);
        List.UndoSteps.SetRecorder(&Recorder);
        List.BuildView(Filter);
    }
    ~TCommandList() { List.UndoSteps.SetRecorder(nullptr); }
    TProject List;
    TFilterState Filter;
    size_t Journal = 0;
    TJournalRecorder Recorder;
};

constexpr int kBandGridColumn = 1; // without the Search column

// Sorts A-Z and Z-A in turn, so that every sort moves the records.
void BM_SortCommand(benchmark::State& state) {
    TCommandList list(static_cast<size_t>(state.range(0)));
    bool ascending = false;
    for (auto _ : state) {
        list.List.Sort(kBandGridColumn, ascending = !ascending);
        list.List.BuildView(list.Filter);
    }
}

void BM_UndoSortCommand(benchmark::State& state) {
    TCommandList list(static_cast<size_t>(state.range(0)));
    bool ascending = false;
    for (auto _ : state) {
        state.PauseTiming();
        list.List.Sort(kBandGridColumn, ascending = !ascending);
        state.ResumeTiming();
        list.List.UndoChange();
        list.List.BuildView(list.Filter);
    }
}

void Commands(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"n"})->Unit(benchmark::kMillisecond)->ComputeStatistics("min", MinOfRuns);
    for (int64_t n : {100000, 1000000})
        bench->Args({n});
}
BENCHMARK(BM_SortCommand)->Apply(Commands);
BENCHMARK(BM_UndoSortCommand)->Apply(Commands);

void Sizes(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"n", "column"})->Unit(benchmark::kMillisecond)->ComputeStatistics("min", MinOfRuns);
    for (int64_t n : {100000, 1000000})
        for (int64_t column : {2, 3, 8})
            bench->Args({n, column});
}
BENCHMARK(BM_ComparatorSort)->Apply(Sizes);
BENCHMARK(BM_SortOrder)->Apply(Sizes);
BENCHMARK(BM_SortRecords)->Apply(Sizes);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::vector<TRatioReporter::TPair> pairs;
    for (const char* n : {"100000", "1000000"})
        for (const char* column : {"2", "3", "8"}) {
            const std::string args = std::string("/n:") + n + "/column:" + column;
            pairs.push_back({"BM_SortOrder" + args, "BM_ComparatorSort" + args});
            pairs.push_back({"BM_SortRecords" + args, "BM_ComparatorSort" + args});
        }
    for (const char* n : {"100000", "1000000"})
        for (const char* command : {"BM_SortCommand", "BM_UndoSortCommand"})
            pairs.push_back({std::string(command) + "/n:" + n, std::string("BM_ComparatorSort/n:") + n + "/column:2"});
    TRatioReporter reporter(pairs);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
