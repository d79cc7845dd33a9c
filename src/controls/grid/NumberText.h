#pragma once

#include "controls/grid/GridTypes.h"

#include <cstdint>
#include <string>

// Number texts of the grid's cells and editors. They take the decimal
// separator from a TNumberLocale, never from the C locale, so that they read
// and write the same whatever the process locale is.

// A real as the general format writes it: up to 15 significant digits,
// fixed-point unless the number is below 0.00001 or has more than 15 integer
// digits ("1.5", "1E20", "1E-6").
std::string FormatGeneral(double value, const TNumberLocale& locale);

// A real formatted with a number mask of the common kind: sections
// "positive;negative;zero", '0' for a digit, '#' for an optional digit, '.'
// for the decimal point, ',' for thousands grouping, "E+00"/"E-00" for an
// exponent and quoted literals. An empty mask gives the general format.
std::string FormatFloat(const std::string& mask, double value, const TNumberLocale& locale);

// Reads a real: optional blanks, sign, digits with at most one decimal
// separator, an optional exponent. False for anything else and for numbers
// out of range.
bool ParseReal(const std::string& text, const TNumberLocale& locale, double& value);

// Reads a 32-bit integer: decimal, or hexadecimal after "$" (up to eight
// digits, taken as the bit pattern, so "$FFFFFFFF" is -1). False for anything
// else and for decimal numbers out of range.
bool ParseInteger(const std::string& text, int32_t& value);

// "$" and at least six upper-case hexadecimal digits of the bit pattern.
std::string ColorText(int32_t value);
