// Opening in the real main window while a slow disk holds the reading: the
// window goes on and shows the opening, and the tab comes with the list.

#include "controls/grid/ExcelGrid2.h"
#include "support/FaultyFileSystem.h"
#include "support/MainWindowFixture.h"
#include "support/Records.h"

#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <future>
#include <optional>

namespace {

struct MainFormOpenAside : TMainWindowFixture {
    MainFormOpenAside() : TMainWindowFixture(false) {}
    void SetUp() override {
        Start();
        ASSERT_TRUE(Program().OpenList(""));
    }
};

} // namespace

TEST_F(MainFormOpenAside, TheWindowGoesOnWhileAListIsReadAndItsTabComesWithIt) {
    const std::string path = Path("slow.kvu");
    TProject made;
    made.FileName = path;
    made.Data.assign(50, SampleRecord());
    ASSERT_TRUE(made.Save().Ok);

    std::promise<void> gate;
    std::shared_future<void> opened = gate.get_future().share();
    TFaultyFileSystem slow;
    slow.BeforeRead = [opened] { opened.wait(); };
    std::optional<bool> result;
    {
        TScopedFileSystem scope(slow);
        Window->Program().StartOpen(path, [&result](bool ok) { result = ok; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return Window->windowTitle().contains(QStringLiteral("Opening Slow")); }));
        EXPECT_FALSE(result.has_value());
        EXPECT_EQ(Window->MainTab().count(), 1);
        gate.set_value();
        ASSERT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }));
    }
    EXPECT_TRUE(*result);
    ASSERT_EQ(Window->Program().Lists.size(), 2u);
    EXPECT_EQ(Window->Program().Lists[1]->Data.size(), 50u);
    EXPECT_EQ(Window->MainTab().currentIndex(), 1);
    EXPECT_EQ(Window->Grid().CountRows(), 50);
    EXPECT_FALSE(Window->windowTitle().contains(QStringLiteral("Opening")));
}

TEST_F(MainFormOpenAside, ADamagedFileIsToldAsBeforeAndGetsNoTab) {
    const std::string path = Path("bad.kvu");
    std::ofstream(path, std::ios::binary) << "not a list";
    EXPECT_FALSE(Window->Program().OpenList(path));
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Text.rfind("The list could not be opened:", 0), 0u);
    EXPECT_EQ(Window->Program().Lists.size(), 1u);
    EXPECT_EQ(Window->MainTab().count(), 1);
}
