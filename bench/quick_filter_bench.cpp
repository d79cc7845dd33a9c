// The quick filter on lists of 100,000 and 1,000,000 bootlegs, without the
// window: a word looked for in the whole list (the first keystroke, or one
// that does not narrow the last query), a query typed a character at a time,
// and the first use, which folds the list into the index. The baseline is a
// bare byte-wise substring scan of the same text columns (no case, no code
// pages), in the same run. Then the index's memory against the list's text.

#include "BareScan.h"
#include "ListGenerator.h"
#include "RatioReporter.h"
#include "core/FilterState.h"
#include "core/Project.h"
#include "core/QuickFilter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int64_t kBig = 100000;
constexpr int64_t kHuge = 1000000;

const TCodeNames& Names() {
    static const TCodeNames names = DefaultCodeNames();
    return names;
}

TProject& List(const benchmark::State& state) {
    static std::map<int64_t, std::unique_ptr<TProject>> lists;
    std::unique_ptr<TProject>& list = lists[state.range(0)];
    if (!list) {
        list = std::make_unique<TProject>();
        list->Data = GenerateCollection(static_cast<size_t>(state.range(0)));
    }
    return *list;
}

constexpr std::string TBootData::*kTexts[] = {&TBootData::Band,    &TBootData::Date,  &TBootData::City,
                                              &TBootData::Country, &TBootData::Venue, &TBootData::Name,
                                              &TBootData::Quality, &TBootData::Num,   &TBootData::Comment};

void BM_BareScan(benchmark::State& state) {
    const TArrayOfBootData& data = List(state).Data;
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(BareScan(data, n++ % 2 ? "Budokan" : "Wembley"));
}

// Each time a word that the last one does not narrow: the whole list is looked at.
void BM_WholeListWord(benchmark::State& state) {
    TProject& list = List(state);
    const char* words[] = {"wembley", "BUDOKAN"};
    int n = 0;
    for (auto _ : state) {
        list.QuickFilter.SetText(words[n++ % 2], Names());
        list.BuildView(TFilterState());
    }
    state.counters["shown"] = static_cast<double>(list.View.size());
}

// "pink floyd london -remastered" typed a character at a time: the time of one.
void BM_TypingKeystroke(benchmark::State& state) {
    TProject& list = List(state);
    const std::string query = "pink floyd london -remastered";
    size_t length = 0;
    for (auto _ : state) {
        length = length % query.size() + 1;
        list.QuickFilter.SetText(query.substr(0, length), Names());
        list.BuildView(TFilterState());
    }
    state.counters["shown"] = static_cast<double>(list.View.size());
}

// The first query on a list: the index is made.
void BM_FirstUse(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        TProject list;
        list.Data = List(state).Data;
        state.ResumeTiming();
        list.QuickFilter.SetText("wembley", Names());
        list.BuildView(TFilterState());
        state.PauseTiming();
        list = TProject();
        state.ResumeTiming();
    }
}

void PrintMemory() {
    for (int64_t count : {kBig, kHuge}) {
        TProject list;
        list.Data = GenerateCollection(static_cast<size_t>(count));
        size_t columns = 0, all = 0;
        for (const TBootData& r : list.Data) {
            for (auto field : kTexts)
                columns += (r.*field).size();
            all += r.Info.size() + r.Covers[0].size() + r.Covers[1].size();
        }
        all += columns;
        list.QuickFilter.SetText("wembley", Names());
        list.BuildView(TFilterState());
        const double index = static_cast<double>(list.QuickFilter.IndexBytes());
        std::printf("bootlegs %lld: index %.1f MiB, %.2fx the list's text (%.1f MiB), %.2fx its text columns\n",
                    static_cast<long long>(count), index / 1048576.0, index / static_cast<double>(all),
                    static_cast<double>(all) / 1048576.0, index / static_cast<double>(columns));
    }
}

} // namespace

int main(int argc, char** argv) {
    RegisterSizes("BM_BareScan", BM_BareScan, {kBig, kHuge});
    RegisterSizes("BM_WholeListWord", BM_WholeListWord, {kBig, kHuge});
    RegisterSizes("BM_TypingKeystroke", BM_TypingKeystroke, {kBig, kHuge});
    RegisterSizes("BM_FirstUse", BM_FirstUse, {kBig, kHuge});
    benchmark::Initialize(&argc, argv);
    std::vector<TRatioReporter::TPair> pairs;
    for (const char* size : {"/bootlegs:100000", "/bootlegs:1000000"})
        for (const char* figure : {"BM_WholeListWord", "BM_TypingKeystroke", "BM_FirstUse"})
            pairs.push_back({std::string(figure) + size, std::string("BM_BareScan") + size});
    TRatioReporter reporter(pairs);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintMemory();
    return 0;
}
