// Load, save, view and sort of a 100,000-bootleg list, and the save's pass
// over the records at a million too. Side by side on the same file: zlib's
// and libdeflate's bare inflate against Load, and zlib's level-9 deflate of
// the same content against Save, with both file sizes.

#include "ListGenerator.h"
#include "LoadList.h"
#include "RatioReporter.h"
#include "core/FilterState.h"
#include "core/ListFile.h"
#include "core/ListSnapshot.h"
#include "core/ListSort.h"
#include "core/Project.h"

#include <benchmark/benchmark.h>
#include <libdeflate.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <unistd.h>
#include <zlib.h>

namespace {

constexpr size_t kCount = 100000;

// Lists of kind 0 hold the usual short texts, of kind 1 long ones.
constexpr int kKinds = 2;

const TArrayOfBootData& Collection(int kind = 0) {
    static const TArrayOfBootData data[kKinds] = {GenerateCollection(kCount), GenerateLongTextCollection(kCount)};
    return data[kind];
}

const std::string& ListPath(int kind = 0) {
    static const std::vector<std::string> paths = [] {
        std::vector<std::string> made;
        for (int k = 0; k < kKinds; ++k) {
            made.push_back("/tmp/korvalen-bench-" + std::to_string(getpid()) + "-" + std::to_string(k) + ".kvu");
            TProject list;
            list.FileName = made.back();
            list.Data = Collection(k);
            if (!list.Save().Ok)
                std::abort();
        }
        return made;
    }();
    return paths[static_cast<size_t>(kind)];
}

const std::string& Content(int kind = 0) {
    static const std::vector<std::string> contents = [] {
        std::vector<std::string> made;
        for (int k = 0; k < kKinds; ++k) {
            TStringSink sink;
            std::string error;
            WriteListContent(Collection(k), sink, error);
            made.push_back(sink.Bytes);
        }
        return made;
    }();
    return contents[static_cast<size_t>(kind)];
}

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void BM_ZlibInflate(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    std::vector<unsigned char> in(64 * 1024), out(256 * 1024);
    size_t content = 0;
    for (auto _ : state) {
        FILE* file = std::fopen(ListPath(kind).c_str(), "rb");
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
// Both kinds of list, short texts and long ones.
void Kinds(benchmark::internal::Benchmark* bench) {
    bench->Arg(0)->Arg(1)->ArgName("long")->Unit(benchmark::kMillisecond)->ComputeStatistics("min", MinOfRuns);
}

BENCHMARK(BM_ZlibInflate)->Apply(Kinds);

// The whole file read, then inflated in one call into a buffer of the known size.
void BM_LibdeflateInflate(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    libdeflate_decompressor* decompressor = libdeflate_alloc_decompressor();
    std::unique_ptr<char[]> out(new char[Content(kind).size()]);
    for (auto _ : state) {
        std::string file = FileBytes(ListPath(kind));
        size_t produced = 0;
        if (libdeflate_zlib_decompress(decompressor, file.data(), file.size(), out.get(), Content(kind).size(),
                                       &produced) != LIBDEFLATE_SUCCESS)
            std::abort();
        benchmark::DoNotOptimize(out.get());
    }
    libdeflate_free_decompressor(decompressor);
}
BENCHMARK(BM_LibdeflateInflate)->Apply(Kinds);

void BM_Load(benchmark::State& state) {
    TimeLoads(state, ListPath(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_Load)->Apply(Kinds);

size_t g_zlibSize = 0;
size_t g_savedSize = 0;

// The same content in one call to zlib at level 9, written to a file.
void BM_ZlibDeflate9(benchmark::State& state) {
    const std::string path = ListPath() + ".zlib";
    std::string packed(compressBound(Content().size()), '\0');
    for (auto _ : state) {
        uLongf size = packed.size();
        compress2(reinterpret_cast<Bytef*>(&packed[0]), &size, reinterpret_cast<const Bytef*>(Content().data()),
                  Content().size(), 9);
        std::ofstream(path, std::ios::binary).write(packed.data(), static_cast<std::streamsize>(size));
        g_zlibSize = size;
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_ZlibDeflate9)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", MinOfRuns);

void BM_Save(benchmark::State& state) {
    TProject list;
    list.FileName = ListPath() + ".saved";
    list.Data = Collection();
    for (auto _ : state)
        if (!list.Save().Ok)
            std::abort();
    g_savedSize = FileBytes(list.FileName).size();
    std::remove(list.FileName.c_str());
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", MinOfRuns);

// The pass over the records that a save makes on the list's side, against a
// bare copy of the bytes it makes into memory already in use: the most the
// pass could come to is writing them once.
void BM_TakeContent(benchmark::State& state) {
    const TArrayOfBootData& records = Collection(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TListSnapshot snapshot;
        std::string error;
        if (!TakeListContent(records, snapshot, error))
            std::abort();
        benchmark::DoNotOptimize(&snapshot);
    }
}
BENCHMARK(BM_TakeContent)->Apply(Kinds);

void BM_CopyContent(benchmark::State& state) {
    const std::string& content = Content(static_cast<int>(state.range(0)));
    std::string copy(content.size(), '\0');
    for (auto _ : state) {
        std::memcpy(&copy[0], content.data(), content.size());
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_CopyContent)->Apply(Kinds);

// The same at a million bootlegs, made only when these two run.
struct TMillion {
    TArrayOfBootData Records = GenerateCollection(1000000);
    std::string Content = [this] {
        TStringSink sink;
        std::string error;
        WriteListContent(Records, sink, error);
        return sink.Bytes;
    }();
};
const TMillion& Million() {
    static const TMillion million;
    return million;
}

void BM_TakeContentMillion(benchmark::State& state) {
    for (auto _ : state) {
        TListSnapshot snapshot;
        std::string error;
        if (!TakeListContent(Million().Records, snapshot, error))
            std::abort();
        benchmark::DoNotOptimize(&snapshot);
    }
}
BENCHMARK(BM_TakeContentMillion)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", MinOfRuns);

void BM_CopyContentMillion(benchmark::State& state) {
    std::string copy(Million().Content.size(), '\0');
    for (auto _ : state) {
        std::memcpy(&copy[0], Million().Content.data(), Million().Content.size());
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_CopyContentMillion)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", MinOfRuns);

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
    Content();
    std::vector<TRatioReporter::TPair> pairs;
    for (std::string kind : {"/long:0", "/long:1"}) {
        pairs.push_back({"BM_Load" + kind, "BM_ZlibInflate" + kind});
        pairs.push_back({"BM_Load" + kind, "BM_LibdeflateInflate" + kind});
        pairs.push_back({"BM_LibdeflateInflate" + kind, "BM_ZlibInflate" + kind});
        pairs.push_back({"BM_TakeContent" + kind, "BM_CopyContent" + kind});
    }
    pairs.push_back({"BM_TakeContentMillion", "BM_CopyContentMillion"});
    pairs.push_back({"BM_Save", "BM_ZlibDeflate9"});
    TRatioReporter reporter(pairs);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (g_zlibSize > 0 && g_savedSize > 0)
        std::printf("file of %zu bootlegs, content %zu bytes: saved %zu bytes, zlib level 9 %zu bytes (%+.2f%%)\n",
                    kCount, Content().size(), g_savedSize, g_zlibSize,
                    100.0 * (static_cast<double>(g_savedSize) / static_cast<double>(g_zlibSize) - 1.0));
    for (int kind = 0; kind < kKinds; ++kind)
        std::remove(ListPath(kind).c_str());
    return 0;
}
