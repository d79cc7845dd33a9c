#pragma once

// Loading a list file, the yardstick of more than one benchmark: the file
// must load, or the figures would measure a failure.

#include "core/Project.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

inline void LoadListOrAbort(const std::string& path, TProject& list) {
    list.FileName = path;
    if (!list.Load().Ok())
        std::abort();
    benchmark::DoNotOptimize(list.Data.data());
}

// Times the load alone: giving back the list loaded before is no part of it.
inline void TimeLoads(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        auto list = std::make_unique<TProject>();
        LoadListOrAbort(path, *list);
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
}
