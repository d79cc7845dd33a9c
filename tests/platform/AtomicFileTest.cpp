#include "platform/AtomicFile.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

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
