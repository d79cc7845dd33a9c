// Saving in the real main window while a slow disk holds the write: the
// window goes on, shows the save, and the file gets the list as it was
// when Save was chosen.

#include "core/ListFile.h"
#include "platform/SettingsStore.h"
#include "support/FaultyFileSystem.h"
#include "support/Records.h"
#include "support/TempDir.h"
#include "ui/main/MainForm.h"

#include <QAction>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <condition_variable>
#include <filesystem>
#include <mutex>

namespace {

// Holds every write until opened.
class TGate {
public:
    void Wait() {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_open; });
    }
    void Open() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_open = true;
        }
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_open = false;
};

std::string ContentOf(const TArrayOfBootData& records) {
    TStringSink content;
    std::string error;
    EXPECT_TRUE(WriteListContent(records, content, error));
    return content.Bytes;
}

std::string FileContent(const std::string& path) {
    TProject back;
    back.FileName = path;
    EXPECT_TRUE(back.Load().Ok());
    return ContentOf(back.Data);
}

} // namespace

TEST(MainFormBackgroundSave, TheWindowGoesOnAndTheFileHoldsTheListAsItWasAtSave) {
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
    TMainForm window(settings, MakeProgramFolders(home.File("korvalen"), home.Path()), {path}, options);
    std::vector<std::string> messages;
    window.MessageHook = [&](const std::string& text, Msg::TKind, Msg::TButtons, Msg::TAlign) {
        messages.push_back(text);
        return Msg::ResultNo;
    };
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Program().Lists.size() == 1; }));
    TProject& list = *window.Program().Lists[0];

    TFaultyFileSystem slow;
    TScopedFileSystem scope(slow);
    TGate gate;
    slow.BeforeWrite = [&gate] { gate.Wait(); };
    list.UndoSteps.Touch(list.Data, 0);
    list.Data[0].Band = "At save";
    list.CommitChange("edit");
    const std::string atSave = ContentOf(list.Data);
    window.Execute({TActionId::cmSave});

    // The window answers while the disk holds the write.
    ASSERT_TRUE(window.Program().IsSaving(list));
    EXPECT_FALSE(window.Action(TActionId::cmSave)->isEnabled());
    EXPECT_FALSE(window.Action(TActionId::cmSaveAs)->isEnabled());
    window.Execute({TActionId::cmAdd});
    list.UndoSteps.Touch(list.Data, 1);
    list.Data[1].Band = "After save";
    list.CommitChange("edit");
    EXPECT_EQ(list.Data.size(), 51u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.windowTitle().contains(QStringLiteral("Saving Slow")); }));

    // Closing waits for the whole file; the changes since are not in it.
    QTimer::singleShot(100, [&gate] { gate.Open(); });
    EXPECT_TRUE(window.close());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Save changes in list \"Slow\"?");
    EXPECT_EQ(FileContent(path), atSave);
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(home.File("Lists")))
        files += entry.path().extension() != ".lock";
    EXPECT_EQ(files, 1u); // no temporary file beside it
}
