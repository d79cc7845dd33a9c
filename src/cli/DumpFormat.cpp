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

// Why `text` is not a code, or "" when it is one.
std::string ParseCode(std::string_view text, int32_t& code) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, code);
    if (text.empty() || ptr != end)
        return "is not a whole number";
    if (ec == std::errc::result_out_of_range)
        return "is out of range";
    return ec == std::errc() ? "" : "is not a whole number";
}

// A field quoted in a message: a long one is cut, so that a huge bad field
// does not make a huge message.
std::string Quoted(std::string_view field) {
    constexpr size_t kShown = 40;
    if (field.size() <= kShown)
        return "\"" + std::string(field) + "\"";
    size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(field[cut]) & 0xC0) == 0x80)
        --cut; // not inside a UTF-8 character
    return "\"" + std::string(field.substr(0, cut)) + "...\" (" + std::to_string(field.size()) + " bytes)";
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
        const std::string wrong = ParseCode(fields[column], code);
        if (!wrong.empty()) {
            error = std::string("the ") + kFieldNames[column] + " code " + Quoted(fields[column]) + " " + wrong;
            return false;
        }
    }
    return true;
}
