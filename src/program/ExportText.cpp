#include "program/ExportText.h"

#include "core/Codes.h"
#include "platform/Utf8.h"
#include "program/ExportGroups.h"
#include "program/ExportPieces.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kCoverMark = " C ";
constexpr std::string_view kNoCoverMark = "   ";
constexpr size_t kCellGap = 2;
constexpr int32_t kCoverLine = 10;

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
    case kCoverLine:
        return record.Covers[0].empty() && record.Covers[1].empty() ? kNoCoverMark : kCoverMark;
    case 12:
        return record.Comment;
    default: // 11, the information text, is exported as an empty cell
        return {};
    }
}

std::string_view ExportCellText(const TBootData& record, int32_t line, const TStrings2& names) {
    if (line == kCoverLine)
        return ExportPropertyText(record, line, names) == kCoverMark ? kCoverMark.substr(1, 1) : std::string_view();
    return ExportPropertyText(record, line, names);
}

bool WriteExportText(const TExportInput& input, const TExportChoices& choices, TByteSink& sink, std::string& error) {
    const std::vector<int32_t> lines = ExportedLines(choices.Order);
    std::vector<size_t> widths(lines.size(), 0);
    for (int32_t index : input.View) {
        const TBootData& record = input.Data[static_cast<size_t>(index)];
        for (size_t k = 0; k < lines.size(); ++k)
            widths[k] = std::max(widths[k], ShownLength(ExportPropertyText(record, lines[k], input.Names)));
    }

    const TExportOptions& options = choices.Options;
    const TExportGroupFinder finder(input.Bands, options.DivideByTours);
    TExportPieces out(sink);
    TExportGroup previous;
    for (int32_t index : input.View) {
        const TBootData& record = input.Data[static_cast<size_t>(index)];
        const TExportGroup group = finder.Find(record);
        if (group != previous && group.HasHeading()) {
            out.Add(kLineBreak);
            out.Add(kLineBreak);
            out.Add(finder.Heading(group, options.BandNameBeforeTour));
            out.Add(kLineBreak);
            out.Add(kLineBreak);
            previous = group;
        }
        for (size_t k = 0; k < lines.size(); ++k) {
            std::string_view text = ExportPropertyText(record, lines[k], input.Names);
            out.Add(text);
            out.Buffer().append(widths[k] - ShownLength(text) + kCellGap, ' ');
        }
        out.Add(kLineBreak);
        if (!out.EndRecord(error))
            return false;
    }
    return out.Flush(error);
}
