// Importing a trader's list of 100,000 bootlegs, as CSV, as padded text and
// as a web page, each written by our own export. The yardstick is opening
// the same bootlegs from a .kvu file: a trader's list should open about as
// quickly as our own. The list holds what an export carries (no covers, no
// information texts), so both sides read the same texts.

#include "ListGenerator.h"
#include "LoadList.h"
#include "RatioReporter.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "program/ExportFile.h"
#include "program/TraderImport.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <numeric>
#include <unistd.h>

namespace {

constexpr size_t kCount = 100000;
constexpr const char* kExtensions[kTradeFormatCount] = {".csv", ".txt", ".html"};

std::string PathOf(const char* extension) {
    return "/tmp/korvalen-trader-import-bench-" + std::to_string(getpid()) + extension;
}

// The .kvu file and the three exports of the same bootlegs, written once.
void WriteFiles() {
    TProject list;
    list.Data = GenerateCollection(kCount);
    for (TBootData& record : list.Data) {
        record.Info.clear();
        record.Covers = {};
    }
    list.FileName = PathOf(".kvu");
    if (!list.Save().Ok)
        std::abort();
    std::vector<int32_t> view(list.Data.size());
    std::iota(view.begin(), view.end(), 0);
    const std::vector<TBand> bands;
    const TStrings2 names = CodeNameStore();
    TExportChoices choices;
    choices.Options.DivideByTours = false;
    // Every property but the cover mark and the information text.
    choices.Order = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, kExportSeparatorLine, 10, 11};
    const TExportFormat formats[kTradeFormatCount] = {TExportFormat::Csv, TExportFormat::Text, TExportFormat::Html};
    std::string error;
    for (int f = 0; f < kTradeFormatCount; ++f) {
        choices.Format = formats[f];
        if (!ExportListFile(PathOf(kExtensions[f]), {list.Data, view, bands, names}, choices, "Bench", error))
            std::abort();
    }
}

void BM_OpenKvu(benchmark::State& state) {
    TimeLoads(state, PathOf(".kvu"));
}

void BM_Import(benchmark::State& state) {
    const auto format = static_cast<TTradeFormat>(state.range(0));
    const std::string path = PathOf(kExtensions[state.range(0)]);
    const TStrings2 names = CodeNameStore();
    for (auto _ : state) {
        std::string bytes, error;
        if (!ReadWholeFile(path, bytes, error))
            std::abort();
        TTradeResult result = ImportTradeFile(bytes, format, TDateForm::Dotted, names);
        if (result.Records.size() != kCount) {
            const std::string error = std::to_string(result.Records.size()) + " bootlegs read";
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(result.Records.data());
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    WriteFiles();
    benchmark::RegisterBenchmark("BM_OpenKvu", BM_OpenKvu)->Unit(benchmark::kMillisecond)->MinTime(2.0);
    benchmark::RegisterBenchmark("BM_Import", BM_Import)
        ->DenseRange(0, kTradeFormatCount - 1)
        ->ArgName("format")
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0);
    // format 0 CSV, 1 padded text, 2 web page
    TRatioReporter reporter({{"BM_Import/format:0", "BM_OpenKvu"},
                             {"BM_Import/format:1", "BM_OpenKvu"},
                             {"BM_Import/format:2", "BM_OpenKvu"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const char* extension : {".kvu", ".csv", ".txt", ".html"})
        std::remove(PathOf(extension).c_str());
    return 0;
}
