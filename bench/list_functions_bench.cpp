// Compare (exact and loose), duplicate search and join on big lists, against
// the loading of the same lists as the yardstick, and the nested scans that the index
// replaces on small lists, with their cost extrapolated to the big ones.

#include "ListGenerator.h"
#include "core/ListFunctions.h"
#include "core/Project.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <unistd.h>

namespace {

constexpr size_t kBig = 200000;
constexpr size_t kSmall = 5000;
constexpr size_t kHuge = 1000000;
constexpr TMatchOptions kBothCodes{true, true};
constexpr TMatchOptions kLoose{true, true, true};

// The matching rule read plainly, record against record, as a compare
// without an index would go.
bool SameBootlegAndCodes(const TBootData& a, const TBootData& b) {
    return a.Date == b.Date && a.Band == b.Band && a.Source == b.Source && a.Media == b.Media;
}

// Mine and a trader's: the trader holds every other one of mine and as
// many of his own.
struct TTwoLists {
    TProject Mine, Traders;
    std::vector<TProject*> Lists{&Mine, &Traders};
    std::vector<bool> Selected{true, true};

    explicit TTwoLists(size_t count) {
        Mine.FileName = "/lists/mine.kvu";
        Traders.FileName = "/lists/trader.kvu";
        Mine.Data = GenerateCollection(count, 42);
        TArrayOfBootData own = GenerateCollection(count / 2, 43);
        for (size_t i = 0; i < count; i += 2)
            Traders.Data.push_back(Mine.Data[i]);
        Traders.Data.insert(Traders.Data.end(), own.begin(), own.end());
    }
};

TTwoLists& Big() {
    static TTwoLists lists(kBig);
    return lists;
}

// The trader writes half of his list his own way: bands in capitals with
// stray spaces, dates with dashes or as words.
TTwoLists& MessyBig() {
    static TTwoLists lists = [] {
        TTwoLists messy(kBig);
        static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        for (size_t i = 0; i < messy.Traders.Data.size(); i += 2) {
            TBootData& record = messy.Traders.Data[i];
            for (char& c : record.Band)
                c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
            record.Band = " " + record.Band + "  ";
            std::string& date = record.Date;
            if (date.size() != 10)
                continue;
            if (i % 4 == 0) {
                date[4] = date[7] = '-';
            } else {
                const int month = std::atoi(date.substr(5, 2).c_str());
                if (month >= 1 && month <= 12)
                    date = date.substr(8, 2) + " " + kMonths[month - 1] + " " + date.substr(0, 4);
            }
        }
        return messy;
    }();
    return lists;
}

TTwoLists& Small() {
    static TTwoLists lists(kSmall);
    return lists;
}

std::string TempPath(const char* name) {
    return "/tmp/korvalen-bench-" + std::to_string(getpid()) + "-" + name + ".kvu";
}

void SaveBigLists() {
    for (TProject* list : Big().Lists) {
        TProject copy;
        copy.FileName = TempPath(list == &Big().Mine ? "mine" : "trader");
        copy.Data = list->Data;
        if (!copy.Save().Ok)
            std::abort();
    }
}

void BM_LoadTwoLists(benchmark::State& state) {
    for (auto _ : state)
        for (const char* name : {"mine", "trader"}) {
            TProject list;
            list.FileName = TempPath(name);
            if (!list.Load().Ok())
                std::abort();
            benchmark::DoNotOptimize(list.Data.data());
        }
}
BENCHMARK(BM_LoadTwoLists)->Unit(benchmark::kMillisecond);

void BM_Compare(benchmark::State& state) {
    TTwoLists& lists = state.range(0) == static_cast<int64_t>(kBig) ? Big() : Small();
    for (auto _ : state)
        CompareLists(lists.Lists, lists.Selected, kBothCodes);
    state.counters["lacking"] = lists.Mine.Data[1].SearchHits;
}
BENCHMARK(BM_Compare)->Arg(kSmall)->Arg(kBig)->ArgName("each")->Unit(benchmark::kMillisecond);

void BM_LooseCompare(benchmark::State& state) {
    TTwoLists& lists = MessyBig();
    for (auto _ : state)
        CompareLists(lists.Lists, lists.Selected, kLoose);
    // Every other one of mine is the trader's: the messy spelling must not hide them.
    size_t found = 0;
    for (const TBootData& record : lists.Mine.Data)
        found += record.SearchHits == 0 ? 1 : 0;
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_LooseCompare)->Unit(benchmark::kMillisecond);

void BM_Join(benchmark::State& state) {
    TFilterState everything;
    size_t count = 0;
    for (auto _ : state) {
        TArrayOfBootData joined;
        std::string error;
        JoinLists(Big().Lists, Big().Selected, everything, kBothCodes, joined, error);
        count = joined.size();
        state.PauseTiming(); // the joined list stays open: freeing it is no part of the join
        joined = TArrayOfBootData();
        state.ResumeTiming();
    }
    state.counters["joined"] = static_cast<double>(count);
}
BENCHMARK(BM_Join)->Unit(benchmark::kMillisecond);

// Arg 1: one band and empty dates, so that only the codes tell records apart.
void BM_Duplicates(benchmark::State& state) {
    static TProject list;
    if (list.Data.empty())
        list.Data = GenerateCollection(kHuge, 44);
    if (state.range(0) == 1)
        for (TBootData& record : list.Data) {
            record.Band = "Yes";
            record.Date.clear();
        }
    std::vector<TProject*> lists{&list};
    for (auto _ : state)
        CompareLists(lists, {true}, kBothCodes);
    size_t duplicates = 0;
    for (const TBootData& record : list.Data)
        duplicates += record.SearchHits == 1 ? 1 : 0;
    state.counters["duplicates"] = static_cast<double>(duplicates);
}
BENCHMARK(BM_Duplicates)->Arg(0)->Arg(1)->ArgName("one_key")->Unit(benchmark::kMillisecond);

// The comparison as plain nested scans over both lists.
void BM_NestedCompare(benchmark::State& state) {
    TTwoLists& lists = Small();
    for (auto _ : state) {
        for (TProject* a : lists.Lists)
            for (TBootData& record : a->Data) {
                record.SearchHits = 1;
                record.SearchText.clear();
            }
        for (TProject* a : lists.Lists)
            for (TProject* b : lists.Lists) {
                if (a == b)
                    continue;
                for (TBootData& record : a->Data) {
                    bool found = false;
                    for (const TBootData& other : b->Data)
                        if (SameBootlegAndCodes(record, other)) {
                            found = true;
                            break;
                        }
                    if (found)
                        --record.SearchHits;
                    else
                        record.SearchText = "Other";
                }
            }
    }
}
BENCHMARK(BM_NestedCompare)->Unit(benchmark::kMillisecond);

// Keeps the times and prints the ratios after the usual table.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                m_ms[run.benchmark_name()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const {
        auto ms = [this](const char* name) {
            auto found = m_ms.find(name);
            return found == m_ms.end() ? 0.0 : found->second;
        };
        const double load = ms("BM_LoadTwoLists"), compare = ms("BM_Compare/each:200000"),
                     small = ms("BM_Compare/each:5000"), nested = ms("BM_NestedCompare"), join = ms("BM_Join");
        const double growth = double(kBig) / kSmall;
        std::printf("\ncompare 2 x %zu: %.1f ms = %.2f x loading both (%.1f ms)\n", kBig, compare, compare / load,
                    load);
        const double loose = ms("BM_LooseCompare");
        std::printf("loose compare 2 x %zu, half the trader's spelt otherwise: %.1f ms = %.2f x loading both\n", kBig,
                    loose, loose / load);
        std::printf("join 2 x %zu: %.1f ms = %.2f x loading both\n", kBig, join, join / load);
        std::printf("duplicates in %zu: %.1f ms, %.1f ms with one band and no dates\n", kHuge,
                    ms("BM_Duplicates/one_key:0"), ms("BM_Duplicates/one_key:1"));
        std::printf("nested scans 2 x %zu: %.1f ms = %.0f x the index on the same lists (%.2f ms)\n", kSmall, nested,
                    nested / small, small);
        std::printf("nested scans extrapolated to 2 x %zu (x %.0f): %.0f s = %.0f x the index\n", kBig, growth * growth,
                    nested * growth * growth / 1e3, nested * growth * growth / compare);
    }

private:
    std::map<std::string, double> m_ms;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    SaveBigLists(); // before any timing starts
    MessyBig();
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    for (const char* name : {"mine", "trader"})
        std::remove(TempPath(name).c_str());
    return 0;
}
