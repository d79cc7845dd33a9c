#include "core/QuickFilter.h"
#include "core/ListSort.h"
#include "core/Project.h"
#include "core/TextMatch.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr std::string TBootData::*kTextFields[kQueryTextColumns] = {
    &TBootData::Band, &TBootData::Date,    &TBootData::City, &TBootData::Country, &TBootData::Venue,
    &TBootData::Name, &TBootData::Quality, &TBootData::Num,  &TBootData::Comment,
};

// The rules read literally: every word shown (or, with a minus, not shown)
// in some cell of its column, cell by cell through the one matcher.
bool ReferencePasses(const TBootData& r, const std::vector<TQueryTerm>& terms, const TCodeNames& names) {
    for (const TQueryTerm& term : terms) {
        const TTextPattern pattern(term.Text);
        bool shown = false;
        for (int c = 0; c < kQueryTextColumns; ++c)
            if (term.Column == TQueryColumn::Any || static_cast<int>(term.Column) == c)
                shown = shown || pattern.Matches(r.*kTextFields[c]);
        if ((term.Column == TQueryColumn::Any || term.Column == TQueryColumn::Source) && IsSourceCode(r.Source))
            shown = shown || pattern.Matches(names.Sources[static_cast<size_t>(r.Source)]);
        if ((term.Column == TQueryColumn::Any || term.Column == TQueryColumn::Media) && IsMediaCode(r.Media))
            shown = shown || pattern.Matches(names.Media[static_cast<size_t>(r.Media)]);
        if (shown == term.Exclude)
            return false;
    }
    return true;
}

std::vector<int32_t> Reference(const TArrayOfBootData& data, const std::string& query) {
    const std::vector<TQueryTerm> terms = ParseFilterQuery(query);
    std::vector<int32_t> passing;
    for (size_t i = 0; i < data.size(); ++i)
        if (ReferencePasses(data[i], terms, DefaultCodeNames()))
            passing.push_back(static_cast<int32_t>(i));
    return passing;
}

// Words with letters of both cases in UTF-8 and in legacy bytes
// (Windows-1250 "Łódź", "łó", "Österreich"; read in other pages too), and
// the characters the query language gives a meaning.
const std::vector<std::string> kWords = {
    "pink",
    "Pink Floyd",
    "PINK",
    "floyd",
    "live at",
    "1999.05.01",
    "2001",
    "Sound",
    "\xC5\x81\xC3\xB3"
    "d\xC5\xBA",
    "\xC5\x82\xC3\x93"
    "D\xC5\xB9",
    "Z\xC3\xBCrich",
    "Z\xC3\x9CRICH",
    "\xA3\xF3"
    "d\x9F",
    "\xB3\xF3",
    "\xD6sterreich",
    "\xF6STERREICH",
    "\xCE\xA3\xCE\xBF\xCF\x82",
    "a\"b",
    "x:y",
    "-",
    "band:",
    "CD",
    "cd audio",
    "",
};
const std::vector<std::string> kColumnNames = {
    "band:", "date:", "City:", "venue:", "source:", "media:", "name:", "num:", "frog:", "12:"};

class TRandomLists {
public:
    explicit TRandomLists(uint32_t seed) : m_rng(seed) {}

    int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }
    const std::string& Pick(const std::vector<std::string>& from) {
        return from[static_cast<size_t>(Number(0, static_cast<int>(from.size()) - 1))];
    }

    TBootData Record(bool legacy) {
        TBootData r;
        for (auto field : kTextFields)
            for (int w = Number(0, 2); w > 0; --w) {
                const std::string& word = Pick(kWords);
                if (!legacy && word.find('\xA3') != std::string::npos)
                    continue;
                r.*field += (r.*field).empty() ? word : " " + word;
            }
        r.Source = Number(-1, kSourceCount);
        r.Media = Number(-1, kMediaCount);
        return r;
    }

    // A part of a word, or a whole one; a few of them with a minus, a column or quotes.
    std::string Query() {
        std::string query;
        for (int n = Number(0, 3); n > 0; --n) {
            std::string word = Pick(kWords);
            if (!word.empty() && Number(0, 2) == 0)
                word = word.substr(static_cast<size_t>(Number(0, static_cast<int>(word.size()) - 1)),
                                   static_cast<size_t>(Number(1, 4)));
            if (Number(0, 4) == 0)
                word = "\"" + word + " " + Pick(kWords) + "\"";
            if (Number(0, 3) == 0)
                word = Pick(kColumnNames) + word;
            if (Number(0, 3) == 0)
                word = "-" + word;
            query += (query.empty() ? "" : " ") + word;
        }
        return query;
    }

private:
    std::mt19937 m_rng;
};

TArrayOfBootData RandomData(TRandomLists& random, size_t count, bool legacy) {
    TArrayOfBootData data;
    for (size_t i = 0; i < count; ++i)
        data.push_back(random.Record(legacy));
    return data;
}

struct TPageCase {
    TCodePage Page;
    bool Legacy; // the list holds texts that are not UTF-8
};

class QuickFilterRule : public testing::TestWithParam<TPageCase> {
protected:
    void SetUp() override { SetLegacyCodePage(GetParam().Page); }
    void TearDown() override { SetLegacyCodePage(kDefaultCodePage); }
};

TEST_P(QuickFilterRule, TypingEveryQueryPassesExactlyTheRecordsTheRulesPass) {
    TRandomLists random(7 + static_cast<uint32_t>(GetParam().Page));
    TProject list;
    list.Data = RandomData(random, 400, GetParam().Legacy);
    int narrowed = 0;
    for (int q = 0; q < 340; ++q) { // 1,020 queries over the three cases
        const std::string query = random.Query();
        // Typed a character at a time, as the box reports it, from what was there.
        const size_t checkAt = static_cast<size_t>(random.Number(0, static_cast<int>(query.size())));
        for (size_t length = 0; length <= query.size(); ++length) {
            list.QuickFilter.SetText(query.substr(0, length), DefaultCodeNames());
            list.BuildView(TFilterState());
            narrowed += list.QuickFilter.Narrowed();
            if (length == checkAt) {
                ASSERT_EQ(list.View, Reference(list.Data, query.substr(0, length))) << query.substr(0, length);
            }
        }
        ASSERT_EQ(list.View, Reference(list.Data, query)) << query;
        for (size_t r = 0; r < list.View.size(); ++r)
            ASSERT_EQ(list.Data[static_cast<size_t>(list.View[r])].ViewIndex, static_cast<int32_t>(r));
    }
    EXPECT_GT(narrowed, 1000); // the words typed on looked only at what passed before
}

TEST_P(QuickFilterRule, TheViewFollowsEditsDeletesSortsAndUndo) {
    TRandomLists random(11);
    TProject list;
    list.Data = RandomData(random, 300, GetParam().Legacy);
    for (int round = 0; round < 150; ++round) {
        const std::string query = random.Query();
        list.QuickFilter.SetText(query, DefaultCodeNames());
        list.BuildView(TFilterState());
        switch (random.Number(0, 3)) {
        case 0: {
            const int32_t index = random.Number(0, static_cast<int>(list.Data.size()) - 1);
            list.UndoSteps.Touch(list.Data, index);
            list.Data[static_cast<size_t>(index)] = random.Record(GetParam().Legacy);
            list.Data[static_cast<size_t>(index)].Band += random.Pick(kWords);
            break;
        }
        case 1:
            list.UndoSteps.Remove(list.Data, {0, random.Number(1, 5)});
            break;
        case 2:
            list.UndoSteps.Reorder(list.Data, SortOrder(list.Data, random.Number(2, 14), random.Number(0, 1) == 0));
            break;
        default:
            list.UndoChange();
            break;
        }
        list.CommitChange("change");
        list.BuildView(TFilterState());
        ASSERT_EQ(list.View, Reference(list.Data, query)) << query << " round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, QuickFilterRule,
                         testing::Values(TPageCase{TCodePage::Windows1250, true},
                                         TPageCase{TCodePage::Windows1251, true},
                                         TPageCase{TCodePage::Windows1250, false}));

TEST(QuickFilter, BothTheQuickFilterAndThePanelMustPass) {
    TProject list;
    list.Data.resize(4);
    list.Data[0].Band = "Genesis";
    list.Data[1].Band = "Genesis";
    list.Data[1].Source = 1;
    list.Data[2].Band = "Yes";
    list.Data[3].Comment = "genesis bootleg";
    TFilterState panel;
    panel.SourceSelAll = false;
    panel.SourceSel[0] = true;
    list.QuickFilter.SetText("genesis", DefaultCodeNames());
    list.BuildView(panel);
    EXPECT_EQ(list.View, (std::vector<int32_t>{0, 3}));
    EXPECT_EQ(list.Data[1].ViewIndex, -1);
    EXPECT_EQ(list.Data[3].ViewIndex, 1);
}

TEST(QuickFilter, AnAddedRecordStaysShownUntilTheTextChanges) {
    TProject list;
    list.Data.resize(2);
    list.Data[0].Band = "Genesis";
    list.QuickFilter.SetText("genesis", DefaultCodeNames());
    list.BuildView(TFilterState());
    list.UndoSteps.Append(list.Data, TBootData());
    list.CommitChange("add");
    list.BuildView(TFilterState());
    EXPECT_EQ(list.View, (std::vector<int32_t>{0, 2}));
    list.UndoSteps.Touch(list.Data, 2);
    list.Data[2].Band = "Yes"; // still the new row being filled in
    list.BuildView(TFilterState());
    EXPECT_EQ(list.View, (std::vector<int32_t>{0, 2}));
    list.UndoSteps.Reorder(list.Data, {2, 0, 1});
    list.BuildView(TFilterState());
    EXPECT_EQ(list.View, (std::vector<int32_t>{0, 1}));
    list.QuickFilter.SetText("genesi", DefaultCodeNames());
    list.BuildView(TFilterState());
    EXPECT_EQ(list.View, (std::vector<int32_t>{1}));
}

TEST(QuickFilter, AnotherLegacyCodePageReadsTheListAgain) {
    TProject list;
    list.Data.resize(2);
    list.Data[1].City = "\xCC\xEE\xF1\xEA\xE2\xE0"; // Москва in Windows-1251
    list.QuickFilter.SetText("\xD0\x9C\xD0\xBE\xD1\x81", DefaultCodeNames());
    list.BuildView(TFilterState());
    EXPECT_TRUE(list.View.empty());
    SetLegacyCodePage(TCodePage::Windows1251);
    list.BuildView(TFilterState());
    SetLegacyCodePage(kDefaultCodePage);
    EXPECT_EQ(list.View, (std::vector<int32_t>{1}));
}

TEST(QuickFilter, TheIndexCostsAboutTheTextItHolds) {
    TRandomLists random(3);
    TProject list;
    list.Data = RandomData(random, 5000, false);
    size_t text = 0;
    for (const TBootData& r : list.Data)
        for (auto field : kTextFields)
            text += (r.*field).size();
    list.QuickFilter.SetText("pink", DefaultCodeNames());
    list.BuildView(TFilterState());
    // The folded texts, a mark per cell and a slot per record, whatever was passed.
    EXPECT_LE(list.QuickFilter.IndexBytes(), text + text / 8 + list.Data.size() * (kQueryTextColumns + 24));
}

} // namespace
