// Filling the list grid's model from 100,000 bootlegs in the 14 columns of
// the list view, reading it back, and single cell access.

#include "ListGenerator.h"
#include "controls/grid/GridModel.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

constexpr size_t kCount = 100000;

const TArrayOfBootData& Collection() {
    static const TArrayOfBootData data = GenerateCollection(kCount);
    return data;
}

void SetColumns(TGridModel& grid) {
    struct TDef {
        const char* Heading;
        int32_t Width;
        uint8_t Kind;
        int32_t Items;
    };
    static const TDef kColumns[] = {
        {"Search", 150, ckText, 0},        {"Band", 150, ckText, 0},    {"Date", 70, ckText, 0},
        {"City", 120, ckText, 0},          {"Country", 120, ckText, 0}, {"Venue", 200, ckText, 0},
        {"Boootleg name", 200, ckText, 0}, {"Source", 70, ckList, 6},   {"Media", 70, ckList, 17},
        {"Quality", 50, ckText, 0},        {"Num", 50, ckText, 0},      {"Cover", 50, ckExternal, 0},
        {"Info", 50, ckExternal, 0},       {"Comment", 150, ckText, 0}};
    grid.SetColCount(14);
    for (int32_t x = 1; x <= 14; ++x) {
        TGridColumn& c = grid.Column(x);
        c.SetHeading(kColumns[x - 1].Heading);
        c.Width = kColumns[x - 1].Width;
        c.Kind = kColumns[x - 1].Kind;
        c.ItemCount = kColumns[x - 1].Items;
        c.Enabled = true;
    }
    grid.UpdateColumnPositions();
}

void Fill(TGridModel& grid, const TArrayOfBootData& records) {
    grid.SetCountRows(static_cast<int32_t>(records.size()));
    for (int32_t y = 1; y <= static_cast<int32_t>(records.size()); ++y) {
        const TBootData& r = records[y - 1];
        grid.SetCellString(1, y, r.SearchText);
        grid.SetCellString(2, y, r.Band);
        grid.SetCellString(3, y, r.Date);
        grid.SetCellString(4, y, r.City);
        grid.SetCellString(5, y, r.Country);
        grid.SetCellString(6, y, r.Venue);
        grid.SetCellString(7, y, r.Name);
        grid.SetCellInteger(8, y, r.Source);
        grid.SetCellInteger(9, y, r.Media);
        grid.SetCellString(10, y, r.Quality);
        grid.SetCellString(11, y, r.Num);
        grid.SetCellInteger(12, y, r.Covers[0].empty() && r.Covers[1].empty() ? 0 : 1);
        grid.SetCellInteger(13, y, r.Info.empty() ? 0 : 1);
        grid.SetCellString(14, y, r.Comment);
    }
}

// A new grid sized and filled, as when a list is first shown.
void BM_FillNewGrid(benchmark::State& state) {
    const TArrayOfBootData& records = Collection();
    for (auto _ : state) {
        auto grid = std::make_unique<TGridModel>();
        SetColumns(*grid);
        Fill(*grid, records);
        benchmark::DoNotOptimize(grid->Cell(14, kCount));
        state.PauseTiming(); // freeing 1.4 million cells is not part of the fill
        grid.reset();
        state.ResumeTiming();
    }
}

// A grid of the right size filled again, as after every edit.
void BM_Refill(benchmark::State& state) {
    const TArrayOfBootData& records = Collection();
    TGridModel grid;
    SetColumns(grid);
    Fill(grid, records);
    for (auto _ : state) {
        Fill(grid, records);
        benchmark::DoNotOptimize(grid.Cell(14, kCount));
    }
}

// Every cell copied back into records, as the edits travel back to the list.
void BM_ReadBack(benchmark::State& state) {
    TGridModel grid;
    SetColumns(grid);
    Fill(grid, Collection());
    TArrayOfBootData back(kCount);
    for (auto _ : state) {
        for (int32_t y = 1; y <= static_cast<int32_t>(kCount); ++y) {
            TBootData& r = back[y - 1];
            r.SearchText = grid.Cell(1, y).S;
            r.Band = grid.Cell(2, y).S;
            r.Date = grid.Cell(3, y).S;
            r.City = grid.Cell(4, y).S;
            r.Country = grid.Cell(5, y).S;
            r.Venue = grid.Cell(6, y).S;
            r.Name = grid.Cell(7, y).S;
            r.Source = grid.GetCellInteger(8, y);
            r.Media = grid.GetCellInteger(9, y);
            r.Quality = grid.Cell(10, y).S;
            r.Num = grid.Cell(11, y).S;
            r.Comment = grid.Cell(14, y).S;
        }
        benchmark::DoNotOptimize(back.data());
    }
}

// One cell by its text at random places: the same cost at row 1 and row 100,000.
void BM_CellText(benchmark::State& state) {
    TGridModel grid;
    SetColumns(grid);
    Fill(grid, Collection());
    std::mt19937 rng(7);
    std::uniform_int_distribution<int32_t> row(1, static_cast<int32_t>(kCount)), col(1, 11);
    for (auto _ : state)
        benchmark::DoNotOptimize(grid.GetCellText(col(rng), row(rng)));
}

} // namespace

BENCHMARK(BM_FillNewGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Refill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBack)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CellText);
BENCHMARK_MAIN();
