#pragma once

#include "core/BootData.h"

#include <string>
#include <vector>

// The read-only concert lists: one text file per band in the Tours folder,
// its lines being tours ("|||||" name "|" first date "|" last date) and the
// concerts under them (date "|" extra "|" city "|" country "|" venue).

// Removes the first "|"-separated field from `text` and returns it.
std::string SplitField(std::string& text);

// A tour file bigger than this, or of more lines, is not read: no band has
// so many concerts, and the program must start whatever lies in the folder.
constexpr long long kMostTourFileBytes = 64LL << 20;
constexpr size_t kMostTourFileLines = 1000000;

// Takes a tour file piece by piece, so that only the line being read is held
// beside the tours made so far. Lines end with CR LF, LF or CR, also when
// the line end is split between two pieces.
class TTourFileParser {
public:
    explicit TTourFileParser(TBand& band) : m_band(band) {}
    void Feed(const char* data, size_t size);
    // The last line, when the content does not end with a line end.
    void Finish();
    size_t Lines() const { return m_lines; }

private:
    void TakeLine(std::string& line);

    TBand& m_band;
    std::string m_line;
    bool m_afterCr = false;
    size_t m_lines = 0;
};

// Reads one tour file's content into the tours of `band`.
void ParseTourFile(const std::string& content, TBand& band);

// Reads the tour file at `path` into the tours of `band`. A file that cannot
// be read whole within the bounds above leaves `band` without tours and
// `error` saying why.
bool ReadTourFile(const std::string& path, TBand& band, std::string& error);

struct TConcertLists {
    std::vector<TBand> Bands;            // sorted by name, byte-wise
    std::vector<std::string> Unreadable; // tour files that could not be read, with the reason
    std::string FolderError;             // why a Tours folder that is there could not be read
};

// Reads every "*.txt" file of `toursDir` (with its trailing separator). A
// missing folder gives no bands; an unreadable folder gives none and says
// why; an unreadable file is left out and named.
TConcertLists LoadConcertLists(const std::string& toursDir);

// The lines of the band-and-tour filter list: "$f01 < all > ", then per band
// "$f01" + name followed by "$f02" + tour name per tour. Sets ListIndex of
// every band and tour to 1 + the position of its line.
std::vector<std::string> BandTourFilterLines(std::vector<TBand>& bands);

// " < all > " and then the names of codes 0..5 (sources) or 0..16 (media).
std::vector<std::string> SourceFilterLines();
std::vector<std::string> MediaFilterLines();

// The first concert, in band, tour and file order, of a band named `band`
// (exactly) on `date` (exactly); null when there is none.
const TConcert* FindConcert(const std::vector<TBand>& bands, const std::string& band, const std::string& date);

// Prefixes of the filter lines that tell the drawing what a line is.
constexpr const char* kBandLinePrefix = "$f01";
constexpr const char* kTourLinePrefix = "$f02";
