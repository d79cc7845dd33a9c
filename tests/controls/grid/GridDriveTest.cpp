#include "GridWidgetFixture.h"

#include "controls/grid/GridKeys.h"
#include "controls/grid/GridLayout.h"
#include "support/MemoryClipboard.h"

#include <QCursor>
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

// What each key does is the key handler's; this shows that keys reach it with
// the grid's own clipboard and that a paste is reported as a change.
TEST_F(GridDrive, TheClipboardKeysReachTheGridsClipboard) {
    Grid.SetCellString(kText, 1, "a");
    Select(kText, 1);
    QTest::keyClick(&Grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard->Content, "a\r\n");
    Select(kInteger, 4);
    Clipboard->Content = "2\r\n";
    QTest::keyClick(&Grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Grid.Cell(kInteger, 4).I, 2);
    EXPECT_EQ(Changes, 1);
}

TEST_F(GridDrive, RowDragShowsTheMarkerAndMovesTheRows) {
    Grid.SetDragEnabled(true);
    for (int32_t y = 1; y <= 6; ++y)
        Grid.SetCellInteger(kInteger, y, y);
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
    EXPECT_EQ(Grid.Cell(kInteger, 3).I, 1);
}

TEST_F(GridDrive, ASelectionDraggedPastTheEdgeScrollsUntilTheButtonIsLetGo) {
    const QPoint below(100, Grid.viewport()->height() + 20);
    QTest::mousePress(Grid.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, Grid.HeadingHeight() + 5));
    QCursor::setPos(Grid.viewport()->mapToGlobal(below)); // where the scrolling looks
    Move(below, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Grid.TopRow > 5; }, 2000));
    QTest::mouseRelease(Grid.viewport(), Qt::LeftButton, Qt::NoModifier, below);
    const int32_t top = Grid.TopRow;
    QTest::qWait(50);
    EXPECT_EQ(Grid.TopRow, top);
}

} // namespace
