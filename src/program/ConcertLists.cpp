#include "ConcertLists.h"

#include "core/Codes.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

namespace {

const std::string kTourMark = "|||||";
const std::string kExtension = ".txt";

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

void TTourFileParser::Feed(const char* data, size_t size) {
    size_t pos = 0;
    if (m_afterCr && size > 0) {
        m_afterCr = false;
        if (data[0] == '\n')
            pos = 1; // the second half of a CR LF
    }
    while (pos < size) {
        // The first CR or LF: a CR counts only before the first LF.
        const char* lf = static_cast<const char*>(std::memchr(data + pos, '\n', size - pos));
        const size_t crScan = (lf ? static_cast<size_t>(lf - data) : size) - pos;
        const char* cr = static_cast<const char*>(std::memchr(data + pos, '\r', crScan));
        const char* end = cr ? cr : lf;
        if (!end) {
            m_line.append(data + pos, size - pos);
            return;
        }
        m_line.append(data + pos, static_cast<size_t>(end - (data + pos)));
        TakeLine(m_line);
        m_line.clear();
        pos = static_cast<size_t>(end - data) + 1;
        if (*end == '\r') {
            if (pos == size)
                m_afterCr = true;
            else if (data[pos] == '\n')
                ++pos;
        }
    }
}

void TTourFileParser::Finish() {
    // A line end at the very end of the content starts no further line.
    if (!m_line.empty())
        TakeLine(m_line);
    m_line.clear();
    m_afterCr = false;
}

void TTourFileParser::TakeLine(std::string& line) {
    // The first line is whole here however the content came in pieces.
    if (++m_lines == 1)
        line.erase(0, Utf8BomLength(line));
    if (line.find(kTourMark) != std::string::npos) {
        // The fields start after the first five characters, where the bars are expected.
        std::string rest = line.size() > kTourMark.size() ? line.substr(kTourMark.size()) : std::string();
        TTour tour;
        tour.Name = SplitField(rest);
        tour.FirstDate = SplitField(rest);
        tour.LastDate = SplitField(rest);
        m_band.Tours.push_back(std::move(tour));
        return;
    }
    if (m_band.Tours.empty())
        return; // lines before the first tour
    TConcert concert;
    concert.Date = SplitField(line);
    concert.Extra = SplitField(line);
    concert.City = SplitField(line);
    concert.Country = SplitField(line);
    concert.Venue = SplitField(line);
    m_band.Tours.back().Concerts.push_back(std::move(concert));
}

void ParseTourFile(const std::string& content, TBand& band) {
    TTourFileParser parser(band);
    parser.Feed(content.data(), content.size());
    parser.Finish();
}

namespace {

std::string Megabytes(long long bytes) {
    return std::to_string(bytes >> 20) + " MB";
}

bool ReadTourFileWithin(TFile& file, TBand& band, std::string& error) {
    const long long size = file.SizeHint();
    if (size > kMostTourFileBytes) {
        error = "It is larger than " + Megabytes(kMostTourFileBytes) + " (" + Megabytes(size) + ").";
        return false;
    }
    TTourFileParser parser(band);
    char buffer[64 * 1024]; // not cleared: a Tours folder can hold a hundred thousand files
    long long total = 0;
    for (;;) {
        const long long got = file.Read(buffer, sizeof buffer);
        if (got < 0) {
            error = AsSentence(file.Error());
            return false;
        }
        if (got == 0)
            break;
        // The size can change while the file is read.
        total += got;
        if (total > kMostTourFileBytes) {
            error = "It is larger than " + Megabytes(kMostTourFileBytes) + ".";
            return false;
        }
        parser.Feed(buffer, static_cast<size_t>(got));
        if (parser.Lines() > kMostTourFileLines) {
            error = "It has more than " + std::to_string(kMostTourFileLines) + " lines.";
            return false;
        }
        // Most tour files come in one piece: no read is spent to learn that the end has come.
        if (total == size && static_cast<size_t>(got) < sizeof buffer)
            break;
    }
    parser.Finish();
    return true;
}

} // namespace

bool ReadTourFile(const std::string& path, TBand& band, std::string& error) {
    std::unique_ptr<TFile> file = FileSystem().OpenForReading(path, error);
    if (!file) {
        error = AsSentence(error);
        return false;
    }
    bool read = false;
    try {
        read = ReadTourFileWithin(*file, band, error);
    } catch (const std::bad_alloc&) {
        error = "There is not enough memory to read it.";
    }
    if (!read)
        band.Tours = std::vector<TTour>(); // gives the memory back
    return read;
}

TConcertLists LoadConcertLists(const std::string& toursDir) {
    TConcertLists lists;
    std::vector<std::string> names;
    std::string error;
    if (!FileSystem().ListFolder(toursDir, names, error)) {
        // A missing folder simply means no concert lists.
        if (FileSystem().IsFolder(toursDir))
            lists.FolderError = AsSentence(error);
        return lists;
    }
    for (const std::string& name : names) {
        if (!EndsWith(name, kExtension))
            continue;
        TBand band;
        band.Name = name.substr(0, name.size() - kExtension.size());
        lists.Bands.push_back(std::move(band));
    }

    // Names are unique (they are file names), so any sort gives the byte-wise order.
    std::sort(lists.Bands.begin(), lists.Bands.end(), [](const TBand& a, const TBand& b) { return a.Name < b.Name; });

    std::vector<TBand> readable;
    readable.reserve(lists.Bands.size());
    for (TBand& band : lists.Bands) {
        const std::string path = toursDir + band.Name + kExtension;
        if (!ReadTourFile(path, band, error)) {
            // A folder is no band; anything else that could not be read
            // (a file, a pipe, a broken link) is named.
            if (!FileSystem().IsFolder(path))
                lists.Unreadable.push_back(band.Name + kExtension + ": " + error);
            continue;
        }
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
