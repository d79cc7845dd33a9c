#include "core/ListFile.h"
#include "program/Program.h"
#include "support/FakeProgramHost.h"
#include "support/FaultyFileSystem.h"
#include "support/ListFiles.h"
#include "support/Records.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A program with one list of three bootlegs open from its file; the host
// holds background work back until the test lets it run.
struct TSaveFixture : testing::Test {
    TTempDir Home;
    TFakeProgramHost Host;
    TMemorySettingsStore Store;
    std::unique_ptr<TProgram> Program;
    std::string Path;

    void SetUp() override {
        TProgramFolders folders = MakeProgramFolders("/opt/korvalen/korvalen", Home.Path());
        CreateMissingFolders(folders);
        Program = std::make_unique<TProgram>(Host, Store, folders);
        SaveListFile(Path = Home.File("Lists/three.kvu"), std::vector<TBootData>(3));
        ASSERT_TRUE(Program->OpenList(Path));
        Host.DeferWork = true;
    }
    TProject& List() { return *Program->Lists[0]; }
    void SetBand(int32_t index, const std::string& band) {
        List().UndoSteps.Touch(List().Data, index);
        List().Data[static_cast<size_t>(index)].Band = band;
        List().CommitChange("edit");
    }
    std::string ContentOf(const TArrayOfBootData& records) {
        TStringSink content;
        std::string error;
        EXPECT_TRUE(WriteListContent(records, content, error));
        return content.Bytes;
    }
    std::string FileContent() { return ContentOf(LoadListFile(Path).Data); }
    size_t FilesInLists() {
        size_t count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(Home.File("Lists")))
            count += entry.path().extension() != ".lock";
        return count;
    }
};

using ProgramSave = TSaveFixture;

} // namespace

TEST_F(ProgramSave, TheFileHoldsTheListAsItWasWhenSaveWasChosen) {
    SetBand(0, "Before");
    const std::string atSave = ContentOf(List().Data);
    ASSERT_TRUE(Program->StartSave(0));
    EXPECT_TRUE(Program->IsSaving(List()));
    EXPECT_EQ(Host.WorkNames.back(), "Saving Three");
    EXPECT_EQ(Host.WaitedFor, std::vector<std::string>{"Saving Three"}); // the records read away from the window

    SetBand(0, "During");
    List().UndoSteps.Append(List().Data, SampleRecord());
    List().CommitChange("add");
    EXPECT_FALSE(Program->StartSave(0)); // no second writer of the same file
    EXPECT_EQ(Program->CheckOutsideChange(0), TOutsideChange::None);
    Host.RunPending();

    EXPECT_FALSE(Program->IsSaving(List()));
    EXPECT_EQ(FileContent(), atSave);
    EXPECT_EQ(List().Data.size(), 4u);
    EXPECT_FALSE(List().Saved); // the changes made meanwhile are not in the file
    List().UndoChange();
    EXPECT_FALSE(List().Saved);
    List().UndoChange();
    EXPECT_TRUE(List().Saved); // back at what the file holds
    EXPECT_TRUE(Host.Messages.empty());
}

TEST_F(ProgramSave, ASaveWithoutChangesMeanwhileLeavesTheListSaved) {
    ASSERT_TRUE(Program->OpenList("")); // the tab after it keeps its caption
    const std::string other = Host.Tabs[1];
    SetBand(2, "Edited");
    ASSERT_TRUE(Program->StartSave(0));
    EXPECT_FALSE(List().Saved);
    Host.RunPending();
    EXPECT_TRUE(List().Saved);
    EXPECT_EQ(Host.Tabs, (std::vector<std::string>{"Three", other}));
    EXPECT_EQ(FileContent(), ContentOf(List().Data));
}

TEST_F(ProgramSave, ClosingDuringASaveWaitsForTheWholeFileFirst) {
    SetBand(1, "Kept");
    const std::string atSave = ContentOf(List().Data);
    ASSERT_TRUE(Program->StartSave(0));
    EXPECT_TRUE(Program->CloseList(0));
    EXPECT_GE(Host.Waits, 1);
    EXPECT_TRUE(Program->Lists.empty());
    EXPECT_TRUE(Host.Messages.empty()); // saved by then: nothing to ask
    EXPECT_EQ(FileContent(), atSave);
    EXPECT_EQ(FilesInLists(), 1u); // no temporary file left beside it
}

TEST_F(ProgramSave, AFailedWriteDuringCloseKeepsTheOldFileAndAsks) {
    const std::string before = FileContent();
    SetBand(1, "Lost?");
    TFaultyFileSystem faulty;
    TScopedFileSystem scope(faulty);
    faulty.FailAt = TFaultyFileSystem::TStep::Write;
    ASSERT_TRUE(Program->StartSave(0));
    Host.Answers = {Msg::ResultCancel};
    EXPECT_FALSE(Program->CloseList(0));
    ASSERT_EQ(Host.Messages.size(), 2u);
    EXPECT_NE(Host.Messages[0].Text.find("injected failure"), std::string::npos);
    EXPECT_EQ(Host.Messages[1].Text, "Save changes in list \"Three\"?");
    EXPECT_FALSE(List().Saved);
    EXPECT_EQ(FileContent(), before);
    EXPECT_EQ(FilesInLists(), 1u);
}
