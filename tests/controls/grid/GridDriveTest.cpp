#include "GridWidgetFixture.h"

#include "controls/grid/GridKeys.h"
#include "controls/grid/GridLayout.h"
#include "support/MemoryClipboard.h"

#include <QTest>

namespace {

class GridDrive : public GridWidget {
protected:
    void SetUp() override {
        GridWidget::SetUp();
        auto clipboard = std::make_unique<TMemoryClipboard>();
        Clipboard = clipboard.get();
        Grid.SetClipboard(std::move(clipboard));
    }
    void Move(const QPoint& to, Qt::MouseButtons buttons) {
        QMouseEvent move(QEvent::MouseMove, QPointF(to), Grid.viewport()->mapToGlobal(QPointF(to)), Qt::NoButton,
                         buttons, Qt::NoModifier);
        QApplication::sendEvent(Grid.viewport(), &move);
    }
    TMemoryClipboard* Clipboard = nullptr;
};

TEST_F(GridDrive, ShiftArrowsSelectAndTheClipboardKeysReachTheClipboard) {
    Grid.SetCellString(kText, 1, "a");
    Grid.SetCellInteger(kInteger, 1, 7);
    Select(kText, 1);
    QTest::keyClick(&Grid, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&Grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Grid.Selection, (TGridRect{kText, 1, kInteger, 2}));
    QTest::keyClick(&Grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard->Content, "a\t7\r\n\t0\r\n");
    Select(kInteger, 4);
    Clipboard->Content = "1\r\n2\r\n";
    QTest::keyClick(&Grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Grid.Cell(kInteger, 5).I, 2);
    EXPECT_EQ(Changes, 1);
    QTest::keyClick(&Grid, Qt::Key_Delete);
    EXPECT_EQ(Grid.Cell(kInteger, 4).I, 0);
    EXPECT_EQ(Changes, 2);
}

TEST_F(GridDrive, RowDragShowsTheMarkerAndMovesTheRows) {
    Grid.SetDragEnabled(true);
    for (int32_t y = 1; y <= 6; ++y)
        Grid.SetCellInteger(kInteger, y, y);
    std::vector<int32_t> order;
    Grid.OnDrag = [&](TGridModel&, const std::vector<int32_t>& o) { order = o; };
    const QPoint heading(5, RowHeadingRect(Grid, 1).Top + 5);
    const QPoint target(5, RowHeadingRect(Grid, 4).Top + 2);
    QTest::mousePress(Grid.viewport(), Qt::LeftButton, Qt::NoModifier, heading);
    Move(target, Qt::LeftButton);
    ASSERT_TRUE(Grid.Mouse().RowDragging());
    // A line three pixels thick in the button-text colour across the top of row 4.
    const QImage image = Paint();
    const int lineY = 3 * Grid.RowHeight() + Grid.HeadingHeight(); // the top of row 4
    for (int y = lineY - 1; y <= lineY + 1; ++y)
        EXPECT_EQ(image.pixelColor(100, y), Rgb(Grid.Colors().ButtonText)) << y;
    QTest::mouseRelease(Grid.viewport(), Qt::LeftButton, Qt::NoModifier, target);
    ASSERT_GE(order.size(), 4u);
    EXPECT_EQ(order[0], 2);
    EXPECT_EQ(order[2], 1);
    EXPECT_EQ(Grid.Cell(kInteger, 3).I, 1);
}

} // namespace
