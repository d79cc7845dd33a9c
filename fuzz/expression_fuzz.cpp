// Feeds arbitrary texts to the evaluator of number cells, with either
// decimal separator and a few variables.

#include "controls/grid/Expression.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    TNumberLocale locale;
    if (data[0] & 1)
        locale = {',', '.'};
    std::vector<double> params;
    for (int i = 0; i < (data[0] >> 1) % 22; ++i)
        params.push_back(i * 1.5 - 7);
    std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    double value = 0;
    std::string error;
    if (TryEvaluateExpression(text, params, locale, value, error) && !std::isfinite(value))
        __builtin_trap();
    return 0;
}
