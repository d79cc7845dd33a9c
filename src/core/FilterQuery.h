#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The quick filter's query: words that a bootleg must all show somewhere in
// its text columns. "two words" is a phrase, -word must not be shown,
// column:word looks in one column only (by its caption or a short name;
// an unknown name leaves the whole word plain, as in "12:30"). A word
// left empty while being typed ("-", "band:", "") asks nothing.

// The columns a word can be looked for in: the text columns in the order
// the filter keeps them, then the two coded ones by their shown names.
enum class TQueryColumn : int8_t {
    Any = -1,
    Band,
    Date,
    City,
    Country,
    Venue,
    Name,
    Quality,
    Num,
    Comment,
    Source,
    Media,
};
constexpr int kQueryTextColumns = 9;

struct TQueryTerm {
    std::string Text;
    TQueryColumn Column = TQueryColumn::Any;
    bool Exclude = false;

    bool operator==(const TQueryTerm& other) const {
        return Text == other.Text && Column == other.Column && Exclude == other.Exclude;
    }
};

std::vector<TQueryTerm> ParseFilterQuery(std::string_view query);

// The column a name stands for, ASCII letters in any case: the captions
// ("Band", "Num", ...) and the short names ("name", "bootleg", "number").
// Any when there is none of that name.
TQueryColumn QueryColumnNamed(std::string_view name);
