// Load, save, view and sort of a 100,000-bootleg list; the bare inflate of
// the same file is the yardstick for Load.

#include "ListGenerator.h"
#include "core/FilterState.h"
#include "core/ListFile.h"
#include "core/ListSort.h"
#include "core/Project.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <unistd.h>
#include <zlib.h>

namespace {

constexpr size_t kCount = 100000;

const TArrayOfBootData& Collection() {
    static const TArrayOfBootData data = GenerateCollection(kCount);
    return data;
}

const std::string& ListPath() {
    static const std::string path = [] {
        std::string p = "/tmp/korvalen-bench-" + std::to_string(getpid()) + ".kvu";
        TProject list;
        list.FileName = p;
        list.Data = Collection();
        if (!list.Save().Ok)
            std::abort();
        return p;
    }();
    return path;
}

void BM_BareInflate(benchmark::State& state) {
    std::vector<unsigned char> in(64 * 1024), out(256 * 1024);
    size_t content = 0;
    for (auto _ : state) {
        FILE* file = std::fopen(ListPath().c_str(), "rb");
        z_stream z{};
        inflateInit(&z);
        int status = Z_OK;
        content = 0;
        while (status != Z_STREAM_END) {
            if (z.avail_in == 0) {
                z.avail_in = static_cast<uInt>(std::fread(in.data(), 1, in.size(), file));
                z.next_in = in.data();
            }
            z.next_out = out.data();
            z.avail_out = static_cast<uInt>(out.size());
            status = inflate(&z, Z_NO_FLUSH);
            if (status != Z_OK && status != Z_STREAM_END)
                std::abort();
            content += out.size() - z.avail_out;
        }
        inflateEnd(&z);
        std::fclose(file);
    }
    state.counters["content_MB"] = static_cast<double>(content) / 1e6;
}
BENCHMARK(BM_BareInflate)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state) {
    for (auto _ : state) {
        TProject list;
        list.FileName = ListPath();
        if (!list.Load().Ok())
            std::abort();
        benchmark::DoNotOptimize(list.Data.data());
    }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
    TProject list;
    list.FileName = ListPath() + ".saved";
    list.Data = Collection();
    for (auto _ : state)
        if (!list.Save().Ok)
            std::abort();
    std::remove(list.FileName.c_str());
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

// Two of the bands, one tour of a third, two sources and three media.
TFilterState SomeFilter() {
    TFilterState filter;
    filter.AllBands = false;
    for (const char* name : {"Genesis", "Pink Floyd", "Yes"}) {
        TBand band;
        band.Name = name;
        TTour tour;
        tour.Name = "Tour";
        tour.FirstDate = "1975.01.01";
        tour.LastDate = "1979.12.31";
        band.Tours.push_back(tour);
        filter.Bands.push_back(band);
    }
    filter.Bands[0].Selected = true;
    filter.Bands[1].Selected = true;
    filter.Bands[2].Tours[0].Selected = true;
    filter.SourceSelAll = false;
    filter.SourceSel[1] = filter.SourceSel[4] = true;
    filter.MediaSelAll = false;
    filter.MediaSel[1] = filter.MediaSel[2] = filter.MediaSel[13] = true;
    return filter;
}

void BM_BuildView(benchmark::State& state) {
    TProject list;
    list.Data = Collection();
    TFilterState filter = SomeFilter();
    if (state.range(0) == 0)
        filter = TFilterState();
    for (auto _ : state) {
        list.BuildView(filter);
        benchmark::DoNotOptimize(list.View.data());
    }
    state.counters["rows"] = static_cast<double>(list.View.size());
}
BENCHMARK(BM_BuildView)->Arg(0)->Arg(1)->ArgName("filtered")->Unit(benchmark::kMillisecond);

void BM_Sort(benchmark::State& state) {
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        TArrayOfBootData data = Collection();
        state.ResumeTiming();
        SortRecords(data, column, true);
        benchmark::DoNotOptimize(data.data());
    }
}
// Template columns: 2 Band, 3 Date, 8 Source.
BENCHMARK(BM_Sort)->Arg(2)->Arg(3)->Arg(8)->ArgName("column")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    ListPath(); // writes the file before any timing starts
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(ListPath().c_str());
    return 0;
}
