#pragma once

#include <string>
#include <string_view>

// Fields of comma-separated values as spreadsheets read them (RFC 4180): a
// field that holds a comma, a quote or a line break is put in quotes, with
// each quote doubled; any other goes out as it is. Records end in CR LF.

constexpr std::string_view kCsvRecordEnd = "\r\n";

void AppendCsvField(std::string& out, std::string_view field);
