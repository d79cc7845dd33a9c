#include "core/PaddedTextReader.h"

#include "platform/Utf8.h"

#include <algorithm>

namespace {

constexpr size_t kColumnGap = 2;
constexpr std::string_view kHeadingDash = " - ";

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    std::vector<std::string_view> lines;
    size_t start = 0;
    // find_first_of and its kin look each byte up in the set with a call
    // of their own: plain loops read a long list several times faster.
    while (start < bytes.size()) {
        size_t end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.push_back(bytes.substr(start, end - start));
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

bool IsBlank(std::string_view line) {
    for (char c : line)
        if (!IsSpace(c))
            return false;
    return true;
}

bool IsRule(std::string_view line) {
    for (char c : line)
        if (!IsSpace(c) && c != '-' && c != '=' && c != '_')
            return false;
    return !IsBlank(line);
}

std::string_view Trim(std::string_view text) {
    size_t first = 0, end = text.size();
    while (first < end && IsSpace(text[first]))
        ++first;
    while (end > first && IsSpace(text[end - 1]))
        --end;
    return text.substr(first, end - first);
}

bool IsAscii(std::string_view line) {
    for (char c : line)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// The byte offset of each character place of `line`, and its end; none for
// a line of ASCII, whose places are its bytes (most lines, read quickly).
void PlaceOffsets(std::string_view line, std::vector<size_t>& offsets) {
    offsets.clear();
    if (IsAscii(line))
        return;
    for (size_t at = 0; at < line.size();) {
        offsets.push_back(at);
        at += std::max<size_t>(1, Utf8SequenceLength(line, at));
    }
    offsets.push_back(line.size());
}

size_t Places(std::string_view line, const std::vector<size_t>& offsets) {
    return offsets.empty() ? line.size() : offsets.size() - 1;
}

size_t OffsetOf(size_t place, const std::vector<size_t>& offsets) {
    return offsets.empty() ? place : offsets[place];
}

// A heading: a line after a blank line (or the start), followed by one
// blank line and then a row.
bool IsHeading(const std::vector<std::string_view>& lines, size_t i) {
    return (i == 0 || IsBlank(lines[i - 1])) && i + 2 < lines.size() && IsBlank(lines[i + 1]) &&
           !IsBlank(lines[i + 2]) && !IsRule(lines[i + 2]);
}

struct TLine {
    std::string_view Text;
    size_t Heading; // index into the headings, or npos
};

std::vector<size_t> ColumnStarts(const std::vector<TLine>& rows) {
    std::vector<char> used;
    std::vector<size_t> offsets;
    for (const TLine& row : rows) {
        PlaceOffsets(row.Text, offsets);
        const size_t places = Places(row.Text, offsets);
        if (used.size() < places)
            used.resize(places, false);
        for (size_t place = 0; place < places; ++place) {
            used[place] |= !IsSpace(row.Text[OffsetOf(place, offsets)]);
        }
    }
    std::vector<size_t> starts;
    size_t blankRun = kColumnGap;
    for (size_t place = 0; place < used.size(); ++place) {
        if (used[place] && blankRun >= kColumnGap)
            starts.push_back(place);
        blankRun = used[place] ? 0 : blankRun + 1;
    }
    return starts;
}

TTradeRow CutRow(std::string_view text, const std::vector<size_t>& starts, std::vector<size_t>& offsets) {
    PlaceOffsets(text, offsets);
    const size_t places = Places(text, offsets);
    TTradeRow cells;
    cells.reserve(starts.size());
    for (size_t k = 0; k < starts.size(); ++k) {
        const size_t from = OffsetOf(std::min(starts[k], places), offsets);
        const size_t to = OffsetOf(k + 1 < starts.size() ? std::min(starts[k + 1], places) : places, offsets);
        cells.emplace_back(Trim(text.substr(from, to - from)));
    }
    return cells;
}

} // namespace

TTradeTable ReadPaddedText(std::string_view bytes) {
    const std::vector<std::string_view> lines = SplitLines(bytes);
    std::vector<std::string_view> headings;
    std::vector<TLine> rows;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (IsBlank(lines[i]) || IsRule(lines[i]))
            continue;
        if (IsHeading(lines, i)) {
            headings.push_back(Trim(lines[i]));
            continue;
        }
        rows.push_back({lines[i], headings.empty() ? std::string_view::npos : headings.size() - 1});
    }

    TTradeTable table;
    const std::vector<size_t> starts = ColumnStarts(rows);
    const bool withHeadings = !headings.empty();
    if (withHeadings) {
        table.Header.assign(2 + starts.size(), std::string());
        table.Header[0] = "Tour band";
        table.Header[1] = "Tour";
    }
    std::vector<size_t> offsets;
    table.Rows.reserve(rows.size());
    for (const TLine& line : rows) {
        TTradeRow cells = CutRow(line.Text, starts, offsets);
        if (withHeadings) {
            std::string_view heading =
                line.Heading == std::string_view::npos ? std::string_view() : headings[line.Heading];
            size_t dash = heading.find(kHeadingDash);
            std::string_view band = dash == std::string_view::npos ? std::string_view() : heading.substr(0, dash);
            std::string_view tour =
                dash == std::string_view::npos ? heading : heading.substr(dash + kHeadingDash.size());
            cells.insert(cells.begin(), {std::string(band), std::string(tour)});
        }
        table.Rows.push_back(std::move(cells));
    }
    return table;
}
