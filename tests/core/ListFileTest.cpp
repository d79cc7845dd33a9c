#include "core/ListFile.h"
#include "core/Deflate.h"
#include "support/MemoryLimit.h"
#include "support/Records.h"
#include "support/ZlibStreams.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TListReadResult Read(const std::string& file, TArrayOfBootData& records, size_t piece = SIZE_MAX) {
    TStringSource source(file, piece);
    return ReadListFile(source, records);
}

std::string Z(const std::string& content) {
    return ZlibStream(content);
}

std::string SavedFile(const TArrayOfBootData& records) {
    TStringSink sink;
    std::string error;
    EXPECT_TRUE(WriteListFile(records, sink, error)) << error;
    return sink.Bytes;
}

std::string Content(const TArrayOfBootData& records) {
    TStringSink sink;
    std::string error;
    EXPECT_TRUE(WriteListContent(records, sink, error));
    return sink.Bytes;
}

// A list that the reader must not touch when it refuses a file.
TArrayOfBootData Sentinel() {
    TArrayOfBootData records(1);
    records[0].Band = "untouched";
    return records;
}
bool Untouched(const TArrayOfBootData& records) {
    return records.size() == 1 && records[0].Band == "untouched";
}

// The stored fields in one line: source,media|band|quality|name|date|city|venue|country|num|info|covers|comment.
std::string Fields(const TBootData& r) {
    std::string line = std::to_string(r.Source) + "," + std::to_string(r.Media);
    for (const std::string* f : {&r.Band, &r.Quality, &r.Name, &r.Date, &r.City, &r.Venue, &r.Country, &r.Num, &r.Info,
                                 &r.Covers[0], &r.Covers[1], &r.Comment})
        line += "|" + *f;
    return line;
}

// The records of a list file of the given content, field by field.
std::vector<std::string> ReadFields(const std::string& content, int32_t version) {
    TArrayOfBootData records = Sentinel();
    TListReadResult result = Read(Z(content), records);
    EXPECT_TRUE(result.Ok()) << result.Reason;
    EXPECT_EQ(result.Version, version);
    std::vector<std::string> fields;
    for (const TBootData& r : records)
        fields.push_back(Fields(r));
    return fields;
}

} // namespace

TEST(ListFileLayout, ByteExactContentAndStream) {
    EXPECT_EQ(Content({}), std::string("\x0D\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(Content(TArrayOfBootData(1)), std::string("\x0D\0\0\0\x01\0\0\0", 8) + std::string(56, '\0'));

    TBootData r = SampleRecord();
    r.Source = -2; // codes are stored as they are, also outside the known range
    EXPECT_EQ(Content({r}), TContent()
                                .Ints({13, 1})
                                .Str("Band")
                                .Ints({-2, 13})
                                .Strs({"EX", "Night", "1999.05.01", "Lisbon", "Pavilhao", "Portugal", "007", "info",
                                       "front.jpg", "back.jpg", "note"})
                                .Bytes());

    TBootData transient;
    transient.SearchHits = 3;
    transient.SearchText = "found";
    transient.ViewIndex = 7;
    EXPECT_EQ(Content({transient}), Content({TBootData()}));
    EXPECT_EQ(SavedFile({r}).substr(0, 2), "\x78\xDA"); // the header of zlib's best packing
}

TEST(ListFileRead, FilesOfEveryZlibLevelAndWithFlushesAreRead) {
    TArrayOfBootData records{SampleRecord()};
    TRandomRecords random(5);
    for (int i = 0; i < 3000; ++i)
        records.push_back(random.Record());
    const std::string content = Content(records);
    const struct {
        int Level;
        size_t FlushEvery;
        int Flush;
    } writers[] = {
        {0, 0, Z_NO_FLUSH},       {1, 0, Z_NO_FLUSH},        {2, 0, Z_NO_FLUSH},        {3, 0, Z_NO_FLUSH},
        {4, 0, Z_NO_FLUSH},       {5, 0, Z_NO_FLUSH},        {6, 0, Z_NO_FLUSH},        {7, 0, Z_NO_FLUSH},
        {8, 0, Z_NO_FLUSH},       {9, 0, Z_NO_FLUSH},        {9, 1, Z_SYNC_FLUSH},      {6, 4099, Z_SYNC_FLUSH},
        {9, 65536, Z_FULL_FLUSH}, {1, 777, Z_PARTIAL_FLUSH}, {0, 100000, Z_SYNC_FLUSH}, {9, 50000, Z_BLOCK}};
    for (const auto& w : writers) {
        TArrayOfBootData back;
        TListReadResult result = Read(ZlibStream(content, w.Level, w.FlushEvery, w.Flush), back, 4096);
        ASSERT_TRUE(result.Ok()) << w.Level << " " << w.FlushEvery << ": " << result.Reason;
        ASSERT_EQ(back.size(), records.size());
        for (size_t i = 0; i < records.size(); ++i)
            ASSERT_TRUE(SameStoredFields(back[i], records[i])) << i;
    }
}

TEST(ListFileRead, TextsLongerThanTheReadWindowAreNotShortened) {
    TBootData r;
    r.Info.assign(3 * 1024 * 1024 + 17, 'x');
    r.Info[12345] = '\n';
    r.Comment = "after";
    TArrayOfBootData back;
    ASSERT_TRUE(Read(SavedFile({r, SampleRecord()}), back, 1000).Ok());
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].Info, r.Info);
    EXPECT_EQ(back[0].Comment, "after");
    EXPECT_TRUE(SameStoredFields(back[1], SampleRecord()));
}

TEST(ListFileRead, OldVersionsHaveTheirOwnLayouts) {
    // Version 1: no band, num, covers or comment; media as stored.
    EXPECT_EQ(
        ReadFields(TContent().Ints({1, 1, 2, 3}).Strs({"VG", "Nm", "1990.01.01", "Ct", "Vn", "Co", "In"}).Bytes(), 1),
        std::vector<std::string>{"2,3||VG|Nm|1990.01.01|Ct|Vn|Co||In|||"});
    // Version 3: num after the country.
    EXPECT_EQ(ReadFields(TContent().Ints({3, 1, 5, 4}).Strs({"Q", "N", "D", "C", "V", "K", "12", "I"}).Bytes(), 3),
              std::vector<std::string>{"5,4||Q|N|D|C|V|K|12|I|||"});
    // Version 2: num third, and media codes translated.
    const int32_t media[8] = {0, 1, 2, 3, 8, 9, 10, 15};
    TContent v2;
    v2.Ints({2, 8});
    std::vector<std::string> expected;
    for (int32_t m = 0; m < 8; ++m) {
        v2.Ints({1, m}).Str("N" + std::to_string(m)).Strs({"Q", "Nm", "D", "C", "V", "K", "I"});
        expected.push_back("1," + std::to_string(media[m]) + "||Q|Nm|D|C|V|K|N" + std::to_string(m) + "|I|||");
    }
    EXPECT_EQ(ReadFields(v2.Bytes(), 2), expected);
}

TEST(ListFileRead, VersionsOutsideTheKnownOnes) {
    for (int32_t version : {14, 200, INT32_MAX}) {
        TArrayOfBootData records = Sentinel();
        TListReadResult result = Read(Z(TContent().Ints({version, 0}).Bytes()), records);
        EXPECT_EQ(result.Status, TListReadResult::TStatus::NewerVersion);
        EXPECT_EQ(result.Version, version);
        EXPECT_EQ(result.Reason, "Wrong file version (" + std::to_string(version) + ").");
        EXPECT_TRUE(Untouched(records));
    }
    for (int32_t version : {0, -1, INT32_MIN, 4, 8, 12})
        EXPECT_TRUE(ReadFields(TContent().Ints({version, 5}).Raw("whatever").Bytes(), version).empty()) << version;
}

TEST(ListFileRead, NonPositiveLengthsAndCountsMeanEmpty) {
    // The band's length is negative: no bytes follow.
    EXPECT_EQ(
        ReadFields(TContent().Ints({13, 1, -5, 1, 2, INT32_MIN}).Str("Name").Raw(std::string(9 * 4, '\0')).Bytes(), 13),
        std::vector<std::string>{"1,2|||Name|||||||||"});
    EXPECT_TRUE(ReadFields(TContent().Ints({13, -3}).Bytes(), 13).empty());
}

TEST(ListFileRead, DamagedFilesAreRefusedAsAWhole) {
    const std::string zeros(56, '\0');
    const struct {
        std::string File;
        const char* ReasonPart;
    } cases[] = {
        {"", "empty"},
        {"plain text, not a list", "not a Korvalen list"},
        {std::string("\x0D\0\0\0\0\0\0\0", 8), "not a Korvalen list"},
        {"\x78\xDA", "ends in the middle"},
        {Z(""), "holds no list"},
        {Z(std::string("\x0D\0", 2)), "holds no list"},
        {Z(TContent().Int(13).Bytes()), "number of bootlegs"},
        {Z(TContent().Ints({13, kMostListRecords}).Raw(zeros).Bytes()), "ends after 1 of its 4000000 bootlegs"},
        {Z(TContent().Ints({13, 1, INT32_MAX}).Raw("abc").Bytes()), "ends after 0 of its 1 bootlegs"},
        {Z(TContent().Ints({13, 1, 10}).Raw("abc").Bytes()), "ends after 0"},
        {Z(TContent().Ints({13, 2}).Raw(zeros).Bytes()), "ends after 1 of its 2 bootlegs"},
        {Z(TContent().Ints({1, 1, 0, 0}).Str("Q").Bytes()), "ends after 0"},
    };
    for (const auto& c : cases) {
        TArrayOfBootData records = Sentinel();
        TListReadResult result = Read(c.File, records, 3);
        EXPECT_EQ(result.Status, TListReadResult::TStatus::Failed) << c.ReasonPart;
        EXPECT_NE(result.Reason.find(c.ReasonPart), std::string::npos) << result.Reason;
        EXPECT_TRUE(Untouched(records)) << c.ReasonPart;
    }
}

TEST(ListFileRead, EveryTruncationIsRefusedAndEveryFlippedByteRefusedOrHarmless) {
    const std::string file = SavedFile({SampleRecord(), SampleRecord(), TBootData()});
    for (size_t length = 0; length < file.size(); ++length) {
        TArrayOfBootData records = Sentinel();
        TListReadResult result = Read(file.substr(0, length), records, 7);
        EXPECT_EQ(result.Status, TListReadResult::TStatus::Failed) << length;
        EXPECT_FALSE(result.Reason.empty());
        EXPECT_TRUE(Untouched(records)) << length;
    }
    for (size_t at = 0; at < file.size(); ++at) {
        for (unsigned char mask : {0x01, 0x80, 0xFF}) {
            std::string damaged = file;
            damaged[at] = static_cast<char>(damaged[at] ^ mask);
            TArrayOfBootData records = Sentinel();
            TListReadResult result = Read(damaged, records);
            if (result.Ok()) {
                // Only the unused padding bits of the last block can change
                // without the checksum noticing: then the list is the same.
                ASSERT_EQ(records.size(), 3u) << at;
                for (size_t i = 0; i < 3; ++i)
                    EXPECT_TRUE(SameStoredFields(records[i], i < 2 ? SampleRecord() : TBootData())) << at;
            } else {
                EXPECT_EQ(result.Status, TListReadResult::TStatus::Failed) << at << " " << int(mask);
                EXPECT_TRUE(Untouched(records)) << at;
            }
        }
    }
}

namespace {
class TFailingSink final : public TByteSink {
public:
    explicit TFailingSink(size_t accept) : m_accept(accept) {}
    bool Write(const void*, size_t size) override {
        if (size > m_accept)
            return false;
        m_accept -= size;
        return true;
    }
    const std::string& Error() const override { return m_error; }

private:
    size_t m_accept;
    std::string m_error = "No space left on device";
};
} // namespace

// Failing reads are tested through TProject::Load on a failing file system.
TEST(ListFileIo, EveryWriteFailureIsReported) {
    TArrayOfBootData records;
    TRandomRecords random(3);
    for (int i = 0; i < 3000; ++i)
        records.push_back(random.Record());
    const size_t full = SavedFile(records).size();
    for (size_t accept : {size_t(0), size_t(1), full / 2, full - 1}) {
        TFailingSink sink(accept);
        std::string error;
        EXPECT_FALSE(WriteListFile(records, sink, error)) << accept;
        EXPECT_EQ(error, "No space left on device");
    }
    TFailingSink enough(full);
    std::string error;
    EXPECT_TRUE(WriteListFile(records, enough, error));
}

TEST(ListFileRead, ACountBeyondTheLimitIsRefusedBeforeAnyRecordIsRead) {
    for (int32_t count : {INT32_MAX, kMostListRecords + 1}) {
        TArrayOfBootData records = Sentinel();
        TListReadResult result = Read(ListBomb(count, 1000), records);
        EXPECT_EQ(result.Status, TListReadResult::TStatus::Failed);
        EXPECT_EQ(result.Reason,
                  "The list holds " + std::to_string(count) + " bootlegs, more than the program can open (4000000).");
        EXPECT_TRUE(Untouched(records));
    }
    TArrayOfBootData records;
    TListReadResult result = Read(ListBomb(3, 3), records);
    EXPECT_TRUE(result.Ok()) << result.Reason;
    EXPECT_EQ(records.size(), 3u);
}

TEST(ListFileRead, AListThatDoesNotFitInMemoryIsRefusedNotAborted) {
    if (kAddressSanitizer)
        GTEST_SKIP() << "the address sanitizer cannot run under a memory limit";
    // Three million empty records: 170 kB of file, over a gigabyte in memory.
    const std::string bomb = ListBomb(3000000, 3000000);
    EXPECT_LT(bomb.size(), 1u << 20);
    EXPECT_EXIT(
        {
            if (!LimitMemoryTo(size_t(512) << 20))
                std::exit(2);
            TArrayOfBootData records = Sentinel();
            TListReadResult result = Read(bomb, records);
            const bool refused = result.Status == TListReadResult::TStatus::Failed &&
                                 result.Reason.find("There is not enough memory to open the list") == 0;
            std::exit(refused && Untouched(records) ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}
