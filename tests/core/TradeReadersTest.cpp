#include "core/CsvReader.h"
#include "core/HtmlTableReader.h"
#include "core/PaddedTextReader.h"

#include <gtest/gtest.h>

namespace {

using TRows = TTradeRows;

struct TCsvCase {
    std::string Bytes;
    TRows Rows;
};

class CsvRead : public testing::TestWithParam<TCsvCase> {};

TEST_P(CsvRead, GivesTheFieldsByteForByte) {
    EXPECT_EQ(ReadCsvRecords(GetParam().Bytes, ','), GetParam().Rows) << GetParam().Bytes;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Records, CsvRead, testing::Values(
    TCsvCase{"", {}},
    TCsvCase{"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
    TCsvCase{"\xEF\xBB\xBF" "Band,Date", {{"Band", "Date"}}},
    TCsvCase{"a,b\rc\nd", {{"a", "b"}, {"c"}, {"d"}}},
    TCsvCase{"\"a,\"\"b\"\"\",c", {{"a,\"b\"", "c"}}},
    TCsvCase{"\"two\r\nlines\",x\r\n", {{"two\r\nlines", "x"}}},
    TCsvCase{"a,\n,\n", {{"a", ""}, {"", ""}}},
    TCsvCase{"a,", {{"a", ""}}},
    TCsvCase{"\r\n\n \n", {{" "}}},
    TCsvCase{"\"\"\n\"\",\"\"", {{"", ""}}},
    TCsvCase{"\"never closed,x\ny", {{"never closed,x\ny"}}},
    TCsvCase{"\"ab\"cd,e", {{"abcd", "e"}}},
    TCsvCase{"ab\"cd\",e", {{"ab\"cd\"", "e"}}},
    TCsvCase{"a,b,c\nd\n", {{"a", "b", "c"}, {"d"}}},
    TCsvCase{std::string("\0,\xFF", 3), {{std::string(1, '\0'), "\xFF"}}}));
// clang-format on

struct TDelimiterCase {
    const char* Bytes;
    char Delimiter;
};

class CsvDelimiter : public testing::TestWithParam<TDelimiterCase> {};

TEST_P(CsvDelimiter, IsTheOneThatSplitsTheRecordsEvenly) {
    EXPECT_EQ(GuessCsvDelimiter(GetParam().Bytes), GetParam().Delimiter) << GetParam().Bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, CsvDelimiter,
    testing::Values(TDelimiterCase{"a;b;c\n1;2;3\n", ';'}, TDelimiterCase{"a\tb\tc\n1,5\t2\t3\n", '\t'},
                    TDelimiterCase{"\"a,b\";c\n\"d,e\";f\n", ';'}, TDelimiterCase{"a|b\nc|d", '|'},
                    TDelimiterCase{"one field", ','}, TDelimiterCase{"", ','}, TDelimiterCase{"a,b,c\n1,2\nx;y\n", ','},
                    // equal records: more fields win, then the earlier delimiter
                    TDelimiterCase{"a;b,c;d\ne;f,g;h\n", ';'}, TDelimiterCase{"a,b;c\nd,e;f\n", ','}));

// Only the start of a big file is looked at, and not the line it cuts.
TEST(CsvDelimiterGuess, LeavesOutTheLineTheSampleCuts) {
    const std::string filler(40000, 'x');
    EXPECT_EQ(GuessCsvDelimiter("a;b" + filler + "\np,q" + filler + ";r\n"), ';');
}

TEST(PaddedText, CutsColumnsAtThePaddingCountingUtf8Characters) {
    const TTradeTable table = ReadPaddedText("\xEF\xBB\xBF"
                                             "Yes  \xC5\x81\xC3\xB3\x64\xC5\xBA  Poland    \r\n"
                                             "Can  Rome  Italy, EU \r\n"
                                             "---------------------\r\n"
                                             "Abc  Bonn  \r\n");
    EXPECT_TRUE(table.Header.empty());
    const TRows rows = {
        {"Yes", "\xC5\x81\xC3\xB3\x64\xC5\xBA", "Poland"}, {"Can", "Rome", "Italy, EU"}, {"Abc", "Bonn", ""}};
    EXPECT_EQ(table.Rows, rows);
}

TEST(PaddedText, HeadingsGiveBandAndTourToTheRowsBelow) {
    const TTradeTable table = ReadPaddedText("\r\n\r\nYes - Relayer - Live\r\n\r\n"
                                             "Yes  1974.12.01  \r\n"
                                             "Yes  1974.12.02  \r\n"
                                             "\r\n\r\nCan\r\n\r\n"
                                             "Can  1975.01.01  \r\n");
    EXPECT_EQ(table.Header, (TTradeRow{"Tour band", "Tour", "", ""}));
    const TRows rows = {{"Yes", "Relayer - Live", "Yes", "1974.12.01"},
                        {"Yes", "Relayer - Live", "Yes", "1974.12.02"},
                        {"", "Can", "Can", "1975.01.01"}};
    EXPECT_EQ(table.Rows, rows);
}

TEST(PaddedText, AOneRowSectionIsARowAndNotAHeading) {
    const TTradeTable table = ReadPaddedText("A  1\n\n\nB  2\n\n\nHeading\n\nC  3\n");
    const TRows rows = {{"", "", "A", "1"}, {"", "", "B", "2"}, {"", "Heading", "C", "3"}};
    EXPECT_EQ(table.Rows, rows);
}

TEST(PaddedText, EmptyBlankOrBrokenInputGivesWhatIsThere) {
    EXPECT_TRUE(ReadPaddedText("").Rows.empty());
    EXPECT_TRUE(ReadPaddedText("\r\n  \r\n\t\n====\n").Rows.empty());
    const TRows legacy = {{"\xB3\xF3\x64\x9F", "x"}, {"\xC5", "y"}};
    EXPECT_EQ(ReadPaddedText("\xB3\xF3\x64\x9F  x\n\xC5     y").Rows, legacy);
    EXPECT_EQ(ReadPaddedText(std::string("a\0  b", 5)).Rows, (TRows{{std::string("a\0", 2), "b"}}));
}

TEST(HtmlTables, ReadsEveryTableWithItsHeaderAndPicksTheLargest) {
    const std::vector<TTradeTable> tables =
        ReadHtmlTables("<html><body><table><tr><th>Band<th>Date</tr><tr><td>Yes<td>1974</table>"
                       "<TABLE><thead><tr><td>Artist</td><td colspan=2>Where</td></tr></thead>"
                       "<tbody><tr><td> Can&amp;Co\n </td><td>Rome<br>Italy</td><td>x</td></tr>"
                       "<tr><td><table><tr><td>inner</td></tr></table>outer</td></tr></tbody></TABLE>");
    ASSERT_EQ(tables.size(), 3u);
    EXPECT_EQ(tables[0].Header, (TTradeRow{"Band", "Date"}));
    EXPECT_EQ(tables[0].Rows, (TRows{{"Yes", "1974"}}));
    EXPECT_EQ(tables[1].Header, (TTradeRow{"Artist", "Where", ""}));
    EXPECT_EQ(tables[1].Rows, (TRows{{"Can&Co", "Rome Italy", "x"}, {"innerouter"}}));
    EXPECT_EQ(tables[2].Rows, (TRows{{"inner"}}));
    EXPECT_EQ(LargestTable(tables), 1u);
}

TEST(HtmlTables, ReadsALegacyPageByItsCharsetAndSurvivesBrokenMarkup) {
    const std::vector<TTradeTable> latin =
        ReadHtmlTables("<meta charset=\"iso-8859-1\"><table><tr><td>Z\xFCrich</td></tr></table>");
    ASSERT_EQ(latin.size(), 1u);
    EXPECT_EQ(latin[0].Rows, (TRows{{"Z\xC3\xBCrich"}}));
    EXPECT_TRUE(ReadHtmlTables("").empty());
    EXPECT_TRUE(ReadHtmlTables(std::string("\0\0<<>>\xFF", 7)).empty());
    const std::vector<TTradeTable> broken = ReadHtmlTables("<table><tr><td colspan=99999999>a<td colspan=-3>b");
    ASSERT_EQ(broken.size(), 1u);
    ASSERT_EQ(broken[0].Rows.size(), 1u);
    EXPECT_EQ(broken[0].Rows[0].size(), 101u);
    EXPECT_EQ(LargestTable({}), 0u);
}

} // namespace
