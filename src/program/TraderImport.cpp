#include "program/TraderImport.h"

#include "core/CsvReader.h"
#include "core/HtmlTableReader.h"
#include "core/PaddedTextReader.h"

#include <array>

namespace {

constexpr std::array<const char*, kTradeFormatCount> kFormatNames = {"csv", "text", "html"};
constexpr std::string_view kCommentJoin = "; ";

bool EndsWithFolded(std::string_view name, std::string_view end) {
    if (name.size() < end.size())
        return false;
    name = name.substr(name.size() - end.size());
    for (size_t i = 0; i < end.size(); ++i) {
        char c = name[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != end[i])
            return false;
    }
    return true;
}

bool HasTableTag(std::string_view bytes) {
    for (size_t at = bytes.find('<'); at != std::string_view::npos; at = bytes.find('<', at + 1))
        if (EndsWithFolded(bytes.substr(at, 6), "<table"))
            return true;
    return false;
}

void Join(std::string& into, std::string_view text, std::string_view between) {
    if (text.empty())
        return;
    if (!into.empty())
        into += between;
    into += text;
}

std::string* TextField(TBootData& record, TTradeField field) {
    switch (field) {
    case TTradeField::Band:
        return &record.Band;
    case TTradeField::Date:
        return &record.Date;
    case TTradeField::City:
        return &record.City;
    case TTradeField::Country:
        return &record.Country;
    case TTradeField::Venue:
        return &record.Venue;
    case TTradeField::Name:
        return &record.Name;
    case TTradeField::Quality:
        return &record.Quality;
    case TTradeField::Num:
        return &record.Num;
    case TTradeField::Comment:
        return &record.Comment;
    default:
        return nullptr;
    }
}

// A page divided into sections has a table per section, all with the same
// header: their rows together are one more table, which is then the largest.
void AddJoinedTables(std::vector<TTradeTable>& tables) {
    const size_t count = tables.size();
    for (size_t first = 0; first < count; ++first) {
        if (tables[first].Header.empty())
            continue;
        bool earlier = false;
        for (size_t t = 0; t < first && !earlier; ++t)
            earlier = tables[t].Header == tables[first].Header;
        if (earlier)
            continue;
        TTradeTable joined{tables[first].Header, {}};
        size_t parts = 0;
        for (size_t t = first; t < count; ++t)
            if (tables[t].Header == joined.Header) {
                joined.Rows.insert(joined.Rows.end(), tables[t].Rows.begin(), tables[t].Rows.end());
                ++parts;
            }
        if (parts > 1)
            tables.push_back(std::move(joined));
    }
}

} // namespace

const char* TradeFormatName(TTradeFormat format) {
    return kFormatNames[static_cast<size_t>(format)];
}

bool ReadTradeFormat(std::string_view name, TTradeFormat& format) {
    for (size_t i = 0; i < kFormatNames.size(); ++i)
        if (name == kFormatNames[i]) {
            format = static_cast<TTradeFormat>(i);
            return true;
        }
    return false;
}

TTradeFormat GuessTradeFormat(std::string_view bytes, std::string_view fileName) {
    if (EndsWithFolded(fileName, ".html") || EndsWithFolded(fileName, ".htm") || HasTableTag(bytes.substr(0, 1 << 20)))
        return TTradeFormat::Html;
    if (EndsWithFolded(fileName, ".csv") || EndsWithFolded(fileName, ".tsv"))
        return TTradeFormat::Csv;
    const std::string_view start = bytes.substr(0, 64 * 1024);
    const TTradeRows rows = ReadCsvRecords(start, GuessCsvDelimiter(start));
    size_t even = 0;
    for (const TTradeRow& row : rows)
        even += row.size() >= 2 && row.size() == rows.front().size();
    return !rows.empty() && even * 10 >= rows.size() * 9 ? TTradeFormat::Csv : TTradeFormat::Text;
}

TTradeFile ReadTradeFile(std::string_view bytes, TTradeFormat format) {
    TTradeFile file;
    file.Format = format;
    switch (format) {
    case TTradeFormat::Csv:
        file.Delimiter = GuessCsvDelimiter(bytes);
        file.Tables.push_back({{}, ReadCsvRecords(bytes, file.Delimiter)});
        break;
    case TTradeFormat::Text:
        file.Tables.push_back(ReadPaddedText(bytes));
        break;
    case TTradeFormat::Html:
        file.Tables = ReadHtmlTables(bytes);
        AddJoinedTables(file.Tables);
        file.Table = LargestTable(file.Tables);
        break;
    }
    if (file.Tables.empty())
        file.Tables.emplace_back();
    for (TTradeTable& table : file.Tables)
        if (table.Header.empty() || format == TTradeFormat::Text)
            TakeHeaderRow(table);
    return file;
}

TArrayOfBootData ImportTradeRows(TTradeRows rows, const TTradeImport& import, const TTradeCodeReader& codes) {
    TArrayOfBootData records;
    records.reserve(rows.size());
    for (TTradeRow& row : rows) {
        TBootData record;
        std::string rest;
        bool any = false;
        for (size_t k = 0; k < row.size() && k < import.Fields.size(); ++k) {
            const TTradeField field = import.Fields[k];
            std::string& cell = row[k];
            if (field == TTradeField::Ignore || cell.empty())
                continue;
            any = true;
            if (field == TTradeField::Source || field == TTradeField::Media) {
                TTradeCodes read =
                    codes.Read(cell, field == TTradeField::Source ? TCodeKind::Source : TCodeKind::Media);
                if (record.Source == 0)
                    record.Source = read.Source;
                if (record.Media == 0)
                    record.Media = read.Media;
                Join(rest, read.Rest, " ");
                continue;
            }
            std::string* text = TextField(record, field);
            if (field == TTradeField::Date) {
                std::string date = RewrittenDate(cell, import.DateForm);
                Join(*text, date.empty() ? std::string_view(cell) : std::string_view(date), " ");
            } else if (text->empty()) {
                *text = std::move(cell);
            } else {
                Join(*text, cell, field == TTradeField::Comment ? kCommentJoin : " ");
            }
        }
        if (!any)
            continue;
        Join(record.Comment, rest, kCommentJoin);
        records.push_back(std::move(record));
    }
    return records;
}

TTradeResult ImportTradeFile(std::string_view bytes, TTradeFormat format, TDateForm form, const TStrings2& names) {
    TTradeResult result;
    result.File = ReadTradeFile(bytes, format);
    const TTradeCodeReader codes(names);
    TTradeTable& table = result.File.Tables[result.File.Table];
    result.Fields = GuessTradeFields(table, codes);
    result.Records = ImportTradeRows(std::move(table.Rows), {result.Fields, form}, codes);
    return result;
}

std::string TradeMappingText(const TTradeFile& file, const std::vector<TTradeField>& fields) {
    std::string text = "Format: ";
    text += TradeFormatName(file.Format);
    if (file.Format == TTradeFormat::Csv)
        text +=
            file.Delimiter == '\t' ? std::string(", tab-separated") : std::string(", separated by ") + file.Delimiter;
    if (file.Format == TTradeFormat::Html)
        text += ", table " + std::to_string(file.Table + 1) + " of " + std::to_string(file.Tables.size());
    text += '\n';
    const TTradeTable& table = file.Tables[file.Table];
    for (size_t k = 0; k < fields.size(); ++k) {
        text += "  " + std::to_string(k + 1) + ' ';
        if (k < table.Header.size() && !table.Header[k].empty())
            text += '"' + table.Header[k] + "\" ";
        text += "-> ";
        text += TradeFieldName(fields[k]);
        text += '\n';
    }
    return text;
}
