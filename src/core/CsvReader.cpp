#include "core/CsvReader.h"

#include <algorithm>
#include <map>

namespace {

// Enough records to tell the delimiter, few enough to keep a guess quick.
constexpr size_t kGuessBytes = 64 * 1024;
constexpr std::string_view kDelimiters = ",;\t|";

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

class TCsvScanner {
public:
    TCsvScanner(std::string_view bytes, char delimiter) : m_bytes(bytes), m_delimiter(delimiter) {
        if (m_bytes.substr(0, 3) == "\xEF\xBB\xBF")
            m_at = 3;
    }

    bool Done() const { return m_at >= m_bytes.size(); }

    // The next record; an empty row for a line with nothing on it.
    void Next(TTradeRow& row) {
        row.clear();
        if (IsLineEnd(m_bytes[m_at])) {
            SkipLineEnd();
            return;
        }
        for (;;) {
            row.emplace_back();
            if (!Done())
                ReadField(row.back());
            if (Done())
                return;
            if (m_bytes[m_at] == m_delimiter) {
                ++m_at;
                continue;
            }
            SkipLineEnd();
            return;
        }
    }

private:
    void SkipLineEnd() {
        if (m_bytes[m_at] == '\r' && m_at + 1 < m_bytes.size() && m_bytes[m_at + 1] == '\n')
            ++m_at;
        ++m_at;
    }

    // Up to the delimiter or the line end, which is left for Next.
    void ReadField(std::string& field) {
        if (m_bytes[m_at] == '"')
            ReadQuoted(field);
        size_t end = m_at;
        while (end < m_bytes.size() && m_bytes[end] != m_delimiter && !IsLineEnd(m_bytes[end]))
            ++end;
        field.append(m_bytes.data() + m_at, end - m_at);
        m_at = end;
    }

    void ReadQuoted(std::string& field) {
        ++m_at;
        for (;;) {
            size_t quote = m_bytes.find('"', m_at);
            if (quote == std::string_view::npos) {
                field.append(m_bytes.data() + m_at, m_bytes.size() - m_at);
                m_at = m_bytes.size();
                return;
            }
            field.append(m_bytes.data() + m_at, quote - m_at);
            m_at = quote + 1;
            if (m_at < m_bytes.size() && m_bytes[m_at] == '"') {
                field += '"';
                ++m_at;
                continue;
            }
            return;
        }
    }

    std::string_view m_bytes;
    char m_delimiter;
    size_t m_at = 0;
};

} // namespace

char GuessCsvDelimiter(std::string_view bytes) {
    std::string_view start = bytes.substr(0, kGuessBytes);
    if (start.size() < bytes.size()) {
        size_t lastEnd = start.find_last_of("\r\n");
        if (lastEnd != std::string_view::npos)
            start = start.substr(0, lastEnd + 1);
    }
    char best = ',';
    size_t bestRecords = 0, bestFields = 0;
    for (char delimiter : kDelimiters) {
        std::map<size_t, size_t> recordsByFields;
        for (const TTradeRow& row : ReadCsvRecords(start, delimiter))
            if (row.size() >= 2)
                ++recordsByFields[row.size()];
        for (const auto& [fields, records] : recordsByFields)
            if (records > bestRecords || (records == bestRecords && fields > bestFields)) {
                best = delimiter;
                bestRecords = records;
                bestFields = fields;
            }
    }
    return best;
}

TTradeRows ReadCsvRecords(std::string_view bytes, char delimiter) {
    TTradeRows rows;
    TCsvScanner scanner(bytes, delimiter);
    TTradeRow row;
    while (!scanner.Done()) {
        scanner.Next(row);
        if (row.empty() || (row.size() == 1 && row[0].empty()))
            continue;
        const size_t fields = row.size();
        rows.push_back(std::move(row));
        row = TTradeRow();
        row.reserve(fields);
    }
    return rows;
}
