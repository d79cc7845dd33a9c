#include "program/CompareFormLogic.h"
#include "program/CopyMarked.h"
#include "program/Program.h"
#include "support/FakeProgramHost.h"
#include "support/ListFiles.h"
#include "support/Records.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// A program with a Tours folder of one band "Band" and lists opened in tabs.
struct TCompareFormLogicTest : testing::Test {
    TTempDir Home;
    TFakeProgramHost Host;
    TMemorySettingsStore Store;
    std::unique_ptr<TProgram> Program;
    std::unique_ptr<TCompareFormLogic> Logic;

    void SetUp() override {
        TProgramFolders folders = MakeProgramFolders("/opt/korvalen/korvalen", Home.Path());
        CreateMissingFolders(folders);
        WriteBytes(folders.ToursDir + "Band.txt", "|||||Tour|2001.01.01|2001.12.31\n");
        Program = std::make_unique<TProgram>(Host, Store, folders);
        Logic = std::make_unique<TCompareFormLogic>(*Program, Host);
    }

    TProject& Open(const std::string& name, const std::vector<TBootData>& records) {
        SaveListFile(Home.File("Lists/" + name), records);
        EXPECT_TRUE(Program->OpenList(Home.File("Lists/" + name)));
        return *Program->Lists.back();
    }
    TProject& List(size_t i) { return *Program->Lists[i]; }
};

TEST_F(TCompareFormLogicTest, LinesAreFileNamesWithoutFolderAndExtension) {
    Open("bootlegs 2003.kvu", {});
    Open("live.2003.kvu", {});
    Program->OpenList("");
    Open("trade", {});
    EXPECT_EQ(Logic->Lines(), (std::vector<std::string>{"bootlegs 2003", "live.2003", "", "trade"}));
    EXPECT_EQ(Logic->Selection(), (std::vector<bool>{false, false, false, false}));
    EXPECT_TRUE(Logic->Options().Source && Logic->Options().Media);
}

TEST_F(TCompareFormLogicTest, NothingSelectedRefusesBothFunctionsAndChangesNothing) {
    Open("a.kvu", {MatchRecord("Band", "1")}).Data[0].SearchHits = 2;
    Open("b.kvu", {MatchRecord("Band", "1")});
    Host.Current = 0;
    const int refreshes = Host.Refreshes;
    EXPECT_FALSE(Logic->Compare({false, false}, {true, true}));
    EXPECT_FALSE(Logic->Join({false, false}, {true, true}));
    ASSERT_EQ(Host.Messages.size(), 2u);
    for (const TFakeProgramHost::TMessage& message : Host.Messages) {
        EXPECT_EQ(message.Text, "You have to select at least one list!");
        EXPECT_EQ(message.Kind, Msg::Error);
        EXPECT_EQ(message.Buttons, Msg::Ok);
        EXPECT_EQ(message.Alignment, Msg::Centre);
    }
    EXPECT_EQ(Program->Lists.size(), 2u);
    EXPECT_EQ(Host.Current, 0);
    EXPECT_EQ(Host.Refreshes, refreshes);
    EXPECT_EQ(List(0).Data[0].SearchHits, 2);
    EXPECT_FALSE(List(0).SearchColumn);
}

TEST_F(TCompareFormLogicTest, CompareMovesToTheFirstSelectedListOnlyWhenTheCurrentOneIsNot) {
    Open("a.kvu", {MatchRecord("Band", "1"), MatchRecord("Band", "2")});
    Open("b.kvu", {MatchRecord("Band", "1")});
    Open("c.kvu", {MatchRecord("Band", "1")});
    Host.Current = 0;
    const int refreshes = Host.Refreshes;
    EXPECT_TRUE(Logic->Compare({false, true, true}, {true, true}));
    EXPECT_EQ(Host.Current, 1);
    EXPECT_EQ(Host.Refreshes, refreshes + 1); // the view is built once
    EXPECT_EQ((std::vector<bool>{List(0).SearchColumn, List(1).SearchColumn, List(2).SearchColumn}),
              (std::vector<bool>{false, true, true}));

    Host.Current = 2;
    EXPECT_TRUE(Logic->Compare({true, false, true}, {true, true}));
    EXPECT_EQ(Host.Current, 2);
    EXPECT_EQ(List(0).Data[1].SearchText, "C");
    EXPECT_EQ(List(1).Data[0].SearchHits, 0);
    EXPECT_FALSE(List(1).SearchColumn);
    EXPECT_TRUE(Host.Messages.empty());
}

TEST_F(TCompareFormLogicTest, JoinMakesAnUnnamedUnsavedCurrentListOfTheShownBootlegs) {
    Open("a.kvu",
         {MatchRecord("Band", "1", 1, "first"), MatchRecord("Other", "1"), MatchRecord("Band", "1", 1, "again")});
    Open("b.kvu", {MatchRecord("Band", "2"), MatchRecord("Band", "1", 1, "third")});
    Open("c.kvu", {MatchRecord("Band", "3")});
    Program->Filter.AllBands = false;
    Program->Filter.Bands[0].Selected = true;
    Host.Current = 0;
    EXPECT_TRUE(Logic->Join({true, true, false}, {true, true}));
    ASSERT_EQ(Program->Lists.size(), 4u);
    EXPECT_EQ(Host.Current, 3);
    EXPECT_EQ(Host.Tabs.back(), "Untitled");
    TProject& joined = List(3);
    EXPECT_EQ(joined.FileName, "");
    EXPECT_FALSE(joined.Saved);
    ASSERT_EQ(joined.Data.size(), 2u);
    EXPECT_TRUE(SameStoredFields(joined.Data[0], MatchRecord("Band", "1", 1, "first")));
    EXPECT_TRUE(SameStoredFields(joined.Data[1], MatchRecord("Band", "2")));

    // The window closes after the join: the new list has no line and stays unselected.
    Logic->Close({true, true, false}, {false, true, true});
    EXPECT_EQ(Logic->Selection(), (std::vector<bool>{true, true, false, false}));
    EXPECT_FALSE(Logic->Options().Source);
    EXPECT_TRUE(Logic->Options().Media);
    EXPECT_TRUE(Program->LooseMatch);

    // Leaving the program asks to save the joined list.
    Host.Answers = {Msg::ResultCancel};
    EXPECT_FALSE(Program->CloseAllForExit());
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.Messages[0].Text, "Save changes in list \"Untitled\"?");
}

TEST_F(TCompareFormLogicTest, WantsOpenWhatTheOthersHoldAndTheCurrentListLacks) {
    Open("mine.kvu", {MatchRecord("Band", "1999.05.01")});
    Open("trader.kvu", {MatchRecord("band ", "1 May 1999"), MatchRecord("Band", "1999.05.02")});
    Host.Current = 0;
    EXPECT_FALSE(Logic->Wants({true, false}, {true, true, true}));
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.Messages[0].Text, "Select at least one list besides the current one!");
    EXPECT_EQ(Program->Lists.size(), 2u);

    EXPECT_TRUE(Logic->Wants({false, true}, {true, true, true}));
    ASSERT_EQ(Program->Lists.size(), 3u);
    EXPECT_EQ(Host.Current, 2);
    EXPECT_FALSE(List(2).Saved);
    ASSERT_EQ(List(2).Data.size(), 1u);
    EXPECT_EQ(List(2).Data[0].Date, "1999.05.02");
}

TEST_F(TCompareFormLogicTest, CopyMarkedGoesIntoAnotherListOrANewOneAsOneStep) {
    Open("mine.kvu", {MatchRecord("Band", "1")});
    Open("trader.kvu", {MatchRecord("Band", "1"), MatchRecord("Band", "2"), MatchRecord("Band", "3")});
    std::string error;
    EXPECT_FALSE(CopyMarkedToList(*Program, 1, 0, error));
    EXPECT_EQ(error, kNothingMarked);
    ASSERT_TRUE(Logic->Compare({true, true}, {true, true}));
    EXPECT_EQ(CopyMarkedTargets(*Program, 1), (std::vector<std::string>{"Mine", kNewListChoice}));

    ASSERT_TRUE(CopyMarkedToList(*Program, 1, 0, error)) << error;
    ASSERT_EQ(List(0).Data.size(), 3u);
    EXPECT_EQ(List(0).Data[2].Date, "3");
    EXPECT_EQ(List(0).Data[1].SearchHits, 0);
    EXPECT_EQ(List(0).Data[1].SearchText, "");
    EXPECT_FALSE(List(0).Saved);
    EXPECT_TRUE(List(0).UndoChange().Done);
    EXPECT_EQ(List(0).Data.size(), 1u);

    ASSERT_TRUE(CopyMarkedToList(*Program, 1, 1, error)) << error;
    ASSERT_EQ(Program->Lists.size(), 3u);
    EXPECT_EQ(List(2).Data.size(), 2u);
    EXPECT_FALSE(List(2).Saved);
}

} // namespace
