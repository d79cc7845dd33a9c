#include "controls/markup/Markup.h"
#include "controls/markup/MarkupSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// The items of a text, one letter per kind (in ItemKind order) and the item's text in quotes.
std::string Items(const std::string& text) {
    std::string out;
    for (const TWord& w : ParseMarkup(NormaliseLineBreaks(text))) {
        out += std::string(out.empty() ? "" : " ") + "NSTYLDdPpBbZzOoUuRr"[static_cast<int>(w.Kind)];
        if (!w.Text.empty())
            out += "'" + w.Text + "'";
    }
    return out;
}

TEST(MarkupParse, CutsTextIntoItems) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"|b Source|f , |b Media|f  - program", "B T'Source' b S', ' B T'Media' b S' ' S'- ' T'program'"},
        {"Divide by||| tours ", "S'Divide ' T'by' L S S'tours '"},
        {"|z36 TESTING|f ", "Z'36' S' ' T'TESTING' z"}, // a two-digit zoom keeps the space
        {"|z5 x", "Z'5' T'x' z"},
        {"|zab x", "Z'ab' S' ' T'x' z"},
        {"|ra|f ", "R T'a' r"},
        {"|r a|f ", "R S' ' T'a' r"},
        {"|b bold", "B T'bold' b"}, // left open: closed at the end, innermost first
        {"|b |l x", "B U T'x' u b"},
        {"x |b", "S'x ' B"},
        {"x|p", "T'x' O"},
        {"a|f ", "T'a' T'|f '"}, // a lone closer
        {"a |f b", "S'a ' N T'b'"},
        {"a|f", "T'a' N"},
        {"a\rb", "T'a\rb'"},
        {"a\nb", "T'a' L T'b'"},
        {"a\r\nb", "T'a' L T'b'"},
        {"a||b", "T'a' L T'b'"},
        {"a\n", "T'a' L"},
        {"|x foo", "S T'foo'"}, // an unknown code swallows its word
        {"|xyz", "T'|xyz'"},
        {"|B x", "S T'x'"},
        {"ab|", "T'ab' T'|'"},
        {"|", "T'|'"},
        {"|sa b", "Y'a' T'b'"},
        {"|s", "Y"},
        {"a  b", "S'a ' S' ' T'b'"},
        {"H|d 2|f O|u x|f ", "T'H' D T'2' d T'O' P T'x' p"},
        {"|b |l |p |d |u |b x|f |f y", "B U O D P N T'x' N p T'y' d o u b"}, // a sixth opener and its closer
        {"|s\xCE\xB1 b", "Y'\xCE\xB1' T'b'"},
        {"|b\xC3\xA9x", "B T'x' b"},
    };
    for (const auto& [text, items] : cases)
        EXPECT_EQ(Items(text), items) << text;
}

TEST(MarkupParse, EveryBreakBecomesCrLf) {
    EXPECT_EQ(NormaliseLineBreaks("a\nb\r\nc||d\re|||f"), "a\r\nb\r\nc\r\nd\re\r\n|f");
    EXPECT_EQ(NormaliseLineBreaks("||||"), "\r\n\r\n");
    EXPECT_EQ(NormaliseLineBreaks("\r\r\n\n\x0E\x0B"), "\r\r\n\r\n\r\n");
    EXPECT_EQ(NormaliseLineBreaks("\x0E\r\n\x0B|\x0E\x0E\x0B\x0B"), "\x0E\r\n\x0B|\x0E\r\n\x0B");
}

// Random texts of the characters that matter: codes stay balanced and shallow,
// UTF-8 stays UTF-8, and without bars the texts give back every byte in order.
TEST(MarkupParse, RandomTextsKeepCodesBalancedAndEveryByte) {
    static const std::string alphabet = "|||bdupzlrsfx9- \r\n\xC3\xA9";
    std::mt19937 random(5);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 3000; ++round) {
        std::string raw;
        for (int i = 0; i < 1 + round % 60; ++i)
            raw += alphabet[pick(random)];
        const bool plain = round % 2 == 1;
        if (plain)
            std::replace(raw.begin(), raw.end(), '|', 'x');
        const std::string text = NormaliseLineBreaks(raw);
        std::vector<ItemKind> open;
        std::string joined;
        for (const TWord& w : ParseMarkup(text)) {
            const int kind = static_cast<int>(w.Kind);
            if (kind >= 5 && kind % 2 == 1) {
                open.push_back(w.Kind);
                ASSERT_LE(open.size(), kMaxNesting) << text;
            } else if (kind >= 6) {
                ASSERT_FALSE(open.empty()) << text;
                ASSERT_EQ(static_cast<int>(open.back()) + 1, kind) << text;
                open.pop_back();
            }
            ASSERT_TRUE(!IsValidUtf8(text) || IsValidUtf8(w.Text)) << text;
            joined += w.Kind == ItemKind::LineBreak ? "\r\n" : w.Text;
        }
        if (plain) {
            ASSERT_EQ(joined, text);
        }
    }
}

TEST(MarkupParse, DeepNestingAndHugeTextsParse) {
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "|b ";
    EXPECT_EQ(ParseMarkup(deep + "x").size(), 100000u + 1 + kMaxNesting);
    // One megabyte without a space, a bar or a line break is one item.
    EXPECT_EQ(ParseMarkup(std::string(1 << 20, 'a')).size(), 1u);
    std::string words;
    while (words.size() < (1u << 20))
        words += "ab |b cd|f ||";
    EXPECT_GT(ParseMarkup(NormaliseLineBreaks(words)).size(), 300000u);
}

} // namespace
