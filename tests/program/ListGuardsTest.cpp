#include "core/FileIdentity.h"
#include "core/ListLock.h"
#include "program/ListBackups.h"
#include "program/ListJournals.h"
#include "program/ListNames.h"
#include "program/Program.h"
#include "support/FakeProcessFacts.h"
#include "support/FakeProgramHost.h"
#include "support/FaultyFileSystem.h"
#include "support/ListFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

// A program in a fresh home folder, as process 100 on host "here".
struct TGuardFixture : testing::Test {
    TTempDir Home;
    TFakeProcessFacts Facts;
    TScopedProcessFacts FactsInPlace{Facts};
    TFakeProgramHost Host;
    TMemorySettingsStore Store;
    std::unique_ptr<TProgram> Program;
    std::string Path;

    void SetUp() override {
        Start();
        std::vector<TBootData> records(3);
        records[0].Band = "First";
        SaveListFile(Path = Home.File("Lists/Live.kvu"), records);
    }
    void Start() {
        Program.reset();
        TProgramFolders folders = MakeProgramFolders("/opt/korvalen/korvalen", Home.Path());
        CreateMissingFolders(folders);
        Program = std::make_unique<TProgram>(Host, Store, folders);
    }
    TProject& List(int i = 0) { return *Program->Lists.at(static_cast<size_t>(i)); }
    // The run ends as a kill leaves it, the next one restores: its question.
    std::string CrashAndRestore() {
        const std::string journal = Program->Guard(List()).Journal->Path();
        const std::string kept = ReadBytes(journal);
        Program.reset(); // a clean end takes the journal away: put it back as a crash leaves it
        WriteBytes(journal, kept);
        return StartAndRestore();
    }
    // Another process starts and restores what it is offered: the first question.
    std::string StartAndRestore() {
        Facts.Pid = 200;
        Facts.Running = {200};
        Start();
        Host.Messages.clear();
        Host.WaitedFor.clear();
        Host.Answers = {Msg::ResultYes};
        Program->OfferRecovery();
        return Host.Messages.empty() ? std::string() : Host.Messages[0].Text;
    }
    void Edit(TProject& list, const std::string& band) {
        list.UndoSteps.Touch(list.Data, 0);
        list.Data[0].Band = band;
        list.CommitChange("edit");
    }
};

using ListGuards = TGuardFixture;

TEST_F(ListGuards, AListHeldElsewhereIsOpenedReadOnlyAnywayOrNotAtAll) {
    WriteBytes(LockFilePath(Path), LockFileText({"ann", "there", 7, Facts.Time - 600}));
    Host.Answers = {Msg::ResultCancel, Msg::ResultYes, Msg::ResultNo};
    EXPECT_FALSE(Program->OpenList(Path));
    EXPECT_TRUE(Program->Lists.empty());
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_NE(Host.Messages[0].Text.find("ann on there (process 7), for 10 minutes"), std::string::npos)
        << Host.Messages[0].Text;

    ASSERT_TRUE(Program->OpenList(Path));
    EXPECT_TRUE(List().ReadOnly);
    EXPECT_EQ(Host.Tabs[0], "Live (read-only)");
    Edit(List(), "Mine");
    EXPECT_FALSE(Program->SaveList(0)); // only under another name: the dialog was cancelled
    EXPECT_EQ(Host.Dialogs.size(), 1u);
    Host.Answers = {Msg::ResultNo};
    ASSERT_TRUE(Program->CloseList(0));

    Host.Answers = {Msg::ResultNo}; // open anyway
    ASSERT_TRUE(Program->OpenList(Path));
    EXPECT_FALSE(List().ReadOnly);
    Edit(List(), "Mine");
    Host.Answers = {Msg::ResultYes}; // save on closing: asks where
    Host.DialogAnswers = {""};
    EXPECT_FALSE(Program->CloseAllForExit());
    EXPECT_EQ(Host.Dialogs.size(), 2u);
    // The other's lock stays whatever this program did.
    EXPECT_EQ(CheckListLock(Path, Facts).Holder.Host, "there");
}

TEST_F(ListGuards, AStaleLockIsTakenOverSilentlyAndClosingGivesItBack) {
    WriteBytes(LockFilePath(Path), LockFileText({"me", "here", 55, 1}));
    ASSERT_TRUE(Program->OpenList(Path));
    EXPECT_TRUE(Host.Messages.empty());
    EXPECT_EQ(CheckListLock(Path, Facts).State, TLockState::Ours);
    ASSERT_TRUE(Program->CloseList(0));
    EXPECT_FALSE(std::filesystem::exists(LockFilePath(Path)));
}

TEST_F(ListGuards, AFileChangedOnTheDiskIsReadAgainWhenUneditedAndAskedAboutWhenEdited) {
    ASSERT_TRUE(Program->OpenList(Path));
    SaveListFile(Path, std::vector<TBootData>(4));
    EXPECT_EQ(Program->CheckOutsideChange(0), TOutsideChange::Reloaded);
    EXPECT_EQ(List().Data.size(), 4u);
    EXPECT_EQ(Host.WaitedFor.back(), "Reading Live again");
    EXPECT_EQ(Program->CheckOutsideChange(0), TOutsideChange::None);

    Edit(List(), "Mine");
    SaveListFile(Path, std::vector<TBootData>(5));
    const std::string theirs = ReadBytes(Path);
    EXPECT_EQ(Program->CheckOutsideChange(0), TOutsideChange::Told);
    EXPECT_EQ(Program->CheckOutsideChange(0), TOutsideChange::None); // told once
    Host.Answers = {Msg::ResultCancel};
    EXPECT_FALSE(Program->SaveList(0));
    EXPECT_EQ(ReadBytes(Path), theirs);
    EXPECT_EQ(Host.Messages.back().Kind, Msg::Warning);
    Host.Answers = {Msg::ResultYes}; // under another name: the dialog was cancelled
    EXPECT_FALSE(Program->SaveList(0));
    EXPECT_EQ(Host.Dialogs.size(), 1u);
    Host.Answers = {Msg::ResultNo}; // overwrite, having been told
    EXPECT_TRUE(Program->SaveList(0));
    EXPECT_NE(ReadBytes(Path), theirs);
}

TEST_F(ListGuards, EachSaveKeepsThePreviousFileAndOnlyTheNewestBackupsStay) {
    Program->BackupCount = 3;
    ASSERT_TRUE(Program->OpenList(Path));
    std::vector<std::string> saved{ReadBytes(Path)};
    for (int i = 0; i < 5; ++i) {
        Facts.Time += 61;
        Edit(List(), "Band " + std::to_string(i));
        ASSERT_TRUE(Program->SaveList(0));
        saved.push_back(ReadBytes(Path));
    }
    std::vector<std::string> backups;
    for (const auto& entry : std::filesystem::directory_iterator(Home.File("Backups")))
        backups.push_back(entry.path().filename().string());
    std::sort(backups.begin(), backups.end());
    ASSERT_EQ(backups.size(), 3u);
    EXPECT_EQ(backups[0].substr(0, 9), "Live.kvu.");
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(ReadBytes(Home.File("Backups/" + backups[i])), saved[2 + i]) << backups[i];
    Program->BackupCount = 0;
    Edit(List(), "Off");
    ASSERT_TRUE(Program->SaveList(0));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Home.File("Backups")), {}), 3);
}

// One Backups folder serves every list: pruning one list's backups leaves
// those of a list whose name is as long, and anything else, alone.
TEST(ListBackups, OnlyTheListsOwnOldestBackupsAreSurplus) {
    const std::vector<std::string> names = {"Live.kvu.2026-01-01_10-00-00", "Mine.kvu.2026-01-01_09-00-00",
                                            "Live.kvu.2026-01-02_10-00-00", "Live.kvu.2026-01-0x_10-00-00",
                                            "Live.kvu.2026-01-03_10-00-00"};
    EXPECT_EQ(SurplusBackups(names, "/lists/Live.kvu", 2), std::vector<std::string>{names[0]});
    EXPECT_EQ(SurplusBackups(names, "/lists/Mine.kvu", 0), std::vector<std::string>{names[1]});
}

// A run killed before its first change reached the journal left nothing to
// offer back; a new list's journal starts from no records.
TEST(ListJournals, OnlyChangesOrAnotherBaseAreWorthRestoring) {
    TTempDir dir;
    SaveListFile(dir.File("a.kvu"), {TBootData()});
    TJournal journal;
    journal.Header.ListPath = dir.File("a.kvu");
    journal.Header.BaseBytes = ReadBytes(dir.File("a.kvu"));
    journal.Header.BaseChecksum = IdentifyFile(dir.File("a.kvu")).Checksum;
    EXPECT_FALSE(JournalHoldsChanges(journal));
    journal.Entries.push_back("change");
    EXPECT_TRUE(JournalHoldsChanges(journal));

    TJournal fresh;
    TArrayOfBootData records(2);
    std::string error;
    EXPECT_TRUE(JournalBase(fresh, records, error)) << error;
    EXPECT_TRUE(records.empty());
    EXPECT_FALSE(JournalHoldsChanges(fresh));
}

// A backups folder that may be written but not read cannot be kept short.
TEST(ListBackups, AFolderThatCannotBeListedIsAFailure) {
    TTempDir dir;
    WriteBytes(dir.File("a.kvu"), "list");
    TFaultyFileSystem faulty;
    TScopedFileSystem scope(faulty);
    faulty.FailAt = TFaultyFileSystem::TStep::List;
    std::string error;
    EXPECT_FALSE(KeepBackup(dir.File("a.kvu"), dir.File("Backups/"), 3, 1000, error));
    EXPECT_FALSE(error.empty());
}

// A run killed after its edits: the next start offers them back onto the
// unchanged file, or onto a copy when the file changed since.
TEST_F(ListGuards, EditsOfARunThatDiedAreRestoredUnsavedAndUndoable) {
    for (bool fileChanged : {false, true}) {
        Facts.Pid = 100;
        Facts.Running = {100};
        Start();
        const std::string before = ReadBytes(Path);
        ASSERT_TRUE(Program->OpenList(Path));
        Edit(List(), "Edited");
        List().UndoSteps.Append(List().Data, TBootData());
        List().CommitChange("add");
        // The run dies: its journal stays, its process is gone.
        const std::string journal = Program->Guard(List()).Journal->Path();
        const std::string kept = ReadBytes(journal);
        Host.Answers = {Msg::ResultNo};
        ASSERT_TRUE(Program->CloseList(0));
        WriteBytes(journal, kept);
        WriteBytes(LockFilePath(Path), LockFileText({"me", "here", 100, 1}));
        EXPECT_EQ(ReadBytes(Path), before);
        if (fileChanged)
            SaveListFile(Path, {});

        const std::string question = StartAndRestore();
        ASSERT_EQ(Host.Messages.size(), 1u);
        EXPECT_NE(question.find("\"Live\" (2 changes, last at "), std::string::npos) << question;
        // Reading the base and replaying the changes both wait away from the window.
        EXPECT_EQ(std::count(Host.WaitedFor.begin(), Host.WaitedFor.end(), "Restoring Live"), 2);
        ASSERT_EQ(Program->Lists.size(), 1u);
        EXPECT_EQ(List().FileName, fileChanged ? "" : Path);
        EXPECT_EQ(List().Data.size(), 4u);
        EXPECT_EQ(List().Data[0].Band, "Edited");
        EXPECT_FALSE(List().Saved);
        EXPECT_FALSE(std::filesystem::exists(journal));
        EXPECT_TRUE(List().UndoChange().Done);
        EXPECT_TRUE(List().UndoChange().Done);
        EXPECT_EQ(List().Data[0].Band, "First");
        Host.Answers = {Msg::ResultNo};
        ASSERT_TRUE(Program->CloseAllForExit());
    }
}

// The file is rewritten by another program after the list was opened and
// before its first edit: the edit belongs to the list as it was opened.
TEST_F(ListGuards, AFileChangedBeforeTheFirstEditIsNotTakenAsTheEditsBase) {
    Facts.Running = {100};
    ASSERT_TRUE(Program->OpenList(Path));
    std::vector<TBootData> records(5);
    records[0].Band = "Theirs";
    SaveListFile(Path, records);
    const std::string theirs = ReadBytes(Path);
    Edit(List(), "Edited");
    Edit(List(), "Edited again");
    EXPECT_NE(CrashAndRestore().find("(2 changes"), std::string::npos);
    ASSERT_EQ(Program->Lists.size(), 1u);
    EXPECT_EQ(List().FileName, ""); // onto a copy: the file is theirs now
    ASSERT_EQ(List().Data.size(), 3u);
    EXPECT_EQ(List().Data[0].Band, "Edited again");
    EXPECT_TRUE(List().UndoChange().Done);
    EXPECT_EQ(List().Data[0].Band, "Edited");
    EXPECT_EQ(ReadBytes(Path), theirs);
}

// A list made by a join has its records in the journal's base, and the
// join counts among the changes, also when restored and killed again.
TEST_F(ListGuards, AJoinCountsAmongTheChangesToRestore) {
    Facts.Running = {100};
    ASSERT_TRUE(Program->OpenList(""));
    List().Data.resize(2);
    Program->RecordsReplaced(List(), "join");
    Edit(List(), "Edited");
    for (int restore = 0; restore < 2; ++restore) {
        EXPECT_NE(CrashAndRestore().find("(2 changes"), std::string::npos) << restore;
        ASSERT_EQ(Program->Lists.size(), 1u);
        EXPECT_EQ(List().Data.size(), 2u);
        EXPECT_EQ(List().Data[0].Band, "Edited");
    }
}

// Undo puts deleted records back through another path than the delete:
// restored and killed again, the list still has them.
TEST_F(ListGuards, ADeleteTakenBackStaysTakenBackAfterTwoKills) {
    Facts.Running = {100};
    ASSERT_TRUE(Program->OpenList(Path));
    List().UndoSteps.Remove(List().Data, {0, 2});
    List().CommitChange("delete");
    ASSERT_TRUE(List().UndoChange().Done);
    for (int restore = 0; restore < 2; ++restore) {
        CrashAndRestore();
        ASSERT_EQ(Program->Lists.size(), 1u);
        EXPECT_EQ(List().Data.size(), 3u) << restore;
        EXPECT_EQ(List().Data[0].Band, "First") << restore;
    }
}

// The offer may come after this run has opened and edited lists: their
// journals are its own, neither offered nor taken away.
TEST_F(ListGuards, TheJournalsOfThisRunAreNeitherOfferedNorRemoved) {
    Facts.Running = {100};
    ASSERT_TRUE(Program->OpenList(Path));
    Edit(List(), "Edited");
    const std::string journal = Program->Guard(List()).Journal->Path();
    ASSERT_TRUE(std::filesystem::exists(journal));
    Host.Messages.clear();
    Program->OfferRecovery();
    EXPECT_TRUE(Host.Messages.empty());
    EXPECT_TRUE(std::filesystem::exists(journal));
    EXPECT_EQ(Program->Lists.size(), 1u);
}

// The settings name the open lists at every change of them, so that a run
// that dies is followed by one that knows what was open.
TEST_F(ListGuards, TheOpenListsAreWrittenWheneverTheyChange) {
    const auto written = [&] { return std::get<std::string>(Store.Values.at("OpenLists")); };
    const std::string other = Home.File("Lists/Other.kvu");
    std::filesystem::copy_file(Path, other);
    ASSERT_TRUE(Program->OpenList(Path));
    EXPECT_EQ(written(), Path + "\n");
    ASSERT_TRUE(Program->OpenList(other));
    ASSERT_TRUE(Program->OpenList(""));
    EXPECT_EQ(written(), Path + "\n" + other + "\n");
    ASSERT_TRUE(Program->CloseList(0));
    EXPECT_EQ(written(), other + "\n");
    const std::string renamed = Home.File("Lists/Renamed.kvu");
    Host.DialogAnswers = {renamed};
    ASSERT_TRUE(Program->SaveList(0, true));
    EXPECT_EQ(written(), renamed + "\n");
    Host.DialogAnswers = {Home.File("Lists/New.kvu")};
    ASSERT_TRUE(Program->SaveList(1));
    EXPECT_EQ(written(), renamed + "\n" + Home.File("Lists/New.kvu") + "\n");

    Start(); // as after a crash: nothing closed them
    EXPECT_EQ(Program->ListsOpenLastTime, (std::vector<std::string>{renamed, Home.File("Lists/New.kvu")}));
    ASSERT_TRUE(Program->OpenList(renamed));
    ASSERT_TRUE(Program->CloseAllForExit());
    EXPECT_EQ(written(), "");
    Start();
    EXPECT_TRUE(Program->ListsOpenLastTime.empty());
}

TEST_F(ListGuards, ADamagedJournalIsSetAsideWithAReason) {
    std::filesystem::create_directories(Home.File("Recovery"));
    WriteBytes(Home.File("Recovery/1-1.kvj"), std::string("KVJOURNL\x01\0\0\0 rubbish", 20));
    Program->OfferRecovery();
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_NE(Host.Messages[0].Text.find("header is damaged"), std::string::npos) << Host.Messages[0].Text;
    EXPECT_TRUE(std::filesystem::exists(Home.File("Recovery/1-1.kvj.refused")));
    Host.Messages.clear();
    Program->OfferRecovery();
    EXPECT_TRUE(Host.Messages.empty());
}

} // namespace
