#include "platform/CodePage.h"
#include "platform/Utf8.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

namespace {

// Each test starts and ends with the page a first start has.
struct CodePageTest : testing::Test {
    void SetUp() override { SetLegacyCodePage(kDefaultCodePage); }
    void TearDown() override { SetLegacyCodePage(kDefaultCodePage); }
};

using CodePage = CodePageTest;

std::string AllHighBytes() {
    std::string bytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

TEST_F(CodePage, ValidUtf8StaysElseTheBytesAreReadInWindows1250) {
    const std::tuple<std::string, bool, std::string> cases[] = {
        {"plain", true, "plain"},
        {"caf\xC3\xA9", true, "caf\xC3\xA9"},
        {"caf\xE9", false, "caf\xC3\xA9"},
        {"\xA3\xF3"
         "d\x9F",
         false,
         "\xC5\x81\xC3\xB3"
         "d\xC5\xBA"},                                                               // Łódź
        {"\x80 \x9F", false, "\xE2\x82\xAC \xC5\xBA"},                               // € ź
        {"\xC3", false, "\xC4\x82"},                                                 // cut short
        {"\xC0\xAF", false, "\xC5\x94\xC5\xBB"},                                     // overlong
        {"\xED\xA0\x80", false, "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},                     // surrogate
        {"\xF4\x90\x80\x80", false, "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},     // above U+10FFFF
        {"\xF9\x80\x80\x80", false, "\xC5\xAF\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"}, // no sequence starts so
        {"\xF0\x9F\x8E\xB8", true, "\xF0\x9F\x8E\xB8"},
        {std::string("a\0\x81", 3), false, std::string("a\0\xC2\x81", 4)}}; // undefined in the page
    for (const auto& [bytes, valid, utf8] : cases) {
        EXPECT_EQ(IsValidUtf8(bytes), valid) << bytes;
        EXPECT_EQ(ShownUtf8(bytes), utf8) << bytes;
    }
}

TEST_F(CodePage, EachPageReadsItsOwnLetters) {
    const std::tuple<TCodePage, std::string, std::string> cases[] = {
        {TCodePage::Windows1250,
         "\xA3\xF3"
         "d\x9F \x8A\x8D\x9E",
         "\xC5\x81\xC3\xB3"
         "d\xC5\xBA \xC5\xA0\xC5\xA4\xC5\xBE"},
        {TCodePage::Iso8859_2,
         "\xA3\xF3"
         "d\xBC \xA9\xAB\xBE",
         "\xC5\x81\xC3\xB3"
         "d\xC5\xBA \xC5\xA0\xC5\xA4\xC5\xBE"},
        {TCodePage::Windows1252, "\x9F\xE9\x80\x8C", "\xC5\xB8\xC3\xA9\xE2\x82\xAC\xC5\x92"},
        {TCodePage::Iso8859_1, "\x9F\xE9\xFF", "\xC2\x9F\xC3\xA9\xC3\xBF"},
        {TCodePage::Windows1251, "\xCC\xEE\xF1\xEA\xE2\xE0 \xA8\xB9",
         "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0 \xD0\x81\xE2\x84\x96"}}; // Москва Ё№
    for (const auto& [page, bytes, utf8] : cases) {
        EXPECT_EQ(CodePageToUtf8(bytes, page), utf8) << static_cast<int>(page);
        SetLegacyCodePage(page);
        EXPECT_EQ(LegacyCodePage(), page);
        EXPECT_EQ(ShownUtf8(bytes), utf8) << static_cast<int>(page);
        EXPECT_EQ(ShownUtf8("\xC5\x81\xC3\xB3"), "\xC5\x81\xC3\xB3"); // UTF-8 whatever the page
    }
}

// No two bytes of a page look alike, so the bytes can always be had back
// from what is shown, the bytes a page leaves undefined included.
TEST_F(CodePage, EveryByteOfEveryPageHasACharacterOfItsOwn) {
    for (const TCodePageInfo& info : CodePages()) {
        std::map<char32_t, int> byteOf;
        for (int b = 0; b <= 0xFF; ++b) {
            const char32_t c = CodePageChar(static_cast<unsigned char>(b), info.Page);
            EXPECT_TRUE(byteOf.emplace(c, b).second) << info.Name << " byte " << b;
            EXPECT_TRUE(b < 0x80 ? c == static_cast<char32_t>(b) : c >= 0x80) << info.Name << " byte " << b;
            EXPECT_TRUE(c != 0xFFFD && (c < 0xD800 || c > 0xDFFF)) << info.Name << " byte " << b;
        }
        const std::string shown = CodePageToUtf8(AllHighBytes(), info.Page);
        ASSERT_TRUE(IsValidUtf8(shown)) << info.Name;
        std::string back;
        for (size_t pos = 0; pos < shown.size();) {
            const size_t length = Utf8SequenceLength(shown, pos);
            char32_t code = static_cast<unsigned char>(shown[pos]) & (length == 2 ? 0x1F : 0x0F);
            for (size_t i = 1; i < length; ++i)
                code = (code << 6) | (static_cast<unsigned char>(shown[pos + i]) & 0x3F);
            back += static_cast<char>(byteOf.at(code));
            pos += length;
        }
        EXPECT_EQ(back, AllHighBytes()) << info.Name;
    }
}

TEST_F(CodePage, OnlyTheOfferedPagesAreKnownByNumber) {
    std::set<int32_t> numbers;
    for (const TCodePageInfo& info : CodePages()) {
        TCodePage page = TCodePage::Iso8859_1;
        ASSERT_TRUE(CodePageOfNumber(static_cast<int32_t>(info.Page), page)) << info.Name;
        EXPECT_EQ(page, info.Page);
        numbers.insert(static_cast<int32_t>(info.Page));
    }
    EXPECT_EQ(numbers, (std::set<int32_t>{1250, 1251, 1252, 28591, 28592}));
    for (int32_t number : {0, -1, 65001, 1253, 28593}) {
        TCodePage page = TCodePage::Windows1251;
        EXPECT_FALSE(CodePageOfNumber(number, page)) << number;
        EXPECT_EQ(page, TCodePage::Windows1251);
    }
}

} // namespace
