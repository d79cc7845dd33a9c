#include "program/ListStatistics.h"

#include "core/Codes.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Counts texts, quick on the runs of equal texts that sorted lists have.
class TTextCounter {
public:
    void Add(const std::string& text) {
        if (!m_last || m_lastText != text) {
            m_last = &m_counts[text];
            m_lastText = text;
        }
        ++*m_last;
    }
    const std::unordered_map<std::string_view, int64_t>& Counts() const { return m_counts; }

private:
    std::unordered_map<std::string_view, int64_t> m_counts;
    int64_t* m_last = nullptr;
    std::string_view m_lastText;
};

std::string LabelOf(std::string_view text) {
    return text.empty() ? std::string(kEmptyLabel) : std::string(text);
}

// The largest first, ties by name; past kMostStatRows the rest in one row.
std::vector<TStatRow> LargestRows(const TTextCounter& counter, const char* otherLabel) {
    std::vector<std::pair<std::string_view, int64_t>> counts(counter.Counts().begin(), counter.Counts().end());
    std::sort(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    std::vector<TStatRow> rows;
    int64_t rest = 0;
    for (size_t i = 0; i < counts.size(); ++i) {
        if (i < kMostStatRows)
            rows.push_back({LabelOf(counts[i].first), counts[i].second});
        else
            rest += counts[i].second;
    }
    if (rest > 0)
        rows.push_back({otherLabel, rest});
    return rows;
}

using TYearCounts = std::unordered_map<std::string, int64_t>;

std::vector<TStatRow> YearRows(const TYearCounts& years) {
    std::vector<TStatRow> rows;
    int64_t noYear = 0;
    for (const auto& [year, count] : years) {
        if (year.empty())
            noYear = count;
        else
            rows.push_back({year, count});
    }
    std::sort(rows.begin(), rows.end(), [](const TStatRow& a, const TStatRow& b) { return a.Label < b.Label; });
    if (noYear > 0)
        rows.push_back({kNoYearLabel, noYear});
    return rows;
}

template <size_t N> std::vector<TStatRow> CodeRows(const std::array<int64_t, N + 1>& counts, TCodeKind kind) {
    std::vector<TStatRow> rows;
    for (size_t code = 0; code < N; ++code)
        if (counts[code] > 0) {
            const std::string name = DefaultCodeName(kind, static_cast<int32_t>(code));
            rows.push_back({name.empty() ? std::string(kEmptyLabel) : name, counts[code]});
        }
    if (counts[N] > 0)
        rows.push_back({kUnknownCodeLabel, counts[N]});
    return rows;
}

// Codes outside the range count in the last slot.
template <size_t N> void CountCode(std::array<int64_t, N + 1>& counts, int32_t code) {
    ++counts[code >= 0 && static_cast<size_t>(code) < N ? static_cast<size_t>(code) : N];
}

} // namespace

std::string DateYear(const std::string& date) {
    for (size_t i = 0; i < date.size();) {
        if (!IsDigit(date[i])) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < date.size() && IsDigit(date[end]))
            ++end;
        if (end - i == 4)
            return date.substr(i, 4);
        i = end;
    }
    return "";
}

TListStatistics ListStatistics(const TArrayOfBootData& data, const std::vector<int32_t>* records) {
    TTextCounter bands, qualities;
    TYearCounts years;
    std::array<int64_t, kSourceCount + 1> sources{};
    std::array<int64_t, kMediaCount + 1> media{};
    std::string_view lastDate;
    int64_t* lastYearCount = nullptr;
    auto add = [&](const TBootData& record) {
        bands.Add(record.Band);
        qualities.Add(record.Quality);
        CountCode<kSourceCount>(sources, record.Source);
        CountCode<kMediaCount>(media, record.Media);
        if (!lastYearCount || record.Date != lastDate) {
            lastDate = record.Date;
            lastYearCount = &years[DateYear(record.Date)];
        }
        ++*lastYearCount;
    };
    TListStatistics statistics;
    if (records) {
        for (int32_t index : *records)
            add(data[static_cast<size_t>(index)]);
        statistics.Total = static_cast<int64_t>(records->size());
    } else {
        for (const TBootData& record : data)
            add(record);
        statistics.Total = static_cast<int64_t>(data.size());
    }
    statistics.Tables = {
        {TStatKind::Year, YearRows(years)},
        {TStatKind::Band, LargestRows(bands, kOtherBandsLabel)},
        {TStatKind::Source, CodeRows<kSourceCount>(sources, TCodeKind::Source)},
        {TStatKind::Media, CodeRows<kMediaCount>(media, TCodeKind::Media)},
        {TStatKind::Quality, LargestRows(qualities, kOtherQualitiesLabel)},
    };
    return statistics;
}

const char* StatKindName(TStatKind kind) {
    switch (kind) {
    case TStatKind::Year:
        return "Year";
    case TStatKind::Band:
        return "Band";
    case TStatKind::Source:
        return "Source";
    case TStatKind::Media:
        return "Media";
    case TStatKind::Quality:
        return "Quality";
    }
    return "";
}

std::string StatTableText(const TStatTable& table) {
    std::string text = std::string(StatKindName(table.Kind)) + "\tBootlegs\r\n";
    for (const TStatRow& row : table.Rows)
        text += row.Label + "\t" + std::to_string(row.Count) + "\r\n";
    return text;
}

std::vector<std::string> StatisticsLines(const TListStatistics& statistics) {
    std::vector<std::string> lines{"total\t\t" + std::to_string(statistics.Total)};
    for (const TStatTable& table : statistics.Tables) {
        std::string kind = StatKindName(table.Kind);
        kind[0] = static_cast<char>(kind[0] - 'A' + 'a');
        for (const TStatRow& row : table.Rows)
            lines.push_back(kind + "\t" + row.Label + "\t" + std::to_string(row.Count));
    }
    return lines;
}
