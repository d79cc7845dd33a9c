#include "core/ListView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

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

// Two bands with two tours each; nothing selected yet.
TFilterState Concerts() {
    TFilterState f;
    f.AllBands = false;
    f.Bands.resize(2);
    f.Bands[0].Name = "Alpha";
    f.Bands[0].Tours = {Tour("Spring", "2001.03.01", "2001.05.31"), Tour("Autumn", "2001.09.01", "2001.11.30")};
    f.Bands[1].Name = "Beta";
    f.Bands[1].Tours = {Tour("World", "1999.01.01", "1999.12.31"), Tour("Summer", "", "")};
    return f;
}

// Every record is in the view exactly at its ViewIndex, or hidden with -1.
void ExpectView(TArrayOfBootData& data, const TFilterState& f, const std::vector<int32_t>& expected, const char* name) {
    EXPECT_EQ(BuildListView(data, f), expected) << name;
    for (size_t i = 0; i < data.size(); ++i) {
        auto at = std::find(expected.begin(), expected.end(), static_cast<int32_t>(i));
        EXPECT_EQ(data[i].ViewIndex, at == expected.end() ? -1 : static_cast<int32_t>(at - expected.begin()))
            << name << " record " << i;
    }
}

} // namespace

TEST(ListView, FiltersCombineAndEveryRecordKnowsItsRow) {
    const struct {
        const char* Name;
        std::function<void(TFilterState&)> Select;
        std::vector<int32_t> View;
    } cases[] = {
        {"nothing selected", [](TFilterState&) {}, {}},
        {"all bands", [](TFilterState& f) { f.AllBands = true; }, {0, 1, 2, 3, 4, 5, 6}},
        {"a band in its exact case", [](TFilterState& f) { f.Bands[0].Selected = true; }, {0, 1, 2, 3}},
        {"a tour's dates byte-wise", [](TFilterState& f) { f.Bands[0].Tours[0].Selected = true; }, {0, 1}},
        {"a tour without dates", [](TFilterState& f) { f.Bands[1].Tours[1].Selected = true; }, {}},
        {"a tour or a band",
         [](TFilterState& f) {
             f.Bands[0].Tours[0].Selected = true;
             f.Bands[1].Selected = true;
         },
         {0, 1, 4}},
        {"sources and bands",
         [](TFilterState& f) {
             f.Bands[0].Selected = f.Bands[1].Selected = true;
             f.SourceSelAll = false;
             f.SourceSel[1] = f.SourceSel[3] = true;
         },
         {0, 2, 4}},
        {"sources, media and bands",
         [](TFilterState& f) {
             f.Bands[0].Selected = f.Bands[1].Selected = true;
             f.SourceSelAll = f.MediaSelAll = false;
             f.SourceSel[1] = f.SourceSel[3] = true;
             f.MediaSel[8] = f.MediaSel[2] = true;
         },
         {2, 4}},
        {"sources and media of all bands",
         [](TFilterState& f) {
             f.AllBands = true;
             f.SourceSelAll = f.MediaSelAll = false;
             f.SourceSel[1] = f.SourceSel[3] = true;
             f.MediaSel[8] = f.MediaSel[2] = f.MediaSel[1] = true;
         },
         {0, 2, 4, 5, 6}},
    };
    for (const auto& c : cases) {
        TArrayOfBootData data = {
            Record("Alpha", "2001.03.01", 1, 1),  // 0: first day of Spring
            Record("Alpha", "2001.05.31", 4, 13), // 1: last day of Spring
            Record("Alpha", "2001.06.15", 1, 8),  // 2: between the tours
            Record("Alpha", "2001.5.10", 2, 1),   // 3: not fixed-width: after "2001.05.31" byte-wise
            Record("Beta", "1999.07.04", 3, 2),   // 4
            Record("alpha", "2001.04.01", 1, 1),  // 5: other letter case
            Record("Gamma", "2001.04.01", 1, 1),  // 6: no concert list
        };
        TFilterState f = Concerts();
        c.Select(f);
        ExpectView(data, f, c.View, c.Name);
    }
}

TEST(ListView, CodesOutsideTheTablesMatchNoSelection) {
    TArrayOfBootData data = {Record("x", "", -1, 0), Record("x", "", 6, 17), Record("x", "", INT32_MAX, INT32_MIN)};
    TFilterState f;
    ExpectView(data, f, {0, 1, 2}, "no selection");
    f.SourceSelAll = false;
    f.SourceSel.fill(true);
    ExpectView(data, f, {}, "every source");
    f.SourceSelAll = true;
    f.MediaSelAll = false;
    f.MediaSel.fill(true);
    ExpectView(data, f, {0}, "every media");
}
