#include "program/ConcertLists.h"
#include "core/Codes.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(ConcertListsSplitField, TakesTheTextBeforeTheFirstBar) {
    struct {
        std::string Text, Field, Rest;
    } cases[] = {{"a|b|c", "a", "b|c"}, {"a", "a", ""},  {"", "", ""},
                 {"|x", "", "x"},       {"a|", "a", ""}, {"||", "", "|"}};
    for (auto& c : cases) {
        std::string text = c.Text;
        EXPECT_EQ(SplitField(text), c.Field) << c.Text;
        EXPECT_EQ(text, c.Rest) << c.Text;
    }
}

namespace {
std::string Fields(const TConcert& c) {
    return c.Date + "|" + c.Extra + "|" + c.City + "|" + c.Country + "|" + c.Venue;
}
} // namespace

TEST(ConcertListsTourFile, ToursAndConcertsInFileOrder) {
    TBand band;
    ParseTourFile("ignored before any tour\r\n"
                  "1999.01.01|x|ignored too\r\n"
                  "|||||World Tour|1999.05.01|1999.07.31|extra text\r\n"
                  "1999.05.01|Friday|Lisbon|Portugal|Pavilhao Atlantico|more\r\n"
                  "1999.05.03\r\n"
                  "\r\n"
                  "|||||Summer\r\n"
                  "2000.06.01|Sat|Oslo",
                  band);
    ASSERT_EQ(band.Tours.size(), 2u);
    const TTour& world = band.Tours[0];
    EXPECT_EQ(world.Name + "|" + world.FirstDate + "|" + world.LastDate, "World Tour|1999.05.01|1999.07.31");
    ASSERT_EQ(world.Concerts.size(), 3u);
    EXPECT_EQ(Fields(world.Concerts[0]), "1999.05.01|Friday|Lisbon|Portugal|Pavilhao Atlantico");
    EXPECT_EQ(Fields(world.Concerts[1]), "1999.05.03||||");
    EXPECT_EQ(Fields(world.Concerts[2]), "||||"); // the empty line is a concert too
    const TTour& summer = band.Tours[1];
    EXPECT_EQ(summer.Name + "|" + summer.FirstDate + "|" + summer.LastDate, "Summer||");
    ASSERT_EQ(summer.Concerts.size(), 1u);
    EXPECT_EQ(Fields(summer.Concerts[0]), "2000.06.01|Sat|Oslo||");

    band = TBand();
    ParseTourFile("ab|||||Name|1|2", band); // a tour line's fields start at its sixth character
    ASSERT_EQ(band.Tours.size(), 1u);
    EXPECT_EQ(band.Tours[0].Name + "|" + band.Tours[0].FirstDate + "|" + band.Tours[0].LastDate, "||Name");
}

TEST(ConcertListsTourFile, EveryLineEndCounts) {
    for (const char* end : {"\r\n", "\n", "\r"}) {
        std::string e = end;
        TBand band;
        ParseTourFile("|||||T|1|2" + e + "a|b|c" + e + "d|e|f" + e, band);
        ASSERT_EQ(band.Tours.size(), 1u) << int(e[0]);
        ASSERT_EQ(band.Tours[0].Concerts.size(), 2u) << int(e[0]); // no concert after the last line end
        EXPECT_EQ(band.Tours[0].Concerts[1].City, "f");
    }
}

TEST(ConcertLists, BandsFromTheTxtFilesSortedByteWiseOrNone) {
    TTempDir dir;
    WriteBytes(dir.File("b.txt"), "|||||Tour b|2000|2001\n");
    WriteBytes(dir.File("A.txt"), "|||||First|1990|1991\n1990|x|City\n|||||Second|1992|1993\n");
    WriteBytes(dir.File("notes.doc"), "not a tour file");
    std::filesystem::create_directory(dir.File("folder.txt"));
    TConcertLists lists = LoadConcertLists(dir.Path() + "/");
    ASSERT_EQ(lists.Bands.size(), 2u);
    EXPECT_EQ(lists.Bands[0].Name, "A");
    EXPECT_EQ(lists.Bands[1].Name, "b");
    EXPECT_TRUE(lists.Unreadable.empty());

    std::vector<std::string> lines = BandTourFilterLines(lists.Bands);
    EXPECT_EQ(lines,
              (std::vector<std::string>{"$f01 < all > ", "$f01A", "$f02First", "$f02Second", "$f01b", "$f02Tour b"}));
    std::vector<int> indices; // each band and tour knows its filter line
    for (const TBand& band : lists.Bands) {
        indices.push_back(band.ListIndex);
        for (const TTour& tour : band.Tours)
            indices.push_back(tour.ListIndex);
    }
    EXPECT_EQ(indices, (std::vector<int>{2, 3, 4, 5, 6}));

    EXPECT_TRUE(LoadConcertLists(dir.File("missing/")).Bands.empty());
    std::vector<TBand> none;
    EXPECT_EQ(BandTourFilterLines(none), std::vector<std::string>{"$f01 < all > "});
}

TEST(ConcertLists, UnreadableFilesAreLeftOutAndNamed) {
    TTempDir dir;
    WriteBytes(dir.File("Good.txt"), "|||||T|1|2\n");
    WriteBytes(dir.File("Bad.txt"), "|||||T|1|2\n");
    TFaultyFileSystem faulty;
    TScopedFileSystem scope(faulty);
    faulty.FailAt = TFaultyFileSystem::TStep::Open;
    TConcertLists lists = LoadConcertLists(dir.Path() + "/");
    EXPECT_TRUE(lists.Bands.empty());
    ASSERT_EQ(lists.Unreadable.size(), 2u);
    EXPECT_EQ(lists.Unreadable[0].rfind("Bad.txt: ", 0), 0u) << lists.Unreadable[0];
}

TEST(ConcertLists, SourceAndMediaLinesStartWithAll) {
    EXPECT_EQ(SourceFilterLines().size(), 1u + kSourceCount);
    EXPECT_EQ(SourceFilterLines()[0], " < all > ");
    EXPECT_EQ(MediaFilterLines().size(), 1u + kMediaCount);
    EXPECT_EQ(MediaFilterLines()[17], "CD Audio*");
}

TEST(ConcertListsFindConcert, FirstExactMatchInBandOrder) {
    std::vector<TBand> bands(3);
    bands[0].Name = "Band"; // no tours: passed over
    bands[1].Name = "Band";
    bands[1].Tours.resize(2);
    bands[1].Tours[0].Concerts = {{"2001.05.10", "", "First", "", ""}};
    bands[1].Tours[1].Concerts = {{"2001.05.11", "", "Other", "", ""}, {"2001.05.10", "", "Later", "", ""}};
    bands[2].Name = "Band";
    bands[2].Tours.resize(1);
    bands[2].Tours[0].Concerts = {{"2001.05.10", "", "Third", "", ""}};

    const TConcert* found = FindConcert(bands, "Band", "2001.05.10");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->City, "First");
    EXPECT_EQ(FindConcert(bands, "Band", "2001.05.11")->City, "Other");
    EXPECT_EQ(FindConcert(bands, "band", "2001.05.10"), nullptr);
    EXPECT_EQ(FindConcert(bands, "Band", "2001.5.10"), nullptr);
}
