#include "MainWindowFixture.h"

#include <QTabBar>

namespace {

TEST(MainForm, OpensTheSampleListInATab) {
    TMainWindowFixture f;
    TMainForm& window = f.Open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Korvalen v0.14"));
    EXPECT_FALSE(f.Grid().isVisible());
    TProject& list = f.OpenList(f.SampleList());
    EXPECT_EQ(window.MainTab().count(), 1);
    EXPECT_TRUE(f.Grid().isVisible());
    EXPECT_EQ(f.Grid().CountRows(), static_cast<int32_t>(list.Data.size()));
    EXPECT_EQ(f.Grid().ColCount(), 13);
}

} // namespace
