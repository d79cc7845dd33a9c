#include "Codes.h"

#include "core/Strings2.h"

namespace {

// The column string store holds the name of source code c as item 50 + c and
// of media code c as item 30 + c.
constexpr int32_t kFirstSourceItem = 50;
constexpr int32_t kFirstMediaItem = 30;

const char* const kSourceNames[kSourceCount] = {"", "Soundboard", "TV/Radio", "Internet", "Audience", "Other"};

const char* const kMediaNames[kMediaCount] = {"",     "CD Audio", "MP3 Audio",  "RAM Audio",  "Vynil",     "Audio tape",
                                              "MD",   "DAT",      "AVI Video",  "MPEG Video", "RAM Video", "VCD",
                                              "SVCD", "DVD",      "Video tape", "Other",      "CD Audio*"};

const char* const kHeadings[kTemplateColumns] = {"Search", "Band",          "Date",   "City",   "Country",
                                                 "Venue",  "Boootleg name", "Source", "Media",  "Quality",
                                                 "Num",    "Cover",         "Info",   "Comment"};

const char* const kLabelNames[kPropertyCount] = {"Band",          "Date",     "City",   "Country", "Venue",
                                                 "Boootleg name", "Source",   "Media",  "Quality", "Num",
                                                 "Cover",         "Info.txt", "Comment"};

} // namespace

int32_t CodeNameItem(TCodeKind kind, int32_t code) {
    if (!IsCode(kind, code))
        return 0;
    return (kind == TCodeKind::Source ? kFirstSourceItem : kFirstMediaItem) + code;
}

const std::string& CodeName(const TStrings2& names, TCodeKind kind, int32_t code) {
    return names.Item(CodeNameItem(kind, code));
}

const char* DefaultCodeName(TCodeKind kind, int32_t code) {
    if (!IsCode(kind, code))
        return "";
    return kind == TCodeKind::Source ? kSourceNames[code] : kMediaNames[code];
}

std::string PropertyLabel(int property) {
    if (property < 1 || property > kPropertyCount)
        return "00 -----------";
    std::string label;
    label += char('0' + property / 10);
    label += char('0' + property % 10);
    label += ' ';
    label += kLabelNames[property - 1];
    return label;
}

const char* TemplateColumnHeading(int templateColumn) {
    if (templateColumn < 1 || templateColumn > kTemplateColumns)
        return "";
    return kHeadings[templateColumn - 1];
}
