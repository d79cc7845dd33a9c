#pragma once

#include <cstdint>

class TExcelGrid2;

// A grid with one column of every cell kind and generated rows, the way a
// bootleg list looks: for the showcase window and the paint benchmark.
void FillShowcaseGrid(TExcelGrid2& grid, int32_t rows);

// Columns of FillShowcaseGrid by kind.
enum TShowcaseColumn : int32_t {
    kBandCol = 1,
    kPriceCol,
    kTracksCol,
    kColourCol,
    kDoneCol,
    kSourceCol,
    kCoverCol,
    kNotesCol,
    kMediaCol,
    kCommentCol,
    kShowcaseColumns = kCommentCol,
};
