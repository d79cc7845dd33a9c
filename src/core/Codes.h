#pragma once

#include <cstdint>
#include <string>

// Source and media codes, and the fixed numbering of the thirteen bootleg
// properties used by the list view, the sort, the export and the compare.

constexpr int kSourceCount = 6; // codes 0..5
constexpr int kMediaCount = 17; // codes 0..16

constexpr bool IsSourceCode(int32_t code) {
    return code >= 0 && code < kSourceCount;
}
constexpr bool IsMediaCode(int32_t code) {
    return code >= 0 && code < kMediaCount;
}

// Built-in display names; code 0 ("not set") and any unknown code give "".
const char* DefaultSourceName(int32_t code);
const char* DefaultMediaName(int32_t code);

// Properties 1..13 in their fixed order (Country before Venue).
enum class TProperty {
    Band = 1,
    Date,
    City,
    Country,
    Venue,
    Name,
    Source,
    Media,
    Quality,
    Num,
    Cover,
    Info,
    Comment,
};

constexpr int kPropertyCount = 13;

// Template grid columns: 1 is "Search", then property p is column p + 1.
constexpr int kSearchTemplateColumn = 1;
constexpr int kTemplateColumnCount = kPropertyCount + 1;

// "01 Band" .. "13 Comment"; "00 -----------" for 0 (the export separator).
std::string PropertyLabel(int property);
// Column heading of template column 1..14 ("Search", "Band", ...); "" outside.
const char* TemplateColumnHeading(int templateColumn);
