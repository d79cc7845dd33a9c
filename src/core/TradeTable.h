#pragma once

#include <string>
#include <vector>

// A table read from a trader's list, before anyone decides what its columns
// mean: rows of texts as the file held them, ragged if the file is.

using TTradeRow = std::vector<std::string>;
using TTradeRows = std::vector<TTradeRow>;

struct TTradeTable {
    // The column names the file gives (a header row, the heading cells of a
    // web page's table); empty when it gives none.
    TTradeRow Header;
    TTradeRows Rows;

    // The number of columns: that of the widest row or of the header.
    size_t Columns() const;
};
