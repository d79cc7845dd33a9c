// The real main window on a copy of the sample list while another program
// rewrites the list's file.

#include "controls/grid/ExcelGrid2.h"
#include "core/Project.h"
#include "program/Program.h"
#include "support/MainWindowFixture.h"

#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class ListFileWatch : public TMainWindowFixture {
protected:
    void SetUp() override {
        Start();
        QTest::qWait(400); // past the start-up tick, which offers what a dead run left
        ASSERT_TRUE(W->Program().OpenList(SampleList()));
        ASSERT_GT(W->Grid().CountRows(), 8);
    }

    TProject& List() { return *W->Program().Lists.at(0); }
    const TBootData& AtRow(int32_t row) {
        return List().Data[static_cast<size_t>(List().View[static_cast<size_t>(row - 1)])];
    }

    // Another program writes the list's records in the opposite order, less
    // `dropped` of them; its bytes are returned.
    std::string RewriteReversed(size_t dropped = 0) {
        TProject other;
        other.FileName = SampleList();
        EXPECT_TRUE(other.Load().Ok());
        std::reverse(other.Data.begin(), other.Data.end());
        other.Data.resize(other.Data.size() - dropped);
        EXPECT_TRUE(other.Save().Ok);
        return FileBytes(SampleList());
    }
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
    EXPECT_NE(Messages[0].Text.find("was changed on the disk by another program"), std::string::npos)
        << Messages[0].Text;
    const std::string theirs = RewriteReversed(1);
    QTest::qWait(1000); // told once: a second change tells nothing new
    EXPECT_EQ(Messages.size(), 1u);
    EXPECT_EQ(List().Data[0].Comment, "mine");
    EXPECT_FALSE(List().Saved);

    Answers = {Msg::ResultCancel};
    W->Execute({TActionId::cmSave});
    EXPECT_EQ(Messages.size(), 2u);
    EXPECT_TRUE(FileBytes(SampleList()) == theirs);
    EXPECT_FALSE(List().Saved);

    const std::string minePath = Home + "Lists/Mine.kvu";
    DialogPaths = {minePath};
    Answers = {Msg::ResultYes};
    W->Execute({TActionId::cmSave});
    W->WaitForBackgroundWork();
    EXPECT_TRUE(FileBytes(SampleList()) == theirs);
    TProject mine;
    mine.FileName = minePath;
    ASSERT_TRUE(mine.Load().Ok());
    EXPECT_EQ(mine.Data[0].Comment, "mine");
    EXPECT_TRUE(List().Saved);
}

} // namespace
