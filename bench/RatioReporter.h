#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// The "min" statistic that the table takes from repetitions.
inline double MinOfRuns(const std::vector<double>& runs) {
    return *std::min_element(runs.begin(), runs.end());
}

// `function` once per list size in bootlegs, timed in milliseconds.
inline void RegisterSizes(const char* name, void (*function)(benchmark::State&), const std::vector<int64_t>& sizes) {
    for (int64_t size : sizes)
        benchmark::RegisterBenchmark(name, function)
            ->Arg(size)
            ->ArgName("bootlegs")
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.5)
            ->ComputeStatistics("min", MinOfRuns);
}

// Prints Google Benchmark's usual lines, then a table of each figure beside
// its baseline from the same run. With repetitions the best run counts (give
// the benchmarks a "min" statistic): the machine is shared, and the other
// runs only add what other work took away.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    struct TPair {
        std::string Figure;
        std::string Baseline;
    };
    explicit TRatioReporter(std::vector<TPair> pairs) : m_pairs(std::move(pairs)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // Single runs, or the "min" of repetitions shown as aggregates only.
            if (run.error_occurred || (run.run_type == Run::RT_Aggregate && run.aggregate_name != "min"))
                continue;
            const double ms = run.GetAdjustedRealTime() * TimeToMs(run.time_unit);
            const std::string name = PlainName(run.run_name.str());
            auto found = m_best.find(name);
            if (found == m_best.end() || ms < found->second)
                m_best[name] = ms;
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-44s %10s   %-36s %10s %8s\n", "figure (best run)", "ms", "baseline", "ms", "ratio");
        for (const TPair& pair : m_pairs) {
            auto figure = m_best.find(pair.Figure);
            auto baseline = m_best.find(pair.Baseline);
            if (figure == m_best.end() || baseline == m_best.end())
                continue;
            std::printf("%-44s %10.1f   %-36s %10.1f %8.2f\n", pair.Figure.c_str(), figure->second,
                        pair.Baseline.c_str(), baseline->second, figure->second / baseline->second);
        }
        std::fflush(stdout);
    }

private:
    // The name without the "/min_time:…" that a benchmark's own minimum time adds.
    static std::string PlainName(std::string name) {
        const size_t at = name.find("/min_time:");
        if (at != std::string::npos)
            name.erase(at, name.find('/', at + 1) - at);
        return name;
    }

    static double TimeToMs(benchmark::TimeUnit unit) {
        switch (unit) {
        case benchmark::kNanosecond:
            return 1e-6;
        case benchmark::kMicrosecond:
            return 1e-3;
        case benchmark::kMillisecond:
            return 1.0;
        default:
            return 1e3;
        }
    }

    std::vector<TPair> m_pairs;
    std::map<std::string, double> m_best;
};
