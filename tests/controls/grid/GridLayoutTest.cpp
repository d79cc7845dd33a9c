#include "controls/grid/GridLayout.h"
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
        Grid.SetColCount(3);
        const int32_t widths[] = {50, 80, 100};
        for (int32_t x = 1; x <= 3; ++x) {
            Grid.Column(x).Width = widths[x - 1];
            Grid.Column(x).Kind = ckText;
            Grid.Column(x).Enabled = true;
        }
        Grid.UpdateColumnPositions();
        Grid.SetCountRows(rows);
        ScrollInView(Grid, Extent);
        UpdateScrollBars(Grid, Extent);
    }
    void MoveTo(int32_t col, int32_t row) {
        Grid.Col = col;
        Grid.Row = row;
        Grid.ResetSelection();
        ScrollInView(Grid, Extent);
        UpdateScrollBars(Grid, Extent);
    }
};

TEST(GridLayoutRects, CellsHeadingsAndCornerAtTheTop) {
    TLayoutGrid g;
    EXPECT_EQ(CellRect(g.Grid, 1, 1), (TRect{30, 20, 80, 40}));
    EXPECT_EQ(CellRect(g.Grid, 3, 2), (TRect{160, 40, 260, 60}));
    EXPECT_EQ(ColumnHeadingRect(g.Grid, 2), (TRect{80, 2, 160, 20}));
    EXPECT_EQ(RowHeadingRect(g.Grid, 3), (TRect{5, 65, 25, 80}));
    EXPECT_EQ(CornerRect(g.Grid), (TRect{0, 0, 31, 21}));
    EXPECT_EQ(RangeRect(g.Grid, {2, 2, 3, 4}), (TRect{80, 40, 260, 100}));
}

TEST(GridLayoutRects, FollowTheScrollPosition) {
    TLayoutGrid g;
    g.Grid.LeftCol = 2;
    g.Grid.TopRow = 5;
    EXPECT_EQ(ScrollOffsetX(g.Grid), 50);
    EXPECT_EQ(ScrollOffsetY(g.Grid), 80);
    EXPECT_EQ(CellRect(g.Grid, 2, 5), (TRect{30, 20, 110, 40}));
    EXPECT_EQ(CellRect(g.Grid, 1, 4), (TRect{-20, 0, 30, 20}));
}

TEST(GridLayoutRects, SaturateFarOutsideInsteadOfOverflowing) {
    TLayoutGrid g;
    g.Grid.SetRowHeight(1 << 20);
    const TRect r = CellRect(g.Grid, 1, 1 << 20);
    EXPECT_GT(r.Top, 0);
    EXPECT_GE(r.Bottom, r.Top);
}

struct TPointCase {
    int32_t X, Y;
    TGridCell Cell;
};

class GridMouseToCell : public testing::TestWithParam<TPointCase> {};

TEST_P(GridMouseToCell, FindsTheCellUnderThePoint) {
    TLayoutGrid g(10);
    const TPointCase& c = GetParam();
    EXPECT_EQ(MouseToCell(g.Grid, c.X, c.Y), c.Cell);
}

INSTANTIATE_TEST_SUITE_P(Points, GridMouseToCell,
                         testing::Values(TPointCase{30, 20, {1, 1}}, TPointCase{79, 39, {1, 1}},
                                         TPointCase{80, 40, {2, 2}}, TPointCase{259, 59, {3, 2}},
                                         // right of the last column: the last column
                                         TPointCase{290, 50, {3, 2}},
                                         // the heading column belongs to column 1
                                         TPointCase{0, 50, {1, 2}},
                                         // above the first row and below the last
                                         TPointCase{40, 5, {1, 1}}, TPointCase{40, -100, {1, 1}},
                                         TPointCase{40, 5000, {1, 10}}));

TEST(GridMouseToCellScrolled, CountsFromTheFirstShownCell) {
    TLayoutGrid g;
    g.Grid.LeftCol = 2;
    g.Grid.TopRow = 50;
    EXPECT_EQ(MouseToCell(g.Grid, 31, 21), (TGridCell{2, 50}));
    EXPECT_EQ(MouseToCell(g.Grid, 111, 61), (TGridCell{3, 52}));
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

TEST_P(GridScrollRows, ScrollInViewMatchesTheStepwiseRule) {
    const auto [height, top, row, rowHeight] = GetParam();
    TLayoutGrid g(500);
    g.Grid.SetRowHeight(rowHeight);
    g.Extent.Height = height;
    g.Grid.TopRow = top;
    g.Grid.Row = row;
    g.Grid.ResetSelection();

    TGridModel& expected = g.Grid;
    const int32_t startTop = top;
    ScrollInView(g.Grid, g.Extent);
    const int32_t gotTop = g.Grid.TopRow, gotLast = g.Grid.LastRow;

    expected.TopRow = startTop;
    ReferenceRows(expected, g.Extent);
    EXPECT_EQ(gotTop, expected.TopRow);
    EXPECT_EQ(gotLast, expected.LastRow);
    EXPECT_GE(row, gotTop) << "the cursor row is never above the view";
}

TEST_P(GridScrollRows, SetTopRowMatchesTheStepwiseRule) {
    const auto [height, top, row, rowHeight] = GetParam();
    TLayoutGrid g(500);
    g.Grid.SetRowHeight(rowHeight);
    g.Extent.Height = height;
    UpdateScrollBars(g.Grid, g.Extent);
    SetTopRow(g.Grid, g.Extent, row);
    EXPECT_GE(g.Grid.TopRow, 1);
    EXPECT_LE(g.Grid.TopRow, std::max(1, 500 - std::max(1, g.Grid.VisibleRows) + 1));
    EXPECT_EQ(g.Grid.LastRow, ReferenceLastRowAfterScroll(g.Grid, g.Extent));
    (void)top;
}

INSTANTIATE_TEST_SUITE_P(Cases, GridScrollRows,
                         testing::Combine(testing::Values(10, 39, 40, 200, 237, 5000), testing::Values(1, 7, 480),
                                          testing::Values(1, 6, 250, 500), testing::Values(1, 20, 33)));

TEST(GridScrollInView, JumpsStraightToTheLastOfManyRows) {
    TLayoutGrid g(100000);
    g.MoveTo(1, 100000);
    EXPECT_EQ(g.Grid.LastRow, 100000);
    // All columns fit, so no horizontal bar: 200 - 20 leaves 9 whole rows ending at the cursor.
    EXPECT_EQ(g.Grid.TopRow, 100000 - 9 + 1);
    g.MoveTo(1, 1);
    EXPECT_EQ(g.Grid.TopRow, 1);
}

TEST(GridScrollInView, ClampsTheCursorAndCollapsesTheSelection) {
    TLayoutGrid g(10);
    g.Grid.Col = 9;
    g.Grid.Row = 40;
    g.Grid.Selection = {1, 1, 9, 40};
    ScrollInView(g.Grid, g.Extent);
    EXPECT_EQ(g.Grid.Col, 3);
    EXPECT_EQ(g.Grid.Row, 10);
    EXPECT_EQ(g.Grid.Selection, (TGridRect{3, 10, 3, 10}));
}

TEST(GridScrollInView, ScrollsColumnsBothWays) {
    TLayoutGrid g;
    g.Extent.Width = 150; // room for 150 - 30 - 16 = 104 pixels of columns
    g.MoveTo(3, 1);
    EXPECT_EQ(g.Grid.LeftCol, 3);
    EXPECT_EQ(g.Grid.LastCol, 3);
    g.MoveTo(2, 1);
    EXPECT_EQ(g.Grid.LeftCol, 2);
    g.MoveTo(1, 1);
    EXPECT_EQ(g.Grid.LeftCol, 1);
    EXPECT_EQ(g.Grid.LastCol, 2) << "column 2 shows in part";
}

TEST(GridScrollBars, AllColumnsFittingDropTheHorizontalBarAndGainARow) {
    TLayoutGrid g;
    UpdateScrollBars(g.Grid, g.Extent);
    EXPECT_EQ(g.Grid.VisibleCols, 3);
    EXPECT_EQ(g.Extent.HBar, 0);
    EXPECT_EQ(g.Extent.VBar, 16);
    // (200 - 20 - 0 - 1) div 20: rows whose bottom lies above the bottom edge.
    EXPECT_EQ(g.Grid.VisibleRows, 8);
    g.Extent.Width = 200;
    UpdateScrollBars(g.Grid, g.Extent);
    EXPECT_EQ(g.Extent.HBar, 16);
    EXPECT_EQ(g.Grid.VisibleRows, 8);
    g.Extent.Height = 197;
    UpdateScrollBars(g.Grid, g.Extent);
    EXPECT_EQ(g.Grid.VisibleRows, 8);
    g.Extent.Height = 196;
    UpdateScrollBars(g.Grid, g.Extent);
    EXPECT_EQ(g.Grid.VisibleRows, 7);
}

TEST(GridScrollBars, AllRowsFittingDropTheVerticalBar) {
    TLayoutGrid g(5);
    UpdateScrollBars(g.Grid, g.Extent);
    EXPECT_EQ(g.Grid.VisibleRows, 5);
    EXPECT_EQ(g.Extent.VBar, 0);
}

TEST(GridScrollBars, AGridWithoutRowsOrColumnsNeedsNone) {
    TLayoutGrid g(0);
    UpdateScrollBars(g.Grid, g.Extent);
    EXPECT_EQ(g.Extent.VBar, 0);
    EXPECT_EQ(g.Extent.HBar, 0);
    EXPECT_EQ(g.Grid.VisibleRows, 0);
}

TEST(GridScrollCodes, RowsMoveByLineAndPageAndStayInRange) {
    TLayoutGrid g;
    UpdateScrollBars(g.Grid, g.Extent);
    ASSERT_EQ(g.Grid.VisibleRows, 8);
    ScrollRows(g.Grid, g.Extent, TScrollCode::LineBack);
    EXPECT_EQ(g.Grid.TopRow, 1);
    ScrollRows(g.Grid, g.Extent, TScrollCode::LineForward);
    EXPECT_EQ(g.Grid.TopRow, 2);
    ScrollRows(g.Grid, g.Extent, TScrollCode::PageForward);
    EXPECT_EQ(g.Grid.TopRow, 10);
    ScrollRows(g.Grid, g.Extent, TScrollCode::PageBack);
    EXPECT_EQ(g.Grid.TopRow, 2);
    ScrollRows(g.Grid, g.Extent, TScrollCode::Last);
    EXPECT_EQ(g.Grid.TopRow, 93);
    EXPECT_EQ(g.Grid.LastRow, 100);
    ScrollRows(g.Grid, g.Extent, TScrollCode::Position, 50);
    EXPECT_EQ(g.Grid.TopRow, 50);
    ScrollRows(g.Grid, g.Extent, TScrollCode::EndScroll, 7);
    EXPECT_EQ(g.Grid.TopRow, 50);
    ScrollRows(g.Grid, g.Extent, TScrollCode::First);
    EXPECT_EQ(g.Grid.TopRow, 1);
}

TEST(GridScrollCodes, ALineLeftAtTheFirstColumnStaysThere) {
    TLayoutGrid g;
    g.Extent.Width = 150;
    UpdateScrollBars(g.Grid, g.Extent);
    ScrollColumns(g.Grid, g.Extent, TScrollCode::LineBack);
    EXPECT_EQ(g.Grid.LeftCol, 1);
    ScrollColumns(g.Grid, g.Extent, TScrollCode::Last);
    EXPECT_EQ(g.Grid.LeftCol, 3 - g.Grid.VisibleCols + 1);
    EXPECT_EQ(g.Grid.LastCol, 3);
}

TEST(GridScrollCodes, ATooSmallGridStillShowsTheLastRow) {
    TLayoutGrid g;
    g.Extent.Height = 30; // no whole row fits
    UpdateScrollBars(g.Grid, g.Extent);
    EXPECT_EQ(g.Grid.VisibleRows, 0);
    ScrollRows(g.Grid, g.Extent, TScrollCode::Last);
    EXPECT_EQ(g.Grid.TopRow, 100);
}

TEST(GridVisitRange, ReachesTwoBeyondTheLastShownWithinTheGrid) {
    TLayoutGrid g;
    const TVisitRange r = VisitRange(g.Grid, 2);
    EXPECT_EQ(r.FirstRow, 1);
    EXPECT_EQ(r.LastRow, g.Grid.LastRow + 2);
    EXPECT_EQ(r.LastCol, 3);
    g.MoveTo(1, 100);
    EXPECT_EQ(VisitRange(g.Grid, 2).LastRow, 100);
}

TEST(GridDropTarget, StaysBetweenTheFirstRowAndOnePastTheLast) {
    TLayoutGrid g(10);
    EXPECT_EQ(DropTarget(g.Grid, -50), 1);
    EXPECT_EQ(DropTarget(g.Grid, 65), 3);
    EXPECT_EQ(DropTarget(g.Grid, 5000), 11);
}

struct TBlendCase {
    TColor A, B;
    double Factor;
    TColor Expected;
};

class GridBlendColor : public testing::TestWithParam<TBlendCase> {};

TEST_P(GridBlendColor, MixesEachChannel) {
    const TBlendCase& c = GetParam();
    EXPECT_EQ(BlendColor(c.A, c.B, c.Factor), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, GridBlendColor,
                         testing::Values(TBlendCase{0x102030, 0x102030, 0.5, 0x102030},
                                         // 255 * 0.5 = 127.5 rounds to the even 128
                                         TBlendCase{0x000000, 0xFFFFFF, 0.5, 0x808080},
                                         // moves from the smaller value, whichever colour holds it
                                         TBlendCase{0xFFFFFF, 0x000000, 0.25, 0x404040},
                                         // highlight (0, 120, 215) on white by 0.66
                                         TBlendCase{0xD77800, 0xFFFFFF, 0.66, 0xF1D1A8},
                                         // a factor past 1 saturates instead of wrapping
                                         TBlendCase{0x000000, 0x0000FF, 3.0, 0x0000FF},
                                         TBlendCase{0x000080, 0x0000FF, 1.5, 0x0000FF},
                                         // the fourth byte is A's
                                         TBlendCase{0x7F000000, 0x00000000, 0.5, 0x7F000000}));

TEST(GridBlendColorEdge, AFactorThatIsNoNumberGivesFullChannels) {
    EXPECT_EQ(BlendColor(0x000000, 0x0000FF, std::nan("")), 0x0000FFu);
}

TEST(GridColorsRoles, SelectionIsTheHighlightBlendedIntoTheWindow) {
    TGridColors colors;
    colors.Highlight = 0x000000;
    colors.Window = 0xFFFFFF;
    EXPECT_EQ(colors.Selection(), BlendColor(0x000000, 0xFFFFFF, 0.66));
    EXPECT_EQ(kErrorColor, 0xA0A0FFu);
    EXPECT_EQ(kSelectedErrorColor, 0x6060FFu);
}

} // namespace
