#include "core/BitmapContainer.h"
#include "core/LittleEndian.h"
#include "support/ZlibStreams.h"

#include <gtest/gtest.h>

namespace {

const std::string kData = "BMfirstBMthird!";

TBitmapContainer Sample() {
    TBitmapContainer c;
    c.Add("BMfirst");
    c.Add("");
    c.Add("BMthird!");
    return c;
}

// The 140 bytes before the compressed data.
std::string Header(const std::vector<int32_t>& offsets, int32_t count, int32_t packedSize, int32_t size) {
    std::string out;
    for (size_t k = 0; k < 32; ++k)
        PutLE(out, static_cast<uint32_t>(k < offsets.size() ? offsets[k] : 0));
    PutLE(out, static_cast<uint32_t>(count));
    PutLE(out, static_cast<uint32_t>(packedSize));
    PutLE(out, static_cast<uint32_t>(size));
    return out;
}

// A "Properties" blob put together by hand, its data packed by zlib.
std::string Blob(const std::vector<int32_t>& offsets, int32_t count, const std::string& data = kData,
                 int32_t packedDelta = 0, int32_t sizeDelta = 0) {
    std::string packed = ZlibStream(data);
    return Header(offsets, count, static_cast<int32_t>(packed.size()) + packedDelta,
                  static_cast<int32_t>(data.size()) + sizeDelta) +
           packed;
}

TEST(BitmapContainer, WritesTableCountAndLengthsByteForByte) {
    const struct {
        TBitmapContainer Container;
        std::vector<int32_t> Offsets;
        std::string Data;
    } cases[] = {{TBitmapContainer(), {}, ""}, {Sample(), {0, 7, 7, 15}, kData}};
    for (const auto& c : cases) {
        const std::string blob = c.Container.WriteProps();
        const int32_t packedSize = static_cast<int32_t>(blob.size()) - 140;
        EXPECT_EQ(blob.substr(0, 140),
                  Header(c.Offsets, c.Container.Count(), packedSize, static_cast<int32_t>(c.Data.size())));
        EXPECT_EQ(blob.substr(140, 2), "\x78\xDA");
        std::string data;
        EXPECT_TRUE(ZlibContent(blob.substr(140), data));
        EXPECT_EQ(data, c.Data);
    }
}

TEST(BitmapContainer, ReadsWhatItWritesAndGetsBitmapsFromOne) {
    TBitmapContainer back;
    std::string error;
    ASSERT_TRUE(back.ReadProps(Sample().WriteProps(), error)) << error;
    EXPECT_EQ(back.Count(), 3);
    EXPECT_EQ(back.Offsets(), Sample().Offsets());
    EXPECT_EQ(back.Data(), kData);
    const char* files[] = {"BMfirst", "", "BMthird!"};
    for (int32_t i = 1; i <= 3; ++i) {
        std::string file = "kept";
        ASSERT_TRUE(back.GetBitmap(i, file));
        EXPECT_EQ(file, files[i - 1]);
    }
    for (int32_t outside : {0, 4, -1, INT32_MAX}) {
        std::string file = "kept";
        EXPECT_FALSE(back.GetBitmap(outside, file));
        EXPECT_EQ(file, "kept");
    }
    // The last bitmap may end before the data does.
    ASSERT_TRUE(back.ReadProps(Blob({0, 7}, 1), error)) << error;
    std::string file;
    ASSERT_TRUE(back.GetBitmap(1, file));
    EXPECT_EQ(file, "BMfirst");
    // A container without bitmaps is no damage.
    ASSERT_TRUE(back.ReadProps(TBitmapContainer().WriteProps(), error)) << error;
    EXPECT_EQ(back.Count(), 0);
}

TEST(BitmapContainer, HoldsAtMostThirtyOne) {
    TBitmapContainer c;
    for (int i = 0; i < 31; ++i)
        ASSERT_TRUE(c.Add("BM"));
    EXPECT_FALSE(c.Add("BM"));
    EXPECT_EQ(c.Count(), 31);
    EXPECT_EQ(c.Offsets()[31], 62);
    TBitmapContainer back;
    std::string error;
    ASSERT_TRUE(back.ReadProps(c.WriteProps(), error)) << error;
    EXPECT_EQ(back.Count(), 31);
}

TEST(BitmapContainer, DamageIsRefusedAndLeavesTheContainer) {
    const std::string whole = Sample().WriteProps();
    auto flipped = [&](size_t fromEnd) {
        std::string b = whole;
        b[b.size() - fromEnd] = static_cast<char>(b[b.size() - fromEnd] ^ 0x55);
        return b;
    };
    const struct {
        const char* Name;
        std::string Bytes;
    } cases[] = {{"Empty", ""},
                 {"HeaderOnlyPart", whole.substr(0, 139)},
                 {"Truncated", whole.substr(0, 150)},
                 {"BadChecksum", flipped(1)},
                 {"BadDeflate", flipped(6)},
                 {"CountTooBig", Blob({0, 7}, 32)},
                 {"CountNegative", Blob({0, 7}, -1)},
                 {"PackedBeyondData", Blob({0, 7, 15}, 2, kData, 1)},
                 {"PackedNegative", Blob({0, 7, 15}, 2, kData, -1000)},
                 {"PackedTooShort", Blob({0, 7, 15}, 2, kData, -3)},
                 {"LengthTooBig", Blob({0, 7, 15}, 2, kData, 0, 1)},
                 {"LengthTooSmall", Blob({0, 7, 15}, 2, kData, 0, -1)},
                 {"LengthNegative", Blob({0, 7, 15}, 2, kData, 0, -100)},
                 {"OffsetBeyondData", Blob({0, 7, 16}, 2)},
                 {"OffsetNegative", Blob({-1, 7, 15}, 2)},
                 {"OffsetsOutOfOrder", Blob({0, 9, 7}, 2)}};
    for (const auto& c : cases) {
        TBitmapContainer container = Sample();
        std::string error;
        EXPECT_FALSE(container.ReadProps(c.Bytes, error)) << c.Name;
        EXPECT_FALSE(error.empty()) << c.Name;
        EXPECT_EQ(container.WriteProps(), whole) << c.Name;
    }
}

} // namespace
