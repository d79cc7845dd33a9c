// The main window and the export window as a screen reader finds them:
// the tree is walked through QAccessible from the window, and the events
// the widgets send are caught instead of reaching a reader.

#include "controls/grid/ExcelGrid2.h"
#include "controls/grid/GridEditors.h"
#include "controls/grid/GridLayout.h"
#include "core/Codes.h"
#include "core/Project.h"
#include "program/Program.h"
#include "support/MainWindowFixture.h"
#include "ui/main/TitlePaintBox.h"

#include <QAccessible>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

struct TSeenEvent {
    QAccessible::Event Type;
    QObject* Object = nullptr;
    int Child = -1;
};
std::vector<TSeenEvent> g_seen;

void Catch(QAccessibleEvent* event) {
    g_seen.push_back({event->type(), event->object(), event->child()});
}

bool Seen(QAccessible::Event type, QObject* object, int child) {
    return std::any_of(g_seen.begin(), g_seen.end(),
                       [&](const TSeenEvent& e) { return e.Type == type && e.Object == object && e.Child == child; });
}

// The first interface below `root` (itself included) that `match` takes;
// the cells of tables are left out of the walk.
QAccessibleInterface* Find(QAccessibleInterface* root, const std::function<bool(QAccessibleInterface&)>& match) {
    if (root == nullptr)
        return nullptr;
    if (match(*root))
        return root;
    if (root->role() == QAccessible::Table)
        return nullptr;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* found = Find(root->child(i), match))
            return found;
    return nullptr;
}

QAccessibleInterface* FindRole(QObject* top, QAccessible::Role role) {
    return Find(QAccessible::queryAccessibleInterface(top),
                [role](QAccessibleInterface& i) { return i.role() == role; });
}

// What a screen reader does when it starts listening.
void SetReaderListening(bool listening) {
    if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(listening);
}

std::string Name(QAccessibleInterface* iface) {
    return iface ? iface->text(QAccessible::Name).toStdString() : "<none>";
}

class AccessibilityTest : public TMainWindowFixture {
protected:
    void SetUp() override {
        SetReaderListening(true);
        ASSERT_TRUE(QAccessible::isActive());
        m_before = QAccessible::installUpdateHandler(Catch);
        Start();
        ASSERT_TRUE(Window->Program().OpenList(SampleList()));
        List = Window->Program().CurrentList();
        ASSERT_NE(List, nullptr);
        ASSERT_GE(List->View.size(), 2u);
        Table = FindRole(Window.get(), QAccessible::Table);
        ASSERT_NE(Table, nullptr);
        ASSERT_NE(Table->tableInterface(), nullptr);
    }
    void TearDown() override {
        Window.reset();
        QAccessible::installUpdateHandler(m_before);
        SetReaderListening(false);
        g_seen.clear();
    }

    // The grid column that shows `property`.
    int32_t ColumnOf(TProperty property) const { return static_cast<int32_t>(property) + (List->SearchColumn ? 1 : 0); }
    const TBootData& Record(size_t row) const { return List->Data[static_cast<size_t>(List->View[row - 1])]; }
    QAccessibleInterface* CellOf(TProperty property, int32_t row) const {
        return Table->tableInterface()->cellAt(row - 1, ColumnOf(property) - 1);
    }

    TProject* List = nullptr;
    QAccessibleInterface* Table = nullptr;

private:
    QAccessible::UpdateHandler m_before = nullptr;
};

TEST_F(AccessibilityTest, TheGridIsATableOfTheListWithItsCaptionsAsHeaders) {
    TExcelGrid2& grid = Window->Grid();
    EXPECT_EQ(Table->object(), &grid);
    EXPECT_EQ(Table->tableInterface()->rowCount(), static_cast<int>(List->View.size()));
    EXPECT_EQ(Table->tableInterface()->columnCount(), grid.ColCount());
    EXPECT_EQ(Table->childCount(), grid.ColCount() * (grid.CountRows() + 1));
    QAccessibleInterface* band = Table->child(ColumnOf(TProperty::Band) - 1);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(Name(band), "Band");
    EXPECT_EQ(Table->tableInterface()->columnDescription(ColumnOf(TProperty::Date) - 1).toStdString(), "Date");
    EXPECT_FALSE(Name(Table->child(grid.ColCount() - 1)).empty()); // the last column counts too

    QAccessibleInterface* cell = CellOf(TProperty::Band, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(Name(cell), Record(2).Band);
    EXPECT_EQ(cell->parent(), Table);
    EXPECT_EQ(Table->indexOfChild(cell), grid.ColCount() * 2 + ColumnOf(TProperty::Band) - 1);
    ASSERT_NE(cell->tableCellInterface(), nullptr);
    EXPECT_EQ(cell->tableCellInterface()->columnHeaderCells().value(0), band);
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 1);
    EXPECT_FALSE(cell->rect().isEmpty());
    EXPECT_EQ(Name(CellOf(TProperty::Source, 1)), CodeName(Window->GridStr(), TCodeKind::Source, Record(1).Source));
}

TEST_F(AccessibilityTest, TheCellUnderTheCursorIsFocusedAndItsMovesAreTold) {
    TExcelGrid2& grid = Window->Grid();
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Down);
    QCoreApplication::processEvents();
    QAccessibleInterface* current = Table->tableInterface()->cellAt(grid.Row - 1, grid.Col - 1);
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(grid.Row, 2);
    EXPECT_EQ(Table->focusChild(), current);
    EXPECT_TRUE(current->state().focused);
    EXPECT_FALSE(Table->tableInterface()->cellAt(0, grid.Col - 1)->state().focused);
    EXPECT_TRUE(Seen(QAccessible::Focus, &grid, Table->indexOfChild(current)));

    QAccessibleTableInterface& table = *Table->tableInterface();
    grid.Selection = {2, 1, 3, 2};
    EXPECT_EQ(table.selectedCellCount(), 4);
    EXPECT_EQ(table.selectedCells().value(3), table.cellAt(1, 2));
    EXPECT_EQ(table.selectedRowCount(), 0);
    grid.Selection = {1, 2, grid.ColCount(), 3}; // whole lines
    EXPECT_EQ(table.selectedRows(), QList<int>({1, 2}));
    EXPECT_TRUE(table.isRowSelected(2) && !table.isRowSelected(0));
}

TEST_F(AccessibilityTest, ACellTheUserChangesIsToldWithItsNewText) {
    TExcelGrid2& grid = Window->Grid();
    const TRect r = CellRect(grid, ColumnOf(TProperty::Comment), 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    QTest::keyClick(&grid, 'D');
    ASSERT_TRUE(grid.GridEdit().isVisible());
    QTest::keyClicks(&grid.GridEdit(), "esk tape");
    QTest::keyClick(&grid.GridEdit(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QAccessibleInterface* cell = CellOf(TProperty::Comment, 1);
    EXPECT_EQ(Name(cell), "Desk tape");
    EXPECT_TRUE(Seen(QAccessible::NameChanged, &grid, Table->indexOfChild(cell)));
    EXPECT_TRUE(Seen(QAccessible::TableModelChanged, &grid, -1));
}

TEST_F(AccessibilityTest, TheTitleBarIsALabelWithItsLine) {
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(&Window->TitleBar());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->role(), QAccessible::StaticText);
    EXPECT_EQ(Find(QAccessible::queryAccessibleInterface(Window.get()),
                   [&](QAccessibleInterface& i) { return i.object() == &Window->TitleBar(); }),
              bar);
    const std::string counts = std::to_string(List->View.size()) + " (" + std::to_string(List->Data.size()) + ")";
    EXPECT_NE(Name(bar).find("Bootlegs: " + counts), std::string::npos) << Name(bar);
}

} // namespace
