#include "ui/main/FilterPanel.h"

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
};

TEST(FilterPanel, ShowsBandsInCapitalsAndToursAsTheyAre) {
    TPanel p;
    QListWidget* tours = p.Panel->TourLB();
    ASSERT_EQ(tours->count(), 4);
    EXPECT_EQ(tours->item(1)->text(), QStringLiteral("IRONWOOD"));
    EXPECT_EQ(tours->item(2)->text(), QStringLiteral("Summer tour"));
    EXPECT_EQ(tours->item(3)->text(), QString::fromUtf8("Z\xc3\xbcRICH")); // Windows-1252 shown, only a..z raised
    EXPECT_TRUE(tours->item(1)->data(Qt::UserRole).toBool());
    EXPECT_FALSE(tours->item(2)->data(Qt::UserRole).toBool());
}

TEST(FilterPanel, SelectionsGoBothWaysAndOnlyClicksReport) {
    TPanel p;
    QSignalSpy changed(p.Panel, &TFilterPanel::Changed);
    TFilterSelection selection;
    selection.Bands = {false, false, true, false};
    selection.Sources = {true};
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

TEST(FilterPanel, SelectAllActsOnTheFocusedListOnly) {
    TPanel p;
    EXPECT_FALSE(p.Panel->SelectAllInFocusedList());
    p.Window.activateWindow();
    p.Panel->MediaLB()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Panel->MediaLB()->hasFocus(); }));
    EXPECT_TRUE(p.Panel->SelectAllInFocusedList());
    EXPECT_EQ(p.Panel->Selection().Media, (std::vector<bool>{true, true}));
    EXPECT_EQ(p.Panel->Selection().Sources, (std::vector<bool>{false, false, false}));
}

TEST(FilterPanel, EdgeDragReportsWidthsWithinTheWindow) {
    TPanel p;
    QSignalSpy dragged(p.Panel, &TFilterPanel::WidthDragged);
    QTest::mousePress(p.Panel, Qt::LeftButton, {}, QPoint(199, 300));
    QMouseEvent move(QEvent::MouseMove, QPointF(260, 300), p.Panel->mapToGlobal(QPointF(260, 300)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(p.Panel, &move);
    ASSERT_EQ(dragged.count(), 1);
    EXPECT_EQ(dragged.at(0).at(0).toInt(), 260);
    QMouseEvent far(QEvent::MouseMove, QPointF(5000, 300), p.Panel->mapToGlobal(QPointF(5000, 300)), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(p.Panel, &far);
    EXPECT_EQ(dragged.at(1).at(0).toInt(), 500); // the window keeps room for the list
    // Another button ends the drag.
    QMouseEvent other(QEvent::MouseMove, QPointF(300, 300), p.Panel->mapToGlobal(QPointF(300, 300)), Qt::NoButton,
                      Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(p.Panel, &other);
    QMouseEvent after(QEvent::MouseMove, QPointF(310, 300), p.Panel->mapToGlobal(QPointF(310, 300)), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(p.Panel, &after);
    EXPECT_EQ(dragged.count(), 2);
}

} // namespace
