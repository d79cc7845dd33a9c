#pragma once

#include <string>
#include <string_view>

// Concert dates as traders write them, read into day, month and year and
// written back in one form. The collection itself never parses a date (its
// dates are texts compared byte-wise); this is for lists that come from
// outside, whose dates must meet ours.
//
// What is read, after spaces at either end are dropped:
// - three numbers with the same one separator (. - /) between them: a
//   four-digit first number is the year, then month, then day
//   (1999.05.01, 1999-5-1, 1999/05/01); otherwise the last number is the
//   year, four digits or two (two: 50..99 are 19xx, 00..49 are 20xx).
//   The day and the month of the first two numbers: with slashes the month
//   comes first (05/01/1999 is 1 May), with dots or dashes the day comes
//   first (01.05.1999 is 1 May); a number over 12 is always the day, so
//   13/05/1999 and 05.13.1999 are 13 May.
// - an English month name or its three-letter short form (Sept too), in any
//   case, with a day and a four-digit year, in either order, separated by
//   spaces, commas, dots or dashes: "1 May 1999", "1st May, 1999",
//   "May 1, 1999", "01-May-1999". A weekday before it is skipped.
// Anything else, or a day the month does not have (1999.02.29), is no date.

struct TDayDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
};

// The forms a date is written in, each named by how it writes 1 May 1999.
enum class TDateForm { Dotted, Iso, Slashed, DayDotted, Written };
constexpr int kDateFormCount = 5;

// "1999.05.01", "1999-05-01", "05/01/1999", "01.05.1999", "1 May 1999".
const char* DateFormSample(TDateForm form);
// The form named by its sample or by a short name (dotted, iso, us,
// european, written); false for any other text.
bool ReadDateForm(std::string_view name, TDateForm& form);

bool ReadTradeDate(std::string_view text, TDayDate& date);
std::string WriteTradeDate(const TDayDate& date, TDateForm form);

// "1999.05.01" for a date as traders write it (1999.05.01, 1999-05-01, 05/01/1999, 1 May 1999, May 1, 1999, 1999/05/01,
// 01.05.1999 ...); empty when the text is no date it knows.
std::string DottedDate(std::string_view text);
// The same into any form.
std::string RewrittenDate(std::string_view text, TDateForm form);
