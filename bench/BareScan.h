#pragma once

#include "core/BootData.h"

#include <string>

// The baseline of the quick filter's benchmarks: what any filter must at
// least do, a look at every text column of every record once, byte-wise,
// with no case and no code pages. Returns how many records hold `word`.
inline size_t BareScan(const TArrayOfBootData& data, const std::string& word) {
    size_t found = 0;
    for (const TBootData& r : data)
        for (const std::string* text :
             {&r.Band, &r.Date, &r.City, &r.Country, &r.Venue, &r.Name, &r.Quality, &r.Num, &r.Comment})
            if (text->find(word) != std::string::npos) {
                ++found;
                break;
            }
    return found;
}
