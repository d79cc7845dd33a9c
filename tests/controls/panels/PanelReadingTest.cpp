#include "controls/panels/PanelReading.h"

#include <gtest/gtest.h>

namespace {

TEST(PanelReading, CheckModeReadsTheChecksRadioModeTheSelection) {
    TOptionPanelModel model;
    model.SetCount(3);
    model.SetChecked(2, true);
    EXPECT_FALSE(SpokenChecked(model, 1));
    EXPECT_TRUE(SpokenChecked(model, 2));
    model.SetRadio(true);
    model.SetItemIndex(3);
    EXPECT_FALSE(SpokenChecked(model, 2));
    EXPECT_TRUE(SpokenChecked(model, 3));
    EXPECT_FALSE(SpokenChecked(model, 4));
    model.SetItemIndex(0);
    EXPECT_FALSE(SpokenChecked(model, 0));
}

TEST(PanelReading, TogglesAreToldOnceForTheItemsThatChanged) {
    TOptionPanelModel model;
    model.SetCount(3);
    std::vector<bool> told;
    EXPECT_TRUE(TakeToggledItems(model, told).empty()); // the first look only learns
    model.SetChecked(1, true);
    model.SetChecked(3, true);
    EXPECT_EQ(TakeToggledItems(model, told), (std::vector<int32_t>{1, 3}));
    EXPECT_TRUE(TakeToggledItems(model, told).empty());
    model.SetRadio(true); // item 1 becomes the selection, the checks no longer count
    EXPECT_EQ(TakeToggledItems(model, told), (std::vector<int32_t>{3}));
    model.SetItemIndex(2);
    EXPECT_EQ(TakeToggledItems(model, told), (std::vector<int32_t>{1, 2}));
    model.SetCount(4); // a new item is not a toggle
    EXPECT_TRUE(TakeToggledItems(model, told).empty());
}

} // namespace
