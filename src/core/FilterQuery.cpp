#include "core/FilterQuery.h"

#include <iterator>

namespace {

struct TColumnName {
    const char* Name;
    TQueryColumn Column;
};

// clang-format off
constexpr TColumnName kColumnNames[] = {
    {"band", TQueryColumn::Band},         {"date", TQueryColumn::Date},
    {"city", TQueryColumn::City},         {"country", TQueryColumn::Country},
    {"venue", TQueryColumn::Venue},       {"name", TQueryColumn::Name},
    {"bootleg", TQueryColumn::Name},      {"boootleg", TQueryColumn::Name},
    {"quality", TQueryColumn::Quality},   {"num", TQueryColumn::Num},
    {"number", TQueryColumn::Num},        {"comment", TQueryColumn::Comment},
    {"source", TQueryColumn::Source},     {"media", TQueryColumn::Media},
};
// clang-format on

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

// Reads one word from `at`: an optional '-', an optional known "name:", then
// text up to the next space outside quotes; quotes are dropped.
TQueryTerm ReadTerm(std::string_view query, size_t& at) {
    TQueryTerm term;
    if (query[at] == '-') {
        term.Exclude = true;
        ++at;
    }
    const size_t nameEnd = query.find_first_of(": \t\"", at);
    if (nameEnd != std::string_view::npos && query[nameEnd] == ':') {
        const TQueryColumn column = QueryColumnNamed(query.substr(at, nameEnd - at));
        if (column != TQueryColumn::Any) {
            term.Column = column;
            at = nameEnd + 1;
        }
    }
    bool quoted = false;
    for (; at < query.size() && (quoted || !IsSpace(query[at])); ++at) {
        if (query[at] == '"')
            quoted = !quoted;
        else
            term.Text += query[at];
    }
    return term;
}

} // namespace

TQueryColumn QueryColumnNamed(std::string_view name) {
    for (const TColumnName& known : kColumnNames) {
        const std::string_view wanted = known.Name;
        if (wanted.size() != name.size())
            continue;
        bool same = true;
        for (size_t i = 0; i < name.size() && same; ++i)
            same = AsciiLower(name[i]) == wanted[i];
        if (same)
            return known.Column;
    }
    return TQueryColumn::Any;
}

std::vector<TQueryTerm> ParseFilterQuery(std::string_view query) {
    std::vector<TQueryTerm> terms;
    size_t at = 0;
    while (at < query.size()) {
        if (IsSpace(query[at])) {
            ++at;
            continue;
        }
        TQueryTerm term = ReadTerm(query, at);
        if (!term.Text.empty())
            terms.push_back(std::move(term));
    }
    return terms;
}
