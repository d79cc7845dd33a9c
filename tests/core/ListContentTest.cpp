#include "core/ListFile.h"
#include "support/Records.h"
#include "support/ZlibStreams.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Records whose texts lie on both sides of the length a string keeps in
// place, and beyond; codes over the whole range.
TArrayOfBootData RandomList(uint32_t seed, int count) {
    TRandomRecords random(seed);
    const size_t lengths[] = {0, 15, 16, 40, 400};
    TArrayOfBootData records(static_cast<size_t>(count));
    for (TBootData& r : records) {
        for (std::string* field : {&r.Band, &r.Date, &r.City, &r.Venue, &r.Country, &r.Name, &r.Info, &r.Num,
                                   &r.Comment, &r.Quality, &r.Covers[0], &r.Covers[1]})
            *field = random.Text(lengths[random.Int(0, 4)]);
        r.Source = random.Int(INT32_MIN, INT32_MAX);
        r.Media = random.Int(-2, 20);
    }
    return records;
}

// The stored layout written out field by field, as the file is described.
std::string LiteralContent(const TArrayOfBootData& records) {
    TContent content;
    content.Ints({13, static_cast<int32_t>(records.size())});
    for (const TBootData& r : records)
        content.Str(r.Band)
            .Ints({r.Source, r.Media})
            .Strs({r.Quality, r.Name, r.Date, r.City, r.Venue, r.Country, r.Num, r.Info, r.Covers[0], r.Covers[1],
                   r.Comment});
    return content.Bytes();
}

class ListContentRoundTrip : public testing::TestWithParam<uint32_t> {};

TEST_P(ListContentRoundTrip, WrittenBytesFollowTheLayoutAndReadBackEqual) {
    const TArrayOfBootData records = RandomList(GetParam(), static_cast<int>(GetParam() % 7 * 300));
    TListContent content;
    std::string error;
    ASSERT_TRUE(MakeListContent(records, content, error)) << error;
    const std::string bytes(content.Data(), content.Size());
    EXPECT_TRUE(bytes == LiteralContent(records));
    EXPECT_EQ(content.Size(), ListContentSize(records));

    TArrayOfBootData read(1);
    TStringSource file(ZlibStream(bytes));
    ASSERT_TRUE(ReadListFile(file, read).Ok());
    ASSERT_EQ(read.size(), records.size());
    for (size_t i = 0; i < records.size(); ++i)
        ASSERT_TRUE(SameStoredFields(read[i], records[i])) << i;
}

INSTANTIATE_TEST_SUITE_P(Seeds, ListContentRoundTrip, testing::Values(1u, 2u, 3u, 4u, 5u, 6u, 7u));

} // namespace
