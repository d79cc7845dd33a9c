#include "core/ListView.h"
#include "core/Project.h"

#include <gtest/gtest.h>

namespace {

TBootData Record(const std::string& band, const std::string& date, int32_t source = 0, int32_t media = 0) {
    TBootData r;
    r.Band = band;
    r.Date = date;
    r.Source = source;
    r.Media = media;
    return r;
}

TTour Tour(const std::string& name, const std::string& first, const std::string& last) {
    TTour t;
    t.Name = name;
    t.FirstDate = first;
    t.LastDate = last;
    return t;
}

TBand Band(const std::string& name, std::vector<TTour> tours) {
    TBand b;
    b.Name = name;
    b.Tours = std::move(tours);
    return b;
}

// Two bands with two tours each; nothing selected yet.
TFilterState Concerts() {
    TFilterState f;
    f.AllBands = false;
    f.Bands.push_back(
        Band("Alpha", {Tour("Spring", "2001.03.01", "2001.05.31"), Tour("Autumn", "2001.09.01", "2001.11.30")}));
    f.Bands.push_back(Band("Beta", {Tour("World", "1999.01.01", "1999.12.31"), Tour("Summer", "", "")}));
    return f;
}

TArrayOfBootData Records() {
    return {
        Record("Alpha", "2001.03.01", 1, 1),  // 0: first day of Spring
        Record("Alpha", "2001.05.31", 4, 13), // 1: last day of Spring
        Record("Alpha", "2001.06.15", 1, 8),  // 2: between the tours
        Record("Alpha", "2001.5.10", 2, 1),   // 3: not fixed-width: after "2001.05.31" byte-wise
        Record("Beta", "1999.07.04", 3, 2),   // 4
        Record("alpha", "2001.04.01", 1, 1),  // 5: other letter case
        Record("Gamma", "2001.04.01", 1, 1),  // 6: no concert list
    };
}

std::vector<int32_t> View(TArrayOfBootData& data, const TFilterState& f) {
    return BuildListView(data, f);
}

} // namespace

TEST(ListView, AllBandsShowsEveryRecordAndNumbersTheRows) {
    TArrayOfBootData data = Records();
    TFilterState f = Concerts();
    f.AllBands = true;
    EXPECT_EQ(View(data, f), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6}));
    for (size_t i = 0; i < data.size(); ++i)
        EXPECT_EQ(data[i].ViewIndex, static_cast<int32_t>(i));
}

TEST(ListView, NothingSelectedShowsNothing) {
    TArrayOfBootData data = Records();
    EXPECT_TRUE(View(data, Concerts()).empty());
    for (const TBootData& r : data)
        EXPECT_EQ(r.ViewIndex, -1);
}

TEST(ListView, SelectedBandShowsItsRecordsOnlyInItsExactCase) {
    TArrayOfBootData data = Records();
    TFilterState f = Concerts();
    f.Bands[0].Selected = true;
    EXPECT_EQ(View(data, f), (std::vector<int32_t>{0, 1, 2, 3}));
    EXPECT_EQ(data[5].ViewIndex, -1);
    EXPECT_EQ(data[3].ViewIndex, 3);
}

TEST(ListView, SelectedTourShowsDatesInItsRangeByteWise) {
    TArrayOfBootData data = Records();
    TFilterState f = Concerts();
    f.Bands[0].Tours[0].Selected = true;
    EXPECT_EQ(View(data, f), (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(data[1].ViewIndex, 1);
    EXPECT_EQ(data[2].ViewIndex, -1);
}

TEST(ListView, ToursAndBandsCombineWithOr) {
    TArrayOfBootData data = Records();
    TFilterState f = Concerts();
    f.Bands[0].Tours[0].Selected = true;
    f.Bands[1].Selected = true;
    EXPECT_EQ(View(data, f), (std::vector<int32_t>{0, 1, 4}));
}

TEST(ListView, TourWithEmptyDatesHoldsNoRecord) {
    TArrayOfBootData data = Records();
    TFilterState f = Concerts();
    f.Bands[1].Tours[1].Selected = true;
    EXPECT_TRUE(View(data, f).empty());
}

TEST(ListView, SourceAndMediaCombineWithTheBands) {
    TArrayOfBootData data = Records();
    TFilterState f = Concerts();
    f.Bands[0].Selected = true;
    f.Bands[1].Selected = true;
    f.SourceSelAll = false;
    f.SourceSel[1] = true;
    f.SourceSel[3] = true;
    EXPECT_EQ(View(data, f), (std::vector<int32_t>{0, 2, 4}));
    f.MediaSelAll = false;
    f.MediaSel[8] = true;
    f.MediaSel[2] = true;
    EXPECT_EQ(View(data, f), (std::vector<int32_t>{2, 4}));
    f.AllBands = true;
    f.MediaSel[1] = true;
    EXPECT_EQ(View(data, f), (std::vector<int32_t>{0, 2, 4, 5, 6}));
}

TEST(ListView, CodesOutsideTheTablesMatchNoSelection) {
    TArrayOfBootData data = {Record("x", "", -1, 0), Record("x", "", 6, 17), Record("x", "", INT32_MAX, INT32_MIN)};
    TFilterState f;
    EXPECT_EQ(View(data, f).size(), 3u);
    f.SourceSelAll = false;
    f.SourceSel.fill(true);
    EXPECT_TRUE(View(data, f).empty());
    f.SourceSelAll = true;
    f.MediaSelAll = false;
    f.MediaSel.fill(true);
    EXPECT_EQ(View(data, f), (std::vector<int32_t>{0}));
}

TEST(ListView, ProjectKeepsTheViewAndRebuildsIt) {
    TProject list;
    list.Data = Records();
    TFilterState f = Concerts();
    f.Bands[1].Selected = true;
    list.BuildView(f);
    EXPECT_EQ(list.View, (std::vector<int32_t>{4}));
    f.AllBands = true;
    list.BuildView(f);
    EXPECT_EQ(list.View.size(), list.Data.size());
}
