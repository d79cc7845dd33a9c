#include "ui/main/FilterPanel.h"
#include "ui/dialogs/TourLine.h"

#include <QApplication>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct TPanel {
    QWidget Window;
    TFilterPanel* Panel = new TFilterPanel(&Window);
    TPanel() {
        Window.resize(600, 700);
        Panel->setGeometry(0, 0, 200, 700);
        Panel->SetLines({"$f01 < all > ", "$f01Ironwood", "$f02Summer tour", "$f01Z\xfcrich"},
                        {" < all > ", "Audience", "Soundboard"}, {" < all > ", "CD"});
        Window.show();
    }
    void Move(int x, Qt::MouseButtons buttons = Qt::LeftButton) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 300), Panel->mapToGlobal(QPointF(x, 300)), Qt::NoButton, buttons,
                         Qt::NoModifier);
        QApplication::sendEvent(Panel, &move);
    }
};

TEST(FilterPanel, ShowsBandsInCapitalsAndToursAsTheyAre) {
    TPanel p;
    QListWidget* tours = p.Panel->TourLB();
    ASSERT_EQ(tours->count(), 4);
    EXPECT_EQ(tours->item(1)->text(), QStringLiteral("IRONWOOD"));
    EXPECT_EQ(tours->item(2)->text(), QStringLiteral("Summer tour"));
    EXPECT_EQ(tours->item(3)->text(), QString::fromUtf8("Z\xc3\xbcRICH")); // Windows-1250 shown, only a..z raised
    EXPECT_TRUE(tours->item(1)->data(Qt::UserRole).toBool());
    EXPECT_FALSE(tours->item(2)->data(Qt::UserRole).toBool());
    EXPECT_EQ(TourLineLook("$f01").Text, QString()); // a band line without its name
}

TEST(FilterPanel, SelectionsGoBothWaysAndOnlyClicksReport) {
    TPanel p;
    QSignalSpy changed(p.Panel, &TFilterPanel::Changed);
    TFilterSelection selection;
    selection.Bands = {false, false, true, false};
    selection.Sources = {true}; // missing lines are unselected
    selection.Media = {false, true};
    p.Panel->SetSelection(selection);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(p.Panel->Selection().Bands, selection.Bands);
    EXPECT_EQ(p.Panel->Selection().Sources, (std::vector<bool>{true, false, false}));

    QListWidget* sources = p.Panel->SourceLB();
    QTest::mouseClick(sources->viewport(), Qt::LeftButton, {}, sources->visualItemRect(sources->item(2)).center());
    EXPECT_GE(changed.count(), 1);
    EXPECT_EQ(p.Panel->Selection().Sources, (std::vector<bool>{false, false, true}));
}

TEST(FilterPanel, EdgeDragReportsWidthsWithinTheWindowUntilAnotherButton) {
    TPanel p;
    QSignalSpy dragged(p.Panel, &TFilterPanel::WidthDragged);
    QTest::mousePress(p.Panel, Qt::LeftButton, {}, QPoint(199, 300));
    p.Move(260);
    ASSERT_EQ(dragged.count(), 1);
    EXPECT_EQ(dragged.at(0).at(0).toInt(), 260);
    p.Move(5000);
    EXPECT_EQ(dragged.at(1).at(0).toInt(), 500); // the window keeps room for the list
    p.Move(300, Qt::LeftButton | Qt::RightButton);
    p.Move(310);
    EXPECT_EQ(dragged.count(), 2);
}

} // namespace
