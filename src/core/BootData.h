#pragma once

#include "platform/BulkAllocator.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The collection's texts are bytes in whatever encoding the user's lists
// hold; they are compared byte-wise and written back exactly as read.

// One bootleg of a user's list. The field order follows the record, not the
// property numbering (Venue comes before Country here).
struct TBootData {
    std::string Band;
    std::string Date;
    std::string City;
    std::string Venue;
    std::string Country;
    std::string Name;
    std::string Info;
    std::string Num;
    std::string Comment;
    int32_t Source = 0;
    int32_t Media = 0;
    std::string Quality;
    // 0 = front, 1 = back; empty means no picture.
    std::array<std::string, 2> Covers;

    // Transient: never stored in the list file.
    int32_t SearchHits = 0;
    std::string SearchText{};
    int32_t ViewIndex = -1;
};

using TArrayOfBootData = std::vector<TBootData, TBulkAllocator<TBootData>>;

// One concert line of a tour file.
struct TConcert {
    std::string Date;
    std::string Extra; // read and kept, never shown
    std::string City;
    std::string Country;
    std::string Venue;
};

struct TTour {
    std::string Name;
    std::string FirstDate; // inclusive
    std::string LastDate;  // inclusive
    int32_t ListIndex = 0; // 1 + line of the tour in the band-and-tour filter list
    bool Selected = false;
    std::vector<TConcert> Concerts;

    // A date lies inside the tour from its first to its last day, both
    // included; dates compare as bytes, as tour files write them.
    bool Holds(const std::string& date) const { return FirstDate <= date && date <= LastDate; }
};

struct TBand {
    std::string Name;
    std::vector<TTour> Tours;
    int32_t ListIndex = 0; // 1 + line of the band in the band-and-tour filter list
    bool Selected = false;
};
