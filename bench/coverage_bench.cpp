// Tour coverage of a 100,000-bootleg list against about 100,000 known
// concerts, beside loading that list from its file; statistics of 1,000,000
// bootlegs beside one bare pass that reads the same three texts of every
// record.

#include "CoverageTours.h"
#include "LoadList.h"
#include "RatioReporter.h"

#include "core/Project.h"
#include "program/ListStatistics.h"
#include "program/TourCoverage.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr size_t kListSize = 100000;
constexpr size_t kStatisticsSize = 1000000;

const std::string& ListPath() {
    static const std::string path = [] {
        std::string name = "/tmp/korvalen-coverage-bench-" + std::to_string(getpid()) + ".kvu";
        TProject list;
        list.FileName = name;
        list.Data = GenerateCollection(kListSize);
        if (!list.Save().Ok)
            std::abort();
        return name;
    }();
    return path;
}

const TArrayOfBootData& List() {
    static const TArrayOfBootData data = GenerateCollection(kListSize);
    return data;
}

const std::vector<TBand>& Tours() {
    static const std::vector<TBand> bands = GenerateTours(List());
    return bands;
}

const TArrayOfBootData& Million() {
    static const TArrayOfBootData data = GenerateCollection(kStatisticsSize, 43);
    return data;
}

void BM_LoadList(benchmark::State& state) {
    TimeLoads(state, ListPath());
}
BENCHMARK(BM_LoadList)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", MinOfRuns);

void BM_Coverage(benchmark::State& state) {
    int32_t owned = 0;
    for (auto _ : state) {
        const std::vector<TBandCoverage> coverage = TourCoverage(Tours(), List());
        owned = 0;
        for (const TBandCoverage& band : coverage)
            owned += band.Owned;
        benchmark::DoNotOptimize(owned);
    }
    state.counters["known"] = double(CountConcerts(Tours()));
    state.counters["owned"] = owned;
}
BENCHMARK(BM_Coverage)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", MinOfRuns);

void BM_BarePassOverAMillion(benchmark::State& state) {
    for (auto _ : state) {
        size_t bytes = 0;
        for (const TBootData& record : Million())
            bytes += record.Band.size() + record.Date.size() + record.Quality.size() + size_t(record.Source);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_BarePassOverAMillion)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", MinOfRuns);

void BM_StatisticsOfAMillion(benchmark::State& state) {
    for (auto _ : state) {
        const TListStatistics statistics = ListStatistics(Million(), nullptr);
        benchmark::DoNotOptimize(statistics.Total);
    }
}
BENCHMARK(BM_StatisticsOfAMillion)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", MinOfRuns);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    ListPath(); // the file and the data are made before any timing starts
    Tours();
    Million();
    TRatioReporter reporter({{"BM_Coverage", "BM_LoadList"}, {"BM_StatisticsOfAMillion", "BM_BarePassOverAMillion"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::remove(ListPath().c_str());
    return 0;
}
