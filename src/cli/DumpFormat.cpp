#include "DumpFormat.h"

#include <charconv>
#include <vector>

namespace {

// The text fields in line order; null at the places of the two codes.
template <class TRecord> auto TextFieldOfColumn(TRecord& record, int column) -> decltype(&record.Band) {
    switch (column) {
    case 0:
        return &record.Band;
    case 1:
        return &record.Date;
    case 2:
        return &record.City;
    case 3:
        return &record.Country;
    case 4:
        return &record.Venue;
    case 5:
        return &record.Name;
    case 8:
        return &record.Quality;
    case 9:
        return &record.Num;
    case 10:
        return &record.Covers[0];
    case 11:
        return &record.Covers[1];
    case 12:
        return &record.Info;
    case 13:
        return &record.Comment;
    default:
        return nullptr; // 6 Source, 7 Media
    }
}

const char* const kFieldNames[kDumpFieldCount] = {"band",        "date",       "city",  "country", "venue",
                                                  "name",        "source",     "media", "quality", "num",
                                                  "front cover", "back cover", "info",  "comment"};

bool ParseCode(std::string_view text, int32_t& code) {
    if (text.empty())
        return false;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, code);
    return ec == std::errc() && ptr == end;
}

} // namespace

std::string EscapeDumpField(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool UnescapeDumpField(std::string_view field, std::string& text) {
    text.clear();
    text.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            text += field[i];
            continue;
        }
        if (++i == field.size())
            return false;
        switch (field[i]) {
        case '\\':
            text += '\\';
            break;
        case 't':
            text += '\t';
            break;
        case 'r':
            text += '\r';
            break;
        case 'n':
            text += '\n';
            break;
        default:
            return false;
        }
    }
    return true;
}

std::string FormatDumpLine(const TBootData& record) {
    std::string line;
    for (int column = 0; column < kDumpFieldCount; ++column) {
        if (column > 0)
            line += '\t';
        if (const std::string* text = TextFieldOfColumn(record, column))
            line += EscapeDumpField(*text);
        else
            line += std::to_string(column == 6 ? record.Source : record.Media);
    }
    return line;
}

bool ParseDumpLine(std::string_view line, TBootData& record, std::string& error) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    if (fields.size() != kDumpFieldCount) {
        error = std::to_string(fields.size()) + " fields instead of " + std::to_string(kDumpFieldCount);
        return false;
    }
    record = TBootData();
    for (int column = 0; column < kDumpFieldCount; ++column) {
        if (std::string* text = TextFieldOfColumn(record, column)) {
            if (!UnescapeDumpField(fields[column], *text)) {
                error = std::string("the ") + kFieldNames[column] +
                        " field holds a backslash that is not one of \\\\, \\t, \\r, \\n";
                return false;
            }
            continue;
        }
        int32_t& code = column == 6 ? record.Source : record.Media;
        if (!ParseCode(fields[column], code)) {
            error = std::string("the ") + kFieldNames[column] + " code \"" + std::string(fields[column]) +
                    "\" is not a whole number";
            return false;
        }
    }
    return true;
}
