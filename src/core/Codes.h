#pragma once

#include <cstdint>
#include <string>

class TStrings2;

// Source and media codes, and the fixed numbering of the thirteen bootleg
// properties used by the list view, the sort, the export and the compare.

constexpr int kSourceCount = 6; // codes 0..5
constexpr int kMediaCount = 17; // codes 0..16

enum class TCodeKind { Source, Media };

constexpr int32_t CodeCount(TCodeKind kind) {
    return kind == TCodeKind::Source ? kSourceCount : kMediaCount;
}
constexpr bool IsCode(TCodeKind kind, int32_t code) {
    return code >= 0 && code < CodeCount(kind);
}
constexpr bool IsSourceCode(int32_t code) {
    return IsCode(TCodeKind::Source, code);
}
constexpr bool IsMediaCode(int32_t code) {
    return IsCode(TCodeKind::Media, code);
}

// A list file may hold any 32-bit code: every place that turns a code into a
// name goes through these, which check the range before any arithmetic.
//
// The item of the column string store that names `code`: 50 + code for a
// source, 30 + code for a medium, and 0 (which names nothing) for a code
// outside its kind's range, so that a media code never reaches a source name.
int32_t CodeNameItem(TCodeKind kind, int32_t code);
// The name of `code` in the column string store `names`; "" outside the range.
const std::string& CodeName(const TStrings2& names, TCodeKind kind, int32_t code);
// The built-in names (the filter lists); code 0 ("not set") and any code
// outside the range give "".
const char* DefaultCodeName(TCodeKind kind, int32_t code);

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
constexpr int kTemplateColumns = kPropertyCount + 1;

// "01 Band" .. "13 Comment"; "00 -----------" for 0 (the export separator).
std::string PropertyLabel(int property);
// Column heading of template column 1..14 ("Search", "Band", ...); "" outside.
const char* TemplateColumnHeading(int templateColumn);
