#include "program/ExportOrder.h"

#include <gtest/gtest.h>

namespace {

using TSelection = std::array<bool, kExportLineCount>;

TSelection Selected(std::initializer_list<int> positions) {
    TSelection selection{};
    for (int position : positions)
        selection[static_cast<size_t>(position)] = true;
    return selection;
}

} // namespace

TEST(ExportOrder, TheDefaultExportsEveryPropertyInNumberOrderUnderItsCaption) {
    const TExportOrder order = DefaultExportOrder();
    EXPECT_TRUE(IsExportOrder(order));
    EXPECT_EQ(ExportedLines(order), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_TRUE(IsExportedPosition(order, 12));
    EXPECT_FALSE(IsExportedPosition(order, 13));
    EXPECT_EQ(ExportLineCaption(5), "Boootleg name");
    EXPECT_EQ(ExportLineCaption(kExportSeparatorLine), ""); // the separator has no caption
}

TEST(ExportOrder, LinesFromTheSeparatorDownAreNotExported) {
    TExportOrder order = {13, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_TRUE(ExportedLines(order).empty());
    for (int k = 0; k < kExportLineCount; ++k)
        EXPECT_FALSE(IsExportedPosition(order, k)) << k;
    order = {4, 0, 13, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ(ExportedLines(order), (std::vector<int32_t>{4, 0}));
    EXPECT_TRUE(IsExportedPosition(order, 1));
    EXPECT_FALSE(IsExportedPosition(order, 2));
    EXPECT_FALSE(IsExportedPosition(order, -1));
}

TEST(ExportOrder, OnlyPermutationsAreOrders) {
    TExportOrder order = DefaultExportOrder();
    order[3] = 4;
    EXPECT_FALSE(IsExportOrder(order));
    order[3] = 14;
    EXPECT_FALSE(IsExportOrder(order));
    order = {13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    EXPECT_TRUE(IsExportOrder(order));
}

TEST(ExportOrder, DroppedLinesMoveAsABlockBeforeTheTarget) {
    struct TDrop {
        TSelection Selection;
        int Target;
        TExportOrder Expected;
        TSelection ExpectedSelection;
    };
    const TDrop drops[] = {
        // "04 Country" and "02 Date" onto "01 Band".
        {Selected({3, 1}), 0, {1, 3, 0, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, Selected({0, 1})},
        // Below the last line.
        {Selected({0, 13}), kExportLineCount, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 13}, Selected({12, 13})},
        // Onto one of the moved lines: the block lands where that line was.
        {Selected({2, 5}), 5, {0, 1, 3, 4, 2, 5, 6, 7, 8, 9, 10, 11, 12, 13}, Selected({4, 5})},
        // The separator moved to the top.
        {Selected({13}), 0, {13, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, Selected({0})},
        // Nothing selected changes nothing.
        {Selected({}), 4, DefaultExportOrder(), Selected({})}};
    for (const TDrop& drop : drops) {
        TSelection after{};
        EXPECT_EQ(DropSelectedLines(DefaultExportOrder(), drop.Selection, drop.Target, after), drop.Expected)
            << "target " << drop.Target;
        EXPECT_EQ(after, drop.ExpectedSelection) << "target " << drop.Target;
    }
}

TEST(ExportOrder, CtrlArrowsMoveTheSelectedBlockOneLine) {
    TSelection after{};
    const TExportOrder order = DefaultExportOrder();
    EXPECT_EQ(DropSelectedLines(order, Selected({2, 3}), StepTarget(Selected({2, 3}), false), after),
              (TExportOrder{0, 2, 3, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(after, Selected({1, 2}));
    EXPECT_EQ(DropSelectedLines(order, Selected({2, 3}), StepTarget(Selected({2, 3}), true), after),
              (TExportOrder{0, 1, 4, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(after, Selected({3, 4}));
    EXPECT_EQ(DropSelectedLines(order, Selected({12}), StepTarget(Selected({12}), true), after),
              (TExportOrder{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 12}));
    EXPECT_EQ(StepTarget(Selected({0, 5}), false), -1);
    EXPECT_EQ(StepTarget(Selected({13}), true), -1);
    EXPECT_EQ(StepTarget(Selected({}), true), -1);
}
