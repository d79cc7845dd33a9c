#include "core/TradeDate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <random>

namespace {

struct TDateCase {
    const char* Text;
    const char* Dotted;
};

class TradeDateRead : public testing::TestWithParam<TDateCase> {};

TEST_P(TradeDateRead, GivesTheDottedDateOrNothing) {
    EXPECT_EQ(DottedDate(GetParam().Text), GetParam().Dotted) << '"' << GetParam().Text << '"';
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Forms, TradeDateRead, testing::Values(
    TDateCase{"1999.05.01", "1999.05.01"},
    TDateCase{"1999-05-01", "1999.05.01"},
    TDateCase{"1999/05/01", "1999.05.01"},
    TDateCase{"1999.5.1", "1999.05.01"},
    TDateCase{"5/1/99", "1999.05.01"},
    TDateCase{"01.05.07", "2007.05.01"},
    TDateCase{"  1 May 1999\t", "1999.05.01"},
    TDateCase{"1st May, 1999", "1999.05.01"},
    TDateCase{"May 1, 1999", "1999.05.01"},
    TDateCase{"MAY 1ST 1999", "1999.05.01"},
    TDateCase{"01-May-1999", "1999.05.01"},
    TDateCase{"Sat, 1 May 1999", "1999.05.01"},
    TDateCase{"Sept. 22nd, 2001", "2001.09.22"},
    TDateCase{"29 Feb 2000", "2000.02.29"},
    TDateCase{"9999.12.31", "9999.12.31"}));

INSTANTIATE_TEST_SUITE_P(NoDates, TradeDateRead, testing::Values(
    TDateCase{"", ""},
    TDateCase{"1999.05", ""},
    TDateCase{"1999.05.??", ""},
    TDateCase{"1999.02.29", ""},
    TDateCase{"1900.02.29", ""},
    TDateCase{"1999.13.01", ""},
    TDateCase{"1999.00.10", ""},
    TDateCase{"1999.05-01", ""},
    TDateCase{"1999 05 01", ""},
    TDateCase{"1999.05.01.", ""},
    TDateCase{"1999.005.01", ""},
    TDateCase{"0999.05.01", ""},
    TDateCase{"05/01/199", ""},
    TDateCase{"1 Mai 1999", ""},
    TDateCase{"1 May 99", ""},
    TDateCase{"1 2 May 1999", ""},
    TDateCase{"May 1999", ""},
    TDateCase{"1/May/1999", ""},
    TDateCase{"1999.05.01 late show", ""},
    TDateCase{"\xC5\x81\xC3\xB3" "d\xC5\xBA", ""},
    TDateCase{"99999999999999999999.1.1", ""}));
// clang-format on

TEST(TradeDate, WritesEveryFormByteForByte) {
    TDayDate date{1999, 5, 1};
    for (int f = 0; f < kDateFormCount; ++f)
        EXPECT_EQ(WriteTradeDate(date, static_cast<TDateForm>(f)), DateFormSample(static_cast<TDateForm>(f)));
    EXPECT_EQ(RewrittenDate("2001-09-22", TDateForm::Written), "22 September 2001");
    EXPECT_EQ(RewrittenDate("2001-09-22", TDateForm::Slashed), "09/22/2001");
    EXPECT_EQ(RewrittenDate("x", TDateForm::Iso), "");
}

TEST(TradeDate, FormsAreNamedBySampleOrShortName) {
    TDateForm form = TDateForm::Dotted;
    for (int f = 0; f < kDateFormCount; ++f) {
        ASSERT_TRUE(ReadDateForm(DateFormSample(static_cast<TDateForm>(f)), form));
        EXPECT_EQ(static_cast<int>(form), f);
    }
    EXPECT_TRUE(ReadDateForm("european", form));
    EXPECT_EQ(form, TDateForm::DayDotted);
    EXPECT_FALSE(ReadDateForm("Dotted", form));
    EXPECT_FALSE(ReadDateForm("", form));
}

// The rule read literally: slashes put the month first, dots and dashes the
// day, a number over 12 is the day; the calendar decides what exists.
std::string Reference(int first, int second, int year, char separator) {
    bool monthFirst = separator == '/';
    if (first > 12)
        monthFirst = false;
    else if (second > 12)
        monthFirst = true;
    int month = monthFirst ? first : second, day = monthFirst ? second : first;
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = 12;
    std::time_t t = timegm(&tm);
    std::tm back{};
    gmtime_r(&t, &back);
    if (month < 1 || month > 12 || back.tm_mday != day || back.tm_mon != month - 1)
        return "";
    char text[16];
    std::snprintf(text, sizeof text, "%04d.%02d.%02d", year, month, day);
    return text;
}

TEST(TradeDate, DayAndMonthOrderFollowsTheSeparatorOnRandomDates) {
    std::mt19937 random(33);
    const char separators[] = "./-";
    for (int i = 0; i < 20000; ++i) {
        int first = static_cast<int>(random() % 33), second = static_cast<int>(random() % 33);
        int year = 1950 + static_cast<int>(random() % 80);
        char separator = separators[random() % 3];
        char text[32];
        const char* pattern = random() % 2 ? "%02d%c%02d%c%04d" : "%d%c%d%c%04d";
        std::snprintf(text, sizeof text, pattern, first, separator, second, separator, year);
        ASSERT_EQ(DottedDate(text), Reference(first, second, year, separator)) << text;
    }
}

} // namespace
