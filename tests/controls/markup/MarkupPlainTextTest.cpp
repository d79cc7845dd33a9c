#include "controls/markup/MarkupPlainText.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

TEST(MarkupPlainText, KeepsTheLettersTheRendererDraws) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"|b Source|f , |b Media|f  - program", "Source, Media - program"},
        {"Divide by||| tours ", "Divide by tours"},
        {"|z36 TESTING|f ", "TESTING"},
        {"|ra|f ", "\xE2\x88\x9A"
                   "a"},                   // the root sign
        {"|sa= |sb", "\xCE\xB1 \xCE\xB2"}, // symbols, each taking the character after it
        {"first\r\nsecond||third", "first second third"},
        {"   spaced   out  ", "spaced out"},
        {"|b |l |u |d |p x", "x"},
    };
    for (const auto& [markup, plain] : cases)
        EXPECT_EQ(MarkupPlainText(markup), plain) << markup;
}

// Without codes a text reads as its words, one space apart.
std::string Words(const std::string& text) {
    std::string spaced = text;
    for (char& c : spaced)
        if (c == '\r' || c == '\n')
            c = ' ';
    std::istringstream in(spaced);
    std::string word, out;
    while (in >> word)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

TEST(MarkupPlainText, ReadsATextWithoutCodesAsItsWords) {
    std::mt19937 random(35);
    const std::string alphabet = "ab \n\r\xC3\xA9.";
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 24);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        ASSERT_EQ(MarkupPlainText(text), Words(text)) << testing::PrintToString(text);
    }
}

} // namespace
