// The list functions window on the real main window, offscreen: opened with
// F6, driven by clicks and keys while it runs modally.

#include "ui/dialogs/CompareForm.h"
#include "controls/grid/ExcelGrid2.h"
#include "controls/markup/RichText.h"
#include "controls/panels/MyListBox.h"
#include "controls/panels/MyPanel.h"
#include "core/Codes.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindow.h"
#include "support/Records.h"
#include "support/TempDir.h"
#include "ui/dialogs/CopyMarkedDialog.h"
#include "ui/dialogs/HelpForm.h"
#include "ui/main/FilterPanel.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

class CompareFormTest : public TMainWindowFixture {
protected:
    CompareFormTest() : TMainWindowFixture(false) {}
    void SetUp() override {
        WriteBytes(Home + "Tours/Band.txt", "|||||Tour|2001.01.01|2001.12.31\n");
        WriteBytes(Home + "Tours/Other.txt", "|||||Tour|2001.01.01|2001.12.31\n");
        Start();
        SuppressHelpPopups(true);
    }
    void TearDown() override { SuppressHelpPopups(false); }

    TProject& Open(const std::string& name, std::initializer_list<TBootData> records) {
        TProject list;
        list.FileName = Home + "Lists/" + name;
        list.Data.assign(records.begin(), records.end());
        EXPECT_TRUE(list.Save().Ok);
        EXPECT_TRUE(W->Program().OpenList(list.FileName));
        return *W->Program().Lists.back();
    }
    TProject& List(size_t i) { return *W->Program().Lists[i]; }

    // Presses F6 and runs `act` on the window while it is shown.
    void WithWindow(const std::function<void(TCompareForm&)>& act) {
        W->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(W));
        EXPECT_TRUE(OnModal<TCompareForm>([this] { QTest::keyClick(W, Qt::Key_F6); }, act));
    }

    static void ClickLine(TMyListBox& list, int line, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, list.ItemRect(line).center());
    }
    static void ClickOption(TMyPanel& panel, int item) {
        QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(panel.width() / 2, (item - 1) * 24 + 12));
    }
    static std::vector<int32_t> Hits(const TProject& list) {
        std::vector<int32_t> hits;
        for (const TBootData& record : list.Data)
            hits.push_back(record.SearchHits);
        return hits;
    }
    static std::vector<bool> Selection(TMyListBox& list) {
        std::vector<bool> selected;
        for (int i = 0; i < list.Count(); ++i)
            selected.push_back(list.Selected(i));
        return selected;
    }
};

TEST_F(CompareFormTest, LinesAndOptionsComeBackAsTheyWereLeftHoweverTheWindowCloses) {
    Open("bootlegs 2003.kvu", {});
    Open("live.2003.kvu", {});
    W->Program().OpenList("");
    WithWindow([&](TCompareForm& form) {
        EXPECT_EQ(form.windowTitle(), "Functions");
        EXPECT_EQ(form.size(), QSize(357, 339));
        EXPECT_EQ(form.ListLB()->Items(), (std::vector<std::string>{"bootlegs 2003", "live.2003", ""}));
        EXPECT_EQ(Selection(*form.ListLB()), (std::vector<bool>{false, false, false}));
        EXPECT_TRUE(form.ParamsMP()->Checked(1) && form.ParamsMP()->Checked(2));
        ClickLine(*form.ListLB(), 0);
        ClickLine(*form.ListLB(), 2);
        ClickOption(*form.ParamsMP(), 1);
        QTest::keyClick(form.ListLB(), Qt::Key_Escape);
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_EQ((std::vector<bool>{List(0).CompareSelected, List(1).CompareSelected, List(2).CompareSelected}),
              (std::vector<bool>{true, false, true}));
    EXPECT_EQ(W->Program().ListFuncParam[0], false);
    EXPECT_EQ(W->Program().ListFuncParam[1], true);

    WithWindow([&](TCompareForm& form) {
        EXPECT_EQ(Selection(*form.ListLB()), (std::vector<bool>{true, false, true}));
        EXPECT_FALSE(form.ParamsMP()->Checked(1));
        ClickLine(*form.ListLB(), 1, {});
        ClickOption(*form.ParamsMP(), 1);
        form.close(); // the close box
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_EQ((std::vector<bool>{List(0).CompareSelected, List(1).CompareSelected, List(2).CompareSelected}),
              (std::vector<bool>{false, true, false}));
    EXPECT_EQ(W->Program().ListFuncParam[0], true);
    EXPECT_TRUE(Messages.empty());
}

// A trader's list spelt otherwise, compared loosely; what I lack is shown
// alone and copied into a new list: the wants list in two steps.
TEST_F(CompareFormTest, LooseCompareThenShowMarkedOnlyAndCopyThemIntoANewList) {
    Open("mine.kvu", {MatchRecord("Band", "1999.05.01")});
    Open("trader.kvu",
         {MatchRecord(" band", "1 May 1999"), MatchRecord("Band", "1999.05.02"), MatchRecord("Band", "1999.05.03")});
    WithWindow([&](TCompareForm& form) {
        EXPECT_FALSE(form.ParamsMP()->Checked(3));
        ClickLine(*form.ListLB(), 0);
        ClickLine(*form.ListLB(), 1);
        ClickOption(*form.ParamsMP(), 3);
        form.CompareBtn()->click();
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_TRUE(W->Program().LooseMatch);
    EXPECT_EQ(Hits(List(1)), (std::vector<int32_t>{0, 1, 1}));
    W->SetCurrentTab(1);
    QAction* markedOnly = W->Action(TActionId::cmMarkedOnly);
    ASSERT_TRUE(markedOnly->isCheckable());
    markedOnly->trigger();
    EXPECT_TRUE(markedOnly->isChecked());
    EXPECT_EQ(List(1).View, (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(W->Grid().GetCellString(3, 1), "1999.05.02");

    ASSERT_TRUE(OnModal<TCopyMarkedDialog>([&] { W->Action(TActionId::cmCopyMarked)->trigger(); },
                                           [](TCopyMarkedDialog& dialog) {
                                               EXPECT_EQ(dialog.TargetLB()->count(), 2); // Mine, a new list
                                               EXPECT_EQ(dialog.Choice(), 1);
                                               dialog.accept();
                                           }));
    ASSERT_EQ(W->Program().Lists.size(), 3u);
    EXPECT_EQ(W->MainTab().currentIndex(), 2);
    EXPECT_EQ(List(2).Data.size(), 2u);
    EXPECT_FALSE(List(2).Saved);
    EXPECT_FALSE(markedOnly->isChecked()); // the new list shows everything

    W->SetCurrentTab(1);
    EXPECT_TRUE(markedOnly->isChecked());
    W->Action(TActionId::cmClearSearch)->trigger(); // clearing results widens the list again
    EXPECT_FALSE(markedOnly->isChecked());
    EXPECT_EQ(List(1).View.size(), 3u);
}

// Which records a join takes is the compare logic's business; here the button
// must reach it and the window's close box ask for the new list.
TEST_F(CompareFormTest, JoinUnderABandFilterMakesANewUnsavedListThatExitAsksToSave) {
    Open("a.kvu",
         {MatchRecord("Band", "1", 1, "first"), MatchRecord("Other", "1"), MatchRecord("Band", "1", 1, "again")});
    Open("b.kvu", {MatchRecord("Band", "2"), MatchRecord("Band", "1", 1, "third")});
    QListWidget* bands = W->Rollup().TourLB();
    const int line = W->Program().Filter.Bands.at(0).ListIndex - 1;
    ASSERT_EQ(W->Program().Filter.Bands[0].Name, "Band");
    QTest::mouseClick(bands->viewport(), Qt::LeftButton, {}, bands->visualItemRect(bands->item(line)).center());
    ASSERT_FALSE(W->Program().Filter.AllBands);
    WithWindow([&](TCompareForm& form) {
        ClickLine(*form.ListLB(), 0);
        ClickLine(*form.ListLB(), 1);
        form.JoinBtn()->click();
        EXPECT_FALSE(form.isVisible());
    });
    ASSERT_EQ(W->Program().Lists.size(), 3u);
    EXPECT_EQ(W->MainTab().count(), 3);
    EXPECT_EQ(W->MainTab().currentIndex(), 2);
    EXPECT_EQ(W->Grid().CountRows(), 2);

    Answers = {Msg::ResultCancel};
    EXPECT_FALSE(W->close());
    EXPECT_TRUE(W->isVisible());
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Text, "Save changes in list \"Untitled\"?");
    EXPECT_FALSE(List(2).Saved);
}

} // namespace
