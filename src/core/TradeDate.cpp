#include "core/TradeDate.h"

#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr std::array<const char*, 12> kMonthNames = {"january",   "february", "march",    "april",
                                                     "may",       "june",     "july",     "august",
                                                     "september", "october",  "november", "december"};
constexpr std::array<const char*, 12> kShownMonths = {"January",   "February", "March",    "April",
                                                      "May",       "June",     "July",     "August",
                                                      "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> kWeekdays = {"monday", "tuesday",  "wednesday", "thursday",
                                                  "friday", "saturday", "sunday"};

struct TFormName {
    TDateForm Form;
    const char* Sample;
    const char* Short;
};
constexpr std::array<TFormName, kDateFormCount> kFormNames = {{
    {TDateForm::Dotted, "1999.05.01", "dotted"},
    {TDateForm::Iso, "1999-05-01", "iso"},
    {TDateForm::Slashed, "05/01/1999", "us"},
    {TDateForm::DayDotted, "01.05.1999", "european"},
    {TDateForm::Written, "1 May 1999", "written"},
}};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool AllDigits(std::string_view s) {
    for (char c : s)
        if (!IsDigit(c))
            return false;
    return !s.empty();
}

int Number(std::string_view digits) {
    int n = 0;
    for (char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

// Words and the separators between them; false when the text has a
// character that belongs to neither or does not start and end with a word.
struct TWords {
    std::vector<std::string_view> Words;
    std::vector<std::string_view> Gaps;
};

bool SplitWords(std::string_view text, TWords& out) {
    size_t i = 0;
    while (i < text.size()) {
        size_t start = i;
        while (i < text.size() && (IsDigit(text[i]) || IsLetter(text[i])))
            ++i;
        if (i == start)
            return false;
        out.Words.push_back(text.substr(start, i - start));
        if (i == text.size())
            break;
        start = i;
        while (i < text.size() && !IsDigit(text[i]) && !IsLetter(text[i])) {
            if (std::string_view(" ,.-/").find(text[i]) == std::string_view::npos)
                return false;
            ++i;
        }
        if (i == text.size())
            return false;
        out.Gaps.push_back(text.substr(start, i - start));
    }
    return !out.Words.empty();
}

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysIn(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

bool Valid(const TDayDate& d) {
    return d.Year >= 1000 && d.Year <= 9999 && d.Month >= 1 && d.Month <= 12 && d.Day >= 1 &&
           d.Day <= DaysIn(d.Year, d.Month);
}

bool SameLower(std::string_view word, std::string_view lower) {
    if (word.size() != lower.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (Lower(word[i]) != lower[i])
            return false;
    return true;
}

// 1..12 for a month's name, its first three letters or "sept"; 0 otherwise.
int MonthOf(std::string_view word) {
    for (size_t m = 0; m < kMonthNames.size(); ++m) {
        std::string_view name = kMonthNames[m];
        if (SameLower(word, name) || SameLower(word, name.substr(0, 3)))
            return static_cast<int>(m) + 1;
    }
    return SameLower(word, "sept") ? 9 : 0;
}

bool IsWeekday(std::string_view word) {
    for (std::string_view day : kWeekdays)
        if (SameLower(word, day) || SameLower(word, day.substr(0, 3)))
            return true;
    return false;
}

// "1", "01", "1st", "22nd", "3rd", "4th".
bool ReadDay(std::string_view word, int& day) {
    size_t digits = 0;
    while (digits < word.size() && IsDigit(word[digits]))
        ++digits;
    if (digits == 0 || digits > 2)
        return false;
    std::string_view suffix = word.substr(digits);
    if (!suffix.empty() && !SameLower(suffix, "st") && !SameLower(suffix, "nd") && !SameLower(suffix, "rd") &&
        !SameLower(suffix, "th"))
        return false;
    day = Number(word.substr(0, digits));
    return true;
}

bool ReadNumeric(const TWords& w, TDayDate& date) {
    if (w.Words.size() != 3 || w.Gaps[0].size() != 1 || w.Gaps[0] != w.Gaps[1] || w.Gaps[0] == " " || w.Gaps[0] == ",")
        return false;
    for (std::string_view word : w.Words)
        if (!AllDigits(word))
            return false;
    std::string_view a = w.Words[0], b = w.Words[1], c = w.Words[2];
    if (a.size() == 4) {
        if (b.size() > 2 || c.size() > 2)
            return false;
        date = {Number(a), Number(b), Number(c)};
        return true;
    }
    if (a.size() > 2 || b.size() > 2 || (c.size() != 4 && c.size() != 2))
        return false;
    int year = Number(c);
    if (c.size() == 2)
        year += year >= 50 ? 1900 : 2000;
    int first = Number(a), second = Number(b);
    bool monthFirst = w.Gaps[0] == "/";
    if (first > 12)
        monthFirst = false;
    else if (second > 12)
        monthFirst = true;
    date = monthFirst ? TDayDate{year, first, second} : TDayDate{year, second, first};
    return true;
}

bool ReadWritten(const TWords& w, TDayDate& date) {
    size_t from = w.Words.size() == 4 && IsWeekday(w.Words[0]) ? 1 : 0;
    if (w.Words.size() - from != 3)
        return false;
    for (size_t g = from; g < w.Gaps.size(); ++g)
        if (w.Gaps[g].size() > 3 || w.Gaps[g].find('/') != std::string_view::npos)
            return false;
    std::string_view x = w.Words[from], y = w.Words[from + 1], z = w.Words[from + 2];
    if (z.size() != 4 || !AllDigits(z))
        return false;
    int month = MonthOf(x), day = 0;
    if (month != 0 ? !ReadDay(y, day) : ((month = MonthOf(y)) == 0 || !ReadDay(x, day)))
        return false;
    date = {Number(z), month, day};
    return true;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

const char* DateFormSample(TDateForm form) {
    return kFormNames[static_cast<size_t>(form)].Sample;
}

bool ReadDateForm(std::string_view name, TDateForm& form) {
    for (const TFormName& f : kFormNames)
        if (name == f.Sample || name == f.Short) {
            form = f.Form;
            return true;
        }
    return false;
}

bool ReadTradeDate(std::string_view text, TDayDate& date) {
    TWords words;
    if (!SplitWords(Trimmed(text), words))
        return false;
    TDayDate d;
    if (!ReadNumeric(words, d) && !ReadWritten(words, d))
        return false;
    if (!Valid(d))
        return false;
    date = d;
    return true;
}

std::string WriteTradeDate(const TDayDate& date, TDateForm form) {
    char out[48];
    int y = date.Year, m = date.Month, d = date.Day;
    switch (form) {
    case TDateForm::Dotted:
        std::snprintf(out, sizeof out, "%04d.%02d.%02d", y, m, d);
        break;
    case TDateForm::Iso:
        std::snprintf(out, sizeof out, "%04d-%02d-%02d", y, m, d);
        break;
    case TDateForm::Slashed:
        std::snprintf(out, sizeof out, "%02d/%02d/%04d", m, d, y);
        break;
    case TDateForm::DayDotted:
        std::snprintf(out, sizeof out, "%02d.%02d.%04d", d, m, y);
        break;
    case TDateForm::Written:
        std::snprintf(out, sizeof out, "%d %s %04d", d, m >= 1 && m <= 12 ? kShownMonths[m - 1] : "?", y);
        break;
    }
    return out;
}

std::string DottedDate(std::string_view text) {
    return RewrittenDate(text, TDateForm::Dotted);
}

std::string RewrittenDate(std::string_view text, TDateForm form) {
    TDayDate date;
    return ReadTradeDate(text, date) ? WriteTradeDate(date, form) : std::string();
}
