#include "controls/grid/GridReading.h"

#include "GridTestSupport.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// One column of each kind a reader hears differently, two rows.
class GridReadingTest : public testing::Test {
protected:
    void SetUp() override {
        SetUpColumns(Grid, 6, 2, ckText);
        const uint8_t kinds[] = {ckText, ckInteger, ckCheck, ckColor, ckList, ckExternal};
        for (int32_t x = 1; x <= 6; ++x)
            Grid.Column(x).Kind = kinds[x - 1];
        Grid.Column(1).SetHeading("|b Band|f ||name");
        Grid.EditCell(1, 1).S = "AC|DC\nlive";
        Grid.EditCell(2, 1).I = 42;
        Grid.EditCell(3, 1).I = 1;
        Grid.EditCell(4, 1).I = 0x0000FF;
        Grid.EditCell(4, 2).I = -1;
        Grid.EditCell(5, 1).I = 3;
        Grid.OnObjectText = [](TGridModel&, int32_t x, int32_t y, int32_t index, std::string& text) {
            text = std::to_string(x) + "/" + std::to_string(y) + "/" + std::to_string(index);
        };
    }
    TGridModel Grid;
};

TEST_F(GridReadingTest, ReadsEachCellAsTheGridPaintsIt) {
    EXPECT_EQ(ReadGridCell(Grid, 1, 1).Text, "AC/DC\nlive"); // bars drawn as slashes, the whole text
    EXPECT_EQ(ReadGridCell(Grid, 2, 1).Text, "42");
    EXPECT_EQ(ReadGridCell(Grid, 3, 1).Text, "");
    EXPECT_EQ(ReadGridCell(Grid, 4, 1).Text, "$0000FF");
    EXPECT_EQ(ReadGridCell(Grid, 4, 2).Text, ""); // no colour paints nothing
    EXPECT_EQ(ReadGridCell(Grid, 5, 1).Text, "5/1/3");
    EXPECT_EQ(ReadGridCell(Grid, 6, 2).Text, "6/2/0");
    Grid.SetExtendWrite(true);
    EXPECT_EQ(ReadGridCell(Grid, 1, 1).Text, "AC|DC\nlive"); // drawn literally
}

TEST_F(GridReadingTest, TickCellsAreCheckableAndCheckedWhenSet) {
    EXPECT_TRUE(ReadGridCell(Grid, 3, 1).Checkable && ReadGridCell(Grid, 3, 1).Checked);
    EXPECT_FALSE(ReadGridCell(Grid, 3, 2).Checked || ReadGridCell(Grid, 1, 1).Checkable);
}

TEST_F(GridReadingTest, EditableFollowsTheColumnTheOwnerAndTheEditorSwitch) {
    EXPECT_TRUE(ReadGridCell(Grid, 1, 1).Editable);
    Grid.Column(1).Enabled = false;
    EXPECT_FALSE(ReadGridCell(Grid, 1, 1).Editable);
    Grid.OnCellEnabled = [](TGridModel&, int32_t, int32_t y, bool& enabled) { enabled = y == 2; };
    EXPECT_TRUE(ReadGridCell(Grid, 2, 2).Editable);
    EXPECT_FALSE(ReadGridCell(Grid, 2, 1).Editable);
    Grid.SetEditorEnabled(false);
    EXPECT_FALSE(ReadGridCell(Grid, 2, 2).Editable);
}

TEST_F(GridReadingTest, UndrawnCellsAndCellsOutsideTheGridReadNothing) {
    Grid.OnDrawCell = [](TGridModel&, bool& draw, int32_t x, int32_t) { draw = x != 2; };
    EXPECT_EQ(ReadGridCell(Grid, 2, 1).Text, "");
    EXPECT_FALSE(ReadGridCell(Grid, 2, 1).Editable);
    EXPECT_EQ(ReadGridCell(Grid, 5, 1).Text, "5/1/3");
    for (auto [x, y] : {std::pair{0, 1}, {7, 1}, {1, 0}, {1, 3}})
        EXPECT_EQ(ReadGridCell(Grid, x, y).Text, "") << x << "," << y;
}

TEST_F(GridReadingTest, CaptionsDropTheirMarkupCodes) {
    EXPECT_EQ(ColumnCaption(Grid, 1), "Band name");
    EXPECT_EQ(ColumnCaption(Grid, 7), "");
    EXPECT_EQ(RowCaption(Grid, 2), "2");
    Grid.OnDrawHeading = [](TGridModel&, std::string& value, int32_t y) { value = "No.|b " + std::to_string(y * 10); };
    EXPECT_EQ(RowCaption(Grid, 2), "No.20");
    EXPECT_EQ(RowCaption(Grid, 3), "");
}

TEST_F(GridReadingTest, NewsTellsARefillAndACursorMoveOnce) {
    TGridTold told;
    const auto news = [&] {
        const TGridNews taken = TakeGridNews(Grid, told);
        return std::make_pair(taken.Reset, taken.Moved);
    };
    EXPECT_EQ(news(), std::make_pair(true, true));
    EXPECT_EQ(news(), std::make_pair(false, false));
    Grid.Row = 2;
    EXPECT_EQ(news(), std::make_pair(false, true));
    Grid.SetCountRows(5);
    EXPECT_EQ(news(), std::make_pair(true, false));
}

} // namespace
