// The real main window on a copy of the sample list while another program
// rewrites the list's file.

#include "controls/grid/ExcelGrid2.h"
#include "core/Project.h"
#include "platform/SettingsStore.h"
#include "program/Program.h"
#include "support/SampleHome.h"
#include "ui/main/MainForm.h"

#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>

#ifndef KORVALEN_SAMPLE_HOME
#error "the test needs KORVALEN_SAMPLE_HOME"
#endif

namespace {

std::string Bytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<unreadable>");
}

class ListFileWatch : public ::testing::Test {
protected:
    void SetUp() override {
        CopySampleHome(QStringLiteral(KORVALEN_SAMPLE_HOME), m_dir.path());
        Home = m_dir.path().toStdString() + "/";
        TMainFormOptions options;
        options.AboutAtStart = false;
        options.ReopenRecent = false;
        W = std::make_unique<TMainForm>(m_settings, MakeProgramFolders(Home + "korvalen", Home),
                                        std::vector<std::string>(), options);
        W->MessageHook = [this](const std::string& text, Msg::TKind, Msg::TButtons, Msg::TAlign) {
            Messages.push_back(text);
            const int answer = Answers.empty() ? Msg::ResultCancel : Answers.front();
            if (!Answers.empty())
                Answers.pop_front();
            return answer;
        };
        W->FileDialogHook = [this](TFileDialog& dialog, bool) {
            dialog.FileName = SaveAsPath;
            return !SaveAsPath.empty();
        };
        W->resize(1200, 800);
        W->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(W.get()));
        QTest::qWait(400); // past the start-up tick, which offers what a dead run left
        ASSERT_TRUE(W->Program().OpenList(ListPath()));
        ASSERT_GT(W->Grid().CountRows(), 8);
    }

    std::string ListPath() const { return Home + "Lists/Sample list.kvu"; }
    TProject& List() { return *W->Program().Lists.at(0); }
    const TBootData& AtRow(int32_t row) {
        return List().Data[static_cast<size_t>(List().View[static_cast<size_t>(row - 1)])];
    }

    // Another program writes the list's records in the opposite order, less
    // `dropped` of them; its bytes are returned.
    std::string RewriteReversed(size_t dropped = 0) {
        TProject other;
        other.FileName = ListPath();
        EXPECT_TRUE(other.Load().Ok());
        std::reverse(other.Data.begin(), other.Data.end());
        other.Data.resize(other.Data.size() - dropped);
        EXPECT_TRUE(other.Save().Ok);
        return Bytes(ListPath());
    }

    std::string Home;
    std::unique_ptr<TMainForm> W;
    std::vector<std::string> Messages;
    std::deque<int> Answers;
    std::string SaveAsPath;

private:
    QTemporaryDir m_dir;
    TMemorySettingsStore m_settings;
};

TEST_F(ListFileWatch, AnUneditedListIsReadAgainWithTheCursorOnTheSameBootleg) {
    const int32_t row = 3;
    W->Grid().Row = row;
    const TBootData before = AtRow(row);
    const std::string firstBefore = List().Data.front().Num + List().Data.front().Band;
    RewriteReversed();
    ASSERT_TRUE(QTest::qWaitFor([&] { return List().Data.back().Num + List().Data.back().Band == firstBefore; }));
    EXPECT_TRUE(List().Saved);
    EXPECT_TRUE(Messages.empty());
    EXPECT_NE(W->Grid().Row, row);
    EXPECT_EQ(AtRow(W->Grid().Row).Num, before.Num);
    EXPECT_EQ(AtRow(W->Grid().Row).Name, before.Name);
    EXPECT_NE(W->statusBar()->currentMessage().indexOf(QStringLiteral("has been read again")), -1);
}

// Told at once, asked at the save, and whatever the answer, neither the
// other program's file nor the edit is gone unless the user overwrites.
TEST_F(ListFileWatch, AnEditedListIsToldAndItsSaveAskedWithNothingLost) {
    List().UndoSteps.Touch(List().Data, 0);
    List().Data[0].Comment = "mine";
    List().CommitChange("edit");
    RewriteReversed();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Messages.empty(); }));
    EXPECT_NE(Messages[0].find("was changed on the disk by another program"), std::string::npos) << Messages[0];
    const std::string theirs = RewriteReversed(1);
    QTest::qWait(1000); // told once: a second change tells nothing new
    EXPECT_EQ(Messages.size(), 1u);
    EXPECT_EQ(List().Data[0].Comment, "mine");
    EXPECT_FALSE(List().Saved);

    Answers = {Msg::ResultCancel};
    W->Execute({TActionId::cmSave});
    EXPECT_EQ(Messages.size(), 2u);
    EXPECT_TRUE(Bytes(ListPath()) == theirs);
    EXPECT_FALSE(List().Saved);

    SaveAsPath = Home + "Lists/Mine.kvu";
    Answers = {Msg::ResultYes};
    W->Execute({TActionId::cmSave});
    W->WaitForBackgroundWork();
    EXPECT_TRUE(Bytes(ListPath()) == theirs);
    TProject mine;
    mine.FileName = SaveAsPath;
    ASSERT_TRUE(mine.Load().Ok());
    EXPECT_EQ(mine.Data[0].Comment, "mine");
    EXPECT_TRUE(List().Saved);
}

} // namespace
