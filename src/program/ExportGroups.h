#pragma once

#include "core/BootData.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The sections of an export divided by tours. A record of a band with a tour
// file belongs to that band and to the first of its tours whose dates hold
// the record's date (or to no tour); a record of a band without a tour file
// makes a section of that band's name, so it never ends up under the tour
// of the band before it. Without any tour file nothing is divided.

struct TExportGroup {
    int32_t Band = -1;          // into the bands; -1 for none
    int32_t Tour = -1;          // into the band's tours; -1 for none
    std::string_view LooseBand; // the name of a band without a tour file
    bool Loose = false;         // such a band makes a section: there are tour files

    bool HasHeading() const { return Band != -1 || Loose; }
    bool operator!=(const TExportGroup& other) const {
        return Band != other.Band || Tour != other.Tour || Loose != other.Loose || LooseBand != other.LooseBand;
    }
};

// Finds a record's band by name and its tour by date; a band name that
// occurs twice resolves to the last such band, with that band's tours.
// Without division every record is in the group without a heading.
class TExportGroupFinder {
public:
    TExportGroupFinder(const std::vector<TBand>& bands, bool divide);
    TExportGroup Find(const TBootData& record) const;

    // The names a group's heading is made of; empty where there is none.
    std::string_view BandName(const TExportGroup& group) const;
    std::string_view TourName(const TExportGroup& group) const;
    // The heading line: band, " - ", tour; or the parts of it there are.
    // Without the band name first, only the tour's name; a band without a
    // tour file is still named, as the heading would otherwise say nothing.
    std::string Heading(const TExportGroup& group, bool bandNameBeforeTour) const;

private:
    const std::vector<TBand>& m_bands;
    bool m_divide;
    std::unordered_map<std::string_view, int32_t> m_byName;
};
