#include "program/TraderImport.h"

#include "platform/ByteStream.h"
#include "platform/FileSystem.h"
#include "program/ExportFile.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using F = TTradeField;

struct TCodeCase {
    const char* Cell;
    TCodeKind Column;
    int32_t Source;
    int32_t Media;
    const char* Rest;
};

class TradeCodes : public testing::TestWithParam<TCodeCase> {};

TEST_P(TradeCodes, NamesAndAbbreviationsBecomeCodesAndTheRestIsKept) {
    const TStrings2 names = CodeNameStore();
    const TTradeCodes codes = TTradeCodeReader(names).Read(GetParam().Cell, GetParam().Column);
    EXPECT_EQ(codes.Source, GetParam().Source) << GetParam().Cell;
    EXPECT_EQ(codes.Media, GetParam().Media) << GetParam().Cell;
    EXPECT_EQ(codes.Rest, GetParam().Rest) << GetParam().Cell;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cells, TradeCodes, testing::Values(
    TCodeCase{"SBD", TCodeKind::Source, 1, 0, ""},
    TCodeCase{" tv/radio ", TCodeKind::Source, 2, 0, ""},
    TCodeCase{"PRE-FM", TCodeKind::Source, 2, 0, ""},
    TCodeCase{"Pro-Shot DVD", TCodeKind::Source, 2, 13, ""},
    TCodeCase{"Other", TCodeKind::Source, 5, 0, ""},
    TCodeCase{"Other", TCodeKind::Media, 0, 15, ""},
    TCodeCase{"CD Audio*", TCodeKind::Media, 0, 16, ""},
    TCodeCase{"2CDR", TCodeKind::Media, 0, 1, ""},
    TCodeCase{"3xCD flac", TCodeKind::Media, 0, 1, "flac"},
    TCodeCase{"AUD MD lineage: DAT>CD", TCodeKind::Source, 4, 6, "lineage: DAT>CD"},
    TCodeCase{"Cassette (master)", TCodeKind::Media, 0, 5, "master"},
    TCodeCase{"Mic", TCodeKind::Source, 0, 0, "Mic"},
    TCodeCase{"", TCodeKind::Source, 0, 0, ""}));
// clang-format on

TEST(TradeCodes, TheUsersOwnNamesCountInAnyCase) {
    TStrings2 names;
    for (int32_t item = 1; item <= CodeNameStore().Count(); ++item)
        names.Add(item == CodeNameItem(TCodeKind::Source, 1) ? "Desk tape" : CodeNameStore().Item(item));
    EXPECT_EQ(TTradeCodeReader(names).Read("DESK TAPE", TCodeKind::Source).Source, 1);
}

struct TGuessCase {
    const char* Name;
    TTradeRow Header;
    TTradeRows Rows;
    std::vector<F> Fields;
};

class TradeGuess : public testing::TestWithParam<TGuessCase> {};

TEST_P(TradeGuess, ReadsTheColumnsAsACollectorWould) {
    const TStrings2 names = CodeNameStore();
    EXPECT_EQ(GuessTradeFields({GetParam().Header, GetParam().Rows}, TTradeCodeReader(names)), GetParam().Fields);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tables, TradeGuess, testing::Values(
    TGuessCase{"GermanHeader",
        {"K\xC3\xBCnstler", "Datum", "Stadt", "Land", "Halle", "Quelle", "Medium", "Qualit\xC3\xA4t", "Nr.", "Bemerkung"},
        {}, {F::Band, F::Date, F::City, F::Country, F::Venue, F::Source, F::Media, F::Quality, F::Num, F::Comment}},
    TGuessCase{"OurExportWithoutHeader", {},
        {{"Yes", "1974.12.01", "Rome", "Italy", "Palasport", "Relayer", "Soundboard", "CD Audio", "A", "1", " C ", "x"}},
        {F::Band, F::Date, F::City, F::Country, F::Venue, F::Name, F::Source, F::Media, F::Quality, F::Num,
         F::Ignore, F::Comment}},
    TGuessCase{"UnknownNamesByContent", {"Wer", "Wann", "Typ"}, {{"Yes", "1 May 1999", "SBD"}, {"Can", "x", "AUD"}},
        {F::Band, F::Date, F::Source}},
    TGuessCase{"NoFieldTwice", {"Band", "Tour", "Band", "Date", "Datum"}, {},
        {F::Band, F::Ignore, F::Ignore, F::Date, F::Ignore}},
    TGuessCase{"TourHeadingsGiveWay", {"Tour band", "Tour", "", ""}, {{"Yes", "Relayer", "Yes", "1974.12.01"}},
        {F::Ignore, F::Ignore, F::Band, F::Date}},
    TGuessCase{"TourBandWhenNothingElseIs", {"Tour band", "Tour", ""}, {{"Yes", "Relayer", "1974.12.01"}},
        {F::Band, F::Ignore, F::Date}},
    TGuessCase{"EmptyColumnsAreIgnored", {}, {{"Yes", "", "1999.05.01", "DVD"}, {"Can", "", "1999-05-02"}},
        {F::Band, F::Ignore, F::Date, F::Media}}),
    [](const testing::TestParamInfo<TGuessCase>& info) { return info.param.Name; });
// clang-format on

TEST(TradeGuess, AHeaderRowHasNamesAndNoDates) {
    EXPECT_TRUE(LooksLikeHeaderRow({"Artist", "Date", "whatever"}));
    EXPECT_FALSE(LooksLikeHeaderRow({"Band", "1999.05.01"}));
    EXPECT_FALSE(LooksLikeHeaderRow({"Foo", "Bar"}));
    EXPECT_FALSE(LooksLikeHeaderRow({}));
}

TEST(TradeFormat, IsToldByNameThenByContent) {
    EXPECT_EQ(GuessTradeFormat("a  b", "list.HTM"), TTradeFormat::Html);
    EXPECT_EQ(GuessTradeFormat("<p>x</p><TABLE>", "list.txt"), TTradeFormat::Html);
    EXPECT_EQ(GuessTradeFormat("a  b", "list.tsv"), TTradeFormat::Csv);
    EXPECT_EQ(GuessTradeFormat("a;b\nc;d\ne;f\n", "list"), TTradeFormat::Csv);
    EXPECT_EQ(GuessTradeFormat("a;b\na;b\na;b\na;b\na;b\na;b\na;b\na;b\na;b\nodd\n", "list"),
              TTradeFormat::Csv); // nine rows in ten are even
    EXPECT_EQ(GuessTradeFormat("Yes  1999.05.01  Rome, IT\nCan  1999.05.02  Bonn\n", "list"), TTradeFormat::Text);
    EXPECT_EQ(GuessTradeFormat("", ""), TTradeFormat::Text);
}

// One line per record, the fields that an import fills, for comparing.
std::string Lines(const TArrayOfBootData& records) {
    std::string out;
    for (const TBootData& r : records)
        out += r.Band + "|" + r.Date + "|" + r.City + "|" + r.Country + "|" + r.Venue + "|" + r.Name + "|" +
               std::to_string(r.Source) + "|" + std::to_string(r.Media) + "|" + r.Quality + "|" + r.Num + "|" +
               r.Comment + "\n";
    return out;
}

TTradeResult ImportFixture(const std::string& name, TDateForm form = TDateForm::Dotted) {
    std::string bytes, error;
    EXPECT_TRUE(ReadWholeFile(KORVALEN_TRADER_LISTS + name, bytes, error)) << error;
    return ImportTradeFile(bytes, GuessTradeFormat(bytes, name), form, CodeNameStore());
}

TEST(TradeFixtures, ASpreadsheetWithBomCrLfGermanHeaderAndRaggedRows) {
    const TTradeResult result = ImportFixture("mess.csv");
    EXPECT_EQ(result.File.Delimiter, ';');
    EXPECT_EQ(Lines(result.Records),
              "Yes|1974.12.01|Roma|Italy|Palasport||1|1|A-|1|\n"
              "  Genesis |1999.05.01|Z\xC3\xBCrich|CH|Hallenstadion; Oerlikon||4|13|B+|2|first\r\nof two\n"
              "Can|1999.05.01|Bonn||||0|0|||\n"
              "Can|1999.05.13|Bonn|DE|||2|1|||\n"
              "Cure|1999.05.??|Leeds|UK|||2|5|||say \"hi\"; matrix master\n");
}

TEST(TradeFixtures, APaddedTextWithTitleRuleAndDatesOfEveryForm) {
    const TTradeResult result = ImportFixture("mess.txt", TDateForm::Written);
    EXPECT_EQ(result.File.Format, TTradeFormat::Text);
    EXPECT_EQ(Lines(result.Records), "Yes|1 December 1974|Rome||||1|1|A||\n"
                                     "Genesis|1 May 1999|\xC5\x81\xC3\xB3\x64\xC5\xBA||||4|13|B||\n"
                                     "Can|1 May 1999|||||2|6|||\n"
                                     "Cure|1 May 1999|Leeds||||4|5|EX||\n");
}

TEST(TradeFixtures, AWebPageInFrenchTakesItsLargestTable) {
    const TTradeResult result = ImportFixture("mess.html");
    EXPECT_EQ(result.File.Tables.size(), 2u);
    EXPECT_EQ(result.File.Table, 1u);
    EXPECT_EQ(Lines(result.Records), "Yes|1 mai 1999|Paris|France|Olympia||1|1|A||\xC3\x89\x64ition & co\n"
                                     "Genesis|1999.05.02|Lyon|France|||2|13|B||\n"
                                     "Can|1999.05.03|Nice C\xC3\xB4te d'Azur||||0|0|||\n");
}

// Random texts of the kinds that break readers: quotes, commas, line
// breaks, UTF-8; for the padded text no line breaks and single spaces only
// inside, as padding cannot tell a text's own spaces at its ends (nor can a
// web page, whose runs of white space are one space).
std::string RandomText(std::mt19937& random, bool padded) {
    static const char* const kPieces[] = {"a", "Z", "7",    "\xC5\x81", "\xC3\xB3", "\xF0\x9F\x8E\xB8",
                                          "-", ".", "'",    "x",        "\"",       ",",
                                          ";", " ", "\r\n", "\n",       "\t"};
    const size_t pieces = padded ? 12 : sizeof kPieces / sizeof *kPieces;
    std::string text = "k";
    for (size_t n = random() % 9; n > 0; --n) {
        text += kPieces[random() % pieces];
        if (padded && random() % 4 == 0)
            text += " w";
    }
    return text;
}

TArrayOfBootData RandomRecords(std::mt19937& random, size_t count, bool padded) {
    static const char* const kBands[] = {"Yes", "Can", "The Cure", "\xC5\x81\x61\x64ne"};
    TArrayOfBootData records;
    for (size_t i = 0; i < count; ++i) {
        TBootData& r = records.emplace_back();
        r.Band = kBands[random() % 4];
        char date[16];
        std::snprintf(date, sizeof date, "%04d.%02d.%02d", 1970 + static_cast<int>(random() % 40),
                      1 + static_cast<int>(random() % 12), 1 + static_cast<int>(random() % 28));
        r.Date = random() % 20 ? date : "1999.05.??";
        for (std::string* text : {&r.City, &r.Country, &r.Venue, &r.Name, &r.Quality, &r.Num, &r.Comment})
            *text = RandomText(random, padded);
        r.Source = static_cast<int32_t>(random() % kSourceCount);
        r.Media = static_cast<int32_t>(random() % kMediaCount);
    }
    return records;
}

struct TRoundTrip {
    TExportFormat Format;
    TTradeFormat Read;
};

class TradeRoundTrip : public testing::TestWithParam<TRoundTrip> {};

TEST_P(TradeRoundTrip, AnExportImportedAndExportedAgainIsTheSame) {
    std::mt19937 random(33);
    std::vector<TBand> bands(1);
    bands[0].Name = "Yes";
    bands[0].Tours.push_back({"Early", "1970", "1989", 0, false, {}});
    bands[0].Tours.push_back({"Late - live", "1990", "2010", 0, false, {}});
    const TStrings2 names = CodeNameStore();
    TExportChoices choices;
    choices.Order = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, kExportSeparatorLine, 10, 11};
    choices.Format = GetParam().Format;
    auto exported = [&](const TArrayOfBootData& data) {
        std::vector<int32_t> view(data.size());
        for (size_t i = 0; i < view.size(); ++i)
            view[i] = static_cast<int32_t>(i);
        TStringSink sink;
        std::string error;
        const TExportInput input{data, view, bands, names};
        EXPECT_TRUE(WriteExport(input, choices, "Trade", sink, error)) << error;
        return sink.Bytes;
    };
    for (int round = 0; round < 20; ++round) {
        const TArrayOfBootData records = RandomRecords(random, 300, GetParam().Read != TTradeFormat::Csv);
        const std::string bytes = exported(records);
        ASSERT_EQ(GuessTradeFormat(bytes, ""), GetParam().Read);
        const TTradeResult result = ImportTradeFile(bytes, GetParam().Read, TDateForm::Dotted, names);
        ASSERT_EQ(result.Records.size(), records.size());
        ASSERT_EQ(exported(result.Records), bytes) << TradeMappingText(result.File, result.Fields);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, TradeRoundTrip,
                         testing::Values(TRoundTrip{TExportFormat::Csv, TTradeFormat::Csv},
                                         TRoundTrip{TExportFormat::Text, TTradeFormat::Text},
                                         TRoundTrip{TExportFormat::Html, TTradeFormat::Html}));

} // namespace
