#include "controls/markup/MarkupLiteral.h"

#include "controls/markup/MarkupPlainText.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Whatever bars and code letters a name holds, the renderer draws its letters.
TEST(MarkupLiteral, AnyTextDrawsAsItStands) {
    std::mt19937 random(37);
    const std::string letters = "|||bfszu1x";
    for (int round = 0; round < 500; ++round) {
        std::string text(random() % 12, ' ');
        for (char& c : text)
            c = letters[random() % letters.size()];
        EXPECT_EQ(MarkupPlainText(MarkupLiteral(text)), text) << text;
    }
}

} // namespace
