#include "TextSources.h"

#include <cstdlib>
#include <map>
#include <sstream>

namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

bool ParseNumber(const std::string& text, long& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return *end == '\0';
}

bool Unescape(const std::string& text, std::string& out) {
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else if (i + 3 < text.size() && text[i + 1] == 'x') {
            char* end = nullptr;
            std::string hex = text.substr(i + 2, 2);
            long byte = std::strtol(hex.c_str(), &end, 16);
            if (*end != '\0')
                return false;
            out += static_cast<char>(byte);
            i += 3;
        } else {
            return false;
        }
    }
    return true;
}

// Calls `take` with the fields of every line that carries data.
template <typename Take> bool ForEachLine(const std::string& source, std::string& error, Take take) {
    std::istringstream in(source);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        std::string problem;
        if (!take(SplitTabs(line), problem)) {
            error = "line " + std::to_string(number) + ": " + problem;
            return false;
        }
    }
    return true;
}

} // namespace

bool ParseStringsSource(const std::string& source, TStrings2& strings, std::string& error) {
    long count = -1;
    std::map<long, std::string> items;
    bool ok = ForEachLine(source, error, [&](const std::vector<std::string>& f, std::string& problem) {
        if (count < 0) {
            if (f.size() != 2 || f[0] != "count" || !ParseNumber(f[1], count) || count < 0) {
                problem = "expected \"count<TAB>N\" first";
                return false;
            }
            return true;
        }
        long number = 0;
        std::string text;
        if (f.size() != 2 || !ParseNumber(f[0], number) || number < 1 || number > count || items.count(number)) {
            problem = "expected a new item number from 1 to the count, a TAB and the text";
            return false;
        }
        if (!Unescape(f[1], text)) {
            problem = "bad escape in the text";
            return false;
        }
        items[number] = text;
        return true;
    });
    if (!ok)
        return false;
    TStrings2 read;
    for (long i = 1; i <= count; ++i)
        read.Add(items.count(i) ? items[i] : std::string());
    strings = read;
    return true;
}

bool ParseColumnsSource(const std::string& source, std::vector<TGridColumn>& columns, std::string& error) {
    static const std::map<std::string, uint8_t> kinds = {{"text", ckText}, {"list", ckList}, {"external", ckExternal}};
    static const std::map<std::string, uint8_t> aligns = {
        {"left", kAlignLeft}, {"right", kAlignRight}, {"centre", kAlignCenter}};
    std::vector<TGridColumn> read;
    bool ok = ForEachLine(source, error, [&](const std::vector<std::string>& f, std::string& problem) {
        long width = 0;
        long items = 0;
        if ((f.size() != 5 && f.size() != 6) || !kinds.count(f[1]) || !ParseNumber(f[2], width) || width < 0 ||
            !ParseNumber(f[3], items) || !aligns.count(f[4])) {
            problem = "expected heading, kind, width, item count, alignment and an optional format";
            return false;
        }
        if (f[0].size() > kMaxHeadingLength || (f.size() == 6 && f[5].size() > kMaxFormatLength)) {
            problem = "heading or format too long";
            return false;
        }
        TGridColumn c;
        c.SetHeading(f[0]);
        c.Kind = kinds.at(f[1]);
        c.Width = static_cast<int32_t>(width);
        c.ItemCount = static_cast<int32_t>(items);
        c.Align = aligns.at(f[4]);
        if (f.size() == 6)
            c.SetFormat(f[5]);
        read.push_back(c);
        return true;
    });
    if (ok)
        columns = read;
    return ok;
}
