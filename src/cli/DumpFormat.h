#pragma once

#include "core/BootData.h"

#include <string>
#include <string_view>

// One bootleg as one line of 14 TAB-separated fields: Band, Date, City,
// Country, Venue, Name, Source, Media, Quality, Num, front cover, back cover,
// Info, Comment. Source and Media are decimal; every other field holds its
// bytes as stored, with backslash, TAB, CR and LF written as \\, \t, \r, \n.

constexpr int kDumpFieldCount = 14;

// The line of `record`, without a line end.
std::string FormatDumpLine(const TBootData& record);

// Reads one line (without its line end) into `record`; on failure `error`
// says what is wrong with it.
bool ParseDumpLine(std::string_view line, TBootData& record, std::string& error);

std::string EscapeDumpField(std::string_view text);
bool UnescapeDumpField(std::string_view field, std::string& text);
