#pragma once

#include "core/BootData.h"

#include <cstdint>
#include <string>
#include <vector>

// Counts of a list's bootlegs by year, band, source, media and quality,
// for the statistics window and the command line alike.

struct TStatRow {
    std::string Label; // bytes of the list, or one of the names below
    int64_t Count = 0;
};

enum class TStatKind { Year, Band, Source, Media, Quality };
constexpr int kStatKinds = 5;

struct TStatTable {
    TStatKind Kind = TStatKind::Year;
    std::vector<TStatRow> Rows;
};

struct TListStatistics {
    int64_t Total = 0;
    std::vector<TStatTable> Tables; // one per kind, in TStatKind order
};

// The bands and qualities shown one by one; the others share one row.
constexpr size_t kMostStatRows = 20;

// Labels of rows that name no text of the list.
constexpr const char* kNoYearLabel = "(no year)";
constexpr const char* kEmptyLabel = "(none)";
constexpr const char* kUnknownCodeLabel = "(unknown code)";
constexpr const char* kOtherBandsLabel = "(other bands)";
constexpr const char* kOtherQualitiesLabel = "(other qualities)";

// The year of a date: its first run of exactly four digits ("1999.05.01",
// "01/05/1999"), or "" when it has none.
std::string DateYear(const std::string& date);

// `records` are indices into `data` (a filtered view); null counts all.
// Years ascending with "(no year)" last; bands and qualities by count, the
// larger first (ties by name, byte-wise), the 20 largest and then the rest
// as one row; sources and media by code, "(unknown code)" last. Only rows
// that count something are there.
TListStatistics ListStatistics(const TArrayOfBootData& data, const std::vector<int32_t>* records);

// "Year", "Band", "Source", "Media", "Quality".
const char* StatKindName(TStatKind kind);

// "LABEL\tCOUNT" per row, CR LF after each, under a heading line: Copy.
std::string StatTableText(const TStatTable& table);
// "total\t\tN", then "KIND\tLABEL\tCOUNT" per row of every table: the
// command line (kind in lower case).
std::vector<std::string> StatisticsLines(const TListStatistics& statistics);
