#include "core/ListFile.h"
#include "core/DeflateWriter.h"
#include "support/Records.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TListReadResult ReadContent(const std::string& content, TArrayOfBootData& records, size_t piece = SIZE_MAX) {
    TStringSource file(CompressBytes(content), piece);
    return ReadListFile(file, records);
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

} // namespace

TEST(ListFileLayout, EmptyListIsVersionAndZeroCount) {
    EXPECT_EQ(Content({}), std::string("\x0D\0\0\0\0\0\0\0", 8));
}

TEST(ListFileLayout, RecordOfEmptyFieldsIs56Bytes) {
    std::string content = Content(TArrayOfBootData(1));
    ASSERT_EQ(content.size(), 8u + 56u);
    EXPECT_EQ(content, std::string("\x0D\0\0\0\x01\0\0\0", 8) + std::string(56, '\0'));
}

TEST(ListFileLayout, FieldsInStoredOrder) {
    TBootData r = SampleRecord();
    r.Source = -2; // codes are stored as they are, also outside the known range
    std::string expected = TContent()
                               .Int(13)
                               .Int(1)
                               .Str("Band")
                               .Int(-2)
                               .Int(13)
                               .Strs({"EX", "Night", "1999.05.01", "Lisbon", "Pavilhao", "Portugal", "007", "info",
                                      "front.jpg", "back.jpg", "note"})
                               .Bytes();
    EXPECT_EQ(Content({r}), expected);
}

TEST(ListFileLayout, TransientFieldsAreNotStored) {
    TBootData r;
    r.SearchHits = 3;
    r.SearchText = "found";
    r.ViewIndex = 7;
    EXPECT_EQ(Content({r}), Content({TBootData()}));
}

TEST(ListFileLayout, FileIsOneLevelNineZlibStream) {
    std::string file = SavedFile({SampleRecord()});
    ASSERT_GE(file.size(), 6u);
    EXPECT_EQ(static_cast<unsigned char>(file[0]), 0x78);
    EXPECT_EQ(static_cast<unsigned char>(file[1]), 0xDA);
    EXPECT_EQ(file, CompressBytes(Content({SampleRecord()}), 9));
}

TEST(ListFileRead, Version13RoundTripKeepsEveryByte) {
    TBootData odd = SampleRecord();
    odd.Info = "line one\r\nline two\twith tab\r\n";
    odd.Name = "a|b|c [x] [[";
    odd.Comment = std::string("\xE9t\xE9 \xC3\x28 invalid UTF-8 \xFF\0end", 26);
    odd.Band = "\xC3\xA9l\xC3\xA8ve"; // valid UTF-8
    TArrayOfBootData records{SampleRecord(), odd, TBootData()};

    TArrayOfBootData back;
    TStringSource file(SavedFile(records), 5);
    TListReadResult result = ReadListFile(file, back);
    ASSERT_TRUE(result.Ok()) << result.Reason;
    EXPECT_EQ(result.Version, 13);
    ASSERT_EQ(back.size(), records.size());
    for (size_t i = 0; i < records.size(); ++i)
        EXPECT_TRUE(SameStoredFields(back[i], records[i])) << i;
}

TEST(ListFileRead, TextsLongerThanTheReadWindow) {
    TBootData r;
    r.Info.assign(3 * 1024 * 1024 + 17, 'x');
    r.Info[12345] = '\n';
    r.Comment = "after";
    TArrayOfBootData back;
    TStringSource file(SavedFile({r, SampleRecord()}), 1000);
    ASSERT_TRUE(ReadListFile(file, back).Ok());
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].Info, r.Info);
    EXPECT_EQ(back[0].Comment, "after");
    EXPECT_TRUE(SameStoredFields(back[1], SampleRecord()));
}

TEST(ListFileRead, ManyRecordsAcrossBlocks) {
    TRandomRecords random(7);
    TArrayOfBootData records;
    for (int i = 0; i < 10000; ++i)
        records.push_back(random.Record());
    TArrayOfBootData back;
    TStringSource file(SavedFile(records));
    ASSERT_TRUE(ReadListFile(file, back).Ok());
    ASSERT_EQ(back.size(), records.size());
    for (size_t i = 0; i < records.size(); ++i)
        ASSERT_TRUE(SameStoredFields(back[i], records[i])) << i;
}

TEST(ListFileRead, Version1HasNoBandNumCoversOrComment) {
    std::string content = TContent()
                              .Int(1)
                              .Int(1)
                              .Int(2)
                              .Int(3)
                              .Strs({"VG", "Name", "1990.01.01", "City", "Venue", "Country", "Info"})
                              .Bytes();
    TArrayOfBootData records;
    TListReadResult result = ReadContent(content, records);
    ASSERT_TRUE(result.Ok()) << result.Reason;
    EXPECT_EQ(result.Version, 1);
    ASSERT_EQ(records.size(), 1u);
    const TBootData& r = records[0];
    EXPECT_EQ(r.Source, 2);
    EXPECT_EQ(r.Media, 3); // only version 2 translates media
    EXPECT_EQ(r.Quality, "VG");
    EXPECT_EQ(r.Name, "Name");
    EXPECT_EQ(r.Date, "1990.01.01");
    EXPECT_EQ(r.City, "City");
    EXPECT_EQ(r.Venue, "Venue");
    EXPECT_EQ(r.Country, "Country");
    EXPECT_EQ(r.Info, "Info");
    EXPECT_EQ(r.Band, "");
    EXPECT_EQ(r.Num, "");
    EXPECT_EQ(r.Covers[0], "");
    EXPECT_EQ(r.Covers[1], "");
    EXPECT_EQ(r.Comment, "");
}

TEST(ListFileRead, Version2TranslatesMediaAndReadsNumThird) {
    const int32_t expected[8] = {0, 1, 2, 3, 8, 9, 10, 15};
    TContent content;
    content.Int(2).Int(8);
    for (int32_t m = 0; m < 8; ++m)
        content.Int(1).Int(m).Str("N" + std::to_string(m)).Strs({"Q", "Name", "D", "C", "V", "K", "I"});
    TArrayOfBootData records;
    ASSERT_TRUE(ReadContent(content.Bytes(), records).Ok());
    ASSERT_EQ(records.size(), 8u);
    for (int32_t m = 0; m < 8; ++m) {
        EXPECT_EQ(records[m].Media, expected[m]) << m;
        EXPECT_EQ(records[m].Num, "N" + std::to_string(m));
        EXPECT_EQ(records[m].Quality, "Q");
        EXPECT_EQ(records[m].Country, "K");
        EXPECT_EQ(records[m].Info, "I");
    }
}

TEST(ListFileRead, Version3ReadsNumAfterCountry) {
    std::string content =
        TContent().Int(3).Int(1).Int(5).Int(4).Strs({"Q", "Name", "D", "C", "V", "K", "12", "I"}).Bytes();
    TArrayOfBootData records;
    ASSERT_TRUE(ReadContent(content, records).Ok());
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Source, 5);
    EXPECT_EQ(records[0].Media, 4);
    EXPECT_EQ(records[0].Country, "K");
    EXPECT_EQ(records[0].Num, "12");
    EXPECT_EQ(records[0].Info, "I");
}

TEST(ListFileRead, NewerVersionIsRefusedWithItsNumber) {
    for (int32_t version : {14, 200, INT32_MAX}) {
        TArrayOfBootData records = Sentinel();
        TListReadResult result = ReadContent(TContent().Int(version).Int(0).Bytes(), records);
        EXPECT_EQ(result.Status, TListReadResult::TStatus::NewerVersion);
        EXPECT_EQ(result.Version, version);
        EXPECT_EQ(result.Reason, "Wrong file version (" + std::to_string(version) + ").");
        EXPECT_EQ(records[0].Band, "untouched");
    }
}

TEST(ListFileRead, UnknownOlderVersionsOpenEmpty) {
    for (int32_t version : {0, -1, INT32_MIN, 4, 8, 12}) {
        TArrayOfBootData records = Sentinel();
        TListReadResult result = ReadContent(TContent().Int(version).Int(5).Raw("whatever").Bytes(), records);
        EXPECT_TRUE(result.Ok()) << version;
        EXPECT_EQ(result.Version, version);
        EXPECT_TRUE(records.empty());
    }
}

TEST(ListFileRead, NonPositiveLengthsAndCountsMeanEmpty) {
    std::string content = TContent()
                              .Int(13)
                              .Int(1)
                              .Int(-5) // band: empty, no bytes follow
                              .Int(1)
                              .Int(2)
                              .Int(INT32_MIN)
                              .Str("Name")
                              .Raw(std::string(9 * 4, '\0'))
                              .Bytes();
    TArrayOfBootData records;
    ASSERT_TRUE(ReadContent(content, records).Ok());
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Band, "");
    EXPECT_EQ(records[0].Quality, "");
    EXPECT_EQ(records[0].Name, "Name");

    records = Sentinel();
    ASSERT_TRUE(ReadContent(TContent().Int(13).Int(-3).Bytes(), records).Ok());
    EXPECT_TRUE(records.empty());
}

TEST(ListFileRead, TrailingBytesAfterTheStreamAreIgnored) {
    TArrayOfBootData records;
    TStringSource file(SavedFile({SampleRecord()}) + "trailing");
    ASSERT_TRUE(ReadListFile(file, records).Ok());
    EXPECT_EQ(records.size(), 1u);
}

struct TBadContentCase {
    const char* Name;
    std::string Content;
    const char* ReasonPart;
};

class ListFileBadContent : public testing::TestWithParam<TBadContentCase> {};

TEST_P(ListFileBadContent, IsRefusedWithAReason) {
    TArrayOfBootData records = Sentinel();
    TListReadResult result = ReadContent(GetParam().Content, records, 3);
    EXPECT_EQ(result.Status, TListReadResult::TStatus::Failed);
    EXPECT_NE(result.Reason.find(GetParam().ReasonPart), std::string::npos) << result.Reason;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Band, "untouched");
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, ListFileBadContent,
    testing::Values(
        TBadContentCase{"NoContent", "", "holds no list"},
        TBadContentCase{"HalfVersion", std::string("\x0D\0", 2), "holds no list"},
        TBadContentCase{"NoCount", TContent().Int(13).Bytes(), "number of bootlegs"},
        TBadContentCase{"HugeCount", TContent().Int(13).Int(INT32_MAX).Bytes() + std::string(56, '\0'),
                        "ends after 1 of its 2147483647 bootlegs"},
        TBadContentCase{"HugeStringLength", TContent().Int(13).Int(1).Int(INT32_MAX).Raw("abc").Bytes(),
                        "ends after 0 of its 1 bootlegs"},
        TBadContentCase{"StringPastEnd", TContent().Int(13).Int(1).Int(10).Raw("abc").Bytes(), "ends after 0"},
        TBadContentCase{"SecondRecordMissing", TContent().Int(13).Int(2).Raw(std::string(56, '\0')).Bytes(),
                        "ends after 1 of its 2 bootlegs"},
        TBadContentCase{"OldVersionCut", TContent().Int(1).Int(1).Int(0).Int(0).Str("Q").Bytes(), "ends after 0"}),
    [](const testing::TestParamInfo<TBadContentCase>& info) { return std::string(info.param.Name); });

TEST(ListFileRead, FilesThatAreNoZlibStream) {
    struct {
        std::string Bytes;
        const char* ReasonPart;
    } cases[] = {
        {"", "empty"},
        {"plain text, not a list", "not a Korvalen list"},
        {std::string("\x0D\0\0\0\0\0\0\0", 8), "not a Korvalen list"},
        {std::string("\x78\xDA", 2), "ends in the middle"},
    };
    for (const auto& c : cases) {
        TArrayOfBootData records = Sentinel();
        TStringSource file(c.Bytes);
        TListReadResult result = ReadListFile(file, records);
        EXPECT_EQ(result.Status, TListReadResult::TStatus::Failed);
        EXPECT_NE(result.Reason.find(c.ReasonPart), std::string::npos) << result.Reason;
        EXPECT_EQ(records[0].Band, "untouched");
    }
}

TEST(ListFileRead, EveryTruncationIsRefused) {
    const std::string file = SavedFile({SampleRecord(), SampleRecord(), TBootData()});
    for (size_t length = 0; length < file.size(); ++length) {
        TArrayOfBootData records = Sentinel();
        TStringSource source(file.substr(0, length), 7);
        TListReadResult result = ReadListFile(source, records);
        EXPECT_EQ(result.Status, TListReadResult::TStatus::Failed) << length;
        EXPECT_FALSE(result.Reason.empty());
        EXPECT_EQ(records[0].Band, "untouched") << length;
    }
}

TEST(ListFileRead, EveryFlippedByteIsRefusedOrHarmless) {
    const std::string file = SavedFile({SampleRecord(), TBootData()});
    for (size_t at = 0; at < file.size(); ++at) {
        for (unsigned char mask : {0x01, 0x80, 0xFF}) {
            std::string damaged = file;
            damaged[at] = static_cast<char>(damaged[at] ^ mask);
            TArrayOfBootData records = Sentinel();
            TStringSource source(damaged);
            TListReadResult result = ReadListFile(source, records);
            if (result.Ok()) {
                // Only the unused padding bits of the last block can change
                // without the checksum noticing: then the list is the same.
                ASSERT_EQ(records.size(), 2u) << at;
                EXPECT_TRUE(SameStoredFields(records[0], SampleRecord())) << at;
                EXPECT_TRUE(SameStoredFields(records[1], TBootData())) << at;
                continue;
            }
            EXPECT_EQ(result.Status, TListReadResult::TStatus::Failed) << at << " " << int(mask);
            EXPECT_EQ(records[0].Band, "untouched");
        }
    }
}

namespace {
class TFailingSource final : public TByteSource {
public:
    long long Read(void*, size_t) override { return -1; }
    const std::string& Error() const override { return m_error; }

private:
    std::string m_error = "Cannot read the file: Input/output error";
};

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

TEST(ListFileRead, ReadFailureIsReported) {
    TArrayOfBootData records = Sentinel();
    TFailingSource source;
    TListReadResult result = ReadListFile(source, records);
    EXPECT_EQ(result.Status, TListReadResult::TStatus::Failed);
    EXPECT_EQ(result.Reason, "Cannot read the file: Input/output error.");
    EXPECT_EQ(records[0].Band, "untouched");
}

TEST(ListFileWrite, EveryWriteFailureIsReported) {
    TRandomRecords random(3);
    TArrayOfBootData records;
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
