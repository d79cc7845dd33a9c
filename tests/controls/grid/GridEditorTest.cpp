#include "GridWidgetFixture.h"

#include "controls/grid/GridEditors.h"
#include "controls/grid/GridListMenu.h"
#include "platform/CodePage.h"

#include <QTest>

namespace {

class GridEditors : public GridWidget {
protected:
    // Key by key to whatever has the focus then, as a user types.
    void Type(const char* text) {
        for (const char* c = text; *c; ++c)
            QTest::keyClick(QApplication::focusWidget(), *c);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    bool AnyOpen() {
        return Grid.GridEdit().isVisible() || Grid.GridMemo().isVisible() || Grid.GridListBox().isVisible() ||
               Grid.ListMenu().isVisible();
    }
    void Click(int32_t col, int32_t row) {
        const TRect cell = CellRect(Grid, col, row);
        QTest::mouseClick(Grid.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(cell.Left + 5, cell.Top + 5));
    }
};

TEST_F(GridEditors, TypingOpensOverTheCellEscapeDropsAndReturnOrDownCommits) {
    Grid.EditCell(kText, 2).S = "old";
    Select(kText, 2);
    Type("xyz");
    ASSERT_TRUE(Grid.GridEdit().isVisible());
    const TRect cell = CellRect(Grid, kText, 2);
    EXPECT_EQ(Grid.GridEdit().geometry(), QRect(cell.Left + 3, cell.Top + 3, 60 - 4, Grid.RowHeight() - 4));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Grid.GridEdit().isVisible());
    EXPECT_EQ(Grid.Cell(kText, 2).S, "old");
    EXPECT_TRUE(Grid.Focused());
    Type("new text");
    EXPECT_EQ(Grid.GridEdit().text(), "new text");
    EXPECT_EQ(Grid.Cell(kText, 2).S, "old") << "nothing is stored before the commit";
    Key(Qt::Key_Return);
    EXPECT_FALSE(Grid.GridEdit().isVisible());
    EXPECT_EQ(Grid.Cell(kText, 2).S, "new text");
    EXPECT_EQ(Changes, 1);
    EXPECT_TRUE(Grid.Focused());
    // Down commits the evaluated number and moves on.
    Select(kInteger, 3);
    Type("2*3+1");
    Key(Qt::Key_Down);
    EXPECT_EQ(Grid.Cell(kInteger, 3).I, 7);
    EXPECT_EQ(Grid.Row, 4);
    EXPECT_FALSE(Grid.GridEdit().isVisible());
}

// Each byte alone and all of them in one text, shown in every page by the
// line editor and the memo, come back unchanged when nothing was typed.
TEST_F(GridEditors, EveryLegacyByteComesBackFromAnUneditedEditorInEveryPage) {
    std::string all;
    for (int b = 0x80; b <= 0xFF; ++b)
        all += static_cast<char>(b);
    for (const TCodePageInfo& info : CodePages()) {
        SetLegacyCodePage(info.Page);
        for (size_t i = 0; i <= all.size(); ++i) {
            const std::string bytes = i < all.size() ? "x" + all.substr(i, 1) + "y" : all;
            const int32_t col = i % 2 == 0 ? kText : kMemo;
            Grid.EditCell(col, 2).S = bytes;
            Select(col, 2);
            Key(Qt::Key_F2);
            const std::string shown = CodePageToUtf8(bytes, info.Page);
            const QString text = col == kText ? Grid.GridEdit().text() : Grid.GridMemo().toPlainText();
            EXPECT_EQ(text, QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()))) << info.Name << i;
            Key(Qt::Key_Return);
            ASSERT_FALSE(AnyOpen());
            EXPECT_EQ(Grid.Cell(col, 2).S, bytes) << info.Name << " byte " << i;
        }
    }
    SetLegacyCodePage(kDefaultCodePage);
}

TEST_F(GridEditors, TheMemoShowsLinesAndBreaksThemWithShiftEnter) {
    Grid.EditCell(kMemo, 2).S = "a\nb";
    Select(kMemo, 2);
    Key(Qt::Key_F2);
    ASSERT_TRUE(Grid.GridMemo().isVisible());
    EXPECT_EQ(Grid.GridMemo().document()->blockCount(), 2);
    Grid.GridMemo().moveCursor(QTextCursor::End);
    Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(Grid.GridMemo().isVisible());
    Type("c");
    Key(Qt::Key_Return);
    EXPECT_FALSE(Grid.GridMemo().isVisible());
    EXPECT_EQ(Grid.Cell(kMemo, 2).S, "a\nb\nc");
    EXPECT_EQ(Changes, 1);
    // Typing over a memo starts it with that character.
    Type("xy");
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid.Cell(kMemo, 2).S, "xy");
}

TEST_F(GridEditors, UpAndDownLeaveOnlyTheLineEditorAndKeepTheirShift) {
    Select(kText, 5);
    Type("up");
    Key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_FALSE(Grid.GridEdit().isVisible());
    EXPECT_EQ(Grid.Cell(kText, 5).S, "up");
    EXPECT_EQ(Grid.Row, 4);
    EXPECT_TRUE(Grid.IsRangeSelected()) << "Shift + Up reaches the grid with its Shift";
    // In the memo, arrows move the text cursor and Escape drops the text.
    Grid.EditCell(kMemo, 2).S = "a\nb";
    Select(kMemo, 2);
    Key(Qt::Key_F2);
    Key(Qt::Key_Down);
    Type("z");
    EXPECT_TRUE(Grid.GridMemo().isVisible());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Grid.GridMemo().isVisible());
    EXPECT_EQ(Grid.Cell(kMemo, 2).S, "a\nb");
    EXPECT_EQ(Grid.Row, 2);
    EXPECT_EQ(Changes, 1);
}

TEST_F(GridEditors, TheDropDownOpensAtTheCurrentItemAndCommitsByKeyOrMouse) {
    Grid.EditCell(kList, 5).I = 2;
    Select(kList, 5);
    Key(Qt::Key_Return);
    TGridListBox& list = Grid.GridListBox();
    ASSERT_TRUE(list.isVisible());
    EXPECT_EQ(list.count(), 6);
    EXPECT_EQ(list.currentRow(), 2);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(Grid.Cell(kList, 5).I, 3);
    EXPECT_EQ(Changes, 1);
    EXPECT_TRUE(Grid.Focused());

    Type(" ");
    ASSERT_TRUE(list.isVisible());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, list.visualItemRect(list.item(4)).center());
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(Grid.Cell(kList, 5).I, 4);
    EXPECT_FALSE(list.MouseReleaseLatch);
}

TEST_F(GridEditors, TheDropDownAsksTheOwnerForItsItems) {
    int32_t items = 3;
    Grid.OnObjectCount = [&items](TGridModel&, int32_t, int32_t, int32_t& count, int32_t& height) {
        count = items;
        height = 25;
    };
    int drawn = 0;
    Grid.OnDrawObject = [&](TExcelGrid2&, QPainter&, QRect& r, int32_t x, int32_t y, int32_t) {
        drawn += r.height() == 25 && x == kList && y == 1;
    };
    Select(kList, 1);
    Key(Qt::Key_Return);
    TGridListBox& list = Grid.GridListBox();
    ASSERT_TRUE(list.isVisible());
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.viewport()->height(), 75);
    list.viewport()->repaint();
    EXPECT_EQ(drawn, 3);
    Grid.OnDrawObject = nullptr; // then the items are plain
    list.viewport()->repaint();
    Key(Qt::Key_Escape);
    EXPECT_FALSE(list.isVisible());

    items = 300; // opens with the current item in the middle
    Grid.EditCell(kList, 1).I = 250;
    Key(Qt::Key_Return);
    ASSERT_TRUE(list.isVisible());
    EXPECT_NEAR(list.visualItemRect(list.item(250)).center().y(), list.viewport()->rect().center().y(), 25);
}

TEST_F(GridEditors, TheMenuOpensAtTheCurrentItemOrNone) {
    Grid.EditCell(kMenu, 4).I = 3;
    Select(kMenu, 4);
    Key(Qt::Key_Return);
    TGridListMenu& menu = Grid.ListMenu();
    ASSERT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.actions().size(), 6);
    EXPECT_EQ(menu.activeAction(), menu.Item(3));
    EXPECT_EQ(menu.actionGeometry(menu.Item(0)).size(), QSize(60 - 20, Grid.RowHeight()));
    QTest::keyClick(&menu, Qt::Key_Down);
    QTest::keyClick(&menu, Qt::Key_Return);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(Grid.Cell(kMenu, 4).I, 4);
    EXPECT_EQ(Changes, 1);

    Grid.EditCell(kMenu, 4).I = 99;
    Key(Qt::Key_Return);
    EXPECT_EQ(menu.activeAction(), nullptr);
    EXPECT_EQ(menu.Item(99), nullptr);
    EXPECT_EQ(menu.Item(-1), nullptr);
    menu.close();
}

// That Enter edits a colour as text is EditActionFor's rule, the text ColorText's.
TEST_F(GridEditors, CtrlEnterOnAColourAsksForOne) {
    Grid.EditCell(kColor, 1).I = 255;
    TColor offered = 0;
    Grid.ColorChooser = [&](QWidget*, TColor& color) {
        offered = color;
        color = 0x00FF00;
        return true;
    };
    Select(kColor, 1);
    Key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(offered, 255u);
    EXPECT_EQ(Grid.Cell(kColor, 1).I, 0x00FF00);
    Grid.ColorChooser = [](QWidget*, TColor&) { return false; };
    Key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(Grid.Cell(kColor, 1).I, 0x00FF00) << "a cancelled dialog changes nothing";
    EXPECT_EQ(Changes, 1);
}

TEST_F(GridEditors, AccessorsClicksAndOtherEditorsCommitAnOpenEditor) {
    Select(kText, 1);
    Type("typed");
    EXPECT_EQ(Grid.GetCellString(kText, 1), "typed");
    EXPECT_FALSE(Grid.GridEdit().isVisible());
    Type("first");
    Grid.ShowEditor(0);
    EXPECT_EQ(Grid.Cell(kText, 1).S, "first");
    EXPECT_EQ(Grid.GridEdit().text(), "first") << "reopened on what was just stored";
    Key(Qt::Key_Escape);
    Select(kText, 2);
    Type("clicked");
    Click(kInteger, 5);
    EXPECT_EQ(Grid.Cell(kText, 2).S, "clicked");
    EXPECT_EQ(Grid.Col * 100 + Grid.Row, kInteger * 100 + 5);
    EXPECT_EQ(Changes, 3);
}

TEST_F(GridEditors, FocusMovingToAnotherControlCommits) {
    QWidget window;
    Grid.setParent(&window);
    QLineEdit other(&window);
    other.move(0, 310);
    window.resize(400, 340);
    window.show();
    window.activateWindow();
    Grid.setFocus();
    QApplication::processEvents();
    Select(kText, 3);
    Type("left");
    ASSERT_TRUE(Grid.GridEdit().isVisible());
    other.setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(Grid.GridEdit().isVisible());
    EXPECT_EQ(Grid.Cell(kText, 3).S, "left");
    Grid.setParent(nullptr);
}

TEST_F(GridEditors, KeysTheGridDoesNotUseGoOnToTheWindowAndADoubleClickOpensAnEditor) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&Grid, &escape);
    EXPECT_FALSE(escape.isAccepted());
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(&Grid, &typed);
    EXPECT_TRUE(typed.isAccepted());
    EXPECT_TRUE(Grid.GridEdit().isVisible());
    // A double-click opens the cell's editor.
    const TRect cell = CellRect(Grid, kList, 3);
    // A desktop double-click comes after the press of its first click.
    Click(kList, 3);
    QTest::mouseDClick(Grid.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(cell.Left + 5, cell.Top + 5));
    EXPECT_EQ(Grid.Row, 3);
    EXPECT_TRUE(Grid.GridListBox().isVisible());
}

} // namespace
