#pragma once

#include "program/ExportText.h"

// The trade list as comma-separated values in UTF-8 for spreadsheets: a
// header of the column captions, then one record per bootleg. Divided by
// tours, the sections become columns in front (Band and Tour, or Tour
// alone without the band name first), so a spreadsheet can sort and filter
// by them. Legacy 8-bit text is converted through the chosen code page.

bool WriteExportCsv(const TExportInput& input, const TExportChoices& choices, TByteSink& sink, std::string& error);
