// Feeds arbitrary bytes to the reader of web page tables through libxml2's
// HTML parser: no crash, no leak, and the largest table is one of them.

#include "core/HtmlTableReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<TTradeTable> tables = ReadHtmlTables(std::string_view(reinterpret_cast<const char*>(data), size));
    const size_t largest = LargestTable(tables);
    if (!tables.empty() && largest >= tables.size())
        __builtin_trap();
    return 0;
}
