#include "ConcertLists.h"

#include "core/Codes.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <utility>

namespace {

const std::string kTourMark = "|||||";
const std::string kExtension = ".txt";

// Calls `line` for every line of `content`; CR LF, LF and CR end a line, and
// an end at the very end of the content starts no further line.
template <class TLine> void ForEachLine(const std::string& content, TLine line) {
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            line(content.substr(start));
            return;
        }
        line(content.substr(start, end - start));
        start = end + (content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n' ? 2 : 1);
    }
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

std::string SplitField(std::string& text) {
    size_t bar = text.find('|');
    if (bar == std::string::npos) {
        std::string field = std::move(text);
        text.clear();
        return field;
    }
    std::string field = text.substr(0, bar);
    text.erase(0, bar + 1);
    return field;
}

void ParseTourFile(const std::string& content, TBand& band) {
    ForEachLine(content, [&](std::string line) {
        if (line.find(kTourMark) != std::string::npos) {
            // The fields start after the first five characters, where the bars are expected.
            std::string rest = line.size() > kTourMark.size() ? line.substr(kTourMark.size()) : std::string();
            TTour tour;
            tour.Name = SplitField(rest);
            tour.FirstDate = SplitField(rest);
            tour.LastDate = SplitField(rest);
            band.Tours.push_back(std::move(tour));
            return;
        }
        if (band.Tours.empty())
            return; // lines before the first tour
        TConcert concert;
        concert.Date = SplitField(line);
        concert.Extra = SplitField(line);
        concert.City = SplitField(line);
        concert.Country = SplitField(line);
        concert.Venue = SplitField(line);
        band.Tours.back().Concerts.push_back(std::move(concert));
    });
}

TConcertLists LoadConcertLists(const std::string& toursDir) {
    TConcertLists lists;
    std::vector<std::string> names;
    std::string error;
    if (!FileSystem().ListFolder(toursDir, names, error))
        return lists;
    for (const std::string& name : names) {
        if (!EndsWith(name, kExtension) || !FileSystem().IsFile(toursDir + name))
            continue;
        TBand band;
        band.Name = name.substr(0, name.size() - kExtension.size());
        lists.Bands.push_back(std::move(band));
    }

    // Names are unique (they are file names), so any sort gives the byte-wise order.
    std::sort(lists.Bands.begin(), lists.Bands.end(), [](const TBand& a, const TBand& b) { return a.Name < b.Name; });

    std::vector<TBand> readable;
    for (TBand& band : lists.Bands) {
        std::string content;
        const std::string path = toursDir + band.Name + kExtension;
        if (!ReadWholeFile(path, content, error)) {
            lists.Unreadable.push_back(band.Name + kExtension + ": " + error);
            continue;
        }
        ParseTourFile(content, band);
        readable.push_back(std::move(band));
    }
    lists.Bands = std::move(readable);
    return lists;
}

std::vector<std::string> BandTourFilterLines(std::vector<TBand>& bands) {
    std::vector<std::string> lines{std::string(kBandLinePrefix) + " < all > "};
    for (TBand& band : bands) {
        band.ListIndex = static_cast<int32_t>(lines.size()) + 1;
        lines.push_back(kBandLinePrefix + band.Name);
        for (TTour& tour : band.Tours) {
            tour.ListIndex = static_cast<int32_t>(lines.size()) + 1;
            lines.push_back(kTourLinePrefix + tour.Name);
        }
    }
    return lines;
}

std::vector<std::string> SourceFilterLines() {
    std::vector<std::string> lines{" < all > "};
    for (int code = 0; code < kSourceCount; ++code)
        lines.push_back(DefaultCodeName(TCodeKind::Source, code));
    return lines;
}

std::vector<std::string> MediaFilterLines() {
    std::vector<std::string> lines{" < all > "};
    for (int code = 0; code < kMediaCount; ++code)
        lines.push_back(DefaultCodeName(TCodeKind::Media, code));
    return lines;
}

const TConcert* FindConcert(const std::vector<TBand>& bands, const std::string& band, const std::string& date) {
    for (const TBand& candidate : bands) {
        if (candidate.Name != band)
            continue;
        for (const TTour& tour : candidate.Tours)
            for (const TConcert& concert : tour.Concerts)
                if (concert.Date == date)
                    return &concert;
    }
    return nullptr;
}
