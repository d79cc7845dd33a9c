#pragma once

#include "core/BootData.h"
#include "platform/ColorScheme.h"
#include "platform/ScreenTypes.h"

#include <cstdint>
#include <string>

// What is particular to a bootleg list in its grid: row colours and the
// clipboard texts of the Cover and Info cells, whose values live in the
// records. `property` is the record property of a column (0 Search, 1 Band,
// 2 Date, 7 Source, 8 Media, 9 Quality, 11 Cover, 12 Info, 13 Comment).

// The background of a row: white and grey in blocks of five rows, yellow
// tints in the Date, Source, Media and Quality columns, and reds for
// records with search results (lighter for a single match).
TColor ListCellColor(int32_t property, int32_t row, int32_t searchHits, TScheme scheme = TScheme::Light);
// White and light grey in blocks of five rows from row 1; yellows when tinted.
TColor RowBlockColor(bool tinted, int32_t row, TScheme scheme = TScheme::Light);
// Which of the four block colours a row has: 0 plain, 1 shaded, 2 tinted, 3 tinted and shaded.
int RowBlockKind(bool tinted, int32_t row);
// Combines with a colour the grid has already chosen (the selection's): the
// two ANDed on a light scheme, where the rows are near white; their mean on
// a dark one, where an AND would leave the selection near black.
void ApplyListCellColor(TColor& color, bool& change, TColor rowColor, TScheme scheme = TScheme::Light);

// Front and back cover names joined by "[---]".
std::string CoverClipboardText(const TBootData& record);
void PasteCoverText(TBootData& record, const std::string& text);
// The information text as one cell: TAB as "[TAB]", CR LF as "[CR]".
std::string InfoClipboardText(const TBootData& record);
void PasteInfoText(TBootData& record, const std::string& text);
