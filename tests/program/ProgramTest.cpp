#include "program/Program.h"
#include "core/Deflate.h"
#include "program/ListNames.h"
#include "program/TitleBar.h"
#include "program/Version.h"
#include "support/FakeProgramHost.h"
#include "support/FaultyFileSystem.h"
#include "support/ListFiles.h"
#include "support/Records.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

// A program in a fresh home folder with a Tours folder of one band.
struct TProgramFixture : testing::Test {
    TTempDir Home;
    TFakeProgramHost Host;
    TMemorySettingsStore Store;
    std::unique_ptr<TProgram> Program;

    void Start() {
        TProgramFolders folders = MakeProgramFolders("/opt/korvalen/korvalen", Home.Path());
        CreateMissingFolders(folders);
        WriteBytes(folders.ToursDir + "Band.txt",
                   "|||||Tour|2001.01.01|2001.12.31\n2001.05.10|x|Lisbon|Portugal|Hall\n");
        Program = std::make_unique<TProgram>(Host, Store, folders);
    }
    void SetUp() override { Start(); }

    std::string SaveList(const std::string& name, size_t count) {
        SaveListFile(Home.File("Lists/" + name), std::vector<TBootData>(count));
        return Home.File("Lists/" + name);
    }

    // Opens a new list and marks it changed.
    void NewChangedList() {
        ASSERT_TRUE(Program->OpenList(""));
        Program->Lists.back()->Saved = false;
    }
};

using ProgramObject = TProgramFixture;

} // namespace

TEST_F(ProgramObject, StartsWithFoldersConcertListsAndTheHistoryMenu) {
    EXPECT_EQ(Program->ProgramDir, Home.Path() + "/");
    EXPECT_EQ(Program->ListsDir, Home.Path() + "/Lists/");
    EXPECT_TRUE(std::filesystem::is_directory(Home.File("Covers")));
    EXPECT_EQ(Program->OpenDialog.InitialDir, Program->ListsDir);
    EXPECT_EQ(Host.BandLines, (std::vector<std::string>{"$f01 < all > ", "$f01Band", "$f02Tour"}));
    EXPECT_EQ(Host.HistoryMenu[0].Caption, "Files list");
}

TEST_F(ProgramObject, OpenAddsTabHistoryAndDialogFolder) {
    std::string path = SaveList("my list.old.kvu", 3);
    Host.DialogAnswers = {path};
    Program->Execute({TActionId::cmOpen});
    ASSERT_EQ(Program->Lists.size(), 1u);
    EXPECT_EQ(Program->Lists[0]->Data.size(), 3u);
    EXPECT_EQ(Host.Tabs, std::vector<std::string>{"My list"});
    EXPECT_EQ(Host.Current, 0);
    EXPECT_EQ(Program->History.Entry(1), path);
    EXPECT_EQ(Host.HistoryMenu[0].Caption, "&1 my list.old.kvu");
    EXPECT_EQ(Program->SaveDialog.InitialDir, Home.Path() + "/Lists/");
    EXPECT_TRUE(Host.Messages.empty());
    EXPECT_EQ(Host.BusyTimes, 1); // while the file was read
    EXPECT_FALSE(Host.Busy);
}

// Started in the Lists folder with a relative name, the list must still be
// found next time from elsewhere, and stand in the history once.
TEST_F(ProgramObject, AListEntersTheHistoryByItsAbsoluteCleanName) {
    const std::string path = SaveList("My list.kvu", 1);
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(Home.File("Lists"));
    EXPECT_TRUE(Program->OpenList("My list.kvu"));
    EXPECT_TRUE(Program->OpenList(".//../Lists/./My list.kvu"));
    std::filesystem::current_path(before);
    EXPECT_EQ(Program->History.Entry(1), path);
    EXPECT_EQ(Program->History.Entry(2), "");
    ASSERT_EQ(Program->Lists.size(), 1u); // one file, one tab
    EXPECT_EQ(Program->Lists.at(0)->FileName, path);
    EXPECT_EQ(Program->OpenDialog.InitialDir, Home.File("Lists") + "/");
}

TEST_F(ProgramObject, NewerOrDamagedListTellsWhyAndOpensNothing) {
    WriteBytes(Home.File("Lists/new.kvu"), CompressBytes(TContent().Int(14).Int(0).Bytes()));
    WriteBytes(Home.File("Lists/bad|name.kvu"), "garbage");
    EXPECT_FALSE(Program->OpenList(Home.File("Lists/new.kvu")));
    EXPECT_FALSE(Program->OpenList(Home.File("Lists/bad|name.kvu")));
    ASSERT_EQ(Host.Messages.size(), 2u);
    EXPECT_EQ(Host.Messages[0].Text, "Wrong file version (14).");
    for (const auto& message : Host.Messages) {
        EXPECT_EQ(message.Kind, Msg::Error);
        EXPECT_EQ(message.Buttons, Msg::Ok);
        EXPECT_EQ(message.Alignment, Msg::Centre);
    }
    EXPECT_NE(Host.Messages[1].Text.find("bad|s| name.kvu"), std::string::npos) << Host.Messages[1].Text;
    EXPECT_NE(Host.Messages[1].Text.find("not a Korvalen list"), std::string::npos);
    EXPECT_TRUE(Host.Tabs.empty());
    EXPECT_TRUE(Program->Lists.empty());
    EXPECT_EQ(Program->History.Entry(1), "");
}

TEST_F(ProgramObject, SaveQuestionOnClose) {
    NewChangedList();
    Program->Lists[0]->Data.resize(2);
    Host.Answers = {Msg::ResultYes}; // and the name dialog is cancelled
    Program->Execute({TActionId::cmClose});
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.Messages[0].Text, "Save changes in list \"Untitled\"?");
    EXPECT_EQ(Host.Messages[0].Kind, Msg::Confirmation);
    EXPECT_EQ(Host.Messages[0].Buttons, Msg::Yes | Msg::No | Msg::Cancel);
    EXPECT_EQ(Program->Lists.size(), 1u);
    EXPECT_EQ(Host.Tabs.size(), 1u);
    ASSERT_EQ(Host.Dialogs.size(), 1u);
    EXPECT_EQ(Host.Dialogs[0].Title, "Save list");
    EXPECT_EQ(Host.Dialogs[0].FilterIndex, 1);

    Host.Answers = {0}; // the question was closed without an answer
    EXPECT_FALSE(Program->CloseList(0));
    Host.Answers = {Msg::ResultYes};
    Host.DialogAnswers = {Home.File("Lists/chosen.kvu")};
    EXPECT_TRUE(Program->CloseList(0));
    EXPECT_TRUE(Program->Lists.empty());
    EXPECT_EQ(LoadListFile(Home.File("Lists/chosen.kvu")).Data.size(), 2u);

    NewChangedList();
    Host.Answers = {Msg::ResultNo};
    EXPECT_TRUE(Program->CloseList(0));
    EXPECT_EQ(Host.Dialogs.size(), 2u);
}

// Every way of showing a list builds its view, at a million bootlegs a
// stall of its own; the records are given back away from the window.
TEST_F(ProgramObject, ClosingTheForwardListShowsTheNextOnceAndFreesItInAWait) {
    ASSERT_TRUE(Program->OpenList(SaveList("One.kvu", 1)));
    ASSERT_TRUE(Program->OpenList(SaveList("Two.kvu", 2)));
    const int refreshes = Host.Refreshes;
    ASSERT_TRUE(Program->CloseList(1));
    EXPECT_EQ(Host.Current, 0);
    EXPECT_EQ(Host.Refreshes, refreshes + 1);
    EXPECT_EQ(Host.WaitedFor.back(), "Closing Two");
    ASSERT_TRUE(Program->CloseList(0));
    EXPECT_EQ(Host.Refreshes, refreshes + 2);
}

// However the file is named, a second tab of it would overwrite what the
// first one saved: every way in brings its one tab forward instead.
TEST_F(ProgramObject, OpeningAFileThatIsOpenShowsItsTabByEveryPathAndName) {
    const std::string path = SaveList("Once.kvu", 2);
    std::filesystem::create_directory(Home.File("Other"));
    std::filesystem::create_symlink(path, Home.File("Other/link.kvu"));
    std::filesystem::create_hard_link(path, Home.File("Other/hard.kvu"));
    ASSERT_TRUE(Program->OpenList(path));
    ASSERT_TRUE(Program->OpenList("")); // another tab is current
    Program->Lists[0]->Data.resize(7);  // unsaved edits stay
    Program->Lists[0]->Saved = false;
    auto opens = [&](const std::function<void()>& open, const std::string& how) {
        Host.Current = 1;
        open();
        EXPECT_EQ(Program->Lists.size(), 2u) << how;
        EXPECT_EQ(Host.Tabs.size(), 2u) << how;
        EXPECT_EQ(Host.Current, 0) << how;
        EXPECT_EQ(Program->Lists[0]->Data.size(), 7u) << how;
    };
    for (const std::string& name :
         {path, Home.File("Other/link.kvu"), Home.File("Other/hard.kvu"), Home.File("Other/../Lists/Once.kvu")})
        opens([&] { EXPECT_TRUE(Program->OpenList(name)); }, name);
    opens(
        [&] {
            Host.DialogAnswers = {Home.File("Other/hard.kvu")};
            Program->Execute({TActionId::cmOpen});
        },
        "open dialog");
    opens([&] { Program->Execute({TActionId::cmFileHist, 1}); }, "recent file");
    EXPECT_TRUE(Host.Messages.empty());
}

TEST_F(ProgramObject, TabsNameUntitledUnsavedAndReadOnlyLists) {
    NewChangedList();
    EXPECT_EQ(Host.Tabs[0], "Untitled"); // the change came after the tab
    EXPECT_EQ(ListTabCaption(*Program->Lists[0]), "Untitled*");
    EXPECT_EQ(MainWindowTitle(Program->Lists[0].get()), "Untitled* - Korvalen v" + std::string(kCaptionVersion));
    EXPECT_EQ(MainWindowTitle(nullptr), "Korvalen v" + std::string(kCaptionVersion));
    Host.DialogAnswers = {Home.File("Lists/named list.kvu")};
    ASSERT_TRUE(Program->SaveList(0));
    EXPECT_EQ(Host.Tabs[0], "Named list");
    Program->Lists[0]->ReadOnly = true;
    Program->Lists[0]->Saved = false;
    EXPECT_EQ(ListTabCaption(*Program->Lists[0]), "Named list* (read-only)");
    EXPECT_EQ(TitleBarTexts(*Program->Lists[0])[0], "List: |b Named list|f ");
}

// An unmounted disk leaves its mount point behind: "Yes" on closing must not
// write the list into it, nor over a file someone else holds.
TEST_F(ProgramObject, SaveOnCloseAsksWhereWhenTheFolderIsGoneOrTheListReadOnly) {
    std::filesystem::create_directory(Home.File("Disk"));
    const std::string path = Home.File("Disk/Mounted.kvu");
    WriteBytes(path, ReadBytes(SaveList("x.kvu", 1)));
    for (bool readOnly : {false, true}) {
        ASSERT_TRUE(Program->OpenList(path));
        Program->Lists[0]->Saved = false;
        Program->Lists[0]->ReadOnly = readOnly;
        if (!readOnly)
            std::filesystem::remove_all(Home.File("Disk"));
        Host.Answers = {Msg::ResultYes};
        Host.Dialogs.clear();
        EXPECT_FALSE(Program->CloseAllForExit()); // the name dialog was cancelled
        EXPECT_EQ(Host.Dialogs.size(), 1u) << readOnly;
        EXPECT_FALSE(std::filesystem::exists(Home.File("Disk")) && !readOnly);
        Host.Answers = {Msg::ResultNo};
        EXPECT_TRUE(Program->CloseAllForExit());
        std::filesystem::create_directory(Home.File("Disk"));
        WriteBytes(path, ReadBytes(Home.File("Lists/x.kvu")));
    }
    EXPECT_EQ(ReadBytes(path), ReadBytes(Home.File("Lists/x.kvu")));
}

TEST_F(ProgramObject, FailedSaveOnCloseKeepsTheListOpenAndUnsaved) {
    std::string path = SaveList("kept.kvu", 1);
    ASSERT_TRUE(Program->OpenList(path));
    Program->Lists[0]->Data.resize(5);
    Program->Lists[0]->Saved = false;
    TFaultyFileSystem faulty;
    TScopedFileSystem scope(faulty);
    faulty.FailAt = TFaultyFileSystem::TStep::Rename;
    Host.Answers = {Msg::ResultYes};
    EXPECT_FALSE(Program->CloseList(0));
    ASSERT_EQ(Program->Lists.size(), 1u);
    EXPECT_FALSE(Program->Lists[0]->Saved);
    EXPECT_EQ(Program->Lists[0]->Data.size(), 5u);
    ASSERT_EQ(Host.Messages.size(), 2u);
    EXPECT_EQ(Host.Messages[1].Kind, Msg::Error);
    EXPECT_NE(Host.Messages[1].Text.find("injected failure"), std::string::npos);
    EXPECT_NE(Host.Messages[1].Text.find("kept.kvu"), std::string::npos);
    // Busy while opening and while saving, and no longer when the failure is told.
    EXPECT_EQ(Host.BusyTimes, 2);
    EXPECT_FALSE(Host.Messages[1].ShownBusy);
    EXPECT_FALSE(Host.Busy);
}

TEST_F(ProgramObject, CloseAllGoesOnAfterACancelButExitStopsThere) {
    for (int i = 0; i < 3; ++i)
        NewChangedList();
    Program->Lists[0]->Data.resize(10); // tells the first list apart
    Host.Answers = {Msg::ResultNo, Msg::ResultCancel, Msg::ResultCancel};
    Program->Execute({TActionId::cmCloseAll});
    EXPECT_EQ(Host.Messages.size(), 3u);
    ASSERT_EQ(Program->Lists.size(), 2u);
    EXPECT_EQ(Program->Lists[0]->Data.size(), 10u);

    NewChangedList();
    Host.Answers = {Msg::ResultNo, Msg::ResultCancel};
    EXPECT_FALSE(Program->CloseAllForExit());
    EXPECT_EQ(Host.Messages.size(), 5u); // the first list was not asked
    EXPECT_EQ(Program->Lists.size(), 2u);
    Host.Answers = {Msg::ResultNo, Msg::ResultNo};
    EXPECT_TRUE(Program->CloseAllForExit());
    EXPECT_TRUE(Program->Lists.empty());
}

TEST_F(ProgramObject, CommandsGoToTheCurrentListAndClosingTheLastTabMakesThePreviousCurrent) {
    Program->Execute({TActionId::cmSave});
    EXPECT_TRUE(Host.ListCommands.empty());
    ASSERT_TRUE(Program->OpenList(""));
    Program->Execute({TActionId::cmSortAZ});
    ASSERT_EQ(Host.ListCommands.size(), 1u);
    EXPECT_EQ(Host.ListCommands[0].Id, TActionId::cmSortAZ);
    Program->Execute({TActionId::cmExit});
    EXPECT_TRUE(Host.CloseAsked);

    for (int i = 0; i < 2; ++i) // three tabs now
        ASSERT_TRUE(Program->OpenList(""));
    Host.Current = 2;
    EXPECT_TRUE(Program->CloseList(2));
    EXPECT_EQ(Host.Current, 1);
    Host.Current = 0;
    const int refreshes = Host.Refreshes;
    EXPECT_TRUE(Program->CloseList(0));
    EXPECT_EQ(Host.Current, 0);
    EXPECT_EQ(Host.Refreshes, refreshes + 1); // the list that moved up into the tab
    EXPECT_FALSE(Program->CloseList(5));
    EXPECT_FALSE(Program->CloseList(-1));
}

TEST_F(ProgramObject, AStartOpensTheNamedListsAndWhenAskedTheRecentOnesOnce) {
    const std::string a = SaveList("a.kvu", 1), b = SaveList("b.kvu", 1), c = SaveList("c.kvu", 1);
    auto opened = [&] {
        std::vector<std::string> names;
        for (const auto& list : Program->Lists)
            names.push_back(list->FileName);
        return names;
    };
    for (bool reopen : {true, false}) {
        Start();
        Program->AddToHistory(a);
        Program->ListsOpenLastTime = {c, Home.File("Lists/gone.kvu")};
        Program->OpenAtStart({b, a}, reopen);
        const std::vector<std::string> expected = reopen ? std::vector<std::string>{a, b, c} : std::vector{b, a};
        EXPECT_EQ(opened(), expected);
    }
    EXPECT_TRUE(Host.Messages.empty());
}

TEST_F(ProgramObject, RecentFileThatWasDeletedIsDroppedFromTheMenu) {
    std::string a = SaveList("a.kvu", 1), b = SaveList("b.kvu", 1);
    ASSERT_TRUE(Program->OpenList(a));
    ASSERT_TRUE(Program->OpenList(b));
    std::filesystem::remove(a);
    Program->Execute({TActionId::cmFileHist, 2});
    EXPECT_EQ(Program->Lists.size(), 2u);
    EXPECT_EQ(Program->History.Entry(2), "");
    EXPECT_FALSE(Host.HistoryMenu[1].Visible);
    ASSERT_TRUE(Program->CloseList(1));
    Program->Execute({TActionId::cmFileHist, 1});
    EXPECT_EQ(Program->Lists.size(), 2u);
}

TEST_F(ProgramObject, UnreadableTourFilesOrToursFolderGiveOneWarning) {
    TFaultyFileSystem faulty;
    TScopedFileSystem scope(faulty);
    const struct {
        TFaultyFileSystem::TStep Step;
        const char* Start;
        const char* Naming;
    } cases[] = {{TFaultyFileSystem::TStep::Open, "These tour files could not be read", "Band.txt"},
                 {TFaultyFileSystem::TStep::List, "The Tours folder could not be read", "Tours/: injected failure."}};
    for (const auto& c : cases) {
        faulty.FailAt = c.Step;
        Start();
        EXPECT_TRUE(Program->Filter.Bands.empty());
        const std::string warning = Program->StartupWarning();
        EXPECT_EQ(warning.find(c.Start), 0u) << warning;
        EXPECT_NE(warning.find(c.Naming), std::string::npos) << warning;
    }
}

TEST_F(ProgramObject, AFailureThrownInsideACommandIsShownAndEndsOnlyThatCommand) {
    const std::string path = SaveList("b.kvu", 2);
    ASSERT_TRUE(Program->OpenList(SaveList("a.kvu", 2)));
    ASSERT_TRUE(Program->OpenList(path));
    ASSERT_TRUE(Program->CloseList(1)); // and first in the history
    TFaultyFileSystem faulty;
    TScopedFileSystem scope(faulty);
    faulty.FailAt = TFaultyFileSystem::TStep::Open;
    faulty.OutOfMemory = true;
    Host.DialogAnswers.push_back(path);
    Program->Execute({TActionId::cmOpen});
    Program->Execute({TActionId::cmFileHist, 1});
    ASSERT_EQ(Host.Messages.size(), 2u);
    EXPECT_EQ(Host.Messages[0].Kind, Msg::Error);
    EXPECT_EQ(Host.Messages[0].Text, "The command \"Open\" could not be completed and was abandoned.||"
                                     "The program ran out of memory.");
    EXPECT_NE(Host.Messages[1].Text.find("\"Open recent file\""), std::string::npos) << Host.Messages[1].Text;
    EXPECT_EQ(Program->Lists.size(), 1u);
    EXPECT_EQ(Host.Tabs.size(), 1u);
}

TEST(ProgramFolders, BesideTheExecutableInTheHomeGivenOrInTheUserDataFolder) {
    const auto facts = [](bool writable, std::string data = "", std::string state = "") {
        return TFolderFacts{std::move(data), "/home/me", [writable](const std::string&) { return writable; },
                            std::move(state)};
    };
    const std::string exe = "/opt/korvalen/bin/korvalen", share = "/home/me/.local/share/Korvalen/";
    const struct {
        std::string Exe, Home;
        TFolderFacts Facts;
        std::string TProgramFolders::*Folder;
        std::string Expected;
    } cases[] = {
        {exe, "", facts(true), &TProgramFolders::ProgramDir, "/opt/korvalen/bin/"},
        {exe, "", facts(true), &TProgramFolders::TemplatesDir, "/opt/korvalen/bin/Templates/"},
        {exe, "", facts(true), &TProgramFolders::RecoveryDir, "/opt/korvalen/bin/Recovery/"},
        {exe, "/home/me/music/", facts(true), &TProgramFolders::ListsDir, "/home/me/music/Lists/"},
        {exe, "/home/me/./music/../music", facts(true), &TProgramFolders::ToursDir, "/home/me/music/Tours/"},
        {exe, "", facts(false), &TProgramFolders::ListsDir, share + "Lists/"},
        {exe, "", facts(false, "/data/me/"), &TProgramFolders::CoversDir, "/data/me/Korvalen/Covers/"},
        {exe, "", facts(false, "relative/is/ignored"), &TProgramFolders::ToursDir, share + "Tours/"},
        {exe, "/given", facts(false), &TProgramFolders::ProgramDir, "/given/"},
        // Backups lie beside the lists; journals in the state folder, unless the program keeps its own folders.
        {exe, "", facts(false), &TProgramFolders::BackupsDir, share + "Backups/"},
        {exe, "", facts(false), &TProgramFolders::RecoveryDir, "/home/me/.local/state/Korvalen/recovery/"},
        {exe, "", facts(false, "", "/state"), &TProgramFolders::RecoveryDir, "/state/Korvalen/recovery/"},
        {exe, "/given", facts(false), &TProgramFolders::RecoveryDir, "/given/Recovery/"},
        // Under /usr even a user who may write there (root) gets the data folder.
        {"/usr/bin/korvalen", "", facts(true), &TProgramFolders::ProgramDir, share}};
    for (const auto& c : cases)
        EXPECT_EQ(MakeProgramFolders(c.Exe, c.Home, c.Facts).*c.Folder, c.Expected) << c.Exe << " " << c.Home;
    EXPECT_EQ(HomeFolder("/data"), "/data");
}

TEST(ProgramFolders, TheRunningProgramMayWriteOnlyWhereTheSystemLetsIt) {
    TTempDir dir;
    const TFolderFacts facts = SystemFolderFacts();
    EXPECT_TRUE(facts.IsWritable(dir.Path()));
    EXPECT_FALSE(facts.IsWritable(dir.File("missing")));
}

TEST(ProgramFolders, CreatesTheUserDataFolderWithEveryFolderOnTheWay) {
    TTempDir home;
    TFolderFacts facts{"", home.Path(), [](const std::string&) { return false; }, ""};
    CreateMissingFolders(MakeProgramFolders("/usr/bin/korvalen", "", facts));
    for (const char* folder : {"Lists", "Tours", "Covers"})
        EXPECT_TRUE(std::filesystem::is_directory(home.File(".local/share/Korvalen/") + folder)) << folder;
}
