// Opening in the real main window while a slow disk holds the reading: the
// window goes on and shows the opening, and the tab comes with the list.

#include "controls/grid/ExcelGrid2.h"
#include "platform/SettingsStore.h"
#include "support/FaultyFileSystem.h"
#include "support/Records.h"
#include "support/TempDir.h"
#include "ui/main/MainForm.h"

#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <optional>

TEST(MainFormOpenAside, TheWindowGoesOnWhileAListIsReadAndItsTabComesWithIt) {
    TTempDir home;
    std::filesystem::create_directories(home.File("Lists"));
    const std::string path = home.File("Lists/slow.kvu");
    {
        TProject list;
        list.FileName = path;
        list.Data.assign(50, SampleRecord());
        ASSERT_TRUE(list.Save().Ok);
    }
    TMemorySettingsStore settings;
    TMainFormOptions options;
    options.AboutAtStart = false;
    options.ReopenRecent = false;
    TMainForm window(settings, MakeProgramFolders(home.File("korvalen"), home.Path()), {}, options);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    std::promise<void> gate;
    std::shared_future<void> opened = gate.get_future().share();
    TFaultyFileSystem slow;
    slow.BeforeRead = [opened] { opened.wait(); };
    std::optional<bool> result;
    {
        TScopedFileSystem scope(slow);
        window.Program().StartOpen(path, [&result](bool ok) { result = ok; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.windowTitle().contains(QStringLiteral("Opening Slow")); }));
        EXPECT_FALSE(result.has_value());
        EXPECT_EQ(window.MainTab().count(), 0);
        gate.set_value();
        ASSERT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }));
    }
    EXPECT_TRUE(*result);
    ASSERT_EQ(window.Program().Lists.size(), 1u);
    EXPECT_EQ(window.Program().Lists[0]->Data.size(), 50u);
    EXPECT_EQ(window.MainTab().count(), 1);
    EXPECT_EQ(window.Grid().CountRows(), 50);
    EXPECT_FALSE(window.windowTitle().contains(QStringLiteral("Opening")));
}

TEST(MainFormOpenAside, ADamagedFileIsToldAsBeforeAndGetsNoTab) {
    TTempDir home;
    const std::string path = home.File("bad.kvu");
    std::ofstream(path, std::ios::binary) << "not a list";
    TMemorySettingsStore settings;
    TMainFormOptions options;
    options.AboutAtStart = false;
    options.ReopenRecent = false;
    TMainForm window(settings, MakeProgramFolders(home.File("korvalen"), home.Path()), {}, options);
    std::vector<std::string> messages;
    window.MessageHook = [&](const std::string& text, int, int, int) {
        messages.push_back(text);
        return Msg::ResultOk;
    };
    EXPECT_FALSE(window.Program().OpenList(path));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("The list could not be opened:", 0), 0u);
    EXPECT_TRUE(window.Program().Lists.empty());
    EXPECT_EQ(window.MainTab().count(), 0);
}
