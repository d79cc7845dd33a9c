#include "program/CsvField.h"
#include "program/ExportFile.h"
#include "program/ExportHtml.h"

#include "platform/ByteStream.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace {

struct TFieldCase {
    std::string Text;
    std::string Csv;
};

class CsvFieldTest : public testing::TestWithParam<TFieldCase> {};

TEST_P(CsvFieldTest, QuotesOnlyWhatASpreadsheetWouldMisread) {
    std::string out = "x";
    AppendCsvField(out, GetParam().Text);
    EXPECT_EQ(out, "x" + GetParam().Csv);
}

INSTANTIATE_TEST_SUITE_P(Fields, CsvFieldTest,
                         testing::Values(TFieldCase{"", ""}, TFieldCase{"plain text", "plain text"},
                                         TFieldCase{" spaces ", " spaces "}, TFieldCase{"a,b", "\"a,b\""},
                                         TFieldCase{"say \"hi\"", "\"say \"\"hi\"\"\""}, TFieldCase{"\"", "\"\"\"\""},
                                         TFieldCase{"two\r\nlines", "\"two\r\nlines\""}, TFieldCase{"cr\r", "\"cr\r\""},
                                         TFieldCase{"lf\n", "\"lf\n\""},
                                         TFieldCase{"\xC5\x81\xC3\xB3\x64\xC5\xBA;", "\xC5\x81\xC3\xB3\x64\xC5\xBA;"}));

class HtmlTextTest : public testing::TestWithParam<TFieldCase> {};

TEST_P(HtmlTextTest, EscapesMarkupAndReplacesWhatAPageMayNotHold) {
    std::string out;
    AppendHtmlText(out, GetParam().Text);
    EXPECT_EQ(out, GetParam().Csv);
}

const std::string kReplaced = "\xEF\xBF\xBD";
INSTANTIATE_TEST_SUITE_P(
    Texts, HtmlTextTest,
    testing::Values(TFieldCase{"<b>&amp;\"'", "&lt;b&gt;&amp;amp;&quot;'"}, TFieldCase{"a\tb\r\nc\f", "a\tb\r\nc\f"},
                    TFieldCase{std::string("\0\x01\x1F\x7F", 4), kReplaced + kReplaced + kReplaced + kReplaced},
                    TFieldCase{"\xC2\x80\xC2\x9F\xC2\xA0", kReplaced + kReplaced + "\xC2\xA0"},
                    TFieldCase{"\xEF\xB7\x90\xEF\xBF\xBE\xF0\x9F\xBF\xBF", kReplaced + kReplaced + kReplaced},
                    TFieldCase{"\xF0\x9F\x8E\xB8", "\xF0\x9F\x8E\xB8"}, TFieldCase{"\xFF", kReplaced}));

struct TExportFormatsFixture : testing::Test {
    TArrayOfBootData Data;
    std::vector<int32_t> View;
    std::vector<TBand> Bands;
    TStrings2 Names = CodeNameStore();
    TExportChoices Choices;

    TExportFormatsFixture() {
        TBand& band = Bands.emplace_back();
        band.Name = "Yes";
        band.Tours.push_back({"Relayer", "1974", "1975", 0, false, {}});
        Add("Yes", "1974.12.01", "Say \"hi\", Rome");
        Add("Can", "1975.01.01", "\xB3\xF3\x64\x9F"); // "łódź" in Windows-1250
        // Band, Date, Cover, Comment.
        Choices.Order = {0, 1, 10, 12, kExportSeparatorLine, 2, 3, 4, 5, 6, 7, 8, 9, 11};
    }
    void Add(std::string band, std::string date, std::string comment) {
        TBootData& record = Data.emplace_back();
        record.Band = std::move(band);
        record.Date = std::move(date);
        record.Comment = std::move(comment);
        View.push_back(static_cast<int32_t>(Data.size() - 1));
    }
    std::string Export(TExportFormat format) {
        Choices.Format = format;
        TStringSink sink;
        std::string error;
        EXPECT_TRUE(WriteExport({Data, View, Bands, Names}, Choices, "My <list>", sink, error)) << error;
        return sink.Bytes;
    }
};

using ExportFormats = TExportFormatsFixture;

TEST_F(ExportFormats, CsvPutsTheSectionsInColumnsAndConvertsLegacyText) {
    Data[0].Covers[1] = "back.jpg";
    SetLegacyCodePage(TCodePage::Windows1250);
    EXPECT_EQ(Export(TExportFormat::Csv), "Band,Tour,Band,Date,Cover,Comment\r\n"
                                          "Yes,Relayer,Yes,1974.12.01,C,\"Say \"\"hi\"\", Rome\"\r\n"
                                          "Can,,Can,1975.01.01,,\xC5\x82\xC3\xB3\x64\xC5\xBA\r\n");
    Choices.Options.BandNameBeforeTour = false;
    EXPECT_EQ(Export(TExportFormat::Csv).substr(0, 30), "Tour,Band,Date,Cover,Comment\r\n");
    Choices.Options.DivideByTours = false;
    View.clear();
    EXPECT_EQ(Export(TExportFormat::Csv), "Band,Date,Cover,Comment\r\n");
}

TEST_F(ExportFormats, ThePageHasTheNameCountsASectionPerGroupAndNoOutsideFile) {
    const std::string page = Export(TExportFormat::Html);
    for (const char* part :
         {"<title>My &lt;list&gt;</title>", "<h1>My &lt;list&gt;</h1>", "<p class=\"counts\">2 bootlegs, 2 bands</p>",
          "<h2>Yes - Relayer</h2>", "<h2>Can</h2>", "<th>Band</th><th>Date</th><th>Cover</th><th>Comment</th>",
          "<td>Say &quot;hi&quot;, Rome</td>", "<td>\xC5\x82\xC3\xB3\x64\xC5\xBA</td>", "<script>"})
        EXPECT_NE(page.find(part), std::string::npos) << part;
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n", 0), 0u);
    EXPECT_EQ(page.find("src="), std::string::npos);
    EXPECT_EQ(page.find("href="), std::string::npos);
    Choices.Options.DivideByTours = false;
    const std::string whole = Export(TExportFormat::Html);
    EXPECT_EQ(whole.find("<h2>"), std::string::npos);
    EXPECT_EQ(whole.find("<table>"), whole.rfind("<table>")) << "one table";
}

TEST(ExportFormatNames, ASwitchOfFormatRenamesOnlyTheExtensionsOfTheFormats) {
    EXPECT_EQ(ExportFileNameFor("/a/trade.txt", TExportFormat::Csv), "/a/trade.csv");
    EXPECT_EQ(ExportFileNameFor("/a/trade.csv", TExportFormat::Html), "/a/trade.html");
    EXPECT_EQ(ExportFileNameFor("/a/trade.html", TExportFormat::Text), "/a/trade.txt");
    EXPECT_EQ(ExportFileNameFor("/a/trade.lst", TExportFormat::Csv), "/a/trade.lst");
    EXPECT_EQ(ExportFileNameFor("/a.txt/trade", TExportFormat::Csv), "/a.txt/trade");
    EXPECT_EQ(ExportFileNameFor("", TExportFormat::Csv), "");
    TExportFormat format;
    EXPECT_TRUE(ExportFormatOfName("html", format));
    EXPECT_EQ(format, TExportFormat::Html);
    EXPECT_FALSE(ExportFormatOfName("HTML", format));
    EXPECT_FALSE(ExportFormatOfNumber(3, format));
    EXPECT_FALSE(ExportFormatOfNumber(-1, format));
}

} // namespace
