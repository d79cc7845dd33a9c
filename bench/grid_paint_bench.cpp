// Painting the grid at 1920 x 1080 into an image, at the top and at the end
// of the list, for lists of 1,000 and 100,000 rows (the cost must not grow
// with the list), and jumping the cursor between the first and the last row.

#include "ShowcaseGrid.h"
#include "controls/grid/ExcelGrid2.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// One grid per row count, made once: filling 100,000 rows is not what is
// measured. They go before the application does.
std::map<int32_t, std::unique_ptr<TExcelGrid2>> grids;

TExcelGrid2& Grid(int32_t rows) {
    auto& grid = grids[rows];
    if (!grid) {
        grid = std::make_unique<TExcelGrid2>();
        FillShowcaseGrid(*grid, rows);
        // Cells across the whole width, none of it left to the empty area.
        grid->Column(kCommentCol).Width = 900;
        grid->UpdateColumnPositions();
        grid->resize(1920, 1080);
        grid->show();
        grid->activateWindow();
        grid->setFocus();
        QApplication::processEvents();
    }
    return *grid;
}

void MoveTo(TExcelGrid2& grid, int32_t row) {
    grid.Col = kPriceCol;
    grid.Row = row;
    grid.ResetSelection();
    grid.Selection.Right = kSourceCol;
    grid.Selection.Bottom = row > 10 ? row - 10 : row + 10;
    grid.ScrollInView();
}

void Paint(benchmark::State& state, bool atEnd) {
    TExcelGrid2& grid = Grid(static_cast<int32_t>(state.range(0)));
    grid.activateWindow();
    grid.setFocus();
    QApplication::processEvents();
    MoveTo(grid, atEnd ? grid.CountRows() : 3);
    const QSize size = grid.viewport()->size();
    QImage image(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        grid.PaintTo(painter, QRect(QPoint(0, 0), size));
    }
    state.counters["focused"] = grid.Focused() ? 1 : 0;
    state.counters["rows_shown"] = grid.LastRow - grid.TopRow + 1;
    state.counters["cols_shown"] = grid.LastCol - grid.LeftCol + 1;
}

void BM_PaintTop(benchmark::State& state) {
    Paint(state, false);
}
BENCHMARK(BM_PaintTop)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_PaintEnd(benchmark::State& state) {
    Paint(state, true);
}
BENCHMARK(BM_PaintEnd)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The whole widget repaint as the window system asks for it.
void BM_RenderWidget(benchmark::State& state) {
    TExcelGrid2& grid = Grid(static_cast<int32_t>(state.range(0)));
    MoveTo(grid, 3);
    QImage image(grid.size(), QImage::Format_RGB32);
    for (auto _ : state)
        grid.render(&image);
}
BENCHMARK(BM_RenderWidget)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_JumpFirstToLast(benchmark::State& state) {
    TExcelGrid2& grid = Grid(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        MoveTo(grid, grid.CountRows());
        MoveTo(grid, 1);
    }
}
BENCHMARK(BM_JumpFirstToLast)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    grids.clear();
    return 0;
}
