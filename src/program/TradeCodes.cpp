#include "program/TradeCodes.h"

namespace {

struct TAbbreviation {
    const char* Word;
    int32_t Source;
    int32_t Media;
};

// clang-format off
constexpr TAbbreviation kAbbreviations[] = {
    {"sbd", 1, 0}, {"soundboard", 1, 0}, {"board", 1, 0}, {"desk", 1, 0},
    {"fm", 2, 0}, {"pre-fm", 2, 0}, {"prefm", 2, 0}, {"radio", 2, 0}, {"broadcast", 2, 0},
    {"tv", 2, 0}, {"pro-shot", 2, 0}, {"proshot", 2, 0},
    {"web", 3, 0}, {"webcast", 3, 0}, {"stream", 3, 0}, {"internet", 3, 0},
    {"aud", 4, 0}, {"audience", 4, 0},
    {"matrix", 5, 0}, {"mtx", 5, 0},
    {"cd", 0, 1}, {"cdr", 0, 1}, {"cd-r", 0, 1}, {"cda", 0, 1}, {"flac", 0, 1}, {"shn", 0, 1},
    {"wav", 0, 1}, {"ape", 0, 1},
    {"mp3", 0, 2},
    {"lp", 0, 4}, {"vinyl", 0, 4}, {"vynil", 0, 4},
    {"tape", 0, 5}, {"cassette", 0, 5}, {"mc", 0, 5},
    {"md", 0, 6}, {"minidisc", 0, 6},
    {"dat", 0, 7},
    {"avi", 0, 8}, {"xvid", 0, 8}, {"divx", 0, 8},
    {"mpeg", 0, 9}, {"mpg", 0, 9}, {"mp4", 0, 9},
    {"vcd", 0, 11},
    {"svcd", 0, 12},
    {"dvd", 0, 13}, {"dvdr", 0, 13}, {"dvd-r", 0, 13}, {"dvd+r", 0, 13}, {"dvd5", 0, 13}, {"dvd9", 0, 13},
    {"vhs", 0, 14},
};
// clang-format on

std::string Folded(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool IsWordBreak(char c) {
    return c == ' ' || c == '\t' || c == '/' || c == '+' || c == ',' || c == ';' || c == '&' || c == '(' || c == ')';
}

// "2cdr" and "3xcd" name what "cdr" and "cd" do.
std::string_view WithoutCount(std::string_view word) {
    size_t digits = 0;
    while (digits < word.size() && word[digits] >= '0' && word[digits] <= '9')
        ++digits;
    if (digits == 0 || digits == word.size())
        return word;
    if (word[digits] == 'x' && digits + 1 < word.size())
        ++digits;
    return word.substr(digits);
}

std::string_view Trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

TTradeCodeReader::TTradeCodeReader(const TStrings2& names) {
    for (TCodeKind kind : {TCodeKind::Source, TCodeKind::Media})
        for (int32_t code = 1; code < CodeCount(kind); ++code) {
            std::string name = Folded(Trimmed(CodeName(names, kind, code)));
            if (!name.empty())
                m_names.push_back({name, kind == TCodeKind::Source ? code : 0, kind == TCodeKind::Media ? code : 0});
        }
    for (const TAbbreviation& a : kAbbreviations)
        m_names.push_back({a.Word, a.Source, a.Media});
}

const TTradeCodeReader::TName* TTradeCodeReader::Find(std::string_view folded, TCodeKind column) const {
    const TName* other = nullptr;
    for (const TName& name : m_names)
        if (name.Folded == folded) {
            if ((column == TCodeKind::Source ? name.Source : name.Media) != 0)
                return &name;
            if (!other)
                other = &name;
        }
    return other;
}

TTradeCodes TTradeCodeReader::Read(std::string_view cell, TCodeKind column) const {
    TTradeCodes codes;
    const std::string folded = Folded(Trimmed(cell));
    auto take = [&codes](const TName& name) {
        if (codes.Source == 0)
            codes.Source = name.Source;
        if (codes.Media == 0)
            codes.Media = name.Media;
    };
    if (const TName* whole = Find(folded, column)) {
        take(*whole);
        return codes;
    }
    const std::string_view original = Trimmed(cell);
    for (size_t at = 0; at < folded.size();) {
        size_t end = at;
        while (end < folded.size() && !IsWordBreak(folded[end]))
            ++end;
        if (end > at) {
            const TName* name = Find(WithoutCount(std::string_view(folded).substr(at, end - at)), column);
            if (name && (name->Source == 0 || codes.Source == 0) && (name->Media == 0 || codes.Media == 0)) {
                take(*name);
            } else {
                if (!codes.Rest.empty())
                    codes.Rest += ' ';
                codes.Rest += original.substr(at, end - at);
            }
        }
        at = end + 1;
    }
    return codes;
}
