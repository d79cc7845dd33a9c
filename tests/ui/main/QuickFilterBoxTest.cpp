// The quick filter box in the real main window, on a copy of the sample list.

#include "ui/main/QuickFilterBox.h"
#include "controls/grid/ExcelGrid2.h"
#include "core/Project.h"
#include "platform/SettingsStore.h"
#include "program/Program.h"
#include "program/TitleBar.h"
#include "support/SampleHome.h"
#include "ui/main/MainForm.h"
#include "ui/main/TitlePaintBox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#ifndef KORVALEN_SAMPLE_HOME
#error "the test needs KORVALEN_SAMPLE_HOME"
#endif

namespace {

class QuickFilterBox : public ::testing::Test {
protected:
    void SetUp() override {
        CopySampleHome(QStringLiteral(KORVALEN_SAMPLE_HOME), m_dir.path());
        QFile::copy(m_dir.path() + "/Lists/Sample list.kvu", m_dir.path() + "/Lists/Second.kvu");
        const std::string home = m_dir.path().toStdString() + "/";
        TMainFormOptions options;
        options.AboutAtStart = false;
        options.ReopenRecent = false;
        W = std::make_unique<TMainForm>(m_settings, MakeProgramFolders(home + "korvalen", home),
                                        std::vector<std::string>(), options);
        W->MessageHook = [](const std::string&, Msg::TKind, Msg::TButtons, Msg::TAlign) { return Msg::ResultOk; };
        W->resize(1200, 800);
        W->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(W.get()));
        W->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(W.get()));
        ASSERT_TRUE(W->Program().OpenList(home + "Lists/Sample list.kvu"));
        ASSERT_TRUE(W->Program().OpenList(home + "Lists/Second.kvu"));
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
    void Run(TActionId id) { W->Execute({id}); }
    int32_t Col(TTemplateColumn column) { return W->ColMap()[column]; }
    // The rows whose band is `band`.
    int32_t RowsOf(const std::string& band, int tab = 0) {
        int32_t rows = 0;
        for (const TBootData& record : List(tab).Data)
            rows += record.Band == band;
        return rows;
    }

    std::unique_ptr<TMainForm> W;

private:
    QTemporaryDir m_dir;
    TMemorySettingsStore m_settings;
};

TEST_F(QuickFilterBox, CtrlEFocusesTheBoxEveryKeystrokeNarrowsAndEscClears) {
    const int32_t all = Rows();
    QTest::keyClick(W.get(), Qt::Key_E, Qt::ControlModifier);
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

TEST_F(QuickFilterBox, EditsAddsDeletesAndUndoWorkOnTheNarrowedView) {
    Type(QStringLiteral("city:tokyo"));
    ASSERT_EQ(Rows(), 2);
    TExcelGrid2& grid = W->Grid();
    // A row edited so that it no longer passes leaves the view at once.
    TValue kyoto;
    kyoto.S = "Kyoto";
    ASSERT_TRUE(grid.ChangeCell(Col(tcCity), 1, kyoto));
    grid.Changed();
    EXPECT_EQ(Rows(), 1);
    // Undo brings it back into sight, until the text changes.
    Run(TActionId::cmUndo);
    EXPECT_EQ(Rows(), 2);
    // An added row stays to be filled in, until the text changes.
    Run(TActionId::cmAdd);
    EXPECT_EQ(Rows(), 3);
    EXPECT_EQ(grid.Row, 3);
    Type(QStringLiteral(" 1997"));
    EXPECT_EQ(Rows(), 1);
    // Delete takes the record shown, not the row of the whole list.
    const size_t before = List(0).Data.size();
    const std::string doomed = List(0).Data[static_cast<size_t>(List(0).View[0])].Name;
    grid.Row = 1;
    grid.ResetSelection();
    Run(TActionId::cmDelete);
    ASSERT_EQ(List(0).Data.size(), before - 1);
    for (const TBootData& record : List(0).Data)
        EXPECT_NE(record.Name, doomed);
    EXPECT_EQ(Rows(), 0);
}

} // namespace
