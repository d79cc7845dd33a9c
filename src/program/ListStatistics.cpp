#include "program/ListStatistics.h"

#include "core/Codes.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Counts texts in an open-addressed table: a list holds few bands and
// qualities, and a million lookups must stay cheap.
class TTextCounter {
public:
    TTextCounter() : m_slots(64) {}

    void Add(const std::string& text) {
        TSlot& slot = Find(text);
        if (!slot.Used) {
            if ((m_used + 1) * 2 > m_slots.size()) {
                Grow();
                Add(text);
                return;
            }
            slot = {text, 0, true};
            ++m_used;
        }
        ++slot.Count;
    }

    std::vector<std::pair<std::string_view, int64_t>> Counts() const {
        std::vector<std::pair<std::string_view, int64_t>> counts;
        for (const TSlot& slot : m_slots)
            if (slot.Used)
                counts.emplace_back(slot.Text, slot.Count);
        return counts;
    }

private:
    struct TSlot {
        std::string_view Text;
        int64_t Count = 0;
        bool Used = false;
    };

    // The slot of `key`, or the free slot where it goes.
    TSlot& Find(std::string_view key) {
        const size_t mask = m_slots.size() - 1;
        size_t at = std::hash<std::string_view>()(key) & mask;
        while (m_slots[at].Used && m_slots[at].Text != key)
            at = (at + 1) & mask;
        return m_slots[at];
    }

    void Grow() {
        std::vector<TSlot> old(m_slots.size() * 2);
        old.swap(m_slots);
        for (const TSlot& slot : old)
            if (slot.Used)
                Find(slot.Text) = slot;
    }

    std::vector<TSlot> m_slots; // a power of two, at most half used
    size_t m_used = 0;
};

std::string LabelOf(std::string_view text) {
    return text.empty() ? std::string(kEmptyLabel) : std::string(text);
}

// The largest first, ties by name; past kMostStatRows the rest in one row.
std::vector<TStatRow> LargestRows(const TTextCounter& counter, const char* otherLabel) {
    std::vector<std::pair<std::string_view, int64_t>> counts = counter.Counts();
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

// Years 0000..9999 by number, and one more slot for dates without a year.
constexpr int kNoYear = 10000;
using TYearCounts = std::vector<int64_t>;

// The first run of exactly four digits as a number; kNoYear without one.
int YearNumber(const std::string& date) {
    for (size_t i = 0; i < date.size();) {
        if (!IsDigit(date[i])) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < date.size() && IsDigit(date[end]))
            ++end;
        if (end - i == 4)
            return (date[i] - '0') * 1000 + (date[i + 1] - '0') * 100 + (date[i + 2] - '0') * 10 + (date[i + 3] - '0');
        i = end;
    }
    return kNoYear;
}

std::vector<TStatRow> YearRows(const TYearCounts& years) {
    std::vector<TStatRow> rows;
    char label[8];
    for (int year = 0; year < kNoYear; ++year)
        if (years[size_t(year)] > 0) {
            std::snprintf(label, sizeof label, "%04d", year);
            rows.push_back({label, years[size_t(year)]});
        }
    if (years[kNoYear] > 0)
        rows.push_back({kNoYearLabel, years[kNoYear]});
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
    const int year = YearNumber(date);
    if (year == kNoYear)
        return "";
    char label[8];
    std::snprintf(label, sizeof label, "%04d", year);
    return label;
}

TListStatistics ListStatistics(const TArrayOfBootData& data, const std::vector<int32_t>* records) {
    TTextCounter bands, qualities;
    TYearCounts years(kNoYear + 1);
    std::array<int64_t, kSourceCount + 1> sources{};
    std::array<int64_t, kMediaCount + 1> media{};
    auto add = [&](const TBootData& record) {
        bands.Add(record.Band);
        qualities.Add(record.Quality);
        CountCode<kSourceCount>(sources, record.Source);
        CountCode<kMediaCount>(media, record.Media);
        ++years[size_t(YearNumber(record.Date))];
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
