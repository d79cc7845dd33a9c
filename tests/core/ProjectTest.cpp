#include "core/Project.h"
#include "core/ListCaption.h"
#include "support/FaultyFileSystem.h"
#include "support/Records.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

TProject ListWith(const std::string& path, size_t count, uint32_t seed = 1) {
    TRandomRecords random(seed);
    TProject list;
    list.FileName = path;
    list.Saved = false;
    for (size_t i = 0; i < count; ++i)
        list.Data.push_back(random.Record());
    return list;
}

} // namespace

TEST(ProjectFile, SaveThenLoadGivesTheSameList) {
    TTempDir dir;
    TProject list = ListWith(dir.File("mine.kvu"), 500);
    ASSERT_TRUE(list.Save().Ok);
    EXPECT_TRUE(list.Saved);
    EXPECT_EQ(dir.EntryCount(), 1u); // no temporary file left behind

    TProject back = ListWith(list.FileName, 0);
    TListReadResult result = back.Load();
    ASSERT_TRUE(result.Ok()) << result.Reason;
    EXPECT_TRUE(back.Saved);
    ASSERT_EQ(back.Data.size(), list.Data.size());
    for (size_t i = 0; i < list.Data.size(); ++i) {
        EXPECT_TRUE(SameStoredFields(back.Data[i], list.Data[i]));
        EXPECT_EQ(back.Data[i].SearchText, "");
    }
}

TEST(ProjectFile, LoadFailuresLeaveTheListAsItWas) {
    TTempDir dir;
    WriteBytes(dir.File("text.kvu"), "just some text");
    std::filesystem::create_directory(dir.File("folder.kvu"));
    ASSERT_TRUE(ListWith(dir.File("big.kvu"), 2000).Save().Ok);
    ASSERT_EQ(::mkfifo(dir.File("fifo.kvu").c_str(), 0600), 0);
    TFaultyFileSystem faulty;
    TScopedFileSystem scope(faulty);
    const struct {
        std::string Name;
        TFaultyFileSystem::TStep Step;
        const char* Reason;
    } cases[] = {
        {"missing.kvu", TFaultyFileSystem::TStep::None, "No such file"},
        {"text.kvu", TFaultyFileSystem::TStep::None, "not a Korvalen list"},
        {"folder.kvu", TFaultyFileSystem::TStep::None, "folder"},
        {"fifo.kvu", TFaultyFileSystem::TStep::None, "not a regular file"}, // and no wait for a writer
        {"big.kvu", TFaultyFileSystem::TStep::Read, "Cannot read the file: injected failure."},
    };
    for (const auto& c : cases) {
        faulty.FailAt = c.Step;
        faulty.BytesBeforeFailure = 1000;
        TProject list = ListWith(dir.File(c.Name), 3);
        TListReadResult result = list.Load();
        EXPECT_EQ(result.Status, TListReadResult::TStatus::Failed);
        EXPECT_NE(result.Reason.find(c.Reason), std::string::npos) << result.Reason;
        EXPECT_EQ(list.Data.size(), 3u);
        EXPECT_FALSE(list.Saved);
    }
}

TEST(ProjectFile, FailedSaveKeepsTheOldFileAtEveryStep) {
    using TStep = TFaultyFileSystem::TStep;
    TTempDir dir;
    TProject old = ListWith(dir.File("list.kvu"), 50, 1);
    ASSERT_TRUE(old.Save().Ok);
    const std::string before = ReadBytes(old.FileName);

    for (TStep step : {TStep::Create, TStep::Write, TStep::Sync, TStep::Close, TStep::Rename}) {
        for (size_t bytes : {size_t(0), size_t(100)}) {
            TFaultyFileSystem faulty;
            TScopedFileSystem scope(faulty);
            faulty.FailAt = step;
            faulty.BytesBeforeFailure = bytes;
            TProject list = ListWith(old.FileName, 3000, 2);
            TSaveResult result = list.Save();
            EXPECT_FALSE(result.Ok) << int(step);
            EXPECT_NE(result.Reason.find("injected failure"), std::string::npos) << result.Reason;
            EXPECT_EQ(result.Reason.back(), '.');
            EXPECT_FALSE(list.Saved);
            EXPECT_EQ(ReadBytes(old.FileName), before) << int(step);
            EXPECT_EQ(dir.EntryCount(), 1u) << "temporary file left after step " << int(step);
        }
    }
}

TEST(ProjectFile, SaveWhereNoFileCanBeFails) {
    TTempDir dir;
    std::filesystem::create_directory(dir.File("taken.kvu"));
    for (const char* name : {"no/such/folder/list.kvu", "taken.kvu"}) {
        TProject list = ListWith(dir.File(name), 2);
        TSaveResult result = list.Save();
        EXPECT_FALSE(result.Ok) << name;
        EXPECT_FALSE(result.Reason.empty());
        EXPECT_FALSE(list.Saved);
    }
    EXPECT_NE(ListWith(dir.File("no/list.kvu"), 1).Save().Reason.find("No such file or directory"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken.kvu")));
    EXPECT_EQ(dir.EntryCount(), 1u);
}

TEST(ProjectFile, SaveThroughALinkReplacesTheTargetAndKeepsItsMode) {
    TTempDir dir;
    TProject target = ListWith(dir.File("real.kvu"), 2, 1);
    ASSERT_TRUE(target.Save().Ok);
    ASSERT_EQ(chmod(target.FileName.c_str(), 0640), 0);
    std::filesystem::create_symlink("real.kvu", dir.File("link.kvu"));

    ASSERT_TRUE(ListWith(dir.File("link.kvu"), 7, 2).Save().Ok);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.kvu")));
    ASSERT_TRUE(target.Load().Ok());
    EXPECT_EQ(target.Data.size(), 7u);
    struct stat info {};
    ASSERT_EQ(stat(target.FileName.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(Project, ClearSearchEmptiesResultsAndHidesTheColumn) {
    TProject list = ListWith("", 4);
    list.SearchColumn = true;
    for (TBootData& r : list.Data) {
        r.SearchHits = 2;
        r.SearchText = "2 hits";
    }
    list.ClearSearch();
    EXPECT_FALSE(list.SearchColumn);
    for (const TBootData& r : list.Data)
        EXPECT_TRUE(r.SearchHits == 0 && r.SearchText.empty());
}

TEST(Project, MarkedOnlyNarrowsWhatTheFiltersPassAndClearingResultsWidensAgain) {
    TProject list;
    list.Data = {MatchRecord("Genesis", "1"), MatchRecord("Genesis", "2"), MatchRecord("Yes", "3"),
                 MatchRecord("Yes", "4")};
    list.Data[1].SearchHits = 1;
    list.Data[2].SearchHits = 2;
    list.Data[3].SearchHits = -1; // no mark
    list.MarkedOnly = true;
    list.BuildView(TFilterState());
    EXPECT_EQ(list.View, (std::vector<int32_t>{1, 2}));
    list.QuickFilter.SetText("yes", DefaultCodeNames());
    list.BuildView(TFilterState());
    EXPECT_EQ(list.View, (std::vector<int32_t>{2}));
    EXPECT_EQ(list.Data[1].ViewIndex, -1);
    list.ClearSearch();
    list.BuildView(TFilterState());
    EXPECT_FALSE(list.MarkedOnly);
    EXPECT_EQ(list.View, (std::vector<int32_t>{2, 3}));
}

TEST(ListCaption, FromPaths) {
    EXPECT_EQ(ListCaption("/home/me/my list.old.kvu"), "My list");
    EXPECT_EQ(ListCaption("my list.old.kvu"), "My list");
    EXPECT_EQ(ListCaption(""), "");
    EXPECT_EQ(ListCaption("/a.b/c"), "C");
    EXPECT_EQ(ListCaption("/x/.hidden.kvu"), "");
    EXPECT_EQ(ListCaption("/x/Zeppelin.kvu"), "Zeppelin");
    EXPECT_EQ(ListCaption("/x/\xE9t\xE9.kvu"), "\xE9t\xE9"); // only a..z change
    EXPECT_EQ(ListCaption("/x/1999.kvu"), "1999");
}
