#include "program/ListStatistics.h"
#include "core/Codes.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {

TEST(ListStatistics, YearIsTheFirstRunOfExactlyFourDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"1999.05.01", "1999"},           {"01/05/1999", "1999"}, {"12345.1999", "1999"}, {"99.05.01", ""}, {"", ""},
        {"\xFF\x32\x30\x30\x31", "2001"}, {"19990501", ""},       {"May 1970?", "1970"}};
    for (const auto& [date, year] : cases)
        EXPECT_EQ(DateYear(date), year) << date;
}

// The rules said plainly: count every label, order, cut after twenty.
std::vector<TStatRow> ReferenceLargest(const std::map<std::string, int64_t>& counts, const char* other) {
    std::vector<TStatRow> rows;
    for (const auto& [label, count] : counts)
        rows.push_back({label.empty() ? kEmptyLabel : label, count});
    std::stable_sort(rows.begin(), rows.end(), [](const TStatRow& a, const TStatRow& b) { return a.Count > b.Count; });
    if (rows.size() > kMostStatRows) {
        int64_t rest = 0;
        for (size_t i = kMostStatRows; i < rows.size(); ++i)
            rest += rows[i].Count;
        rows.resize(kMostStatRows);
        rows.push_back({other, rest});
    }
    return rows;
}

std::vector<TStatRow> ReferenceCodes(const TArrayOfBootData& data, const std::vector<int32_t>& view, TCodeKind kind) {
    std::vector<TStatRow> rows;
    for (int32_t code = 0; code <= CodeCount(kind); ++code) {
        int64_t count = 0;
        for (int32_t i : view) {
            const int32_t value = kind == TCodeKind::Source ? data[i].Source : data[i].Media;
            count += code < CodeCount(kind) ? value == code : !IsCode(kind, value);
        }
        if (count == 0)
            continue;
        const std::string name = code < CodeCount(kind) ? DefaultCodeName(kind, code) : kUnknownCodeLabel;
        rows.push_back({name.empty() ? kEmptyLabel : name, count});
    }
    return rows;
}

void ExpectRows(const std::vector<TStatRow>& got, const std::vector<TStatRow>& want, const char* what) {
    ASSERT_EQ(got.size(), want.size()) << what;
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].Label, want[i].Label) << what << " row " << i;
        EXPECT_EQ(got[i].Count, want[i].Count) << what << " row " << i;
    }
}

TEST(ListStatistics, AgreesWithPlainCountsOnRandomListsAndViews) {
    std::mt19937 rng(34);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const char* const dates[] = {"1999.01.01", "2001.1.1", "1999.12.31", "n/a", ""};
    for (int round = 0; round < 200; ++round) {
        TArrayOfBootData data;
        std::vector<int32_t> view;
        for (int i = pick(200); i > 0; --i) { // beyond 64 bands the counting table grows
            TBootData& r = data.emplace_back();
            r.Band = pick(4) ? "Band " + std::to_string(pick(300)) : "\xE9";
            r.Date = dates[pick(5)];
            r.Quality = pick(3) ? std::string(1, char('A' + pick(26))) : "";
            r.Source = pick(9) - 1;
            r.Media = pick(20) - 1;
            if (pick(3))
                view.push_back(static_cast<int32_t>(data.size() - 1));
        }
        const TListStatistics stats = ListStatistics(data, &view);
        ASSERT_EQ(stats.Total, static_cast<int64_t>(view.size()));
        std::map<std::string, int64_t> years, bands, qualities;
        for (int32_t i : view) {
            ++years[DateYear(data[i].Date)];
            ++bands[data[i].Band];
            ++qualities[data[i].Quality];
        }
        std::vector<TStatRow> yearRows;
        for (const auto& [year, count] : years)
            if (!year.empty())
                yearRows.push_back({year, count});
        if (years.count(""))
            yearRows.push_back({kNoYearLabel, years[""]});
        ASSERT_EQ(stats.Tables.size(), size_t(kStatKinds));
        ExpectRows(stats.Tables[0].Rows, yearRows, "year");
        ExpectRows(stats.Tables[1].Rows, ReferenceLargest(bands, kOtherBandsLabel), "band");
        ExpectRows(stats.Tables[2].Rows, ReferenceCodes(data, view, TCodeKind::Source), "source");
        ExpectRows(stats.Tables[3].Rows, ReferenceCodes(data, view, TCodeKind::Media), "media");
        ExpectRows(stats.Tables[4].Rows, ReferenceLargest(qualities, kOtherQualitiesLabel), "quality");
    }
}

TEST(ListStatistics, TheWholeListAndTheLinesOfTheCommandLine) {
    TArrayOfBootData data(3);
    data[0].Band = data[1].Band = "B";
    data[0].Date = "1999.05.01";
    data[0].Source = 1;
    data[1].Media = 99;
    const TListStatistics stats = ListStatistics(data, nullptr);
    EXPECT_EQ(StatisticsLines(stats),
              (std::vector<std::string>{"total\t\t3", "year\t1999\t1", "year\t(no year)\t2", "band\tB\t2",
                                        "band\t(none)\t1", "source\t(none)\t2", "source\tSoundboard\t1",
                                        "media\t(none)\t2", "media\t(unknown code)\t1", "quality\t(none)\t3"}));
    EXPECT_EQ(StatTableText(stats.Tables[1]), "Band\tBootlegs\r\nB\t2\r\n(none)\t1\r\n");
}

} // namespace
