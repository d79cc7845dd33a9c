#include "core/ListSort.h"
#include "core/Project.h"
#include "support/Records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <list>
#include <vector>

namespace {

// The sort keys written out plainly, column by column.
std::string TextKey(const TBootData& r, int k) {
    switch (k) {
    case 1:
        return r.SearchText;
    case 2:
        return r.Band;
    case 3:
        return r.Date;
    case 4:
        return r.City;
    case 5:
        return r.Country;
    case 6:
        return r.Venue;
    case 7:
        return r.Name;
    case 8:
        return std::to_string(r.Source);
    case 9:
        return std::to_string(r.Media);
    case 10:
        return r.Quality;
    case 11:
        return r.Num;
    case 14:
        return r.Comment;
    default:
        return "";
    }
}

double NumericKey(const TBootData& r, int k) {
    if (k == 8)
        return r.Source;
    if (k == 9)
        return r.Media;
    std::string text = TextKey(r, k);
    double key = 0;
    for (size_t i = 0; i < std::min<size_t>(4, text.size()); ++i)
        key += static_cast<unsigned char>(text[i]) * std::pow(256.0, 3 - double(i));
    return key;
}

// The bucket sort with insertion, step by step, as slow as it is.
std::vector<size_t> BucketSortOrder(const TArrayOfBootData& data, int k, bool ascending) {
    double min = 1e16, max = 0;
    for (const TBootData& r : data) {
        min = std::min(min, NumericKey(r, k));
        max = std::max(max, NumericKey(r, k));
    }
    double width = (max - min + 1) / 100;
    std::vector<std::list<size_t>> buckets(102);
    for (size_t i = 0; i < data.size(); ++i) {
        auto& bucket = buckets[static_cast<size_t>(std::nearbyint((NumericKey(data[i], k) - min) / width))];
        std::string key = TextKey(data[i], k);
        auto at = bucket.end();
        while (at != bucket.begin()) {
            auto before = std::prev(at);
            if (TextKey(data[*before], k) <= key)
                break;
            at = before;
        }
        bucket.insert(at, i);
    }
    std::vector<size_t> order;
    for (auto& bucket : buckets)
        order.insert(order.end(), bucket.begin(), bucket.end());
    if (!ascending)
        std::reverse(order.begin(), order.end());
    return order;
}

// What a plain stable sort gives: by code for source and media, byte-wise
// by text for the rest.
std::vector<size_t> StableSortOrder(const TArrayOfBootData& data, int k, bool ascending) {
    std::vector<size_t> order(data.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (k == 8 || k == 9)
            return NumericKey(data[a], k) < NumericKey(data[b], k);
        return TextKey(data[a], k) < TextKey(data[b], k);
    });
    if (!ascending)
        std::reverse(order.begin(), order.end());
    return order;
}

// Tags every record with its position, sorts, and reads the tags back.
std::vector<size_t> SortedOrder(TArrayOfBootData data, int k, bool ascending) {
    for (size_t i = 0; i < data.size(); ++i)
        data[i].ViewIndex = static_cast<int32_t>(i);
    SortRecords(data, k, ascending);
    std::vector<size_t> order;
    for (const TBootData& r : data)
        order.push_back(static_cast<size_t>(r.ViewIndex));
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
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        TArrayOfBootData data = RandomList(seed, 40 + seed * 37);
        for (int k = 0; k <= 15; ++k)
            for (bool ascending : {true, false})
                ASSERT_EQ(SortedOrder(data, k, ascending), StableSortOrder(data, k, ascending))
                    << "seed " << seed << " column " << k << (ascending ? " A-Z" : " Z-A");
    }
}

TEST(ListSort, MatchesBucketSortAlsoForStrangeCodes) {
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
                ASSERT_EQ(SortedOrder(data, k, ascending), BucketSortOrder(data, k, ascending))
                    << "seed " << seed << " column " << k;
    }
}

TEST(ListSort, MatchesBucketSortOnLongSharedPrefixes) {
    TArrayOfBootData data;
    TRandomRecords random(5);
    for (int i = 0; i < 500; ++i) {
        TBootData r;
        r.Band = std::string(random.Int(0, 12), 'a') + random.Text(3);
        r.Date = "2001.05." + random.Text(2);
        data.push_back(r);
    }
    for (int k : {2, 3})
        for (bool ascending : {true, false})
            EXPECT_EQ(SortedOrder(data, k, ascending), BucketSortOrder(data, k, ascending));
}

TEST(ListSort, SameBandReversesOnlyForZA) {
    TArrayOfBootData data(5);
    for (size_t i = 0; i < data.size(); ++i) {
        data[i].Band = "Same";
        data[i].Num = std::to_string(i);
    }
    TArrayOfBootData up = data;
    SortRecords(up, 2, true);
    TArrayOfBootData down = data;
    SortRecords(down, 2, false);
    for (size_t i = 0; i < data.size(); ++i) {
        EXPECT_EQ(up[i].Num, std::to_string(i));
        EXPECT_EQ(down[i].Num, std::to_string(data.size() - 1 - i));
    }
}

TEST(ListSort, CoverAndInfoColumnsKeepOrReverse) {
    TArrayOfBootData data = RandomList(4, 50);
    for (int k : {12, 13}) {
        std::vector<size_t> identity(data.size());
        for (size_t i = 0; i < identity.size(); ++i)
            identity[i] = i;
        EXPECT_EQ(SortedOrder(data, k, true), identity);
        std::reverse(identity.begin(), identity.end());
        EXPECT_EQ(SortedOrder(data, k, false), identity);
    }
}

TEST(ListSort, BytesAbove127SortAfterAscii) {
    TArrayOfBootData data(3);
    data[0].Band = "\xC3\xA9";
    data[1].Band = "z";
    data[2].Band = "Z";
    SortRecords(data, 2, true);
    EXPECT_EQ(data[0].Band, "Z");
    EXPECT_EQ(data[1].Band, "z");
    EXPECT_EQ(data[2].Band, "\xC3\xA9");
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
    EXPECT_EQ(list.Data[0].Band, "a");
    EXPECT_EQ(list.Data[2].Band, "c");
    list.SearchColumn = true;
    list.Sort(1, true); // now grid column 1 is Search
    EXPECT_EQ(list.Data[0].SearchText, "1");
    EXPECT_EQ(list.Data[2].SearchText, "3");
    EXPECT_TRUE(list.Saved);
}

TEST(ListSort, RecordsMoveWhole) {
    TArrayOfBootData data = RandomList(11, 200);
    TArrayOfBootData sorted = data;
    SortRecords(sorted, 3, false);
    std::vector<size_t> order = StableSortOrder(data, 3, false);
    for (size_t i = 0; i < data.size(); ++i) {
        EXPECT_TRUE(SameStoredFields(sorted[i], data[order[i]]));
        EXPECT_EQ(sorted[i].SearchText, data[order[i]].SearchText);
    }
}
