// The quick filter box in the real main window, on a copy of the sample list.

#include "ui/main/QuickFilterBox.h"
#include "controls/grid/ExcelGrid2.h"
#include "core/Project.h"
#include "program/Program.h"
#include "program/TitleBar.h"
#include "support/MainWindowFixture.h"
#include "ui/main/TitlePaintBox.h"

#include <QFile>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class QuickFilterBox : public TMainWindowFixture {
protected:
    void SetUp() override {
        QFile::copy(Dir.path() + "/Lists/Sample list.kvu", Dir.path() + "/Lists/Second.kvu");
        Start();
        ASSERT_TRUE(W->Program().OpenList(Home + "Lists/Sample list.kvu"));
        ASSERT_TRUE(W->Program().OpenList(Home + "Lists/Second.kvu"));
        W->MainTab().setCurrentIndex(0);
    }

    TProject& List(int tab) { return *W->Program().Lists[static_cast<size_t>(tab)]; }
    TQuickFilterBox& Box() { return W->QuickFilterBox(); }
    int32_t Rows() { return W->Grid().CountRows(); }
    std::string Shown() {
        W->TitleBar().repaint();
        return W->TitleBar().Drawn().at(1).Text;
    }
    void Type(const QString& text) { QTest::keyClicks(&Box(), text); }
    // The rows whose band is `band`.
    int32_t RowsOf(const std::string& band, int tab = 0) {
        int32_t rows = 0;
        for (const TBootData& record : List(tab).Data)
            rows += record.Band == band;
        return rows;
    }
};

TEST_F(QuickFilterBox, CtrlEFocusesTheBoxEveryKeystrokeNarrowsAndEscClears) {
    const int32_t all = Rows();
    QTest::keyClick(W, Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(Box().hasFocus());
    EXPECT_FALSE(Box().placeholderText().isEmpty());
    Type(QStringLiteral("IRONWOO"));
    EXPECT_EQ(Rows(), RowsOf("Ironwood"));
    EXPECT_EQ(Shown(),
              "Bootlegs: |b " + std::to_string(RowsOf("Ironwood")) + "|f  (|b " + std::to_string(all) + "|f )");
    Type(QStringLiteral("d -date:1994"));
    EXPECT_EQ(Rows(), RowsOf("Ironwood") - 5);
    EXPECT_EQ(List(0).QuickFilter.Text(), "IRONWOOd -date:1994");
    QTest::keyClick(&Box(), Qt::Key_Escape);
    EXPECT_TRUE(Box().text().isEmpty());
    EXPECT_EQ(Rows(), all);
    EXPECT_TRUE(Box().hasFocus());
    QTest::keyClick(&Box(), Qt::Key_Escape); // empty: back to the list
    EXPECT_TRUE(W->Grid().hasFocus());
}

TEST_F(QuickFilterBox, EachTabKeepsItsOwnText) {
    Type(QStringLiteral("ironwood"));
    W->MainTab().setCurrentIndex(1);
    EXPECT_TRUE(Box().text().isEmpty());
    EXPECT_EQ(Rows(), static_cast<int32_t>(List(1).Data.size()));
    Type(QStringLiteral("tokyo"));
    EXPECT_EQ(Rows(), 2);
    W->MainTab().setCurrentIndex(0);
    EXPECT_EQ(Box().text(), QStringLiteral("ironwood"));
    EXPECT_EQ(Rows(), RowsOf("Ironwood"));
    W->MainTab().setCurrentIndex(1);
    EXPECT_EQ(Box().text(), QStringLiteral("tokyo"));
    EXPECT_EQ(Rows(), 2);
}

} // namespace
