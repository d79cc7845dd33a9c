#pragma once

// Loading a list file, the yardstick of more than one benchmark: the file
// must load, or the figures would measure a failure.

#include "core/Project.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

inline void LoadListOrAbort(const std::string& path) {
    TProject list;
    list.FileName = path;
    if (!list.Load().Ok())
        std::abort();
    benchmark::DoNotOptimize(list.Data.data());
}
