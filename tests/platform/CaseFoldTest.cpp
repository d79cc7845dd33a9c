#include "platform/CaseFold.h"
#include "platform/Utf8.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(CaseFold, LettersOfEveryScriptFoldToOneCharacterAndOthersStay) {
    const std::tuple<char32_t, char32_t> cases[] = {
        {U'A', U'a'},
        {U'z', U'z'},
        {U'1', U'1'},
        {U'\u0141', U'\u0142'}, // Ł ł
        {U'\u00D3', U'\u00F3'},
        {U'\u0179', U'\u017A'}, // Ó ź
        {U'\u03A3', U'\u03C3'},
        {U'\u03C2', U'\u03C3'}, // Σ and final ς fold to σ
        {U'\u0416', U'\u0436'},
        {U'\u0401', U'\u0451'}, // Ж Ё
        {U'\u212A', U'k'},
        {U'\u017F', U's'}, // Kelvin sign, long s
        {U'\u1E9E', U'\u00DF'},
        {U'\u00DF', U'\u00DF'}, // capital sharp s to ß, which stays one character
        {U'\u0130', U'\u0130'},
        {U'\u0531', U'\u0561'}, // İ has no one-character folding; Armenian
        {U'\U00010400', U'\U00010428'},
        {U'\u20AC', U'\u20AC'},
        {U'\U0010FFFF', U'\U0010FFFF'},
    };
    for (const auto& [c, folded] : cases)
        EXPECT_EQ(FoldCase(c), folded) << std::hex << static_cast<uint32_t>(c);
}

TEST(CaseFold, FoldingTwiceChangesNothingAnywhere) {
    // A run of the table read with a wrong stride or count breaks this.
    for (char32_t c = 0; c <= 0x10FFFF; ++c)
        ASSERT_EQ(FoldCase(FoldCase(c)), FoldCase(c)) << std::hex << static_cast<uint32_t>(c);
}

TEST(CaseFold, EveryAsciiByteFoldsAsItsCharacterAlsoEightAtATime) {
    std::string text, expected;
    for (int round = 0; round < 3; ++round)
        for (char32_t c = 0; c < 0x80; ++c) {
            text += static_cast<char>(c);
            expected += static_cast<char>(FoldCase(c));
        }
    std::string out;
    ASSERT_TRUE(AppendFoldedUtf8(text.substr(1) + "\xC3\x84" + text, out));
    EXPECT_EQ(out, expected.substr(1) + "\xC3\xA4" + expected);
}

TEST(CaseFold, Utf8TextsFoldWholeAndOtherBytesAreRefusedUntouched) {
    std::string out = "kept:";
    ASSERT_TRUE(AppendFoldedUtf8("\xC5\x81\xC3\x93"
                                 "D\xC5\xB9 ABC",
                                 out)); // ŁÓDŹ ABC
    EXPECT_EQ(out, "kept:\xC5\x82\xC3\xB3"
                   "d\xC5\xBA abc");
    for (const char* bad : {"\xA3\xF3"
                            "d\x9F",
                            "ok\xC3", "\xED\xA0\x80", "\xC0\xAF"}) {
        std::string untouched = "x";
        EXPECT_FALSE(AppendFoldedUtf8(bad, untouched));
        EXPECT_EQ(untouched, "x");
    }
}

} // namespace
