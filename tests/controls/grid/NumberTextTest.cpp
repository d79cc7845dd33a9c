#include "controls/grid/NumberText.h"
#include "support/NumberLocales.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

struct TRealCase {
    std::string Text;
    TNumberLocale Locale;
    bool Ok;
    double Value;
};

std::ostream& operator<<(std::ostream& out, const TRealCase& c) {
    return out << '"' << c.Text << "\" with '" << c.Locale.DecimalSeparator << "'";
}

class NumberTextParseReal : public testing::TestWithParam<TRealCase> {};

TEST_P(NumberTextParseReal, Reads) {
    const TRealCase& c = GetParam();
    double value = -7;
    ASSERT_EQ(ParseReal(c.Text, c.Locale, value), c.Ok);
    EXPECT_EQ(value, c.Ok ? c.Value : -7); // a refused text leaves the target alone
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberTextParseReal,
                         testing::Values(TRealCase{"1.5", kPoint, true, 1.5}, TRealCase{"1,5", kComma, true, 1.5},
                                         TRealCase{"1,5", kPoint, false, 0}, TRealCase{"1.5", kComma, false, 0},
                                         TRealCase{"1.2.3", kPoint, false, 0}, TRealCase{" 2 ", kPoint, true, 2},
                                         TRealCase{"+3", kPoint, true, 3}, TRealCase{"-0.5", kPoint, true, -0.5},
                                         TRealCase{".5", kPoint, true, 0.5}, TRealCase{"5.", kPoint, true, 5},
                                         TRealCase{"1e3", kPoint, true, 1000}, TRealCase{"1E-3", kPoint, true, 0.001},
                                         TRealCase{"1e", kPoint, false, 0}, TRealCase{"e5", kPoint, false, 0},
                                         TRealCase{"", kPoint, false, 0}, TRealCase{" ", kPoint, false, 0},
                                         TRealCase{"-", kPoint, false, 0}, TRealCase{".", kPoint, false, 0},
                                         TRealCase{"1e400", kPoint, false, 0}, TRealCase{"inf", kPoint, false, 0},
                                         TRealCase{"nan", kPoint, false, 0}, TRealCase{"0x10", kPoint, false, 0},
                                         TRealCase{"1 000", kPoint, false, 0}, TRealCase{"1,000.5", kPoint, false, 0},
                                         TRealCase{"--1", kPoint, false, 0},
                                         TRealCase{std::string("1\0", 2), kPoint, false, 0}));

struct TIntCase {
    std::string Text;
    bool Ok;
    int32_t Value;
};

std::ostream& operator<<(std::ostream& out, const TIntCase& c) {
    return out << '"' << c.Text << '"';
}

class NumberTextParseInteger : public testing::TestWithParam<TIntCase> {};

TEST_P(NumberTextParseInteger, Reads) {
    const TIntCase& c = GetParam();
    int32_t value = -7;
    ASSERT_EQ(ParseInteger(c.Text, value), c.Ok);
    EXPECT_EQ(value, c.Ok ? c.Value : -7);
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberTextParseInteger,
                         testing::Values(TIntCase{"0", true, 0}, TIntCase{"-0", true, 0}, TIntCase{" 7 ", true, 7},
                                         TIntCase{"+12", true, 12}, TIntCase{"2147483647", true, INT32_MAX},
                                         TIntCase{"-2147483648", true, INT32_MIN}, TIntCase{"2147483648", false, 0},
                                         TIntCase{"-2147483649", false, 0}, TIntCase{"99999999999999999999", false, 0},
                                         TIntCase{"$FF", true, 255}, TIntCase{"$ff", true, 255},
                                         TIntCase{"$FFFFFFFF", true, -1}, TIntCase{"$0000000001", true, 1},
                                         TIntCase{"$100000000", false, 0}, TIntCase{"-$1", true, -1},
                                         TIntCase{"$", false, 0}, TIntCase{"$G", false, 0}, TIntCase{"12a", false, 0},
                                         TIntCase{"1.0", false, 0}, TIntCase{"", false, 0}, TIntCase{"-", false, 0},
                                         TIntCase{"FF", false, 0}, TIntCase{"0x10", false, 0}));

struct TFormatCase {
    std::string Mask;
    double Value;
    TNumberLocale Locale;
    std::string Expected;
};

std::ostream& operator<<(std::ostream& out, const TFormatCase& c) {
    return out << '"' << c.Mask << "\" of " << c.Value;
}

class NumberTextFormat : public testing::TestWithParam<TFormatCase> {};

TEST_P(NumberTextFormat, Writes) {
    const TFormatCase& c = GetParam();
    EXPECT_EQ(FormatFloat(c.Mask, c.Value, c.Locale), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    General, NumberTextFormat,
    testing::Values(TFormatCase{"", 0, kPoint, "0"}, TFormatCase{"", -0.0, kPoint, "0"},
                    TFormatCase{"", 1.5, kPoint, "1.5"}, TFormatCase{"", 1.5, kComma, "1,5"},
                    TFormatCase{"", -2.25, kPoint, "-2.25"}, TFormatCase{"", 1e20, kPoint, "1E20"},
                    TFormatCase{"", 1.5e-7, kPoint, "1.5E-7"}, TFormatCase{"", 0.00001, kPoint, "0.00001"},
                    TFormatCase{"", 123456789012345.0, kPoint, "123456789012345"},
                    TFormatCase{"", 1e15, kPoint, "1E15"}, TFormatCase{"", 0.1 + 0.2, kPoint, "0.3"},
                    TFormatCase{"", 1.0 / 3, kPoint, "0.333333333333333"}, TFormatCase{"", 100, kPoint, "100"},
                    TFormatCase{"", NAN, kPoint, "NAN"}, TFormatCase{"", -INFINITY, kPoint, "-INF"}));

INSTANTIATE_TEST_SUITE_P(
    Masks, NumberTextFormat,
    testing::Values(TFormatCase{"0.00", 3.14159, kPoint, "3.14"}, TFormatCase{"0.00", 3.14159, kComma, "3,14"},
                    TFormatCase{"0.00", -0.001, kPoint, "0.00"}, TFormatCase{"#.##", 0.5, kPoint, ".5"},
                    TFormatCase{"0.##", 2, kPoint, "2"}, TFormatCase{"0.0#", 2.126, kPoint, "2.13"},
                    TFormatCase{"#,##0", 1234567, kPoint, "1,234,567"}, TFormatCase{"#,##0", 123, kPoint, "123"},
                    TFormatCase{"#,##0", 123456, kPoint, "123,456"},
                    TFormatCase{"#,##0.00", 1234567.891, kComma, "1.234.567,89"}, TFormatCase{"000", 7, kPoint, "007"},
                    TFormatCase{"0", -7.6, kPoint, "-8"}, TFormatCase{"0.00E+00", 12345, kPoint, "1.23E+04"},
                    TFormatCase{"0.0E-0", 0.000123, kPoint, "1.2E-4"}, TFormatCase{"\"$\"0.00", -1.5, kPoint, "-$1.50"},
                    TFormatCase{"0.00;(0.00)", -1.5, kPoint, "(1.50)"}, TFormatCase{"0;-0;\"zero\"", 0, kPoint, "zero"},
                    TFormatCase{"0 \"kg\"", 5, kPoint, "5 kg"}, TFormatCase{"0 e", 5, kPoint, "5 e"},
                    TFormatCase{"0.00", 1e300, kPoint, "1" + std::string(300, '0') + ".00"}));

TEST(NumberTextColor, AtLeastSixUpperCaseDigits) {
    EXPECT_EQ(ColorText(255), "$0000FF");
    EXPECT_EQ(ColorText(-1), "$FFFFFFFF");
    EXPECT_EQ(ColorText(0xABCDEF), "$ABCDEF");
    EXPECT_EQ(ColorText(0x1000000), "$1000000");
    EXPECT_EQ(ColorText(0), "$000000");
}

} // namespace
