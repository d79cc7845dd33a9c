#include "core/ListLock.h"

#include "support/FakeProcessFacts.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

TEST(ListLock, FileIsHiddenBesideTheListAndReadsBackByteForByte) {
    EXPECT_EQ(LockFilePath("/m/My list.kvu"), "/m/.My list.kvu.lock");
    EXPECT_EQ(LockFilePath("a.kvu"), ".a.kvu.lock");
    const TLockHolder holder{"ann", "box\nfake", 42, 1700000000};
    const std::string bytes = LockFileText(holder);
    EXPECT_EQ(bytes, "Korvalen list lock 1\nuser ann\nhost box fake\npid 42\nsince 1700000000\n");
    TLockHolder read;
    std::string error;
    ASSERT_TRUE(ParseLockFile(bytes, read, error)) << error;
    EXPECT_EQ(std::make_tuple(read.User, read.Host, read.Pid, read.Since),
              std::make_tuple(std::string("ann"), std::string("box fake"), int64_t(42), int64_t(1700000000)));
}

TEST(ListLock, AnythingElseIsNoLock) {
    const std::string good = "Korvalen list lock 1\nuser a\nhost b\npid 1\nsince 2\n";
    for (const std::string& bad :
         {std::string(), std::string("Korvalen list lock 2\nuser a\nhost b\npid 1\nsince 2\n"), good.substr(0, 30),
          good.substr(0, good.size() - 1), good + "x",
          std::string("Korvalen list lock 1\nuser a\nhost b\npid x\nsince 2\n"),
          std::string("Korvalen list lock 1\nuser a\nhost b\npid 99999999999999999999\nsince 2\n"),
          std::string("Korvalen list lock 1\nhost b\nuser a\npid 1\nsince 2\n"), good + std::string(5000, 'x')}) {
        TLockHolder holder;
        std::string error;
        EXPECT_FALSE(ParseLockFile(bad, holder, error)) << bad;
        EXPECT_FALSE(error.empty());
    }
}

TEST(ListLock, OursStaleOrHeldByWhoWroteItAndWhetherItStillRuns) {
    TTempDir dir;
    const std::string list = dir.File("l.kvu");
    TFakeProcessFacts facts;
    EXPECT_EQ(CheckListLock(list, facts).State, TLockState::Free);
    const struct {
        std::string Host;
        int64_t Pid;
        bool Runs;
        TLockState State;
    } cases[] = {{"here", 100, true, TLockState::Ours},
                 {"here", 200, false, TLockState::Stale},
                 {"here", 200, true, TLockState::Held},
                 {"there", 200, false, TLockState::Held}};
    for (const auto& c : cases) {
        WriteBytes(LockFilePath(list), LockFileText({"u", c.Host, c.Pid, 5}));
        facts.Running = {100};
        if (c.Runs)
            facts.Running.insert(c.Pid);
        EXPECT_EQ(CheckListLock(list, facts).State, c.State) << c.Host << " " << c.Pid;
        ReleaseListLock(list, facts);
        EXPECT_EQ(std::filesystem::exists(LockFilePath(list)), c.State != TLockState::Ours) << c.Host;
    }
    WriteBytes(LockFilePath(list), "rubbish");
    EXPECT_EQ(CheckListLock(list, facts).State, TLockState::Stale);
    std::string error;
    ASSERT_TRUE(TakeListLock(list, facts, error)) << error;
    EXPECT_EQ(CheckListLock(list, facts).State, TLockState::Ours);
}

TEST(ListLock, AFolderThatTakesNoFileRefusesTheLockWithAReason) {
    TTempDir dir;
    TFakeProcessFacts facts;
    std::string error;
    // A file where the folder should be refuses even root, who writes into read-only folders.
    WriteBytes(dir.File("file"), "");
    EXPECT_FALSE(TakeListLock(dir.File("file/l.kvu"), facts, error));
    EXPECT_NE(error, "");
    if (::geteuid() == 0)
        return;
    error.clear();
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(TakeListLock(dir.File("l.kvu"), facts, error));
    EXPECT_NE(error, "");
}

TEST(ListLock, TheHolderIsNamedWithTheLockAge) {
    const TLockHolder holder{"ann", "box", 42, 1000};
    EXPECT_EQ(LockHolderText(holder, 1030), "ann on box (process 42), for less than 2 minutes");
    EXPECT_EQ(LockHolderText(holder, 1000 + 5 * 60), "ann on box (process 42), for 5 minutes");
    EXPECT_EQ(LockHolderText(holder, 1000 + 3 * 3600), "ann on box (process 42), for 3 hours");
    EXPECT_EQ(LockHolderText({"", "", 1, 0}, 86400 * 2), "someone on an unknown host (process 1), for 2 days");
}

} // namespace
