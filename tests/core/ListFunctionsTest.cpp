#include "core/ListFunctions.h"
#include "core/ListCaption.h"
#include "core/LooseMatch.h"
#include "core/TextMatch.h"
#include "core/TradeDate.h"
#include "support/Records.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace {

// The rule of the list functions written as plain nested scans: the
// reference that the indexed functions must equal on every input.
// Loosely: the words of a text, one space between them, letters folded;
// the day a date names, else the date as such a text.
std::string ReferenceLoose(const std::string& text) {
    std::istringstream words(text);
    std::string word, joined;
    while (words >> word)
        joined += (joined.empty() ? "" : " ") + word;
    return FoldedText(joined);
}
std::string ReferenceLooseDate(const std::string& date) {
    const std::string day = DottedDate(date);
    return day.empty() ? ReferenceLoose(date) : day;
}

bool ReferenceMatch(const TBootData& a, const TBootData& b, TMatchOptions o) {
    const bool texts = o.Loose ? ReferenceLooseDate(a.Date) == ReferenceLooseDate(b.Date) &&
                                     ReferenceLoose(a.Band) == ReferenceLoose(b.Band)
                               : a.Date == b.Date && a.Band == b.Band;
    return texts && (!o.Source || a.Source == b.Source) && (!o.Media || a.Media == b.Media);
}

void ReferenceCompare(const std::vector<TProject*>& lists, const std::vector<bool>& selected, TMatchOptions o) {
    int32_t k = 0;
    for (bool s : selected)
        k += s ? 1 : 0;
    for (size_t i = 0; i < lists.size(); ++i)
        for (TBootData& r : lists[i]->Data) {
            r.SearchHits = selected[i] ? k - 1 : 0;
            r.SearchText = "";
        }
    if (k >= 2) {
        for (size_t a = 0; a < lists.size(); ++a)
            for (size_t b = 0; b < lists.size(); ++b) {
                if (a == b || !selected[a] || !selected[b])
                    continue;
                for (TBootData& r : lists[a]->Data) {
                    bool found = false;
                    for (const TBootData& other : lists[b]->Data)
                        if (ReferenceMatch(r, other, o)) {
                            found = true;
                            break;
                        }
                    if (found)
                        r.SearchHits = r.SearchHits - 1;
                    else if (r.SearchText.empty())
                        r.SearchText = ListCaption(lists[b]->FileName);
                    else
                        r.SearchText = r.SearchText + ", " + ListCaption(lists[b]->FileName);
                }
            }
    }
    if (k == 1) {
        for (size_t l = 0; l < lists.size(); ++l) {
            if (!selected[l])
                continue;
            TArrayOfBootData& data = lists[l]->Data;
            for (size_t i = 0; i < data.size(); ++i)
                for (size_t j = i + 1; j < data.size(); ++j)
                    if (ReferenceMatch(data[i], data[j], o)) {
                        data[j].SearchHits = data[j].SearchHits + 1;
                        break;
                    }
        }
    }
    for (size_t i = 0; i < lists.size(); ++i)
        lists[i]->SearchColumn = selected[i];
}

TArrayOfBootData ReferenceJoin(const std::vector<TProject*>& lists, const std::vector<bool>& selected,
                               const TFilterState& filter, TMatchOptions o) {
    TArrayOfBootData joined;
    for (size_t i = 0; i < lists.size(); ++i) {
        if (!selected[i])
            continue;
        lists[i]->BuildView(filter);
        for (int32_t v : lists[i]->View) {
            const TBootData& r = lists[i]->Data[static_cast<size_t>(v)];
            bool found = false;
            for (size_t j = joined.size(); j-- > 0;)
                if (ReferenceMatch(joined[j], r, o)) {
                    found = true;
                    break;
                }
            if (!found)
                joined.push_back(r); // the results are compared by their stored fields
        }
    }
    return joined;
}

// Lists whose records collide a lot: bands that differ only in case and
// spaces, one day written in several forms, a date that is no day and an
// empty one, codes 0..1, so that many keys match or differ in only one part.
struct TCollidingLists {
    std::vector<std::unique_ptr<TProject>> Owned;
    std::vector<TProject*> Lists;

    TCollidingLists(uint32_t seed, size_t listCount, size_t maxRecords) {
        TRandomRecords random(seed);
        static const char* const kBands[] = {"Yes",
                                             "yes",
                                             "YES ",
                                             " Pink  Floyd",
                                             "pink floyd\t",
                                             "\xC5\x81\xC3\xB3"
                                             "d\xC5\xBA",
                                             "\xC5\x82\xC3\xB3"
                                             "D\xC5\xBA "};
        static const char* const kDates[] = {
            "1977.06.11", "1977.6.11", "", "11 June 1977", " 06/11/1977", "1977-06-11", "1977.06.11?", "1977.06.11 ?"};
        static const char* const kNames[] = {"live.2003.kvu", "bootlegs 2003.kvu", "b.kvu", "", "dir.x/trade"};
        for (size_t l = 0; l < listCount; ++l) {
            auto list = std::make_unique<TProject>();
            list->FileName = std::string("/lists/") + kNames[random.Int(0, 4)];
            size_t count = static_cast<size_t>(random.Int(0, static_cast<int32_t>(maxRecords)));
            for (size_t i = 0; i < count; ++i) {
                TBootData r = random.Record();
                r.Band = kBands[random.Int(0, 6)];
                r.Date = kDates[random.Int(0, 7)];
                r.Source = random.Int(0, 1);
                r.Media = random.Int(0, 1);
                r.SearchHits = random.Int(-3, 3); // stale results of an earlier compare
                list->Data.push_back(r);
            }
            list->SearchColumn = random.Int(0, 1) == 1;
            Lists.push_back(list.get());
            Owned.push_back(std::move(list));
        }
    }
    TCollidingLists Copy() const {
        TCollidingLists copy(0, 0, 0);
        for (const auto& list : Owned) {
            copy.Owned.push_back(std::make_unique<TProject>(*list));
            copy.Lists.push_back(copy.Owned.back().get());
        }
        return copy;
    }
};

TFilterState OnlyBand(const std::string& name) {
    TFilterState filter;
    filter.AllBands = false;
    TBand band;
    band.Name = name;
    band.Selected = true;
    filter.Bands.push_back(band);
    return filter;
}

void ExpectSameResults(const TCollidingLists& got, const TCollidingLists& want, const std::string& context) {
    for (size_t l = 0; l < want.Lists.size(); ++l) {
        EXPECT_EQ(got.Lists[l]->SearchColumn, want.Lists[l]->SearchColumn) << context << " list " << l;
        for (size_t i = 0; i < want.Lists[l]->Data.size(); ++i) {
            const TBootData& g = got.Lists[l]->Data[i];
            const TBootData& w = want.Lists[l]->Data[i];
            ASSERT_EQ(g.SearchHits, w.SearchHits) << context << " list " << l << " record " << i;
            ASSERT_EQ(g.SearchText, w.SearchText) << context << " list " << l << " record " << i;
        }
    }
}

// With the loose match off, the results are those of the exact rule, byte
// for byte; with it on, those of the loose rule.
TEST(ListFunctions, CompareDuplicatesAndJoinEqualTheNestedScansOnCollidingLists) {
    const TMatchOptions kOptions[] = {{true, true},       {true, false},       {false, true},       {false, false},
                                      {true, true, true}, {false, true, true}, {false, false, true}};
    for (uint32_t seed = 1; seed <= 150; ++seed) {
        const TCollidingLists lists(seed, 1 + seed % 5, seed % 7 == 0 ? 0 : 40);
        TRandomRecords random(seed * 7919);
        std::vector<bool> selected;
        for (size_t l = 0; l < lists.Lists.size(); ++l)
            selected.push_back(random.Int(0, 3) != 0);
        for (TMatchOptions options : kOptions) {
            const std::string context = "seed " + std::to_string(seed) + " source " + std::to_string(options.Source) +
                                        " media " + std::to_string(options.Media) + " loose " +
                                        std::to_string(options.Loose);
            TCollidingLists got = lists.Copy(), want = lists.Copy();
            CompareLists(got.Lists, selected, options);
            ReferenceCompare(want.Lists, selected, options);
            ExpectSameResults(got, want, context);

            // Exactly one list selected: the duplicate search.
            std::vector<bool> one(selected.size(), false);
            one[seed % one.size()] = true;
            got = lists.Copy();
            want = lists.Copy();
            CompareLists(got.Lists, one, options);
            ReferenceCompare(want.Lists, one, options);
            ExpectSameResults(got, want, context + " duplicates");

            for (const TFilterState& filter : {TFilterState(), OnlyBand("yes")}) {
                got = lists.Copy();
                want = lists.Copy();
                TArrayOfBootData joined;
                std::string error;
                ASSERT_TRUE(JoinLists(got.Lists, selected, filter, options, joined, error)) << error;
                TArrayOfBootData expected = ReferenceJoin(want.Lists, selected, filter, options);
                ASSERT_EQ(joined.size(), expected.size()) << context;
                for (size_t i = 0; i < expected.size(); ++i) {
                    ASSERT_TRUE(SameStoredFields(joined[i], expected[i])) << context << " record " << i;
                    EXPECT_EQ(joined[i].SearchHits, 0);
                    EXPECT_EQ(joined[i].SearchText, "");
                }
            }
        }
    }
}

// Random lists seldom hold this: "ab"+"c" is not "a"+"bc", exact or loose.
TEST(ListFunctions, BandAndDateNeverRunTogetherInTheIndex) {
    for (bool loose : {false, true}) {
        const TBootData added = MatchRecord("ab", "c"); // the index keeps a pointer to it
        TMatchIndex index({true, true, loose});
        index.Add(added);
        EXPECT_EQ(index.Find(MatchRecord("a", "bc")), TMatchIndex::kNone) << loose;
    }
}

struct TThreeLists : testing::Test {
    TProject A, B, C;
    std::vector<TProject*> Lists{&A, &B, &C};
};

TEST_F(TThreeLists, WantsAreWhatTheOtherListsHoldAndMineLacksEachOnce) {
    A.Data = {MatchRecord("X", "1"), MatchRecord("X", "2")};
    B.Data = {MatchRecord("X", "1"), MatchRecord("X", "3"), MatchRecord("x ", "3")};
    B.Data[1].Comment = "first";
    B.Data[1].SearchHits = 2;
    C.Data = {MatchRecord("X", "3"), MatchRecord("X", "4")};
    TArrayOfBootData wants;
    std::string error;
    ASSERT_TRUE(LackingRecords(Lists, {true, true, true}, 0, {true, true, true}, wants, error)) << error;
    ASSERT_EQ(wants.size(), 2u);
    EXPECT_EQ(wants[0].Comment, "first");
    EXPECT_EQ(wants[0].SearchHits, 0);
    EXPECT_EQ(wants[1].Date, "4");
    // Unselected lists give nothing; mine is never wanted from.
    ASSERT_TRUE(LackingRecords(Lists, {true, false, false}, 0, {true, true}, wants, error));
    EXPECT_TRUE(wants.empty());
    EXPECT_FALSE(LackingRecords(Lists, {true, true, true}, 1, {true, true}, wants, error, 1));
}

// Two lists of 2,000,001 joined made a list that no reader opens, in small.
TEST_F(TThreeLists, AJoinBeyondTheRecordLimitIsRefusedBeforeAnythingIsCopied) {
    A.Data = {MatchRecord("X", "1"), MatchRecord("X", "2")};
    B.Data = {MatchRecord("X", "3"), MatchRecord("X", "1")};
    TArrayOfBootData joined = {MatchRecord("kept", "as it was")};
    std::string error;
    EXPECT_FALSE(JoinLists(Lists, {true, true, false}, TFilterState(), {true, true}, joined, error, 2));
    EXPECT_EQ(error, "The list would hold 3 bootlegs, more than the program can open (2). Nothing was changed.");
    ASSERT_EQ(joined.size(), 1u);
    EXPECT_TRUE(JoinLists(Lists, {true, true, false}, TFilterState(), {true, true}, joined, error, 3));
    EXPECT_EQ(joined.size(), 3u);
    EXPECT_TRUE(RoomForRecords(kMostListRecords - 1, 1, error));
    EXPECT_FALSE(RoomForRecords(2000001, 2000001, error));
    EXPECT_FALSE(RoomForRecords(SIZE_MAX, 1, error));
}

} // namespace
