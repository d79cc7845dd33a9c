#include "core/TextMatch.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace {

struct TMatchCase {
    TCodePage Page;
    const char* Text;
    const char* Typed;
    bool Found;
};

// ("Łódź" in Windows-1250 is A3 F3 64 9F; "Москва" in Windows-1251 is CC EE F1 EA E2 E0.)
const TMatchCase kMatchCases[] = {
    {TCodePage::Windows1250,
     "\xA3\xF3"
     "d\x9F",
     "\xC5\x81\xC3\xB3"
     "d\xC5\xBA",
     true}, // shown Łódź, typed Łódź
    {TCodePage::Windows1250,
     "\xA3\xF3"
     "d\x9F",
     "\xC5\x81\xC3\xB3"
     "D\xC5\xBA",
     true}, // a..z fold in legacy text
    {TCodePage::Windows1250,
     "\xA3\xF3"
     "d\x9F",
     "\xC5\x82\xC3\xB3"
     "d\xC5\xBA",
     false}, // ł is not Ł there
    {TCodePage::Iso8859_2,
     "\xA3\xF3"
     "d\xBC",
     "\xC5\x81\xC3\xB3"
     "d\xC5\xBA",
     true},                                                                                 // the same in ISO 8859-2
    {TCodePage::Windows1251, "\xCC\xEE\xF1\xEA\xE2\xE0", "\xD0\x9C\xD0\xBE\xD1\x81", true}, // Мос
    {TCodePage::Windows1251, "\xCC\xEE\xF1\xEA\xE2\xE0", "\xD0\xBC\xD0\xBE\xD1\x81", false},
    {TCodePage::Windows1250,
     "\xC5\x81\xC3\xB3"
     "d\xC5\xBA",
     "\xC5\x82\xC3\xB3"
     "d\xC5\xBA",
     true}, // UTF-8: łódź finds Łódź
    {TCodePage::Windows1250,
     "\xC5\x81\xC3\xB3"
     "d\xC5\xBA",
     "\xC5\x81\xC3\x93"
     "D\xC5\xB9",
     true}, // ŁÓDŹ too
    {TCodePage::Windows1250,
     "\xC5\x81\xC3\xB3"
     "d\xC5\xBA",
     "\xA3\xF3"
     "d\x9F",
     true}, // typed legacy bytes as shown
    {TCodePage::Windows1250, "\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x9F\xCE\xA3", "\xCF\x83\xCE\xBF\xCF\x86\xCE\xBF\xCF\x82",
     true}, // ΣΟΦΟΣ, σοφος
    {TCodePage::Windows1250,
     "Stra\xC3\x9F"
     "e",
     "STRASSE", false}, // one character stays one
    {TCodePage::Windows1250,
     "Stra\xC3\x9F"
     "e",
     "STRA\xE1\xBA\x9E"
     "E",
     true}, // ẞ
    {TCodePage::Windows1250, "Pink Floyd", "pINK fl", true},
    {TCodePage::Windows1250, "Pink Floyd", "", false},
    {TCodePage::Windows1250, "", "a", false},
};

class TextMatchTest : public testing::TestWithParam<TMatchCase> {
protected:
    void TearDown() override { SetLegacyCodePage(kDefaultCodePage); }
};

TEST_P(TextMatchTest, TypedTextFindsWhatTheTextShows) {
    const TMatchCase& c = GetParam();
    SetLegacyCodePage(c.Page);
    EXPECT_EQ(TTextPattern(c.Typed).Matches(c.Text), c.Found) << c.Text << " / " << c.Typed;
}

INSTANTIATE_TEST_SUITE_P(Cases, TextMatchTest, testing::ValuesIn(kMatchCases));

TEST(TextMatch, ALongerPatternImpliesTheShorterItHolds) {
    EXPECT_TRUE(TTextPattern("Pink F").Implies(TTextPattern("ink")));
    EXPECT_TRUE(TTextPattern("\xC5\x82\xC3\xB3"
                             "dz")
                    .Implies(TTextPattern("\xC5\x82\xC3\xB3")));
    EXPECT_FALSE(TTextPattern("ink").Implies(TTextPattern("pink")));
    // Legacy texts fold Ł apart from ł: "Łó" does not hold what "łó" asks of them.
    EXPECT_FALSE(TTextPattern("\xC5\x81\xC3\xB3").Implies(TTextPattern("\xC5\x82\xC3\xB3")));
}

} // namespace
