// Pastes arbitrary clipboard text into a grid of every cell kind, at a
// cursor or into a selected range chosen by the first bytes.

#include "controls/grid/GridClipboard.h"
#include "controls/grid/GridModel.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    static const TCellKind kKinds[] = {ckText, ckFloat,    ckInteger, ckColor, ckCheck,
                                       ckList, ckExternal, ckMemo,    ckMenu};
    constexpr int32_t kCols = sizeof kKinds / sizeof kKinds[0];
    constexpr int32_t kRows = 6;
    TGridModel grid;
    grid.SetColCount(kCols);
    for (int32_t x = 1; x <= kCols; ++x) {
        grid.Column(x).Kind = kKinds[x - 1];
        grid.Column(x).Enabled = (data[3] >> (x % 8) & 1) == 0;
        grid.Column(x).Width = 50;
    }
    grid.UpdateColumnPositions();
    grid.SetCountRows(kRows);
    grid.Col = 1 + data[0] % kCols;
    grid.Row = 1 + data[1] % kRows;
    grid.ResetSelection();
    if (data[2] & 1)
        grid.Selection = {grid.Col, grid.Row, 1 + (data[2] >> 1) % kCols, 1 + (data[2] >> 4) % kRows};
    GridPasteText(grid, std::string(reinterpret_cast<const char*>(data) + 4, size - 4));

    grid.Col = 1;
    grid.Row = 1;
    grid.Selection = {1, 1, kCols, kRows};
    const std::string copied = GridCopyText(grid);
    TGridModel again;
    again.SetColCount(kCols);
    again.SetCountRows(kRows);
    GridPasteText(again, copied);
    return 0;
}
