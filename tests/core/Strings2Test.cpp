#include "core/DeflateWriter.h"
#include "core/LittleEndian.h"
#include "core/Strings2.h"

#include <gtest/gtest.h>

namespace {

std::string Block(std::initializer_list<uint32_t> header, const std::string& rest = {}) {
    std::string block;
    for (uint32_t v : header)
        PutLE(block, v);
    return block + rest;
}

// "Data" bytes around an uncompressed block.
std::string Wrap(const std::string& block) {
    std::string data;
    PutLE(data, static_cast<uint32_t>(block.size()));
    return data + CompressBytes(block);
}

std::string Entry(const std::string& text) {
    std::string e;
    PutLE(e, static_cast<uint32_t>(text.size()));
    return e + text;
}

TStrings2 Sample() {
    TStrings2 s;
    s.Add("Soundboard", 7);
    s.Add("", 0);
    s.Add(std::string("|s\xDD", 3), 0xFF);
    return s;
}

TEST(Strings2Test, NewStoreIsEmptyWithOneColumn) {
    TStrings2 s;
    EXPECT_EQ(s.Count(), 0);
    EXPECT_EQ(s.Columns(), 1);
    EXPECT_FALSE(s.Signs());
}

TEST(Strings2Test, ColumnsBelowOneAreIgnored) {
    TStrings2 s;
    s.SetColumns(3);
    s.SetColumns(0);
    s.SetColumns(-3);
    EXPECT_EQ(s.Columns(), 3);
}

class Strings2LookupTest : public ::testing::TestWithParam<int32_t> {};

TEST_P(Strings2LookupTest, OutsideOneToCountIsEmpty) {
    EXPECT_EQ(Sample().Item(GetParam()), "");
}
INSTANTIATE_TEST_SUITE_P(Numbers, Strings2LookupTest, ::testing::Values(0, -1, 4, INT32_MIN, INT32_MAX));

TEST(Strings2Test, LooksUpItemsFromOne) {
    TStrings2 s = Sample();
    EXPECT_EQ(s.Item(1), "Soundboard");
    EXPECT_EQ(s.Item(3), std::string("|s\xDD", 3));
}

TEST(Strings2Test, EmptyStoreWritesAnEightByteBlock) {
    std::string data = TStrings2().WriteData();
    EXPECT_EQ(data.substr(0, 4), std::string("\x08\0\0\0", 4));
    EXPECT_EQ(data.substr(4), CompressBytes(Block({2, 0})));
}

TEST(Strings2Test, WritesVersionTwoByteForByte) {
    std::string block = Block({2, 3}) + Entry("Soundboard") + "\x07" + Entry("") + '\0' + Entry("|s\xDD") + "\xFF";
    std::string data = Sample().WriteData();
    ASSERT_GE(data.size(), 6u);
    EXPECT_EQ(GetLE(data, 0), block.size());
    EXPECT_EQ(static_cast<unsigned char>(data[4]), 0x78);
    EXPECT_EQ(static_cast<unsigned char>(data[5]), 0xDA);
    EXPECT_EQ(data, Wrap(block));
}

TEST(Strings2Test, RoundTripKeepsItemsAndSigns) {
    TStrings2 back;
    ASSERT_EQ(back.ReadData(Sample().WriteData()), TStrings2::TReadResult::Ok);
    ASSERT_EQ(back.Count(), 3);
    for (int32_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(back.Item(i), Sample().Item(i));
        EXPECT_EQ(back.Sign(i), Sample().Sign(i));
    }
    EXPECT_EQ(back.WriteData(), Sample().WriteData());
}

TEST(Strings2Test, ReadsVersionOneWithZeroSigns) {
    TStrings2 s;
    ASSERT_EQ(s.ReadData(Wrap(Block({1, 2}) + Entry("DAT") + Entry(""))), TStrings2::TReadResult::Ok);
    ASSERT_EQ(s.Count(), 2);
    EXPECT_EQ(s.Item(1), "DAT");
    EXPECT_EQ(s.Sign(1), 0);
    // Written again, it is version 2 with one sign per item.
    EXPECT_EQ(s.WriteData(), Wrap(Block({2, 2}) + Entry("DAT") + '\0' + Entry("") + '\0'));
}

TEST(Strings2Test, NegativeLengthGivesAnEmptyItem) {
    TStrings2 s;
    ASSERT_EQ(s.ReadData(Wrap(Block({2, 1, 0xFFFFFFFF}) + "\x01")), TStrings2::TReadResult::Ok);
    EXPECT_EQ(s.Item(1), "");
    EXPECT_EQ(s.Sign(1), 1);
}

TEST(Strings2Test, OnlyTheFirstVersionByteCounts) {
    TStrings2 s;
    EXPECT_EQ(s.ReadData(Wrap(Block({0x7702, 0}))), TStrings2::TReadResult::Ok);
}

TEST(Strings2Test, OtherVersionLeavesTheStore) {
    TStrings2 s = Sample();
    EXPECT_EQ(s.ReadData(Wrap(Block({3, 0}))), TStrings2::TReadResult::OtherVersion);
    EXPECT_EQ(s.Count(), 3);
}

struct TDamaged {
    const char* Name;
    std::string Bytes;
};

class Strings2DamagedTest : public ::testing::TestWithParam<TDamaged> {};

TEST_P(Strings2DamagedTest, IsRefusedAndLeavesTheStore) {
    TStrings2 s = Sample();
    std::string error;
    EXPECT_EQ(s.ReadData(GetParam().Bytes, &error), TStrings2::TReadResult::Damaged);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(s.Count(), 3);
    EXPECT_EQ(s.Item(1), "Soundboard");
}

std::string Truncated() {
    std::string d = Sample().WriteData();
    return d.substr(0, d.size() - 5);
}

std::string BadChecksum() {
    std::string d = Sample().WriteData();
    d.back() = static_cast<char>(d.back() ^ 1);
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    Blobs, Strings2DamagedTest,
    ::testing::Values(TDamaged{"Empty", ""}, TDamaged{"OnlyLength", std::string("\x08\0\0\0", 4)},
                      TDamaged{"NotZlib", std::string("\x08\0\0\0garbage!", 12)},
                      TDamaged{"Truncated", Truncated()}, TDamaged{"BadChecksum", BadChecksum()},
                      TDamaged{"HugeCount", Wrap(Block({2, 0x7FFFFFFF}))},
                      TDamaged{"NegativeCount", Wrap(Block({2, 0xFFFFFFFF}))},
                      TDamaged{"HugeLength", Wrap(Block({2, 1, 0x7FFFFFF0}) + "abc")},
                      TDamaged{"MissingSign", Wrap(Block({2, 1}) + Entry("abc"))},
                      TDamaged{"ShortHeader", Wrap(std::string("\x02\0\0", 3))}),
    [](const auto& info) { return info.param.Name; });

} // namespace
