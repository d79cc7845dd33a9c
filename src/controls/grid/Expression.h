#pragma once

#include "controls/grid/GridTypes.h"

#include <stdexcept>
#include <string>
#include <vector>

// The arithmetic of number cells: 2*3+1, 1E3, 2^-1, SIN(30) (degrees),
// LOG 1000. The letters F .. Z name params[0] .. params[20].

constexpr size_t kMaxExpressionLength = 1024;
constexpr size_t kMaxExpressionTokens = 255;

class TExpressionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The value of `expr` (read up to its end or a zero byte); numbers take the
// decimal separator of `locale`. Throws TExpressionError when the text is
// not a valid expression or the arithmetic fails (division by zero, a
// logarithm of a number <= 0, overflow, a variable without a value, a text
// over kMaxExpressionLength characters or kMaxExpressionTokens tokens).
double EvaluateExpression(const std::string& expr, const std::vector<double>& params = {},
                          const TNumberLocale& locale = {});

// The same without exceptions; false with the reason, `value` unchanged.
bool TryEvaluateExpression(const std::string& expr, const std::vector<double>& params, const TNumberLocale& locale,
                           double& value, std::string& error);
