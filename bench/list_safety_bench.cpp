// What keeping edits safe costs on a 100,000-bootleg list: a step with its
// journal entry against the bare step (an edit, the first edit after an open,
// which copies the file into the journal, and a sort), and an open with its
// lock and identity checksum against the bare open.

#include "ListGenerator.h"
#include "RatioReporter.h"
#include "core/FileIdentity.h"
#include "core/ListLock.h"
#include "core/ListSort.h"
#include "core/Project.h"
#include "program/ListJournals.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

constexpr size_t kCount = 100000;

const std::string& ListPath() {
    static const std::string path = [] {
        std::string p = "/tmp/korvalen-safety-bench-" + std::to_string(getpid()) + ".kvu";
        TProject list;
        list.FileName = p;
        list.Data = GenerateCollection(kCount);
        if (!list.Save().Ok)
            std::abort();
        return p;
    }();
    return path;
}

std::string JournalPath() {
    return "/tmp/korvalen-safety-bench-" + std::to_string(getpid()) + ".kvj";
}

// The list read from its file, with a journal when `journaled`, started
// from the file as the program starts it at open.
struct TBenchList {
    TProject List;
    TFileIdentity Identity;
    std::unique_ptr<TListJournal> Journal;
    explicit TBenchList(bool journaled) {
        List.FileName = ListPath();
        if (!List.Load(&Identity).Ok())
            std::abort();
        if (journaled) {
            Journal = std::make_unique<TListJournal>(JournalPath(), List);
            Journal->Restart(Identity);
        }
    }
    ~TBenchList() {
        if (Journal)
            Journal->Remove();
    }
};

void EditStep(TProject& list, int32_t& i) {
    const int32_t record = static_cast<int32_t>((int64_t(i++) * 7919) % static_cast<int64_t>(kCount));
    list.UndoSteps.Touch(list.Data, record);
    list.Data[static_cast<size_t>(record)].Comment = "edited " + std::to_string(i);
    list.CommitChange("edit");
}

// The first step after an open or a save copies the file into the journal:
// it is measured on its own, and the steps after it here.
void EditSteps(benchmark::State& state, bool journaled) {
    TBenchList bench(journaled);
    int32_t i = 0;
    EditStep(bench.List, i);
    for (auto _ : state)
        EditStep(bench.List, i);
}

void BM_EditStep(benchmark::State& state) {
    EditSteps(state, false);
}
BENCHMARK(BM_EditStep)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ComputeStatistics("min", MinOfRuns);

void BM_EditStepJournaled(benchmark::State& state) {
    EditSteps(state, true);
}
BENCHMARK(BM_EditStepJournaled)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ComputeStatistics("min", MinOfRuns);

void BM_FirstEditStepJournaled(benchmark::State& state) {
    TBenchList bench(true);
    int32_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bench.Journal->Restart(bench.Identity);
        state.ResumeTiming();
        EditStep(bench.List, i);
    }
}
BENCHMARK(BM_FirstEditStepJournaled)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ComputeStatistics("min", MinOfRuns);

void SortSteps(benchmark::State& state, bool journaled) {
    TBenchList bench(journaled);
    bench.List.Sort(2, false);
    bool ascending = true;
    for (auto _ : state) {
        bench.List.Sort(2, ascending);
        ascending = !ascending;
    }
}

void BM_SortStep(benchmark::State& state) {
    SortSteps(state, false);
}
BENCHMARK(BM_SortStep)->Unit(benchmark::kMillisecond)->Repetitions(3)->ComputeStatistics("min", MinOfRuns);

void BM_SortStepJournaled(benchmark::State& state) {
    SortSteps(state, true);
}
BENCHMARK(BM_SortStepJournaled)->Unit(benchmark::kMillisecond)->Repetitions(3)->ComputeStatistics("min", MinOfRuns);

void BM_Open(benchmark::State& state) {
    for (auto _ : state) {
        TProject list;
        list.FileName = ListPath();
        benchmark::DoNotOptimize(list.Load());
    }
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond)->Repetitions(3)->ComputeStatistics("min", MinOfRuns);

void BM_OpenLockedAndIdentified(benchmark::State& state) {
    std::string error;
    for (auto _ : state) {
        TProject list;
        list.FileName = ListPath();
        benchmark::DoNotOptimize(CheckListLock(list.FileName, ProcessFacts()));
        // The identity is taken from the bytes as they are read, as the program opens.
        TFileIdentity identity;
        benchmark::DoNotOptimize(list.Load(&identity));
        TakeListLock(list.FileName, ProcessFacts(), error);
        ReleaseListLock(list.FileName, ProcessFacts());
    }
}
BENCHMARK(BM_OpenLockedAndIdentified)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ComputeStatistics("min", MinOfRuns);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    ListPath(); // written before any timing starts
    const std::string runs = "/repeats:3";
    TRatioReporter reporter({{"BM_EditStepJournaled" + runs, "BM_EditStep" + runs},
                             {"BM_FirstEditStepJournaled" + runs, "BM_EditStep" + runs},
                             {"BM_SortStepJournaled" + runs, "BM_SortStep" + runs},
                             {"BM_OpenLockedAndIdentified" + runs, "BM_Open" + runs}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::remove(ListPath().c_str());
    return 0;
}
