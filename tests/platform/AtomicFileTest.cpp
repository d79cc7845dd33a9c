#include "platform/AtomicFile.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include <sys/wait.h>
#include <unistd.h>

TEST(AtomicFile, ReplacesOnlyOnCommit) {
    TTempDir dir;
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(dir.File("new.txt"), std::string("a\0b", 3), error)) << error;
    EXPECT_EQ(ReadBytes(dir.File("new.txt")), std::string("a\0b", 3));

    const std::string path = dir.File("f.txt");
    WriteBytes(path, "old");
    for (bool commit : {false, true}) {
        TAtomicFile file(path);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("new", 3));
        EXPECT_EQ(ReadBytes(path), "old");
        EXPECT_EQ(dir.EntryCount(), 3u);
        if (commit) {
            ASSERT_TRUE(file.Commit());
        }
    }
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(dir.EntryCount(), 2u); // an abandoned write leaves no temporary file
}

TEST(AtomicFile, EveryFailingStepKeepsTheOldFileAndSaysWhy) {
    using TStep = TFaultyFileSystem::TStep;
    TTempDir dir;
    const std::string path = dir.File("f.txt");
    WriteBytes(path, "old");
    for (TStep step : {TStep::Create, TStep::Write, TStep::Sync, TStep::Close, TStep::Rename}) {
        TFaultyFileSystem faulty;
        TScopedFileSystem scope(faulty);
        faulty.FailAt = step;
        faulty.BytesBeforeFailure = 2;
        std::string error;
        EXPECT_FALSE(WriteFileAtomically(path, "new content", error)) << int(step);
        EXPECT_NE(error.find("injected failure"), std::string::npos) << error;
        EXPECT_EQ(ReadBytes(path), "old");
        EXPECT_EQ(dir.EntryCount(), 1u) << int(step);
    }
}

TEST(AtomicFile, WriteBeforeOpenFails) {
    TTempDir dir;
    TAtomicFile file(dir.File("x"));
    EXPECT_FALSE(file.Write("a", 1));
    EXPECT_FALSE(file.Commit());
    EXPECT_FALSE(file.Error().empty());
    EXPECT_EQ(dir.EntryCount(), 0u);
}

TEST(AtomicFile, SavingRemovesOnlyTheLeftoversOfEndedSavesOfTheSameFile) {
    TTempDir dir;
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ASSERT_GT(ended, 0);
    ::waitpid(ended, nullptr, 0);
    const std::string dead = std::to_string(ended), alive = std::to_string(::getpid());
    const std::string stale = ".list.kvu." + dead + ".3.tmp";
    const std::string keptNames[] = {
        ".list.kvu." + alive + ".9.tmp", // this process: maybe being written
        ".list.kvu.1.0.tmp",             // a living process
        ".other.kvu." + dead + ".0.tmp", // another file's
        ".list.kvu." + dead + ".tmp",    // not a name this program makes
        "list.kvu." + dead + ".0.tmp",
    };
    WriteBytes(dir.File(stale), "half a list");
    for (const std::string& name : keptNames)
        WriteBytes(dir.File(name), "someone's");
    const std::string link = ".list.kvu." + dead + ".4.tmp"; // a link is no leftover of a save
    std::filesystem::create_symlink(dir.File("elsewhere"), dir.File(link));
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(dir.File("list.kvu"), "list", error)) << error;
    EXPECT_FALSE(std::filesystem::exists(dir.File(stale)));
    for (const std::string& name : keptNames)
        EXPECT_EQ(ReadBytes(dir.File(name)), "someone's") << name;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File(link)));
    EXPECT_EQ(dir.EntryCount(), 2u + std::size(keptNames));
}
