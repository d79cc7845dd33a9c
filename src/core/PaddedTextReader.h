#pragma once

#include "core/TradeTable.h"

#include <string_view>

// A list written as text in space-padded columns, as Korvalen's own export
// and many traders' lists are. Columns are found from the padding: a column
// starts where some row has a character after a gap that is blank in every
// row for at least two places; places count characters where the bytes are
// UTF-8 and bytes elsewhere, as the export pads them. Cells are cut at the
// column starts and trimmed of spaces.
//
// The export divides a list by tours with headings, each a line between
// blank lines and followed by the rows: "Band - Tour", or one name. When a
// file has headings, every row gets two more cells in front, the band and
// the tour of the heading above it (a heading without " - " is a tour), and
// the header names them "Tour band" and "Tour"; other header cells are empty.
// Lines of dashes, equals signs or underscores only are rules, not rows.

TTradeTable ReadPaddedText(std::string_view bytes);
