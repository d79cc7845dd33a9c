#pragma once

#include "core/BootData.h"

#include <string>
#include <vector>

// The read-only concert lists: one text file per band in the Tours folder,
// its lines being tours ("|||||" name "|" first date "|" last date) and the
// concerts under them (date "|" extra "|" city "|" country "|" venue).

// Removes the first "|"-separated field from `text` and returns it.
std::string SplitField(std::string& text);

// Reads one tour file's content into the tours of `band`.
void ParseTourFile(const std::string& content, TBand& band);

struct TConcertLists {
    std::vector<TBand> Bands;            // sorted by name, byte-wise
    std::vector<std::string> Unreadable; // tour files that could not be read, with the reason
};

// Reads every "*.txt" file of `toursDir` (with its trailing separator). A
// missing folder gives no bands; an unreadable file is left out and named.
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
