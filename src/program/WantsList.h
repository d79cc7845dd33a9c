#pragma once

#include "program/TourCoverage.h"

#include <string>
#include <vector>

// The texts made from the coverage: the lines of the command line, the
// concerts copied to the clipboard and the wants list written to a file, as
// tab-separated text or as CSV. Bytes go out as they were read.

// "BAND\tTOUR\tOWNED\tKNOWN" per tour, bands without tours left out.
std::vector<std::string> CoverageCountLines(const std::vector<TBandCoverage>& coverage);

// Band, tour, date, city, country and venue, separated by TAB.
std::string ConcertTabLine(const TCoveredConcert& concert);

// Band and tour, then the concert as its tour file holds it
// (date|extra|city|country|venue).
std::string ConcertTourFileLine(const TCoveredConcert& concert);

// One tab line per concert, CR LF after each: the clipboard and the text file.
std::string WantsListText(const std::vector<TCoveredConcert>& concerts);
// A heading line and one line per concert, CR LF after each.
std::string WantsListCsv(const std::vector<TCoveredConcert>& concerts);

enum class TWantsListFormat { Text, Csv };

// Writes the concerts to `path`, replacing it whole or leaving it as it was.
bool WriteWantsList(const std::string& path, const std::vector<TCoveredConcert>& concerts, TWantsListFormat format,
                    std::string& error);
