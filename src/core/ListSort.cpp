#include "ListSort.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <unordered_map>
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

// Up to `count` bytes of `text` from `offset`, big-endian, zero-padded:
// orders like the text wherever it differs.
uint64_t BytesAt(std::string_view text, size_t offset, size_t count) {
    uint64_t value = 0;
    for (size_t i = offset; i < offset + count; ++i)
        value = (value << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return value;
}

// One record's key, fifteen bytes at a time: the bytes from an offset and how
// many are left (16 for "more than fifteen"). Equal entries with more left
// are told apart by the next fifteen bytes; equal entries with fewer left
// hold equal keys, and their indices keep them in list order.
struct TEntry {
    uint64_t High;
    uint64_t Low;
    uint32_t Index;
};

constexpr size_t kChunk = 15;
constexpr uint64_t kMoreLeft = 16;

bool EntryLess(const TEntry& a, const TEntry& b) {
    if (a.High != b.High)
        return a.High < b.High;
    if (a.Low != b.Low)
        return a.Low < b.Low;
    return a.Index < b.Index;
}

bool SameChunk(const TEntry& a, const TEntry& b) {
    return a.High == b.High && a.Low == b.Low;
}

void FillChunk(TEntry& entry, std::string_view key, size_t offset) {
    const size_t left = key.size() > offset ? key.size() - offset : 0;
    entry.High = BytesAt(key, offset, 8);
    entry.Low = BytesAt(key, offset + 8, 7) << 8 | std::min<uint64_t>(left, kMoreLeft);
}

// A text column: the bucket of a record rises with its key's first bytes, so
// the buckets in order hold the keys in order, and insertion keeps equal
// keys in list order: a stable byte-wise sort. The keys are read once per
// fifteen bytes that still tie, not once per comparison.
void SortTextEntries(std::vector<TEntry>& entries, const TArrayOfBootData& data, std::string TBootData::*field) {
    for (TEntry& entry : entries)
        FillChunk(entry, data[entry.Index].*field, 0);
    struct TRun {
        size_t Begin, End, Offset;
    };
    std::vector<TRun> runs{{0, entries.size(), 0}};
    while (!runs.empty()) {
        const TRun run = runs.back();
        runs.pop_back();
        if (run.Offset > 0)
            for (size_t i = run.Begin; i < run.End; ++i)
                FillChunk(entries[i], data[entries[i].Index].*field, run.Offset);
        std::sort(entries.begin() + run.Begin, entries.begin() + run.End, EntryLess);
        for (size_t begin = run.Begin; begin < run.End;) {
            size_t end = begin + 1;
            while (end < run.End && SameChunk(entries[begin], entries[end]))
                ++end;
            if (end - begin > 1 && (entries[begin].Low & 0xFF) == kMoreLeft)
                runs.push_back({begin, end, run.Offset + kChunk});
            begin = end;
        }
    }
}

// Source and media: a bucket of their own for most codes, yet codes that
// share a bucket order by their decimal text ("10" before "9"). The range
// of the buckets is that of the codes of all entries.
template <typename TCodeOf> void SortCodeEntries(std::vector<TEntry>& entries, TCodeOf codeOf) {
    double min = 1e16, max = 0;
    for (const TEntry& entry : entries) {
        min = std::min(min, double(codeOf(entry.Index)));
        max = std::max(max, double(codeOf(entry.Index)));
    }
    const double width = (max - min + 1) / 100;
    for (TEntry& entry : entries) {
        const int32_t code = codeOf(entry.Index);
        const auto bucket = static_cast<uint64_t>(std::nearbyint((code - min) / width));
        char text[16]; // 11 would do; 16 quiets GCC's -O3 bounds warning on BytesAt(decimal, 7, 7)
        const auto length = static_cast<size_t>(std::to_chars(text, text + sizeof text, code).ptr - text);
        const std::string_view decimal(text, length);
        // Eleven characters at most: one chunk holds them behind the bucket.
        entry.High = bucket << 56 | BytesAt(decimal, 0, 7);
        entry.Low = BytesAt(decimal, 7, 7) << 8 | length;
    }
    std::sort(entries.begin(), entries.end(), EntryLess);
}

// order[i] = the index of the record the entries sorted by `sortEntries` put at i.
template <typename TSortEntries> void SortByEntries(std::vector<uint32_t>& order, TSortEntries sortEntries) {
    std::vector<TEntry> entries(order.size());
    for (size_t i = 0; i < entries.size(); ++i)
        entries[i] = {0, 0, static_cast<uint32_t>(i)};
    sortEntries(entries);
    for (size_t i = 0; i < entries.size(); ++i)
        order[i] = entries[i].Index;
}

// A list seldom holds many distinct bands, countries or codes: the distinct
// keys are ranked once, and the records counted into their ranks in list
// order, which keeps equal keys in list order without comparing records.
// Gives up (false) once more than `limit` keys are distinct.
template <typename TKey, typename TRank>
bool SortByDistinctKeys(std::vector<uint32_t>& order, size_t limit, TKey keyOf, TRank rankKeys) {
    using TValue = decltype(keyOf(size_t(0)));
    const size_t n = order.size();
    std::unordered_map<TValue, uint32_t> ids;
    ids.reserve(limit + 1);
    std::vector<TValue> keys;
    std::vector<uint32_t> idOf(n);
    for (size_t i = 0; i < n; ++i) {
        const auto found = ids.emplace(keyOf(i), static_cast<uint32_t>(keys.size()));
        if (found.second) {
            if (keys.size() == limit)
                return false;
            keys.push_back(found.first->first);
        }
        idOf[i] = found.first->second;
    }
    const std::vector<uint32_t> rank = rankKeys(keys);
    std::vector<uint32_t> start(keys.size() + 1, 0);
    for (uint32_t id : idOf)
        ++start[rank[id] + 1];
    for (size_t r = 1; r < start.size(); ++r)
        start[r] += start[r - 1];
    for (size_t i = 0; i < n; ++i)
        order[start[rank[idOf[i]]]++] = static_cast<uint32_t>(i);
    return true;
}

// rank[id] from the ids in ascending order.
std::vector<uint32_t> RanksOf(const std::vector<uint32_t>& byKey) {
    std::vector<uint32_t> rank(byKey.size());
    for (size_t r = 0; r < byKey.size(); ++r)
        rank[byKey[r]] = static_cast<uint32_t>(r);
    return rank;
}

// Byte-wise, as char_traits<char> compares: the order the text buckets give.
bool SortTextByDistinctKeys(std::vector<uint32_t>& order, size_t limit, const TArrayOfBootData& data,
                            std::string TBootData::*field) {
    return SortByDistinctKeys(
        order, limit, [&](size_t i) { return std::string_view(data[i].*field); },
        [](const std::vector<std::string_view>& keys) {
            std::vector<uint32_t> byKey(keys.size());
            for (size_t i = 0; i < keys.size(); ++i)
                byKey[i] = static_cast<uint32_t>(i);
            std::sort(byKey.begin(), byKey.end(), [&](uint32_t a, uint32_t b) { return keys[a] < keys[b]; });
            return RanksOf(byKey);
        });
}

// Codes rank as their entries order them: bucket first, then decimal text.
bool SortCodeByDistinctKeys(std::vector<uint32_t>& order, size_t limit, const TArrayOfBootData& data,
                            int32_t TBootData::*field) {
    return SortByDistinctKeys(
        order, limit, [&](size_t i) { return data[i].*field; },
        [&](const std::vector<int32_t>& keys) {
            std::vector<uint32_t> byKey(keys.size());
            SortByEntries(byKey, [&](std::vector<TEntry>& entries) {
                SortCodeEntries(entries, [&](uint32_t i) { return keys[i]; });
            });
            return RanksOf(byKey);
        });
}

// Asks for a record some moves before it is moved: the records of a big
// list lie far apart in memory, and waiting for each in turn costs more than
// the moves themselves.
void Prefetch(const TBootData& record) {
    const char* bytes = reinterpret_cast<const char*>(&record);
    for (size_t line = 0; line < sizeof(TBootData); line += 64)
        __builtin_prefetch(bytes + line);
}

// Moves record order[i] to position i, following cycles so that no second
// array of records is needed.
void ApplyOrder(TArrayOfBootData& data, std::vector<uint32_t>& order) {
    constexpr int kAhead = 8;
    const uint32_t done = UINT32_MAX;
    for (uint32_t start = 0; start < order.size(); ++start) {
        if (order[start] == done || order[start] == start)
            continue;
        TBootData held = std::move(data[start]);
        uint32_t to = start;
        uint32_t ahead = start;
        for (int i = 0; i < kAhead && order[ahead] != start; ++i)
            Prefetch(data[ahead = order[ahead]]);
        while (order[to] != start) {
            if (order[ahead] != start)
                Prefetch(data[ahead = order[ahead]]);
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
    // Past an eighth distinct, comparing the records' keys costs less.
    const size_t limit = n / 8;
    if (column.Kind == TKeyKind::Text && !SortTextByDistinctKeys(order, limit, data, column.Field)) {
        SortByEntries(order, [&](std::vector<TEntry>& entries) { SortTextEntries(entries, data, column.Field); });
    } else if (column.Kind == TKeyKind::Source || column.Kind == TKeyKind::Media) {
        int32_t TBootData::*field = column.Kind == TKeyKind::Source ? &TBootData::Source : &TBootData::Media;
        if (!SortCodeByDistinctKeys(order, limit, data, field))
            SortByEntries(order, [&](std::vector<TEntry>& entries) {
                SortCodeEntries(entries, [&](uint32_t i) { return data[i].*field; });
            });
    }
    if (!ascending)
        std::reverse(order.begin(), order.end());
    return order;
}
