#pragma once

#include "core/TradeTable.h"

#include <string_view>
#include <vector>

// The tables of a web page, read through libxml2's HTML parser, which mends
// what browsers mend (unclosed cells, stray tags). Each <table> gives its
// rows (<tr>, also those in <thead>, <tbody> and <tfoot>) in document order,
// not those of a table inside one of its cells; a cell's text is its text
// content with runs of white space made one space and trimmed, and a cell
// spanning n columns is followed by n - 1 empty ones. The first row is the
// header when all its cells are <th> or it stands in <thead>. Texts come out
// in UTF-8: a page of valid UTF-8 is read as such, any other by what its
// own <meta> says (Latin-1 without one).

std::vector<TTradeTable> ReadHtmlTables(std::string_view bytes);

// The index of the table with the most rows (the first of equals); 0 for
// none.
size_t LargestTable(const std::vector<TTradeTable>& tables);
