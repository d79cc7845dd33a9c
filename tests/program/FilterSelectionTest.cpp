#include "program/FilterSelection.h"

#include <gtest/gtest.h>

namespace {

TFilterState TwoBands() {
    TFilterState filter;
    filter.Bands.resize(2);
    filter.Bands[0].Tours.resize(2);
    filter.Bands[1].Tours.resize(1);
    return filter;
}

TEST(FilterSelection, LinesFollowBandsAndTheirTours) {
    TFilterState filter = TwoBands();
    filter.AllBands = false;
    filter.Bands[0].Tours[1].Selected = true;
    filter.Bands[1].Selected = true;
    filter.SourceSelAll = false;
    filter.SourceSel[2] = true;
    const TFilterSelection lines = FilterSelection(filter);
    EXPECT_EQ(lines.Bands, (std::vector<bool>{false, false, false, true, true, false}));
    ASSERT_EQ(lines.Sources.size(), 1u + kSourceCount);
    EXPECT_TRUE(lines.Sources[3]);
    EXPECT_FALSE(lines.Sources[0]);
    ASSERT_EQ(lines.Media.size(), 1u + kMediaCount);
    EXPECT_TRUE(lines.Media[0]);
}

TEST(FilterSelection, ReadsBackAndTreatsMissingLinesAsUnselected) {
    TFilterState filter = TwoBands();
    TFilterSelection lines;
    lines.Bands = {false, true, false, true};
    lines.Sources = {false, true};
    ApplyFilterSelection(filter, lines);
    EXPECT_FALSE(filter.AllBands);
    EXPECT_TRUE(filter.Bands[0].Selected);
    EXPECT_TRUE(filter.Bands[0].Tours[1].Selected);
    EXPECT_FALSE(filter.Bands[1].Selected);
    EXPECT_FALSE(filter.Bands[1].Tours[0].Selected);
    EXPECT_FALSE(filter.SourceSelAll);
    EXPECT_TRUE(filter.SourceSel[0]);
    EXPECT_FALSE(filter.SourceSel[1]);
    EXPECT_FALSE(filter.MediaSelAll); // nothing selected hides every record
}

} // namespace
