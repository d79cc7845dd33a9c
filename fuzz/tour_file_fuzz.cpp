// Feeds arbitrary bytes to the tour file reader, whole and in pieces: the
// pieces must give exactly the tours and concerts of the whole.

#include "program/ConcertLists.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

bool Same(const TBand& a, const TBand& b) {
    if (a.Tours.size() != b.Tours.size())
        return false;
    for (size_t t = 0; t < a.Tours.size(); ++t) {
        const TTour &x = a.Tours[t], &y = b.Tours[t];
        if (x.Name != y.Name || x.FirstDate != y.FirstDate || x.LastDate != y.LastDate ||
            x.Concerts.size() != y.Concerts.size())
            return false;
        for (size_t c = 0; c < x.Concerts.size(); ++c) {
            const TConcert &p = x.Concerts[c], &q = y.Concerts[c];
            if (p.Date != q.Date || p.Extra != q.Extra || p.City != q.City || p.Country != q.Country ||
                p.Venue != q.Venue)
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    TBand whole;
    ParseTourFile(content, whole);

    TBand pieces;
    TTourFileParser parser(pieces);
    const size_t piece = 1 + size % 7;
    for (size_t at = 0; at < size; at += piece)
        parser.Feed(content.data() + at, std::min(piece, size - at));
    parser.Finish();
    if (!Same(whole, pieces))
        __builtin_trap();

    std::vector<TBand> bands{whole};
    const std::vector<std::string> lines = BandTourFilterLines(bands);
    if (lines.size() != 2 + whole.Tours.size())
        __builtin_trap();
    return 0;
}
