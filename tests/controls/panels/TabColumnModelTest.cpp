#include "controls/panels/TabColumnModel.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TTabColumnModel Column(std::vector<int32_t> indices) {
    TTabColumnModel column;
    column.SetPageIndices(std::move(indices));
    column.Load();
    return column;
}

TEST(TabColumnModel, TabsStandOneBelowTheOtherAndPagesFillTheRest) {
    TTabColumnModel column = Column({1, 2, 3});
    EXPECT_EQ(column.TabRect(1), (TRect{5, 4, 100, 28}));
    EXPECT_EQ(column.TabRect(3), (TRect{5, 52, 100, 76}));
    EXPECT_EQ(column.CaptionRect(2), (TRect{10, 28, 95, 52}));
    EXPECT_EQ(column.PageBounds(396, 292), (TRect{100, 0, 396, 292}));
    // The corners of the tabs, and just outside them.
    for (auto [x, y, tab] : {std::tuple{5, 4, 1}, {99, 75, 3}, {4, 10, 0}, {100, 10, 0}, {50, 3, 0}, {50, 76, 0}})
        EXPECT_EQ(column.TabAt(x, y), tab) << x << "," << y;
}

TEST(TabColumnModel, SizesTakeOnlyValuesAboveZero) {
    TTabColumnModel column;
    EXPECT_FALSE(column.SetTabHeight(0));
    EXPECT_FALSE(column.SetTabHeight(-5));
    EXPECT_FALSE(column.SetTabWidth(0));
    EXPECT_EQ(column.TabHeight(), 24);
    EXPECT_EQ(column.TabWidth(), 100);
    EXPECT_TRUE(column.SetTabHeight(80));
    EXPECT_FALSE(column.SetTabHeight(80));
    EXPECT_TRUE(column.SetTabWidth(40));
    EXPECT_EQ(column.TabRect(2), (TRect{5, 84, 40, 164}));
}

TEST(TabColumnModel, AGapInTheNumbersEndsTheTabsAndTheFirstOfTwoEqualNumbersWins) {
    TTabColumnModel gap = Column({1, 3});
    EXPECT_EQ(gap.TabCount(), 1);
    EXPECT_EQ(gap.TabAt(50, 40), 0); // where tab 2 would be
    EXPECT_FALSE(gap.SetActivePage(2));
    EXPECT_FALSE(gap.SetActivePage(3)); // beyond the two pages
    EXPECT_EQ(gap.ActivePage(), 1);

    TTabColumnModel twins = Column({2, 1, 1});
    EXPECT_EQ(twins.PagePosition(1), 1);
    EXPECT_EQ(twins.PagePosition(2), 0);
    EXPECT_EQ(twins.PagePosition(3), -1);
    EXPECT_EQ(twins.TabCount(), 2);
}

TEST(TabColumnModel, PagesAreLoadedOnceAndStepWrapping) {
    TTabColumnModel column;
    column.SetPageIndices({1, 2, 3});
    EXPECT_EQ(column.ActivePage(), 0);
    EXPECT_TRUE(column.Load());
    EXPECT_EQ(column.ActivePage(), 1);
    EXPECT_TRUE(column.NextPage(true));
    EXPECT_EQ(column.ActivePage(), 3);
    EXPECT_TRUE(column.NextPage(false));
    EXPECT_EQ(column.ActivePage(), 1);
    EXPECT_TRUE(column.NextPage(false));
    EXPECT_EQ(column.ActivePage(), 2);

    TTabColumnModel one = Column({1});
    EXPECT_FALSE(one.NextPage(false));
    EXPECT_FALSE(one.NextPage(true));
    EXPECT_EQ(one.ActivePage(), 1);
    TTabColumnModel none = Column({});
    EXPECT_EQ(none.ActivePage(), 0);
    EXPECT_FALSE(none.NextPage(false));
}

TEST(TabColumnModel, OnlyALeftPressOnAnotherPagesTabSwitches) {
    TTabColumnModel column = Column({1, 2});
    EXPECT_FALSE(column.Press(true, 50, 10)); // the active tab
    EXPECT_FALSE(column.Press(false, 50, 40));
    EXPECT_FALSE(column.Press(true, 150, 40)); // on the page
    EXPECT_TRUE(column.Press(true, 50, 40));
    EXPECT_EQ(column.ActivePage(), 2);
}

} // namespace
