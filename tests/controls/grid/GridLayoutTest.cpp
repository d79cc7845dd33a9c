#include "controls/grid/GridLayout.h"
#include "GridTestSupport.h"
#include "controls/grid/GridColors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

// Three columns 50, 80 and 100 wide, 100 rows of 20 under a heading row of
// 20 and beside a heading column of 30, in a control of 300 x 200.
struct TLayoutGrid {
    TGridModel Grid;
    TGridExtent Extent{300, 200, 16, 16, 16};

    explicit TLayoutGrid(int32_t rows = 100) {
        SetUpColumns(Grid, 3, rows, ckText);
        Grid.Column(2).Width = 80;
        Grid.Column(3).Width = 100;
        Grid.UpdateColumnPositions();
        Update();
    }
    void Update() {
        ScrollInView(Grid, Extent);
        UpdateScrollBars(Grid, Extent);
    }
    void MoveTo(int32_t col, int32_t row) {
        Grid.Col = col;
        Grid.Row = row;
        Grid.ResetSelection();
        Update();
    }
};

TEST(GridLayoutRects, CellsHeadingsAndCornerFollowTheScrollPosition) {
    TLayoutGrid g;
    EXPECT_EQ(CellRect(g.Grid, 1, 1), (TRect{30, 20, 80, 40}));
    EXPECT_EQ(CellRect(g.Grid, 3, 2), (TRect{160, 40, 260, 60}));
    EXPECT_EQ(ColumnHeadingRect(g.Grid, 2), (TRect{80, 2, 160, 20}));
    EXPECT_EQ(RowHeadingRect(g.Grid, 3), (TRect{5, 65, 25, 80}));
    EXPECT_EQ(CornerRect(g.Grid), (TRect{0, 0, 31, 21}));
    EXPECT_EQ(RangeRect(g.Grid, {2, 2, 3, 4}), (TRect{80, 40, 260, 100}));
    g.Grid.LeftCol = 2;
    g.Grid.TopRow = 5;
    EXPECT_EQ(ScrollOffsetX(g.Grid), 50);
    EXPECT_EQ(ScrollOffsetY(g.Grid), 80);
    EXPECT_EQ(CellRect(g.Grid, 2, 5), (TRect{30, 20, 110, 40}));
    EXPECT_EQ(CellRect(g.Grid, 1, 4), (TRect{-20, 0, 30, 20}));
    // Far outside they saturate instead of overflowing.
    g.Grid.SetRowHeight(1 << 20);
    const TRect r = CellRect(g.Grid, 1, 1 << 20);
    EXPECT_GT(r.Top, 0);
    EXPECT_GE(r.Bottom, r.Top);
}

TEST(GridLayoutRects, MouseToCellFindsTheCellUnderThePoint) {
    TLayoutGrid g(10);
    // Right of the last column is the last column, the heading column is column 1,
    // above the first row is row 1 and below the last the last.
    const std::tuple<int32_t, int32_t, TGridCell> cases[] = {
        {30, 20, {1, 1}}, {79, 39, {1, 1}}, {80, 40, {2, 2}},   {259, 59, {3, 2}},   {290, 50, {3, 2}},
        {0, 50, {1, 2}},  {40, 5, {1, 1}},  {40, -100, {1, 1}}, {40, 5000, {1, 10}},
    };
    for (const auto& [x, y, cell] : cases)
        EXPECT_EQ(MouseToCell(g.Grid, x, y), cell) << x << "," << y;
    g.Grid.SetCountRows(100);
    g.Grid.LeftCol = 2;
    g.Grid.TopRow = 50;
    EXPECT_EQ(MouseToCell(g.Grid, 31, 21), (TGridCell{2, 50}));
    EXPECT_EQ(MouseToCell(g.Grid, 111, 61), (TGridCell{3, 52}));
}

TEST(GridLayoutRects, OnlyRectsThatShareAPixelIntersect) {
    const TRect cell{10, 10, 20, 20};
    for (const TRect& touching :
         {TRect{0, 10, 10, 20}, TRect{20, 10, 30, 20}, TRect{10, 0, 20, 10}, TRect{10, 20, 20, 30}})
        EXPECT_FALSE(Intersects(cell, touching) || Intersects(touching, cell));
    EXPECT_TRUE(Intersects(cell, TRect{19, 19, 30, 30}) && Intersects(TRect{19, 19, 30, 30}, cell));
}

// The loops the closed forms stand for, kept literal.
void ReferenceRows(TGridModel& g, const TGridExtent& e) {
    const int32_t hh = g.HeadingHeight(), rh = g.RowHeight();
    while (g.TopRow == 0 || ((g.Row - g.TopRow + 1) * rh > e.Height - hh - e.HBar && g.Row > g.TopRow))
        ++g.TopRow;
    while ((g.Row - g.TopRow + 1) * rh < hh && g.Row < g.TopRow)
        --g.TopRow;
    g.LastRow = g.CountRows();
    while ((g.LastRow - g.TopRow) * rh > e.Height - hh && g.TopRow < g.LastRow)
        --g.LastRow;
}

int32_t ReferenceLastRowAfterScroll(const TGridModel& g, const TGridExtent& e) {
    int32_t last = g.CountRows();
    while ((last - g.TopRow + 1) * g.RowHeight() > e.Height - g.HeadingHeight() - e.HBar && g.TopRow < last)
        --last;
    return last;
}

// Height, start row, cursor row, row height.
class GridScrollRows : public testing::TestWithParam<std::tuple<int32_t, int32_t, int32_t, int32_t>> {};

TEST_P(GridScrollRows, MatchTheStepwiseRule) {
    const auto [height, top, row, rowHeight] = GetParam();
    TLayoutGrid g(500);
    g.Grid.SetRowHeight(rowHeight);
    g.Extent.Height = height;
    g.Grid.TopRow = top;
    g.Grid.Row = row;
    g.Grid.ResetSelection();
    ScrollInView(g.Grid, g.Extent);
    const int32_t gotTop = g.Grid.TopRow, gotLast = g.Grid.LastRow;
    g.Grid.TopRow = top;
    ReferenceRows(g.Grid, g.Extent);
    EXPECT_EQ(gotTop, g.Grid.TopRow);
    EXPECT_EQ(gotLast, g.Grid.LastRow);
    EXPECT_GE(row, gotTop) << "the cursor row is never above the view";

    UpdateScrollBars(g.Grid, g.Extent);
    SetTopRow(g.Grid, g.Extent, row);
    EXPECT_GE(g.Grid.TopRow, 1);
    EXPECT_LE(g.Grid.TopRow, std::max(1, 500 - std::max(1, g.Grid.VisibleRows) + 1));
    EXPECT_EQ(g.Grid.LastRow, ReferenceLastRowAfterScroll(g.Grid, g.Extent));
}

INSTANTIATE_TEST_SUITE_P(Cases, GridScrollRows,
                         testing::Combine(testing::Values(10, 39, 40, 200, 237, 5000), testing::Values(1, 7, 480),
                                          testing::Values(1, 6, 250, 500), testing::Values(1, 20, 33)));

TEST(GridScrollInView, JumpsToTheLastRowClampsTheCursorAndScrollsColumns) {
    TLayoutGrid g(100000);
    g.MoveTo(1, 100000);
    EXPECT_EQ(g.Grid.LastRow, 100000);
    // All columns fit, so no horizontal bar: 200 - 20 leaves 9 whole rows ending at the cursor.
    EXPECT_EQ(g.Grid.TopRow, 100000 - 9 + 1);
    g.MoveTo(1, 1);
    EXPECT_EQ(g.Grid.TopRow, 1);
    // A cursor outside is clamped and the selection collapsed.
    g.Grid.Col = 9;
    g.Grid.Row = 100040;
    g.Grid.Selection = {1, 1, 9, 100040};
    ScrollInView(g.Grid, g.Extent);
    EXPECT_EQ(g.Grid.Selection, (TGridRect{3, 100000, 3, 100000}));
    EXPECT_EQ(g.Grid.Col, 3);
    // Columns scroll both ways.
    TLayoutGrid c;
    c.Extent.Width = 150; // room for 150 - 30 - 16 = 104 pixels of columns
    c.MoveTo(3, 1);
    EXPECT_EQ(c.Grid.LeftCol * 10 + c.Grid.LastCol, 33);
    c.MoveTo(2, 1);
    EXPECT_EQ(c.Grid.LeftCol, 2);
    c.MoveTo(1, 1);
    EXPECT_EQ(c.Grid.LeftCol * 10 + c.Grid.LastCol, 12) << "column 2 shows in part";
    // Scrolling by codes stops at the first and the last column.
    ScrollColumns(c.Grid, c.Extent, TScrollCode::LineBack);
    EXPECT_EQ(c.Grid.LeftCol, 1);
    ScrollColumns(c.Grid, c.Extent, TScrollCode::Last);
    EXPECT_EQ(c.Grid.LeftCol, 3 - c.Grid.VisibleCols + 1);
    EXPECT_EQ(c.Grid.LastCol, 3);
}

TEST(GridScrollBars, ShowOnlyWhenNeededAndCountWholeRows) {
    TLayoutGrid g;
    EXPECT_EQ(g.Grid.VisibleCols, 3);
    EXPECT_EQ(g.Extent.HBar, 0);
    EXPECT_EQ(g.Extent.VBar, 16);
    // (200 - 20 - 0 - 1) div 20: rows whose bottom lies above the bottom edge.
    EXPECT_EQ(g.Grid.VisibleRows, 8);
    g.Extent.Width = 200;
    for (auto [height, rows] : {std::pair{200, 8}, {197, 8}, {196, 7}}) {
        g.Extent.Height = height;
        UpdateScrollBars(g.Grid, g.Extent);
        EXPECT_EQ(std::make_pair(g.Extent.HBar, g.Grid.VisibleRows), std::make_pair(16, rows)) << height;
    }

    TLayoutGrid few(5);
    EXPECT_EQ(few.Grid.VisibleRows, 5);
    EXPECT_EQ(few.Extent.VBar, 0);
    // Without rows or columns both bars keep their width.
    TLayoutGrid none(0);
    EXPECT_EQ(std::make_tuple(none.Extent.VBar, none.Extent.HBar, none.Grid.VisibleRows), std::make_tuple(16, 16, 0));
    few.Grid.SetColCount(0);
    UpdateScrollBars(few.Grid, few.Extent);
    EXPECT_EQ(std::make_tuple(few.Extent.VBar, few.Extent.HBar, few.Grid.VisibleCols), std::make_tuple(16, 16, 0));
}

TEST(GridScrollCodes, RowsMoveByLineAndPageAndStayInRange) {
    TLayoutGrid g;
    ASSERT_EQ(g.Grid.VisibleRows, 8);
    const std::tuple<TScrollCode, int32_t, int32_t> steps[] = {
        {TScrollCode::LineBack, 0, 1},   {TScrollCode::LineForward, 0, 2}, {TScrollCode::PageForward, 0, 10},
        {TScrollCode::PageBack, 0, 2},   {TScrollCode::Last, 0, 93},       {TScrollCode::Position, 50, 50},
        {TScrollCode::EndScroll, 7, 50}, {TScrollCode::First, 0, 1},
    };
    for (const auto& [code, position, top] : steps) {
        ScrollRows(g.Grid, g.Extent, code, position);
        EXPECT_EQ(g.Grid.TopRow, top) << int(code);
        EXPECT_TRUE(code != TScrollCode::Last || g.Grid.LastRow == 100);
    }
    g.Extent.Height = 30; // no whole row fits, yet the last row still shows
    UpdateScrollBars(g.Grid, g.Extent);
    EXPECT_EQ(g.Grid.VisibleRows, 0);
    ScrollRows(g.Grid, g.Extent, TScrollCode::Last);
    EXPECT_EQ(g.Grid.TopRow, 100);
}

TEST(GridLayoutRanges, VisitRangeAndDropTargetStayWithinTheGrid) {
    TLayoutGrid g;
    const TVisitRange r = VisitRange(g.Grid, 2);
    EXPECT_EQ(r.FirstRow, 1);
    EXPECT_EQ(r.LastRow, g.Grid.LastRow + 2);
    EXPECT_EQ(r.LastCol, 3);
    g.MoveTo(1, 100);
    EXPECT_EQ(VisitRange(g.Grid, 2).LastRow, 100);

    TLayoutGrid small(10);
    EXPECT_EQ(DropTarget(small.Grid, -50), 1);
    EXPECT_EQ(DropTarget(small.Grid, 65), 3);
    EXPECT_EQ(DropTarget(small.Grid, 5000), 11);
}

TEST(GridBlendColor, MixesEachChannel) {
    // 127.5 rounds to the even 128; the mix moves from the smaller value whichever
    // colour holds it; a factor past 1 saturates; the fourth byte is A's.
    const std::tuple<TColor, TColor, double, TColor> cases[] = {
        {0x102030, 0x102030, 0.5, 0x102030},  {0x000000, 0xFFFFFF, 0.5, 0x808080},
        {0xFFFFFF, 0x000000, 0.25, 0x404040}, {0xD77800, 0xFFFFFF, 0.66, 0xF1D1A8},
        {0x000000, 0x0000FF, 3.0, 0x0000FF},  {0x000080, 0x0000FF, 1.5, 0x0000FF},
        {0x7F000000, 0, 0.5, 0x7F000000},     {0x000000, 0x0000FF, std::nan(""), 0x0000FF},
    };
    for (const auto& [a, b, factor, expected] : cases)
        EXPECT_EQ(BlendColor(a, b, factor), expected) << std::hex << a << " " << b << " " << factor;
    TGridColors colors;
    colors.Highlight = 0x000000;
    colors.Window = 0xFFFFFF;
    EXPECT_EQ(colors.Selection(), 0xA8A8A8u);
}

} // namespace
