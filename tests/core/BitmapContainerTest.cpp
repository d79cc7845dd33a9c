#include "core/BitmapContainer.h"
#include "core/DeflateWriter.h"
#include "core/LittleEndian.h"

#include <gtest/gtest.h>

namespace {

TBitmapContainer Sample() {
    TBitmapContainer c;
    c.Add("BMfirst");
    c.Add("");
    c.Add("BMthird!");
    return c;
}

// A "Properties" blob put together by hand.
std::string Blob(const std::vector<int32_t>& offsets, int32_t count, const std::string& data, int32_t packedDelta = 0,
                 int32_t sizeDelta = 0) {
    std::string packed = CompressBytes(data);
    std::string out;
    for (size_t k = 0; k < 32; ++k)
        PutLE(out, static_cast<uint32_t>(k < offsets.size() ? offsets[k] : 0));
    PutLE(out, static_cast<uint32_t>(count));
    PutLE(out, static_cast<uint32_t>(static_cast<int32_t>(packed.size()) + packedDelta));
    PutLE(out, static_cast<uint32_t>(static_cast<int32_t>(data.size()) + sizeDelta));
    return out + packed;
}

TEST(BitmapContainerTest, EmptyContainerStoresCountZero) {
    std::string blob = TBitmapContainer().WriteProps();
    EXPECT_EQ(blob, Blob({}, 0, ""));
    EXPECT_EQ(GetLE(blob, 128), 0u);
    EXPECT_EQ(GetLE(blob, 132), blob.size() - 140);
    EXPECT_EQ(GetLE(blob, 136), 0u);
}

TEST(BitmapContainerTest, WritesTableCountAndLengthsByteForByte) {
    std::string blob = Sample().WriteProps();
    EXPECT_EQ(blob, Blob({0, 7, 7, 15}, 3, "BMfirstBMthird!"));
    EXPECT_EQ(static_cast<unsigned char>(blob[140]), 0x78);
    EXPECT_EQ(static_cast<unsigned char>(blob[141]), 0xDA);
}

TEST(BitmapContainerTest, RoundTripKeepsTableCountAndData) {
    TBitmapContainer back;
    std::string error;
    ASSERT_TRUE(back.ReadProps(Sample().WriteProps(), &error)) << error;
    EXPECT_EQ(back.Count(), 3);
    EXPECT_EQ(back.Offsets(), Sample().Offsets());
    EXPECT_EQ(back.Data(), "BMfirstBMthird!");
    EXPECT_EQ(back.WriteProps(), Sample().WriteProps());
}

TEST(BitmapContainerTest, GetsBitmapsByIndexFromOne) {
    TBitmapContainer c = Sample();
    std::string file;
    ASSERT_TRUE(c.GetBitmap(1, file));
    EXPECT_EQ(file, "BMfirst");
    ASSERT_TRUE(c.GetBitmap(2, file));
    EXPECT_EQ(file, "");
    ASSERT_TRUE(c.GetBitmap(3, file));
    EXPECT_EQ(file, "BMthird!");
}

class BitmapContainerIndexTest : public ::testing::TestWithParam<int32_t> {};

TEST_P(BitmapContainerIndexTest, OutsideOneToCountFailsAndLeavesTheOutput) {
    std::string file = "kept";
    EXPECT_FALSE(Sample().GetBitmap(GetParam(), file));
    EXPECT_EQ(file, "kept");
}
INSTANTIATE_TEST_SUITE_P(Indices, BitmapContainerIndexTest, ::testing::Values(0, 4, -1, INT32_MAX));

TEST(BitmapContainerTest, HoldsAtMostThirtyOne) {
    TBitmapContainer c;
    for (int i = 0; i < 31; ++i)
        ASSERT_TRUE(c.Add("BM"));
    EXPECT_FALSE(c.Add("BM"));
    EXPECT_EQ(c.Count(), 31);
    EXPECT_EQ(c.Offsets()[31], 62);
    TBitmapContainer back;
    ASSERT_TRUE(back.ReadProps(c.WriteProps()));
    EXPECT_EQ(back.Count(), 31);
}

struct TDamaged {
    const char* Name;
    std::string Bytes;
};

class BitmapContainerDamagedTest : public ::testing::TestWithParam<TDamaged> {};

TEST_P(BitmapContainerDamagedTest, IsRefusedAndLeavesTheContainer) {
    TBitmapContainer c = Sample();
    std::string error;
    EXPECT_FALSE(c.ReadProps(GetParam().Bytes, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(c.WriteProps(), Sample().WriteProps());
}

std::string Flipped(size_t fromEnd) {
    std::string b = Sample().WriteProps();
    b[b.size() - fromEnd] = static_cast<char>(b[b.size() - fromEnd] ^ 0x55);
    return b;
}

const std::string kData = "BMfirstBMthird!";

INSTANTIATE_TEST_SUITE_P(
    Blobs, BitmapContainerDamagedTest,
    ::testing::Values(TDamaged{"Empty", ""}, TDamaged{"HeaderOnlyPart", Sample().WriteProps().substr(0, 139)},
                      TDamaged{"Truncated", Sample().WriteProps().substr(0, 150)},
                      TDamaged{"BadChecksum", Flipped(1)}, TDamaged{"BadDeflate", Flipped(6)},
                      TDamaged{"CountTooBig", Blob({0, 7}, 32, kData)},
                      TDamaged{"CountNegative", Blob({0, 7}, -1, kData)},
                      TDamaged{"PackedBeyondData", Blob({0, 7, 15}, 2, kData, 1)},
                      TDamaged{"PackedNegative", Blob({0, 7, 15}, 2, kData, -1000)},
                      TDamaged{"PackedTooShort", Blob({0, 7, 15}, 2, kData, -3)},
                      TDamaged{"LengthTooBig", Blob({0, 7, 15}, 2, kData, 0, 1)},
                      TDamaged{"LengthTooSmall", Blob({0, 7, 15}, 2, kData, 0, -1)},
                      TDamaged{"LengthNegative", Blob({0, 7, 15}, 2, kData, 0, -100)},
                      TDamaged{"OffsetBeyondData", Blob({0, 7, 16}, 2, kData)},
                      TDamaged{"OffsetNegative", Blob({-1, 7, 15}, 2, kData)},
                      TDamaged{"OffsetsOutOfOrder", Blob({0, 9, 7}, 2, kData)}),
    [](const auto& info) { return info.param.Name; });

TEST(BitmapContainerTest, ReadsAContainerWhoseLastBitmapEndsBeforeTheData) {
    TBitmapContainer c;
    ASSERT_TRUE(c.ReadProps(Blob({0, 7}, 1, kData)));
    std::string file;
    ASSERT_TRUE(c.GetBitmap(1, file));
    EXPECT_EQ(file, "BMfirst");
}

} // namespace
