// Feeds arbitrary bytes to the reader of padded text lists: every row must
// come out with one cell per column.

#include "core/PaddedTextReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TTradeTable table = ReadPaddedText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const TTradeRow& row : table.Rows)
        if (row.size() != table.Rows.front().size() || (!table.Header.empty() && row.size() != table.Header.size()))
            __builtin_trap();
    return 0;
}
