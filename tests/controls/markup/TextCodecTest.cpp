#include "controls/markup/TextCodec.h"

#include <gtest/gtest.h>

namespace {

struct TCodecCase {
    std::string Bytes;
    QString Text;
};

class TextCodecTest : public testing::TestWithParam<TCodecCase> {};

TEST_P(TextCodecTest, BytesShowAsUtf8OrWindows1252) {
    EXPECT_EQ(BytesToQString(GetParam().Bytes), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Markup, TextCodecTest,
    testing::Values(TCodecCase{"", QString()}, TCodecCase{"Live 1977", QStringLiteral("Live 1977")},
                    TCodecCase{"Bj\xC3\xB6rk", QStringLiteral(u"Bj\u00F6rk")},
                    TCodecCase{"Bj\xF6rk", QStringLiteral(u"Bj\u00F6rk")},
                    TCodecCase{"\x93quoted\x94 \x80", QStringLiteral(u"\u201Cquoted\u201D \u20AC")},
                    TCodecCase{std::string("a\0b", 3), QString::fromUtf8("a\0b", 3)}));

TEST(TextCodec, TypedTextGoesBackAsUtf8) {
    for (const QString& text : {QStringLiteral(u"Bj\u00F6rk \u03B1 \u20AC"), QString(), QStringLiteral("plain")}) {
        std::string bytes = QStringToBytes(text);
        EXPECT_EQ(BytesToQString(bytes), text);
    }
    EXPECT_EQ(QStringToBytes(QStringLiteral(u"\u00E9")), "\xC3\xA9");
}

} // namespace
