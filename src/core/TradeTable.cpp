#include "core/TradeTable.h"

#include <algorithm>

size_t TTradeTable::Columns() const {
    size_t columns = Header.size();
    for (const TTradeRow& row : Rows)
        columns = std::max(columns, row.size());
    return columns;
}
