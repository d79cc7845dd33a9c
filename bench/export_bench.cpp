// Export of a 100,000-bootleg list to text, divided by tours. The yardstick
// is writing the same bytes, already made, to a file in the same way: the
// ratio tells what the layout costs on top of the disk. CSV and the web page
// are measured against the text export of the same list.

#include "ListGenerator.h"
#include "platform/AtomicFile.h"
#include "platform/ByteStream.h"
#include "program/ExportFile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <numeric>
#include <set>
#include <unistd.h>

namespace {

constexpr size_t kCount = 100000;

struct TBenchList {
    TArrayOfBootData Data = GenerateCollection(kCount);
    std::vector<int32_t> View;
    std::vector<TBand> Bands;
    TStrings2 Names = CodeNameStore();

    TBenchList() {
        View.resize(Data.size());
        std::iota(View.begin(), View.end(), 0);
        // Every band of the list has a tour file with a tour every two years.
        std::set<std::string> names;
        for (const TBootData& record : Data)
            names.insert(record.Band);
        char first[16], last[16];
        for (const std::string& name : names) {
            TBand& band = Bands.emplace_back();
            band.Name = name;
            for (int year = 1965; year <= 2025; year += 2) {
                std::snprintf(first, sizeof first, "%04d.01.01", year);
                std::snprintf(last, sizeof last, "%04d.12.31", year + 1);
                band.Tours.push_back({"Tour " + std::to_string(year), first, last, 0, false, {}});
            }
        }
    }
    TExportInput Input() const { return {Data, View, Bands, Names}; }
};

const TBenchList& List() {
    static const TBenchList list;
    return list;
}

TExportChoices ByTours(bool divide) {
    TExportChoices choices;
    choices.Options.DivideByTours = divide;
    return choices;
}

const std::string& OutPath() {
    static const std::string path = "/tmp/korvalen-export-bench-" + std::to_string(getpid()) + ".txt";
    return path;
}

void BM_BareWriteOfTheText(benchmark::State& state) {
    TStringSink text;
    std::string error;
    if (!WriteExportText(List().Input(), ByTours(true), text, error))
        std::abort();
    for (auto _ : state)
        if (!WriteFileAtomically(OutPath(), text.Bytes, error))
            std::abort();
    state.counters["text_MB"] = static_cast<double>(text.Bytes.size()) / 1e6;
}
BENCHMARK(BM_BareWriteOfTheText)->Unit(benchmark::kMillisecond);

void BM_ExportToMemory(benchmark::State& state) {
    std::string error;
    for (auto _ : state) {
        TStringSink text;
        if (!WriteExportText(List().Input(), ByTours(true), text, error))
            std::abort();
        benchmark::DoNotOptimize(text.Bytes.data());
    }
}
BENCHMARK(BM_ExportToMemory)->Unit(benchmark::kMillisecond);

void BM_ExportFile(benchmark::State& state) {
    TExportChoices choices = ByTours(state.range(0) != 0);
    choices.Format = static_cast<TExportFormat>(state.range(1));
    std::string error;
    for (auto _ : state)
        if (!ExportListFile(OutPath(), List().Input(), choices, "Bench", error))
            std::abort();
}
BENCHMARK(BM_ExportFile)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->ArgNames({"by_tours", "format"})
    ->Unit(benchmark::kMillisecond);

// Keeps the mean real time of every run, to print the ratios at the end.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean")
                Times[run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args)] =
                    run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> Times;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    List(); // the list and its tours are made before any timing starts
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::remove(OutPath().c_str());
    const auto& t = reporter.Times;
    auto baseline = t.find("BM_BareWriteOfTheText");
    if (baseline == t.end() || baseline->second <= 0)
        return 0;
    std::printf("\nagainst writing the finished text (%.1f ms):\n", baseline->second);
    for (const auto& [name, time] : t)
        if (name != baseline->first)
            std::printf("  %-28s %8.1f ms  %5.2fx\n", name.c_str(), time, time / baseline->second);
    std::printf("\nagainst the text export of the same list (format 1 CSV, 2 web page):\n");
    for (const char* divide : {"0", "1"}) {
        const std::string prefix = std::string("BM_ExportFile/by_tours:") + divide + "/format:";
        auto text = t.find(prefix + "0");
        for (const char* format : {"1", "2"})
            if (auto other = t.find(prefix + format); text != t.end() && other != t.end())
                std::printf("  %-28s %5.2fx\n", other->first.c_str(), other->second / text->second);
    }
    return 0;
}
