#include "program/WantsList.h"

#include "program/CsvField.h"

#include "platform/AtomicFile.h"

namespace {

constexpr const char* kLineEnd = "\r\n";

template <typename Field> std::string JoinConcertFields(const TCoveredConcert& concert, char separator, Field field) {
    std::string line;
    bool first = true;
    for (const std::string* text : {&concert.Band->Name, &concert.Tour->Name, &concert.Concert->Date,
                                    &concert.Concert->City, &concert.Concert->Country, &concert.Concert->Venue}) {
        if (!first)
            line += separator;
        line += field(*text);
        first = false;
    }
    return line;
}

} // namespace

std::vector<std::string> CoverageCountLines(const std::vector<TBandCoverage>& coverage) {
    std::vector<std::string> lines;
    for (const TBandCoverage& band : coverage)
        for (const TTourCoverage& tour : band.Tours)
            lines.push_back(band.Band->Name + "\t" + tour.Tour->Name + "\t" + std::to_string(tour.OwnedCount) + "\t" +
                            std::to_string(tour.Known()));
    return lines;
}

std::string ConcertTabLine(const TCoveredConcert& concert) {
    return JoinConcertFields(concert, '\t', [](const std::string& text) { return text; });
}

std::string ConcertTourFileLine(const TCoveredConcert& concert) {
    const TConcert& c = *concert.Concert;
    return concert.Band->Name + "\t" + concert.Tour->Name + "\t" + c.Date + "|" + c.Extra + "|" + c.City + "|" +
           c.Country + "|" + c.Venue;
}

std::string WantsListText(const std::vector<TCoveredConcert>& concerts) {
    std::string text;
    for (const TCoveredConcert& concert : concerts)
        text += ConcertTabLine(concert) + kLineEnd;
    return text;
}

std::string WantsListCsv(const std::vector<TCoveredConcert>& concerts) {
    std::string text = std::string("Band,Tour,Date,City,Country,Venue") + kLineEnd;
    for (const TCoveredConcert& concert : concerts)
        text += JoinConcertFields(concert, ',',
                                  [](const std::string& text) {
                                      std::string field;
                                      AppendCsvField(field, text);
                                      return field;
                                  }) +
                kLineEnd;
    return text;
}

bool WriteWantsList(const std::string& path, const std::vector<TCoveredConcert>& concerts, TWantsListFormat format,
                    std::string& error) {
    const std::string bytes = format == TWantsListFormat::Csv ? WantsListCsv(concerts) : WantsListText(concerts);
    return WriteFileAtomically(path, bytes, error);
}
