#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string NonFinite(double value) {
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// The decimal digits of |value| rounded to `significant` digits, and the
// power of ten of the first one.
void Digits(double value, int significant, std::string& digits, int& exponent) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, significant - 1);
    std::string text(buffer, result.ptr);
    size_t e = text.find('e');
    digits = text.substr(0, 1) + (e > 2 ? text.substr(2, e - 2) : std::string());
    exponent = std::atoi(text.c_str() + e + 1);
}

void TrimZeros(std::string& digits, size_t keep) {
    while (digits.size() > keep && digits.back() == '0')
        digits.pop_back();
}

std::string Group(const std::string& integer, char separator) {
    std::string out;
    for (size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            out += separator;
        out += integer[i];
    }
    return out;
}

// |value| with `precision` fraction digits, rounded to at most 15
// significant digits so that no binary noise shows in large numbers.
void FixedParts(double value, int precision, std::string& integer, std::string& fraction) {
    std::string digits;
    int exponent = 0;
    Digits(value, 15, digits, exponent);
    int wanted = exponent + 1 + precision;
    if (value == 0 || wanted <= 0) {
        char buffer[128];
        auto result =
            std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, precision);
        std::string text(buffer, result.ptr);
        size_t point = text.find('.');
        integer = text.substr(0, point);
        fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
        return;
    }
    if (wanted < 15)
        Digits(value, wanted, digits, exponent);
    if (exponent >= 0) {
        if (static_cast<int>(digits.size()) < exponent + 1)
            digits.append(exponent + 1 - digits.size(), '0');
        integer = digits.substr(0, exponent + 1);
        fraction = digits.substr(exponent + 1);
    } else {
        integer = "0";
        fraction = std::string(-exponent - 1, '0') + digits;
    }
    fraction.resize(precision, '0');
}

struct TMaskSection {
    std::string Prefix;
    std::string Suffix;
    bool Placeholders = false;
    int IntZeros = 0;
    bool Thousands = false;
    int FracZeros = 0; // mandatory fraction digits
    int FracTotal = 0; // all fraction placeholders
    bool Exponent = false;
    bool ExponentPlus = false;
    int ExponentDigits = 0;
};

std::vector<std::string> SplitSections(const std::string& mask) {
    std::vector<std::string> sections(1);
    char quote = 0;
    for (char c : mask) {
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

TMaskSection ParseSection(const std::string& text) {
    TMaskSection s;
    bool fraction = false;
    auto literal = [&](char c) { (s.Placeholders ? s.Suffix : s.Prefix) += c; };
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"' || c == '\'') {
            size_t end = text.find(c, i + 1);
            if (end == std::string::npos)
                end = text.size();
            for (size_t k = i + 1; k < end; ++k)
                literal(text[k]);
            i = end;
        } else if ((c == '0' || c == '#') && !s.Exponent) {
            s.Placeholders = true;
            if (!fraction) {
                s.IntZeros += c == '0';
            } else {
                ++s.FracTotal;
                if (c == '0')
                    s.FracZeros = s.FracTotal;
            }
        } else if (c == '.' && !fraction && !s.Exponent) {
            fraction = true;
            s.Placeholders = true;
        } else if (c == ',' && !fraction && !s.Exponent) {
            s.Thousands = true;
        } else if ((c == 'E' || c == 'e') && !s.Exponent && s.Placeholders && i + 1 < text.size() &&
                   (text[i + 1] == '+' || text[i + 1] == '-')) {
            s.Exponent = true;
            s.ExponentPlus = text[i + 1] == '+';
            for (i += 2; i < text.size() && text[i] == '0'; ++i)
                ++s.ExponentDigits;
            --i;
        } else {
            literal(c);
        }
    }
    return s;
}

// |value| by the placeholders of one section.
std::string FormatMagnitude(const TMaskSection& s, double value, const TNumberLocale& locale) {
    const int precision = std::min(s.FracTotal, 60);
    std::string integer, fraction, exponent;
    if (s.Exponent) {
        std::string digits;
        int power = 0;
        Digits(value, precision + 1, digits, power);
        if (value == 0)
            power = 0;
        integer = digits.substr(0, 1);
        fraction = digits.substr(1);
        std::string powerDigits = std::to_string(std::abs(power));
        if (static_cast<int>(powerDigits.size()) < s.ExponentDigits)
            powerDigits.insert(0, s.ExponentDigits - powerDigits.size(), '0');
        exponent = std::string("E") + (power < 0 ? "-" : s.ExponentPlus ? "+" : "") + powerDigits;
    } else {
        FixedParts(value, precision, integer, fraction);
        if (integer == "0" && s.IntZeros == 0)
            integer.clear();
    }
    TrimZeros(fraction, s.FracZeros);
    if (static_cast<int>(integer.size()) < s.IntZeros)
        integer.insert(0, s.IntZeros - integer.size(), '0');
    if (s.Thousands)
        integer = Group(integer, locale.ThousandSeparator);
    std::string out = integer;
    if (!fraction.empty())
        out += locale.DecimalSeparator + fraction;
    return out + exponent;
}

bool AllZero(const std::string& text) {
    for (char c : text)
        if (c >= '1' && c <= '9')
            return false;
    return true;
}

} // namespace

std::string FormatGeneral(double value, const TNumberLocale& locale) {
    if (!std::isfinite(value))
        return NonFinite(value);
    if (value == 0)
        return "0";
    std::string digits;
    int exponent = 0;
    Digits(value, 15, digits, exponent);
    TrimZeros(digits, 1);
    std::string out;
    if (exponent < -5 || exponent >= 15) {
        out = digits.substr(0, 1);
        if (digits.size() > 1)
            out += locale.DecimalSeparator + digits.substr(1);
        out += "E" + std::to_string(exponent);
    } else if (exponent < 0) {
        out = std::string("0") + locale.DecimalSeparator + std::string(-exponent - 1, '0') + digits;
    } else if (static_cast<int>(digits.size()) <= exponent + 1) {
        out = digits + std::string(exponent + 1 - digits.size(), '0');
    } else {
        out = digits.substr(0, exponent + 1) + locale.DecimalSeparator + digits.substr(exponent + 1);
    }
    return value < 0 ? "-" + out : out;
}

std::string FormatFloat(const std::string& mask, double value, const TNumberLocale& locale) {
    if (mask.empty() || !std::isfinite(value))
        return FormatGeneral(value, locale);
    std::vector<std::string> sections = SplitSections(mask);
    size_t index = 0;
    if (value < 0 && sections.size() >= 2 && !sections[1].empty())
        index = 1;
    else if (value == 0 && sections.size() >= 3 && !sections[2].empty())
        index = 2;
    TMaskSection section = ParseSection(sections[index]);
    if (!section.Placeholders)
        return section.Prefix + section.Suffix;
    std::string number = FormatMagnitude(section, value, locale);
    // The negative section carries its own sign, and a number rounded to zero has none.
    bool minus = value < 0 && index == 0 && !AllZero(number);
    return (minus ? "-" : "") + section.Prefix + number + section.Suffix;
}

bool ParseReal(const std::string& text, const TNumberLocale& locale, double& value) {
    size_t i = 0, end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;
    std::string plain;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    int digits = 0;
    bool point = false;
    for (; i < end; ++i) {
        char c = text[i];
        if (IsDigit(c)) {
            plain += c;
            ++digits;
        } else if (c == locale.DecimalSeparator && !point) {
            plain += '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return false;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        plain += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        int exponentDigits = 0;
        for (; i < end && IsDigit(text[i]); ++i, ++exponentDigits)
            plain += text[i];
        if (exponentDigits == 0)
            return false;
    }
    if (i != end)
        return false;
    double result = 0;
    auto parsed = std::from_chars(plain.data(), plain.data() + plain.size(), result);
    if (parsed.ec != std::errc() || parsed.ptr != plain.data() + plain.size() || !std::isfinite(result))
        return false;
    value = result;
    return true;
}

bool ParseInteger(const std::string& text, int32_t& value) {
    size_t i = 0, end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    bool hex = i < end && text[i] == '$';
    if (hex)
        ++i;
    if (i == end)
        return false;
    const uint64_t limit = hex ? 0xFFFFFFFFull : negative ? 2147483648ull : 2147483647ull;
    uint64_t magnitude = 0;
    for (; i < end; ++i) {
        char c = text[i];
        int digit;
        if (IsDigit(c))
            digit = c - '0';
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            return false;
        magnitude = magnitude * (hex ? 16 : 10) + digit;
        if (magnitude > limit)
            return false;
    }
    uint32_t bits = static_cast<uint32_t>(magnitude);
    if (negative)
        bits = 0u - bits;
    value = static_cast<int32_t>(bits);
    return true;
}

std::string ColorText(int32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%06X", static_cast<unsigned>(static_cast<uint32_t>(value)));
    return buffer;
}
