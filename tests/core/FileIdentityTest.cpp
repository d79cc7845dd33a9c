#include "core/FileIdentity.h"
#include "core/ListSnapshot.h"
#include "core/Project.h"
#include "platform/FileSystem.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

// The list as read: its records and the identity of the very bytes they
// came from, also when another program replaces the file while it is read.
TEST(FileIdentity, IsThatOfTheBytesReadWhateverComesAfter) {
    TTempDir dir;
    TProject list;
    list.FileName = dir.File("a.kvu");
    list.Data.resize(2);
    list.Data[1].Band = "Second";
    ASSERT_TRUE(list.Save().Ok);
    WriteBytes(list.FileName, ReadBytes(list.FileName) + "trailing bytes no reader looks at");
    const TFileIdentity whole = IdentifyFile(list.FileName);
    TFileIdentity read;
    ASSERT_TRUE(list.Load(&read).Ok());
    EXPECT_TRUE(read.Known);
    EXPECT_EQ(read.Checksum, whole.Checksum);
    EXPECT_EQ(read.Stamp.Size, whole.Stamp.Size);
    EXPECT_FALSE(FileChangedSince(read, list.FileName));

    const std::string before = ReadBytes(list.FileName);
    std::string error;
    std::unique_ptr<TFile> file = FileSystem().OpenForReading(list.FileName, error);
    ASSERT_TRUE(file) << error;
    TIdentifyingSource source(*file, StampOfFile(list.FileName));
    char head[10];
    ASSERT_EQ(source.Read(head, sizeof head), 10);
    WriteBytes(dir.File("b.kvu"), "another program's list");
    ASSERT_EQ(std::rename(dir.File("b.kvu").c_str(), list.FileName.c_str()), 0);
    const TFileIdentity opened = source.Finish();
    EXPECT_EQ(opened.Checksum, whole.Checksum);
    EXPECT_EQ(opened.Stamp.Size, before.size());
    EXPECT_TRUE(FileChangedSince(opened, list.FileName));
}

// A save knows its file from the bytes it wrote, as reading it back would.
TEST(FileIdentity, OfASavedListIsThatOfTheFileWritten) {
    TTempDir dir;
    TProject list;
    list.FileName = dir.File("a.kvu");
    list.Data.resize(3);
    TListSnapshot snapshot;
    std::string error;
    ASSERT_TRUE(TakeListSnapshot(list, snapshot, error)) << error;
    TFileIdentity written;
    ASSERT_TRUE(WriteListSnapshot(snapshot, &written).Ok);
    const TFileIdentity read = IdentifyFile(list.FileName);
    EXPECT_TRUE(written.Known);
    EXPECT_EQ(written.Checksum, read.Checksum);
    EXPECT_TRUE(written.Stamp.SameContentStamp(read.Stamp) && written.Stamp.SameFile(read.Stamp));
    EXPECT_FALSE(FileChangedSince(written, list.FileName));
    std::string other = ReadBytes(list.FileName);
    other.back() ^= 1;
    WriteBytes(list.FileName, other);
    EXPECT_TRUE(FileChangedSince(written, list.FileName));
    std::filesystem::remove(list.FileName);
    EXPECT_TRUE(FileChangedSince(written, list.FileName));
}

} // namespace
