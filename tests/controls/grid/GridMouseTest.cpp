#include "controls/grid/GridMouse.h"
#include "GridTestSupport.h"

#include <gtest/gtest.h>

namespace {

class TFakeHost : public IGridMouseHost {
public:
    TGridExtent Size{400, 300, 16, 0, 0};
    TGridPointer Pointer = TGridPointer::Arrow;
    bool TimerOn = false;
    int32_t TimerInterval = 0;
    int Editors = 0;
    int MouseDowns = 0;
    int Focus = 0;

    TGridExtent Extent() override { return Size; }
    void TakeFocus() override { ++Focus; }
    void SetPointer(TGridPointer pointer) override { Pointer = pointer; }
    void SetAutoScroll(bool enabled, int32_t interval) override {
        TimerOn = enabled;
        TimerInterval = interval;
    }
    void ShowEditor(TShiftState) override { ++Editors; }
    void MouseDownEvent(TShiftState, int32_t, int32_t) override { ++MouseDowns; }
};

// Columns of width 50 after a 30-pixel row heading; rows of 20 after a
// 20-pixel heading row. Cell (c, r) starts at x = 30 + 50 (c - 1), y = 20 r.
struct TMouseGrid {
    TGridModel Grid;
    TFakeHost Host;
    TGridMouse Mouse{Grid, Host};
    int Changes = 0;

    TMouseGrid(int32_t cols = 4, int32_t rows = 10) {
        SetUpColumns(Grid, cols, rows, ckList, 50, 3);
        Grid.LeftCol = 1;
        Grid.LastCol = cols;
        Grid.TopRow = 1;
        Grid.LastRow = rows;
        Grid.VisibleRows = 5;
        Grid.OnChange = [this](TGridModel&) { ++Changes; };
    }
    static int32_t X(int32_t col) { return 30 + 50 * (col - 1) + 10; }
    static int32_t Y(int32_t row) { return 20 * row + 5; }
    void Click(int32_t col, int32_t row, TShiftState shift = ssLeft) {
        Mouse.Press(shift, X(col), Y(row));
        Mouse.Release();
    }
};

TEST(GridMouse, ClicksDragsAndDoubleClicks) {
    TMouseGrid g;
    g.Click(2, 3);
    EXPECT_EQ(g.Grid.Selection, (TGridRect{2, 3, 2, 3}));
    g.Click(4, 5, ssShift | ssLeft);
    EXPECT_EQ(g.Grid.Selection, (TGridRect{2, 3, 4, 5}));
    EXPECT_EQ(g.Host.MouseDowns, 2);
    EXPECT_EQ(g.Changes, 0); // choosing cells changes none

    g.Mouse.Press(ssLeft, TMouseGrid::X(1), TMouseGrid::Y(1));
    g.Mouse.Move(ssLeft, TMouseGrid::X(3), TMouseGrid::Y(2));
    EXPECT_EQ(g.Grid.Selection, (TGridRect{1, 1, 3, 2}));
    EXPECT_FALSE(g.Host.TimerOn);
    g.Mouse.Move(ssLeft, 500, TMouseGrid::Y(2)); // outside: auto-scroll
    EXPECT_TRUE(g.Host.TimerOn);
    EXPECT_EQ(g.Host.TimerInterval, 1);
    g.Mouse.Release();
    EXPECT_FALSE(g.Host.TimerOn);

    // A move without a press selects nothing.
    g.Mouse.Move(ssLeft, TMouseGrid::X(4), TMouseGrid::Y(4));
    EXPECT_EQ(g.Grid.Selection.Right, 4);
    EXPECT_EQ(g.Grid.Selection.Left, 1);
    // A double-click opens the editor, the right button keeps the cursor.
    TMouseGrid d;
    d.Click(2, 2);
    d.Mouse.Press(ssLeft | ssDouble, TMouseGrid::X(2), TMouseGrid::Y(2));
    EXPECT_EQ(d.Host.Editors, 1);
    d.Mouse.Release();
    d.Click(3, 4, ssRight);
    EXPECT_EQ(d.Grid.Col * 100 + d.Grid.Row, 202);
    d.Grid.SetEditorEnabled(false);
    d.Mouse.Press(ssLeft | ssDouble, TMouseGrid::X(2), TMouseGrid::Y(2));
    EXPECT_EQ(d.Host.Editors, 1);

    TMouseGrid empty(2, 0); // without rows: nothing but the focus
    empty.Mouse.Press(ssLeft, TMouseGrid::X(2), TMouseGrid::Y(1));
    EXPECT_EQ(empty.Host.Focus * 10 + empty.Host.MouseDowns, 10);
}

TEST(GridMouse, BorderDragResizesWithinLimits) {
    TMouseGrid g;
    g.Grid.SetResizeEnabled(true);
    int resizes = 0;
    g.Grid.OnColumnResize = [&](TGridModel&) { ++resizes; };
    const int32_t border = 30 + 50; // right edge of column 1
    g.Mouse.Move(0, border + 3, 10);
    EXPECT_EQ(g.Host.Pointer, TGridPointer::HorizontalSplit);
    g.Mouse.Move(0, border + 10, 10);
    EXPECT_EQ(g.Host.Pointer, TGridPointer::Arrow);

    g.Mouse.Press(ssLeft, border - 2, 10);
    EXPECT_EQ(g.Host.MouseDowns, 0); // a border grab is not a press on the grid
    g.Mouse.Move(ssLeft, border - 200, 10);
    EXPECT_EQ(g.Grid.Column(1).Width, 1);
    g.Mouse.Move(ssLeft, border + 5000, 10);
    EXPECT_EQ(g.Grid.Column(1).Width, 1000);
    EXPECT_EQ(g.Grid.Column(2).Left, 1000);
    g.Mouse.Release();
    EXPECT_EQ(resizes, 1);
    g.Click(1, 1); // a later click resizes nothing
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(g.Grid.Column(1).Width, 1000);
}

TEST(GridMouse, RowDragMovesTheSelectedRows) {
    TMouseGrid g(2, 8);
    g.Grid.SetDragEnabled(true);
    std::vector<int32_t> order;
    g.Grid.OnDrag = [&](TGridModel&, const std::vector<int32_t>& o) { order = o; };
    g.Grid.Col = 1;
    g.Grid.Row = 2;
    g.Grid.Selection = {1, 2, 2, 3};

    g.Mouse.Press(ssLeft, 10, TMouseGrid::Y(2)); // inside the selected rows: kept
    EXPECT_EQ(g.Grid.Selection, (TGridRect{1, 2, 2, 3}));
    g.Mouse.Move(ssLeft, 10, TMouseGrid::Y(2) + 3); // under the threshold
    EXPECT_FALSE(g.Mouse.RowDragging());
    g.Mouse.Move(ssLeft, 10, 20 * 6 + 2); // before row 6
    EXPECT_TRUE(g.Mouse.RowDragging());
    EXPECT_EQ(g.Host.Pointer, TGridPointer::Drag);
    EXPECT_EQ(g.Mouse.DropTarget(), 6);
    g.Mouse.Release();
    EXPECT_EQ(order, (std::vector<int32_t>{1, 4, 5, 2, 3, 6, 7, 8}));
    EXPECT_EQ(g.Grid.Selection.Top * 10 + g.Grid.Selection.Bottom, 45);
    EXPECT_EQ(g.Changes, 1);

    // A drop right after the block keeps the order and still reports the drag.
    order.clear();
    g.Mouse.Press(ssLeft, 10, TMouseGrid::Y(5)); // on the block's last row: kept too
    g.Mouse.Move(ssLeft, 10, 20 * 6 + 2);        // before row 6, after the block 4..5
    EXPECT_EQ(g.Mouse.DropTarget(), 6);
    g.Mouse.Release();
    EXPECT_EQ(order, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(g.Grid.Selection.Top * 10 + g.Grid.Selection.Bottom, 45);
    EXPECT_EQ(g.Changes, 2);

    // A drop inside the block moves nothing but reports a change.
    order.clear();
    g.Mouse.Press(ssLeft, 10, TMouseGrid::Y(7)); // outside the selection: selects row 7
    EXPECT_EQ(g.Grid.Row, 7);
    g.Mouse.Move(ssLeft, 10, TMouseGrid::Y(7) + 8);
    g.Mouse.Release();
    EXPECT_TRUE(order.empty());
    EXPECT_EQ(g.Changes, 3);
}

TEST(GridMouse, RowDragAutoScrollCountsRowsDownToTheBottomEdge) {
    TMouseGrid g(2, 100);
    g.Grid.SetDragEnabled(true);
    g.Host.Size = {400, 300, 16, 16, 16};
    g.Grid.Selection = {1, 2, 2, 2};
    g.Grid.Row = 2;
    g.Mouse.Press(ssLeft, 10, TMouseGrid::Y(2));
    g.Mouse.Move(ssLeft, 10, 320);
    ASSERT_TRUE(g.Mouse.RowDragging());
    g.Mouse.Tick(10, 320); // below the grid
    EXPECT_EQ(g.Grid.TopRow, 2);
    // (LastRow - TopRow + 1) * 20 <= 300 - 20, the horizontal bar not subtracted.
    EXPECT_EQ(g.Grid.LastRow, 15);
}

TEST(GridMouse, CtrlWheelStepsListsWithoutWrappingAndPlainWheelScrolls) {
    TMouseGrid g;
    EXPECT_TRUE(g.Mouse.Wheel(ssCtrl, 120, 3, true, false)); // away from the user
    EXPECT_EQ(g.Grid.GetCellInteger(1, 1), 0);
    for (int notch = 0; notch < 3; ++notch)
        g.Mouse.Wheel(ssCtrl, -120, 3, true, false);
    EXPECT_EQ(g.Grid.GetCellInteger(1, 1), 2);
    EXPECT_EQ(g.Changes, 4);

    // Plain turns scroll only where they may.
    g.Grid.SetCountRows(100);
    g.Grid.LastRow = 100;
    g.Host.Size = {400, 120, 16, 16, 0};
    EXPECT_FALSE(g.Mouse.Wheel(0, -120, 3, false, false));
    EXPECT_EQ(g.Grid.TopRow, 1);
    EXPECT_FALSE(g.Mouse.Wheel(0, -120, 3, true, true)); // an editor is open
    EXPECT_TRUE(g.Mouse.Wheel(0, -120, 3, true, false));
    EXPECT_EQ(g.Grid.TopRow, 4);
    g.Grid.SetWheelAnywhere(true);
    EXPECT_TRUE(g.Mouse.Wheel(0, 240, 3, false, false));
    EXPECT_EQ(g.Grid.TopRow, 1);
}

TEST(GridMouse, AutoScrollTickStepsTheCursorTowardsThePointer) {
    TMouseGrid g(20, 100);
    g.Click(2, 2);
    g.Mouse.Tick(100, 0); // on the top edge: still inside
    EXPECT_EQ(g.Grid.Col * 100 + g.Grid.Row, 202);
    g.Mouse.Tick(450, 100); // 50 pixels right of the 400-pixel grid
    EXPECT_EQ(g.Grid.Col, 2 + 50 / 5 + 1);
    EXPECT_FALSE(g.Grid.IsRangeSelected());
    g.Mouse.Tick(-3, -400);
    EXPECT_EQ(g.Grid.Col * 100 + g.Grid.Row, 1201);
    g.Mouse.Tick(100, 301); // just below, then just above: a row each way
    EXPECT_EQ(g.Grid.Row, 2);
    g.Mouse.Tick(100, -1);
    EXPECT_EQ(g.Grid.Row, 1);
}

} // namespace
