#include "program/ExportText.h"

#include "core/Codes.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kCoverMark = " C ";
constexpr std::string_view kNoCoverMark = "   ";
constexpr std::string_view kTourSeparator = " - ";
constexpr size_t kCellGap = 2;
constexpr size_t kFlushSize = 64 * 1024;

// The section a row belongs to; -1 for none.
struct TGroup {
    int32_t Band = -1;
    int32_t Tour = -1;
    bool operator!=(const TGroup& other) const { return Band != other.Band || Tour != other.Tour; }
};

// Finds a record's band by name and its tour by date; a band name that
// occurs twice resolves to the last such band, with that band's tours.
class TGroupFinder {
public:
    TGroupFinder(const std::vector<TBand>& bands, bool enabled) : m_bands(bands) {
        if (!enabled)
            return;
        m_byName.reserve(bands.size());
        for (size_t b = 0; b < bands.size(); ++b)
            m_byName[bands[b].Name] = static_cast<int32_t>(b);
    }

    TGroup Find(const TBootData& record) const {
        TGroup group;
        auto found = m_byName.find(record.Band);
        if (found == m_byName.end())
            return group;
        group.Band = found->second;
        const std::vector<TTour>& tours = m_bands[static_cast<size_t>(group.Band)].Tours;
        for (size_t t = 0; t < tours.size(); ++t)
            if (tours[t].FirstDate <= record.Date && record.Date <= tours[t].LastDate) {
                group.Tour = static_cast<int32_t>(t);
                break;
            }
        return group;
    }

private:
    const std::vector<TBand>& m_bands;
    std::unordered_map<std::string_view, int32_t> m_byName;
};

// Collects the text and hands it to the sink in large pieces.
class TPieceWriter {
public:
    explicit TPieceWriter(TByteSink& sink) : m_sink(sink) { m_buffer.reserve(kFlushSize + 4096); }

    void Add(std::string_view text) { m_buffer.append(text.data(), text.size()); }
    void AddSpaces(size_t count) { m_buffer.append(count, ' '); }
    bool EndLine() {
        Add(kLineBreak);
        return m_buffer.size() < kFlushSize || Flush();
    }
    bool Flush() {
        bool ok = m_buffer.empty() || m_sink.Write(m_buffer.data(), m_buffer.size());
        m_buffer.clear();
        return ok;
    }

private:
    TByteSink& m_sink;
    std::string m_buffer;
};

} // namespace

TStrings2 CodeNameStore() {
    TStrings2 names;
    int32_t last = 0;
    for (TCodeKind kind : {TCodeKind::Source, TCodeKind::Media})
        last = std::max(last, CodeNameItem(kind, CodeCount(kind) - 1));
    for (int32_t item = 1; item <= last; ++item) {
        std::string name;
        for (TCodeKind kind : {TCodeKind::Source, TCodeKind::Media})
            for (int32_t code = 0; code < CodeCount(kind); ++code)
                if (CodeNameItem(kind, code) == item)
                    name = DefaultCodeName(kind, code);
        names.Add(name);
    }
    return names;
}

std::string_view ExportPropertyText(const TBootData& record, int32_t line, const TStrings2& names) {
    switch (line) {
    case 0:
        return record.Band;
    case 1:
        return record.Date;
    case 2:
        return record.City;
    case 3:
        return record.Country;
    case 4:
        return record.Venue;
    case 5:
        return record.Name;
    case 6:
        return CodeName(names, TCodeKind::Source, record.Source);
    case 7:
        return CodeName(names, TCodeKind::Media, record.Media);
    case 8:
        return record.Quality;
    case 9:
        return record.Num;
    case 10:
        return record.Covers[0].empty() && record.Covers[1].empty() ? kNoCoverMark : kCoverMark;
    case 12:
        return record.Comment;
    default: // 11, the information text, is exported as an empty cell
        return {};
    }
}

bool WriteExportText(const TExportInput& input, const TExportChoices& choices, TByteSink& sink, std::string& error) {
    const std::vector<int32_t> lines = ExportedLines(choices.Order);
    std::vector<size_t> widths(lines.size(), 0);
    for (int32_t index : input.View) {
        const TBootData& record = input.Data[static_cast<size_t>(index)];
        for (size_t k = 0; k < lines.size(); ++k)
            widths[k] = std::max(widths[k], ExportPropertyText(record, lines[k], input.Names).size());
    }

    const TExportOptions& options = choices.Options;
    TGroupFinder finder(input.Bands, options.DivideByTours);
    TPieceWriter out(sink);
    TGroup previous;
    for (int32_t index : input.View) {
        const TBootData& record = input.Data[static_cast<size_t>(index)];
        TGroup group = finder.Find(record);
        if (group != previous && group.Band != -1) {
            const TBand& band = input.Bands[static_cast<size_t>(group.Band)];
            out.Add(kLineBreak);
            out.Add(kLineBreak);
            if (options.BandNameBeforeTour)
                out.Add(band.Name);
            if (group.Tour != -1) {
                if (options.BandNameBeforeTour)
                    out.Add(kTourSeparator);
                out.Add(band.Tours[static_cast<size_t>(group.Tour)].Name);
            }
            out.Add(kLineBreak);
            out.Add(kLineBreak);
            previous = group;
        }
        for (size_t k = 0; k < lines.size(); ++k) {
            std::string_view text = ExportPropertyText(record, lines[k], input.Names);
            out.Add(text);
            out.AddSpaces(widths[k] - text.size() + kCellGap);
        }
        if (!out.EndLine()) {
            error = sink.Error();
            return false;
        }
    }
    if (!out.Flush()) {
        error = sink.Error();
        return false;
    }
    return true;
}

bool ExportTextFile(const std::string& path, const TExportInput& input, const TExportChoices& choices,
                    std::string& error) {
    TAtomicFile file(path);
    if (!file.Open() || !WriteExportText(input, choices, file, error) || !file.Commit()) {
        error = AsSentence(file.Error().empty() ? error : file.Error());
        return false;
    }
    return true;
}
