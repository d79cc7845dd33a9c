#include "controls/markup/Markup.h"
#include "controls/markup/MarkupSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

using K = ItemKind;

struct TItem {
    K Kind;
    std::string Text;
    bool operator==(const TItem& other) const { return Kind == other.Kind && Text == other.Text; }
};

std::ostream& operator<<(std::ostream& out, const TItem& item) {
    return out << static_cast<int>(item.Kind) << ":\"" << item.Text << "\"";
}

std::vector<TItem> Items(const std::string& text) {
    std::vector<TItem> items;
    for (const TWord& w : ParseMarkup(NormaliseLineBreaks(text)))
        items.push_back({w.Kind, w.Text});
    return items;
}

struct TParseCase {
    const char* Name;
    std::string Text;
    std::vector<TItem> Expected;
};

class ParseTest : public testing::TestWithParam<TParseCase> {};

TEST_P(ParseTest, CutsTextIntoItems) {
    EXPECT_EQ(Items(GetParam().Text), GetParam().Expected);
}

const TParseCase kParseCases[] = {
    {"Empty", "", {}},
    {"BoldRuns",
     "|b Source|f , |b Media|f  - program",
     {{K::BoldOn, ""},
      {K::Text, "Source"},
      {K::BoldOff, ""},
      {K::SpacedText, ", "},
      {K::BoldOn, ""},
      {K::Text, "Media"},
      {K::BoldOff, ""},
      {K::SpacedText, " "},
      {K::SpacedText, "- "},
      {K::Text, "program"}}},
    {"TripleBar",
     "Divide by||| tours ",
     {{K::SpacedText, "Divide "}, {K::Text, "by"}, {K::LineBreak, ""}, {K::SpacedText, ""}, {K::SpacedText, "tours "}}},
    {"TwoDigitZoomKeepsSpace",
     "|z36 TESTING|f ",
     {{K::ZoomOn, "36"}, {K::SpacedText, " "}, {K::Text, "TESTING"}, {K::ZoomOff, ""}}},
    {"OneDigitZoomSwallowsSpace", "|z5 x", {{K::ZoomOn, "5"}, {K::Text, "x"}, {K::ZoomOff, ""}}},
    {"RootSwallowsNothing", "|ra|f ", {{K::RootOn, ""}, {K::Text, "a"}, {K::RootOff, ""}}},
    {"RootWithSpace", "|r a|f ", {{K::RootOn, ""}, {K::SpacedText, " "}, {K::Text, "a"}, {K::RootOff, ""}}},
    {"UnclosedBoldClosedAtEnd", "|b bold", {{K::BoldOn, ""}, {K::Text, "bold"}, {K::BoldOff, ""}}},
    {"UnclosedNestingClosedInnermostFirst",
     "|b |l x",
     {{K::BoldOn, ""}, {K::UnderlineOn, ""}, {K::Text, "x"}, {K::UnderlineOff, ""}, {K::BoldOff, ""}}},
    {"LoneCloserAtEndIsText", "a|f ", {{K::Text, "a"}, {K::Text, "|f "}}},
    {"LoneCloserInsideVanishes", "a |f b", {{K::SpacedText, "a "}, {K::None, ""}, {K::Text, "b"}}},
    {"CloserWithoutSeparatorAtEnd", "a|f", {{K::Text, "a"}, {K::None, ""}}},
    {"OverlineLeftOpen", "x|p", {{K::Text, "x"}, {K::OverlineOn, ""}}},
    {"LoneCarriageReturnIsACharacter", "a\rb", {{K::Text, "a\rb"}}},
    {"LineFeed", "a\nb", {{K::Text, "a"}, {K::LineBreak, ""}, {K::Text, "b"}}},
    {"CarriageReturnLineFeed", "a\r\nb", {{K::Text, "a"}, {K::LineBreak, ""}, {K::Text, "b"}}},
    {"DoubleBar", "a||b", {{K::Text, "a"}, {K::LineBreak, ""}, {K::Text, "b"}}},
    {"UnknownCodeSwallowsWord", "|x foo", {{K::SpacedText, ""}, {K::Text, "foo"}}},
    {"UnknownCodeAtEndIsText", "|xyz", {{K::Text, "|xyz"}}},
    {"UpperCaseIsNoCode", "|B x", {{K::SpacedText, ""}, {K::Text, "x"}}},
    {"BarAtEnd", "ab|", {{K::Text, "ab"}, {K::Text, "|"}}},
    {"OnlyABar", "|", {{K::Text, "|"}}},
    {"Symbol", "|sa b", {{K::Symbol, "a"}, {K::Text, "b"}}},
    {"SymbolCutShort", "|s", {{K::Symbol, ""}}},
    {"ZoomNotANumber", "|zab x", {{K::ZoomOn, "ab"}, {K::SpacedText, " "}, {K::Text, "x"}, {K::ZoomOff, ""}}},
    {"CodeAtEndStaysOpen", "x |b", {{K::SpacedText, "x "}, {K::BoldOn, ""}}},
    {"SpacesInARow", "a  b", {{K::SpacedText, "a "}, {K::SpacedText, " "}, {K::Text, "b"}}},
    {"TrailingLineBreak", "a\n", {{K::Text, "a"}, {K::LineBreak, ""}}},
    {"SubAndSuperscript",
     "H|d 2|f O|u x|f ",
     {{K::Text, "H"},
      {K::SubscriptOn, ""},
      {K::Text, "2"},
      {K::SubscriptOff, ""},
      {K::Text, "O"},
      {K::SuperscriptOn, ""},
      {K::Text, "x"},
      {K::SuperscriptOff, ""}}},
    {"SixthOpenerIgnoredWithItsCloser",
     "|b |l |p |d |u |b x|f |f y",
     {{K::BoldOn, ""},
      {K::UnderlineOn, ""},
      {K::OverlineOn, ""},
      {K::SubscriptOn, ""},
      {K::SuperscriptOn, ""},
      {K::None, ""},
      {K::Text, "x"},
      {K::None, ""},
      {K::SuperscriptOff, ""},
      {K::Text, "y"},
      {K::SubscriptOff, ""},
      {K::OverlineOff, ""},
      {K::UnderlineOff, ""},
      {K::BoldOff, ""}}},
    {"Utf8SymbolIsOneCharacter", "|s\xCE\xB1 b", {{K::Symbol, "\xCE\xB1"}, {K::Text, "b"}}},
    {"Utf8SwallowedCharacter", "|b\xC3\xA9x", {{K::BoldOn, ""}, {K::Text, "x"}, {K::BoldOff, ""}}},
};

INSTANTIATE_TEST_SUITE_P(Markup, ParseTest, testing::ValuesIn(kParseCases),
                         [](const testing::TestParamInfo<TParseCase>& info) { return info.param.Name; });

TEST(NormaliseLineBreaks, EveryBreakBecomesCrLf) {
    EXPECT_EQ(NormaliseLineBreaks("a\nb\r\nc||d\re|||f"), "a\r\nb\r\nc\r\nd\re\r\n|f");
    EXPECT_EQ(NormaliseLineBreaks("||||"), "\r\n\r\n");
    EXPECT_EQ(NormaliseLineBreaks("\r\r\n\n"), "\r\r\n\r\n");
    // The bytes 14 and 11 are ordinary characters.
    EXPECT_EQ(NormaliseLineBreaks("\x0E\x0B"), "\x0E\x0B");
}

// Random texts made of the characters that matter to the parser.
std::string RandomMarkup(std::mt19937& random, size_t length) {
    static const std::string alphabet = "|||bdupzlrsfx9- \r\n\xC3\xA9";
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::string text;
    for (size_t i = 0; i < length; ++i)
        text += alphabet[pick(random)];
    return text;
}

TEST(ParseMarkup, RandomTextsKeepCodesBalancedAndShallow) {
    std::mt19937 random(5);
    for (int round = 0; round < 3000; ++round) {
        std::string text = NormaliseLineBreaks(RandomMarkup(random, 1 + round % 60));
        std::vector<ItemKind> open;
        for (const TWord& w : ParseMarkup(text)) {
            int kind = static_cast<int>(w.Kind);
            if (kind >= 5 && kind % 2 == 1) {
                open.push_back(w.Kind);
                ASSERT_LE(open.size(), kMaxNesting) << text;
            } else if (kind >= 6) {
                ASSERT_FALSE(open.empty()) << text;
                ASSERT_EQ(static_cast<int>(open.back()) + 1, kind) << text;
                open.pop_back();
            }
            if (IsValidUtf8(text)) {
                ASSERT_TRUE(IsValidUtf8(w.Text)) << text;
            }
        }
    }
}

TEST(ParseMarkup, TextBytesAreKeptInOrder) {
    // Without codes, the items' texts put back together give the text less its line breaks.
    std::mt19937 random(11);
    for (int round = 0; round < 500; ++round) {
        std::string text = RandomMarkup(random, 40);
        for (char& c : text)
            if (c == '|')
                c = 'x';
        std::string normal = NormaliseLineBreaks(text);
        std::string joined;
        for (const TWord& w : ParseMarkup(normal))
            joined += w.Kind == ItemKind::LineBreak ? "\r\n" : w.Text;
        EXPECT_EQ(joined, normal);
    }
}

TEST(ParseMarkup, DeepNestingAndHugeTextsParse) {
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "|b ";
    deep += "x";
    std::vector<TWord> words = ParseMarkup(deep);
    EXPECT_EQ(words.size(), 100000u + 1 + kMaxNesting);

    // One megabyte without a space, a bar or a line break is one item.
    std::string plain(1 << 20, 'a');
    EXPECT_EQ(ParseMarkup(plain).size(), 1u);
    std::string words1M;
    while (words1M.size() < (1u << 20))
        words1M += "ab |b cd|f ||";
    EXPECT_GT(ParseMarkup(NormaliseLineBreaks(words1M)).size(), 300000u);
}

} // namespace
