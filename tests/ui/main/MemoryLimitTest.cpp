// The real main window started under a tight memory limit with a list that
// would need more: the list is refused with a message and the window goes
// on. A test executable of its own, as the limit stays for the process.

#include "support/MemoryLimit.h"
#include "core/Project.h"
#include "platform/SettingsStore.h"
#include "support/TempDir.h"
#include "ui/main/MainForm.h"

#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

TEST(MainFormUnderAMemoryLimit, AListBombAtStartIsRefusedAndTheWindowGoesOn) {
    if (kAddressSanitizer)
        GTEST_SKIP() << "the address sanitizer cannot run under a memory limit";
    TTempDir home;
    std::filesystem::create_directories(home.File("Lists"));
    const std::string bomb = home.File("Lists/bomb.kvu"), small = home.File("Lists/small.kvu");
    WriteBytes(bomb, ListBomb(3000000, 3000000)); // 170 kB of file, over a gigabyte of records
    TProject list;
    list.FileName = small;
    list.Data.resize(3);
    ASSERT_TRUE(list.Save().Ok);

    TMemorySettingsStore settings;
    TMainFormOptions options;
    options.AboutAtStart = false;
    options.ReopenRecent = false;
    TMainForm window(settings, MakeProgramFolders(home.File("korvalen"), home.Path()), {bomb, small}, options);
    std::vector<std::string> messages;
    window.MessageHook = [&](const std::string& text, Msg::TKind, Msg::TButtons, Msg::TAlign) {
        messages.push_back(text);
        return Msg::ResultOk;
    };
    ASSERT_TRUE(LimitMemoryTo(size_t(600) << 20));
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Program().Lists.size() == 1; }, 20000));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("There is not enough memory to open the list"), std::string::npos) << messages[0];
    EXPECT_EQ(window.Program().Lists[0]->FileName, small);

    window.Execute({TActionId::cmNew});
    EXPECT_EQ(window.Program().Lists.size(), 2u);
    EXPECT_TRUE(window.isVisible());
}
