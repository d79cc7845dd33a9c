#include "core/ListSort.h"
#include "core/Project.h"
#include "support/Records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <list>
#include <numeric>
#include <vector>

namespace {

// The sort key of a template column written out plainly; "" for none.
std::string TextKey(const TBootData& r, int k) {
    using T = TBootData;
    static std::string T::*const kTexts[15] = {nullptr,     &T::SearchText, &T::Band, &T::Date, &T::City,
                                               &T::Country, &T::Venue,      &T::Name, nullptr,  nullptr,
                                               &T::Quality, &T::Num,        nullptr,  nullptr,  &T::Comment};
    if (k == 8 || k == 9)
        return std::to_string(k == 8 ? r.Source : r.Media);
    return k >= 0 && k < 15 && kTexts[k] ? r.*kTexts[k] : "";
}

std::vector<size_t> Finish(std::vector<size_t> order, bool ascending) {
    if (!ascending)
        std::reverse(order.begin(), order.end());
    return order;
}

// The bucket sort over 100 intervals with insertion by text key, step by
// step, as slow as it is.
std::vector<size_t> LiteralBucketSortOrder(const TArrayOfBootData& data, int k, bool ascending) {
    auto number = [&](size_t i) {
        if (k == 8 || k == 9)
            return double(k == 8 ? data[i].Source : data[i].Media);
        const std::string key = TextKey(data[i], k);
        double value = 0;
        for (size_t b = 0; b < 4; ++b)
            value += (b < key.size() ? double(static_cast<unsigned char>(key[b])) : 0.0) * std::pow(256.0, 3 - b);
        return value;
    };
    double min = 1e16, max = 0;
    for (size_t i = 0; i < data.size(); ++i) {
        min = std::min(min, number(i));
        max = std::max(max, number(i));
    }
    std::vector<std::list<size_t>> buckets(102);
    for (size_t i = 0; i < data.size(); ++i) {
        auto& bucket = buckets[static_cast<size_t>(std::nearbyint((number(i) - min) / ((max - min + 1) / 100)))];
        auto at = bucket.end();
        while (at != bucket.begin() && TextKey(data[*std::prev(at)], k) > TextKey(data[i], k))
            --at;
        bucket.insert(at, i);
    }
    std::vector<size_t> order;
    for (auto& bucket : buckets)
        order.insert(order.end(), bucket.begin(), bucket.end());
    return Finish(order, ascending);
}

// What a plain stable sort gives: by code for source and media, byte-wise
// by text for the rest.
std::vector<size_t> StableSortOrder(const TArrayOfBootData& data, int k, bool ascending) {
    std::vector<size_t> order(data.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (k == 8)
            return data[a].Source < data[b].Source;
        if (k == 9)
            return data[a].Media < data[b].Media;
        return TextKey(data[a], k) < TextKey(data[b], k);
    });
    return Finish(order, ascending);
}

// Tags every record with its position, sorts, and reads the tags back;
// every record must move whole.
std::vector<size_t> SortedOrder(const TArrayOfBootData& data, int k, bool ascending) {
    TArrayOfBootData sorted = data;
    for (size_t i = 0; i < data.size(); ++i)
        sorted[i].ViewIndex = static_cast<int32_t>(i);
    SortRecords(sorted, k, ascending);
    std::vector<size_t> order;
    for (const TBootData& r : sorted) {
        order.push_back(static_cast<size_t>(r.ViewIndex));
        const TBootData& before = data[std::min(order.back(), data.size() - 1)];
        EXPECT_TRUE(SameStoredFields(r, before) && r.SearchText == before.SearchText);
    }
    return order;
}

TArrayOfBootData RandomList(uint32_t seed, size_t size) {
    TRandomRecords random(seed);
    TArrayOfBootData data;
    for (size_t i = 0; i < size; ++i)
        data.push_back(random.Record());
    return data;
}

} // namespace

TEST(ListSort, MatchesStableSortOnEveryColumn) {
    std::vector<TArrayOfBootData> lists;
    for (uint32_t seed = 1; seed <= 12; ++seed)
        lists.push_back(RandomList(seed, 40 + seed * 37));
    // Long shared prefixes, past the first bytes that pick the bucket.
    TRandomRecords random(5);
    lists.emplace_back(500);
    for (TBootData& r : lists.back()) {
        r.Band = std::string(random.Int(0, 12), 'a') + random.Text(3);
        r.Date = "2001.05." + random.Text(2);
    }
    for (size_t l = 0; l < lists.size(); ++l)
        for (int k = 0; k <= 15; ++k)
            for (bool ascending : {true, false})
                ASSERT_EQ(SortedOrder(lists[l], k, ascending), StableSortOrder(lists[l], k, ascending))
                    << "list " << l << " column " << k << (ascending ? " A-Z" : " Z-A");
}

TEST(ListSort, MatchesBucketSortForStrangeCodes) {
    TRandomRecords random(99);
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        TArrayOfBootData data = RandomList(seed, 300);
        // Codes outside the known ranges share buckets and then order by
        // their decimal text ("10" before "9"); negative codes stretch the range.
        for (TBootData& r : data) {
            r.Source = random.Int(-3, 1000);
            r.Media = random.Int(0, 3) == 0 ? random.Int(INT32_MIN, INT32_MAX) : random.Int(0, 16);
        }
        for (int k : {8, 9})
            for (bool ascending : {true, false})
                ASSERT_EQ(SortedOrder(data, k, ascending), LiteralBucketSortOrder(data, k, ascending))
                    << "seed " << seed << " column " << k;
    }
}

TEST(ListSort, ProjectSortCountsTheSearchColumn) {
    TProject list;
    list.Data.resize(3);
    const char* bands[] = {"b", "c", "a"};
    const char* search[] = {"2", "1", "3"};
    for (int i = 0; i < 3; ++i) {
        list.Data[i].Band = bands[i];
        list.Data[i].SearchText = search[i];
    }
    list.Sort(1, true); // grid column 1 is Band without the Search column
    EXPECT_EQ(list.Data[0].Band + list.Data[1].Band + list.Data[2].Band, "abc");
    list.SearchColumn = true;
    list.Sort(1, true); // now grid column 1 is Search
    EXPECT_EQ(list.Data[0].SearchText + list.Data[1].SearchText + list.Data[2].SearchText, "123");
    EXPECT_FALSE(list.Saved); // a new order is a change to keep
    EXPECT_EQ(list.UndoSteps.StepCount(), 2u);
}

TEST(ListSort, MatchesBucketSortOnKeysThatTieForManyBytes) {
    TRandomRecords random(7);
    TArrayOfBootData data(3000);
    for (TBootData& r : data) {
        r.Band = std::string(random.Int(0, 40), 'a') + random.Text(3);
        r.Name = random.Text(2) + std::string(random.Int(10, 20), 'b') + random.Text(2);
    }
    for (int k : {2, 7})
        for (bool ascending : {true, false})
            ASSERT_EQ(SortedOrder(data, k, ascending), LiteralBucketSortOrder(data, k, ascending)) << "column " << k;
}

TEST(ListSort, MatchesBucketSortOnAMillionRecords) {
    // Each common band starts with a byte of its own, four apart, so that it
    // fills a bucket alone and the literal insertion stays short; the rare
    // bands fall anywhere, into those buckets too.
    TRandomRecords random(36);
    std::vector<std::string> common;
    for (int j = 0; j < 60; ++j)
        common.push_back(std::string(1, static_cast<char>(8 + 4 * j)) + std::string(random.Int(0, 20), 'a') +
                         random.Text(3));
    TArrayOfBootData data(1000000);
    for (TBootData& r : data)
        r.Band = random.Int(0, 1999) == 0 ? random.Text(20) : common[static_cast<size_t>(random.Int(0, 59))];
    const std::vector<size_t> literal = LiteralBucketSortOrder(data, 2, true);
    for (bool ascending : {true, false}) {
        const std::vector<uint32_t> order = SortOrder(data, 2, ascending);
        const std::vector<size_t> expected = Finish(literal, ascending);
        ASSERT_TRUE(std::equal(order.begin(), order.end(), expected.begin(), expected.end()))
            << (ascending ? "A-Z" : "Z-A");
    }
}
