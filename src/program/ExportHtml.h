#pragma once

#include "program/ExportText.h"

#include <string_view>

// The trade list as one web page that needs no other file: the list's name
// and counts, a heading and a table for each section (one table when not
// divided by tours), a small script that sorts a table by a click on a
// column caption, and a style that prints well. UTF-8; legacy 8-bit text is
// converted through the chosen code page, and every text is escaped.

bool WriteExportHtml(const TExportInput& input, const TExportChoices& choices, std::string_view title, TByteSink& sink,
                     std::string& error);

// Text as it may stand in a page: the markup characters escaped, and
// characters a page may not hold (controls other than line breaks and
// tabs, noncharacters) replaced by U+FFFD. `utf8` must be valid UTF-8.
void AppendHtmlText(std::string& out, std::string_view utf8);
