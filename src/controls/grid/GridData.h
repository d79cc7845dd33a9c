#pragma once

#include "controls/grid/GridTypes.h"

#include <string>
#include <vector>

// The stored column stream "Data" of a grid: a 32-bit little-endian length N
// of the block, then the block as one zlib stream. The block is a version
// (first byte 1), a column count C and C packed records of 160 bytes.

constexpr size_t kGridDataHeaderSize = 8;
constexpr size_t kGridDataColumnSize = 160;
// More columns than any grid of the program has; bounds what a stream may ask for.
constexpr int32_t kMaxGridDataColumns = 65535;

enum class TGridDataResult {
    Ok,
    OtherVersion, // the block is not of version 1: the columns stay as they are
    Corrupt,      // the stream is damaged or asks for more than it holds
};

// The stream of `columns` (the stored six fields of each; headings and
// formats cut to their fixed sizes).
std::string EncodeGridColumns(const std::vector<TGridColumn>& columns);

// Reads a stream into `columns` (stored fields only; Enabled, Left and Right
// left at their defaults). On any result but Ok `columns` is untouched.
TGridDataResult DecodeGridColumns(const std::string& stream, std::vector<TGridColumn>& columns);
