#include "ListSort.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

namespace {

enum class TKeyKind { None, Text, Source, Media };

struct TColumnKey {
    TKeyKind Kind = TKeyKind::None;
    std::string TBootData::*Field = nullptr;
};

TColumnKey KeyOfColumn(int templateColumn) {
    switch (templateColumn) {
    case 1:
        return {TKeyKind::Text, &TBootData::SearchText};
    case 2:
        return {TKeyKind::Text, &TBootData::Band};
    case 3:
        return {TKeyKind::Text, &TBootData::Date};
    case 4:
        return {TKeyKind::Text, &TBootData::City};
    case 5:
        return {TKeyKind::Text, &TBootData::Country};
    case 6:
        return {TKeyKind::Text, &TBootData::Venue};
    case 7:
        return {TKeyKind::Text, &TBootData::Name};
    case 8:
        return {TKeyKind::Source, nullptr};
    case 9:
        return {TKeyKind::Media, nullptr};
    case 10:
        return {TKeyKind::Text, &TBootData::Quality};
    case 11:
        return {TKeyKind::Text, &TBootData::Num};
    case 14:
        return {TKeyKind::Text, &TBootData::Comment};
    default:
        return {};
    }
}

// Up to eight leading bytes, big-endian, zero-padded: orders like the text
// wherever it differs.
uint64_t LeadingBytes(std::string_view text, size_t count) {
    uint64_t value = 0;
    for (size_t i = 0; i < count; ++i)
        value = (value << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return value;
}

struct TEntry {
    uint32_t Bucket;
    uint64_t Prefix;
    std::string_view Key;
    uint32_t Index;
};

bool EntryLess(const TEntry& a, const TEntry& b) {
    if (a.Bucket != b.Bucket)
        return a.Bucket < b.Bucket;
    if (a.Prefix != b.Prefix)
        return a.Prefix < b.Prefix;
    int cmp = a.Key.compare(b.Key);
    if (cmp != 0)
        return cmp < 0;
    return a.Index < b.Index;
}

// Moves record order[i] to position i, following cycles so that no second
// array of records is needed.
void ApplyOrder(TArrayOfBootData& data, std::vector<uint32_t>& order) {
    const uint32_t done = UINT32_MAX;
    for (uint32_t start = 0; start < order.size(); ++start) {
        if (order[start] == done || order[start] == start)
            continue;
        TBootData held = std::move(data[start]);
        uint32_t to = start;
        while (order[to] != start) {
            uint32_t from = order[to];
            data[to] = std::move(data[from]);
            order[to] = done;
            to = from;
        }
        data[to] = std::move(held);
        order[to] = done;
    }
}

} // namespace

void SortRecords(TArrayOfBootData& data, int templateColumn, bool ascending) {
    if (data.size() >= 2)
        ReorderRecords(data, SortOrder(data, templateColumn, ascending));
}

void ReorderRecords(TArrayOfBootData& data, std::vector<uint32_t> order) {
    ApplyOrder(data, order);
}

std::vector<uint32_t> SortOrder(const TArrayOfBootData& data, int templateColumn, bool ascending) {
    const size_t n = data.size();
    std::vector<uint32_t> order(n);
    for (size_t i = 0; i < n; ++i)
        order[i] = static_cast<uint32_t>(i);
    if (n < 2)
        return order;
    const TColumnKey column = KeyOfColumn(templateColumn);

    // Source and media compare by their decimal text inside a bucket.
    std::vector<std::array<char, 12>> codeTexts;
    if (column.Kind == TKeyKind::Source || column.Kind == TKeyKind::Media)
        codeTexts.resize(n);

    std::vector<TEntry> entries(n);
    std::vector<double> numeric(n);
    double min = 1e16, max = 0;
    for (size_t i = 0; i < n; ++i) {
        const TBootData& record = data[i];
        std::string_view key;
        double value = 0;
        if (column.Kind == TKeyKind::Text) {
            key = record.*column.Field;
            value = static_cast<double>(LeadingBytes(key, 4));
        } else if (column.Kind != TKeyKind::None) {
            int32_t code = column.Kind == TKeyKind::Source ? record.Source : record.Media;
            char* begin = codeTexts[i].data();
            char* end = std::to_chars(begin, begin + codeTexts[i].size(), code).ptr;
            key = std::string_view(begin, static_cast<size_t>(end - begin));
            value = code;
        }
        numeric[i] = value;
        min = std::min(min, value);
        max = std::max(max, value);
        entries[i] = {0, LeadingBytes(key, 8), key, static_cast<uint32_t>(i)};
    }

    const double width = (max - min + 1) / 100;
    for (size_t i = 0; i < n; ++i)
        entries[i].Bucket = static_cast<uint32_t>(std::nearbyint((numeric[i] - min) / width));

    std::sort(entries.begin(), entries.end(), EntryLess);
    if (!ascending)
        std::reverse(entries.begin(), entries.end());

    for (size_t i = 0; i < n; ++i)
        order[i] = entries[i].Index;
    return order;
}
