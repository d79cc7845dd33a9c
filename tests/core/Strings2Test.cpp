#include "core/Strings2.h"
#include "core/Codes.h"
#include "core/LittleEndian.h"
#include "support/ZlibStreams.h"

#include <gtest/gtest.h>

namespace {

std::string Block(std::initializer_list<uint32_t> header, const std::string& rest = {}) {
    std::string block;
    for (uint32_t v : header)
        PutLE(block, v);
    return block + rest;
}

// "Data" bytes around an uncompressed block, as zlib would pack it.
std::string Wrap(const std::string& block) {
    std::string data;
    PutLE(data, static_cast<uint32_t>(block.size()));
    return data + ZlibStream(block);
}

// The block that zlib reads from written "Data" bytes, checked against their length.
std::string Unwrap(const std::string& data) {
    std::string block;
    EXPECT_TRUE(data.size() >= 4 && ZlibContent(data.substr(4), block));
    EXPECT_EQ(GetLE(data, 0), block.size());
    return block;
}

std::string Entry(const std::string& text) {
    return Block({static_cast<uint32_t>(text.size())}, text);
}

TStrings2 Sample() {
    TStrings2 s;
    s.Add("Soundboard", 7);
    s.Add("", 0);
    s.Add(std::string("|s\xDD", 3), 0xFF);
    return s;
}

TEST(Strings2, ItemsFromOne) {
    TStrings2 s = Sample();
    EXPECT_EQ(s.Item(1), "Soundboard");
    EXPECT_EQ(s.Item(3), std::string("|s\xDD", 3));
    for (int32_t outside : {0, -1, 4, INT32_MIN, INT32_MAX})
        EXPECT_EQ(s.Item(outside), "") << outside;
}

TEST(Strings2, WritesVersionTwoByteForByte) {
    std::string data = TStrings2().WriteData();
    EXPECT_EQ(data.substr(0, 4), std::string("\x08\0\0\0", 4));
    EXPECT_EQ(Unwrap(data), Block({2, 0}));

    std::string block = Block({2, 3}) + Entry("Soundboard") + "\x07" + Entry("") + '\0' + Entry("|s\xDD") + "\xFF";
    data = Sample().WriteData();
    EXPECT_EQ(data.substr(4, 2), "\x78\xDA");
    EXPECT_EQ(Unwrap(data), block);
}

TEST(Strings2, ReadsWhatItWritesAndVersionOne) {
    TStrings2 back;
    std::string error;
    ASSERT_EQ(back.ReadData(Sample().WriteData(), error), TStrings2::TReadResult::Ok) << error;
    ASSERT_EQ(back.Count(), 3);
    for (int32_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(back.Item(i), Sample().Item(i));
        EXPECT_EQ(back.Sign(i), Sample().Sign(i));
    }

    TStrings2 s;
    ASSERT_EQ(s.ReadData(Wrap(Block({1, 2}) + Entry("DAT") + Entry("")), error), TStrings2::TReadResult::Ok);
    ASSERT_EQ(s.Count(), 2);
    EXPECT_EQ(s.Item(1), "DAT");
    // Written again, it is version 2 with a zero sign per item.
    EXPECT_EQ(Unwrap(s.WriteData()), Block({2, 2}) + Entry("DAT") + '\0' + Entry("") + '\0');
}

TEST(Strings2, OddButReadableBlocks) {
    TStrings2 s;
    std::string error;
    ASSERT_EQ(s.ReadData(Wrap(Block({2, 1, 0xFFFFFFFF}) + "\x01"), error), TStrings2::TReadResult::Ok);
    EXPECT_EQ(s.Item(1), ""); // a negative length is an empty item
    EXPECT_EQ(s.Sign(1), 1);
    // Only the first version byte counts.
    EXPECT_EQ(s.ReadData(Wrap(Block({0x7702, 0})), error), TStrings2::TReadResult::Ok);
}

TEST(Strings2, OtherVersionsAndDamageLeaveTheStore) {
    std::string whole = Sample().WriteData(), badSum = whole;
    badSum.back() = static_cast<char>(badSum.back() ^ 1);
    const struct {
        const char* Name;
        std::string Bytes;
        TStrings2::TReadResult Result = TStrings2::TReadResult::Damaged;
    } cases[] = {{"OtherVersion", Wrap(Block({3, 0})), TStrings2::TReadResult::OtherVersion},
                 {"Empty", ""},
                 {"OnlyLength", std::string("\x08\0\0\0", 4)},
                 {"NotZlib", std::string("\x08\0\0\0garbage!", 12)},
                 {"Truncated", whole.substr(0, whole.size() - 5)},
                 {"BadChecksum", badSum},
                 {"HugeCount", Wrap(Block({2, 0x7FFFFFFF}))},
                 {"NegativeCount", Wrap(Block({2, 0xFFFFFFFF}))},
                 {"HugeLength", Wrap(Block({2, 1, 0x7FFFFFF0}) + "abc")},
                 {"MissingSign", Wrap(Block({2, 1}) + Entry("abc"))},
                 {"ShortHeader", Wrap(std::string("\x02\0\0", 3))}};
    for (const auto& c : cases) {
        TStrings2 s = Sample();
        std::string error;
        EXPECT_EQ(s.ReadData(c.Bytes, error), c.Result) << c.Name;
        EXPECT_TRUE(c.Result != TStrings2::TReadResult::Damaged || !error.empty()) << c.Name;
        EXPECT_EQ(s.WriteData(), whole) << c.Name;
    }
}

// Every item of a full store names itself, so a wrong lookup shows which item it took.
TEST(CodeNames, EveryCodeNamesItsOwnItemOrNothing) {
    TStrings2 names;
    for (int32_t item = 1; item <= 60; ++item)
        names.Add("item " + std::to_string(item));
    const struct {
        TCodeKind Kind;
        int32_t Code;
        std::string Name;
    } cases[] = {
        {TCodeKind::Source, 0, "item 50"}, {TCodeKind::Source, 5, "item 55"},  {TCodeKind::Media, 0, "item 30"},
        {TCodeKind::Media, 16, "item 46"}, {TCodeKind::Source, 6, ""},         {TCodeKind::Media, 17, ""},
        {TCodeKind::Media, 21, ""}, // would be item 51, a source name
        {TCodeKind::Source, -1, ""},       {TCodeKind::Media, -30, ""},        {TCodeKind::Source, INT32_MIN, ""},
        {TCodeKind::Media, INT32_MIN, ""}, {TCodeKind::Source, INT32_MAX, ""}, {TCodeKind::Media, INT32_MAX, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Code) + (c.Kind == TCodeKind::Source ? " source" : " media"));
        EXPECT_EQ(CodeName(names, c.Kind, c.Code), c.Name);
        EXPECT_EQ(DefaultCodeName(c.Kind, c.Code)[0] == '\0', c.Name.empty() || c.Code == 0);
    }
    EXPECT_STREQ(DefaultCodeName(TCodeKind::Source, 1), "Soundboard");
    EXPECT_STREQ(DefaultCodeName(TCodeKind::Media, 16), "CD Audio*");
}

} // namespace
