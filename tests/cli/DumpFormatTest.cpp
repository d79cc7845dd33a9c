#include "cli/DumpFormat.h"
#include "support/Records.h"

#include <gtest/gtest.h>

TEST(DumpFormat, EscapesOnlyBackslashTabCrLfAndRefusesOtherEscapes) {
    EXPECT_EQ(EscapeDumpField("a\\b\tc\rd\ne|f[g\xE9"), "a\\\\b\\tc\\rd\\ne|f[g\xE9");
    std::string back;
    ASSERT_TRUE(UnescapeDumpField("a\\\\b\\tc\\rd\\ne", back));
    EXPECT_EQ(back, "a\\b\tc\rd\ne");
    EXPECT_FALSE(UnescapeDumpField("\\x", back));
    EXPECT_FALSE(UnescapeDumpField("end\\", back));
    EXPECT_FALSE(UnescapeDumpField("\\N", back));
}

TEST(DumpFormat, LineHoldsTheFieldsInDumpOrder) {
    TBootData r = SampleRecord();
    r.Media = 16;
    r.Info = "l1\r\nl2";
    const std::string line =
        "Band\t1999.05.01\tLisbon\tPortugal\tPavilhao\tNight\t4\t16\tEX\t007\tfront.jpg\tback.jpg\tl1\\r\\nl2\tnote";
    EXPECT_EQ(FormatDumpLine(r), line);
    TBootData back;
    std::string error;
    ASSERT_TRUE(ParseDumpLine(line, back, error)) << error;
    EXPECT_EQ(FormatDumpLine(back), line);
    EXPECT_EQ(back.Info, "l1\r\nl2");
    EXPECT_EQ(back.Media, 16);
    EXPECT_EQ(FormatDumpLine(TBootData()), "\t\t\t\t\t\t0\t0\t\t\t\t\t\t");
}

TEST(DumpFormat, BadLinesSayWhatIsWrong) {
    struct {
        std::string Line;
        const char* ErrorPart;
    } cases[] = {{"", "1 fields instead of 14"},
                 {"a\tb", "2 fields instead of 14"},
                 {"\t\t\t\t\t\t0\t0\t\t\t\t\t\t\t", "15 fields"},
                 {"\t\t\t\t\t\tx\t0\t\t\t\t\t\t", "source code \"x\""},
                 {"\t\t\t\t\t\t\t0\t\t\t\t\t\t", "source code \"\""},
                 {"\t\t\t\t\t\t1\t2.5\t\t\t\t\t\t", "media code \"2.5\""},
                 {"\t\t\t\t\t\t1\t99999999999\t\t\t\t\t\t", "media code \"99999999999\" is out of range"},
                 {"\t\t\t\t\t\t-99999999999\t1\t\t\t\t\t\t", "source code \"-99999999999\" is out of range"},
                 {"\t\t\t\t\t\t1x\t1\t\t\t\t\t\t", "source code \"1x\" is not a whole number"},
                 {"\t\t\t\t\t\t 1\t2\t\t\t\t\t\t", "source code"},
                 {"a\\q\t\t\t\t\t\t1\t2\t\t\t\t\t\t", "band field"}};
    for (const auto& c : cases) {
        TBootData r;
        std::string error;
        EXPECT_FALSE(ParseDumpLine(c.Line, r, error)) << c.Line;
        EXPECT_NE(error.find(c.ErrorPart), std::string::npos) << error;
    }
    TBootData r;
    std::string error;
    ASSERT_TRUE(ParseDumpLine("\t\t\t\t\t\t-3\t2147483647\t\t\t\t\t\t", r, error)) << error;
    EXPECT_EQ(r.Source, -3);
    EXPECT_EQ(r.Media, 2147483647);
}

TEST(DumpFormat, ALongBadFieldIsCutInTheMessage) {
    const std::string huge(1000000, '7');
    TBootData r;
    std::string error;
    EXPECT_FALSE(ParseDumpLine("\t\t\t\t\t\tx" + huge + "\t1\t\t\t\t\t\t", r, error));
    EXPECT_LT(error.size(), 200u) << error.substr(0, 200);
    EXPECT_NE(error.find("\"x777"), std::string::npos) << error;
    EXPECT_NE(error.find("(1000001 bytes) is not a whole number"), std::string::npos) << error;

    // The cut never splits a UTF-8 character.
    std::string accents;
    for (int i = 0; i < 40; ++i)
        accents += "\xC3\xA9";
    EXPECT_FALSE(ParseDumpLine("\t\t\t\t\t\t" + accents + "\t1\t\t\t\t\t\t", r, error));
    const size_t open = error.find('"');
    const size_t dots = error.find("...");
    ASSERT_NE(dots, std::string::npos) << error;
    EXPECT_EQ((dots - open - 1) % 2, 0u) << error;
}
