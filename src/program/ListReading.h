#pragma once

#include "core/BootData.h"
#include "program/TitleBar.h"

#include <cstdint>
#include <string>

class TStrings2;

// What a screen reader is told of a bootleg list where the grid or the bar
// above it draws more than plain text: the words for the cells drawn as
// names or pictures, and the bar's line without its markup codes.

// `property` as in ListCells; `index` is the item the grid draws (the
// source or media code). Source and Media read their names, Cover reads
// which cover pictures are set, Info whether there is a text; "" otherwise.
std::string ListCellSpokenText(const TStrings2& names, int32_t property, const TBootData& record, int32_t index);
// The three texts of the bar, plain, on one line.
std::string TitleBarSpokenText(const TTitleBarCounts& counts, const std::string& caption);
