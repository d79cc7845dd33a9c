#include "Codes.h"

namespace {

const char* const kSourceNames[kSourceCount] = {"", "Soundboard", "TV/Radio", "Internet", "Audience", "Other"};

const char* const kMediaNames[kMediaCount] = {"",     "CD Audio", "MP3 Audio",  "RAM Audio",  "Vynil",     "Audio tape",
                                              "MD",   "DAT",      "AVI Video",  "MPEG Video", "RAM Video", "VCD",
                                              "SVCD", "DVD",      "Video tape", "Other",      "CD Audio*"};

const char* const kHeadings[kTemplateColumnCount] = {"Search", "Band",          "Date",   "City",   "Country",
                                                     "Venue",  "Boootleg name", "Source", "Media",  "Quality",
                                                     "Num",    "Cover",         "Info",   "Comment"};

const char* const kLabelNames[kPropertyCount] = {"Band",          "Date",     "City",   "Country", "Venue",
                                                 "Boootleg name", "Source",   "Media",  "Quality", "Num",
                                                 "Cover",         "Info.txt", "Comment"};

} // namespace

const char* DefaultSourceName(int32_t code) {
    return IsSourceCode(code) ? kSourceNames[code] : "";
}

const char* DefaultMediaName(int32_t code) {
    return IsMediaCode(code) ? kMediaNames[code] : "";
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
    if (templateColumn < 1 || templateColumn > kTemplateColumnCount)
        return "";
    return kHeadings[templateColumn - 1];
}
