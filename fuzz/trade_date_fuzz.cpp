// Feeds arbitrary bytes to the reader of traders' dates: a date it reads,
// written in any form, must read back as the same day.

#include "core/TradeDate.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string dotted = DottedDate(std::string_view(reinterpret_cast<const char*>(data), size));
    if (dotted.empty())
        return 0;
    for (int form = 0; form < kDateFormCount; ++form)
        if (DottedDate(RewrittenDate(dotted, static_cast<TDateForm>(form))) != dotted)
            __builtin_trap();
    return 0;
}
