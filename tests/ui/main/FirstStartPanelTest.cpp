// The real main window with no list open, on a copy of the sample home
// folder: the first-start text and its links, by pointer and by keyboard.

#include "ui/main/FirstStartPanel.h"

#include "controls/grid/ExcelGrid2.h"
#include "support/MainWindowFixture.h"

#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FirstStartPanel : public TMainWindowFixture {
protected:
    void SetUp() override {
        Start();
        Window->FileDialogHook = [this](TFileDialog& dialog, bool) {
            FileDialogs.push_back(dialog.Title);
            return false;
        };
    }
    TFirstStartPanel& Panel() { return Window->FirstStart(); }
    void Click(int link) {
        const QPoint at = Panel().LinkCentre(link);
        ASSERT_GE(at.x(), 0) << "link " << link;
        QTest::mouseClick(&Panel(), Qt::LeftButton, {}, at);
    }
    void Key(int key) { QTest::keyClick(&Panel(), Qt::Key(key)); }

    std::vector<std::string> FileDialogs;
};

} // namespace

TEST_F(FirstStartPanel, StandsInThePlaceOfTheGridWhileNoListIsOpen) {
    ASSERT_TRUE(Panel().isVisible());
    EXPECT_FALSE(Window->Grid().isVisible());
    EXPECT_TRUE(Panel().hasFocus());
    EXPECT_NE(Panel().Text().Markup.find(Window->Program().ToursDir), std::string::npos);
    EXPECT_EQ(Panel().Text().Links.size(), 3u) << "the sample list is in the Lists folder";

    Click(0); // Create a new list
    EXPECT_EQ(Window->MainTab().count(), 1);
    EXPECT_FALSE(Panel().isVisible());
    EXPECT_TRUE(Window->Grid().isVisible());
    Window->Execute({TActionId::cmClose});
    EXPECT_EQ(Window->MainTab().count(), 0);
    EXPECT_TRUE(Panel().isVisible());

    Click(1); // Open a list
    EXPECT_EQ(FileDialogs, std::vector<std::string>{"Open list"});
    QTest::mouseClick(&Panel(), Qt::LeftButton, {}, QPoint(2, 2)); // beside every link
    EXPECT_EQ(FileDialogs.size(), 1u);
    EXPECT_EQ(Window->MainTab().count(), 0);
}

TEST_F(FirstStartPanel, TabStepsThroughTheLinksAndEnterOrSpaceRunsOne) {
    EXPECT_EQ(Panel().FocusedLink(), 0);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Panel().FocusedLink(), 1);
    Key(Qt::Key_Return);
    EXPECT_EQ(FileDialogs.size(), 1u);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Panel().FocusedLink(), 2);
    Key(Qt::Key_Space); // Open the sample list
    ASSERT_EQ(Window->MainTab().count(), 1);
    EXPECT_EQ(Window->MainTab().tabText(0).toStdString().find("Sample list"), 0u);
    EXPECT_GT(Window->Program().Lists[0]->Data.size(), 10u);
}
