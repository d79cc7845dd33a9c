#include "program/ConcertLists.h"
#include "core/Codes.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace {
std::string Fields(const TConcert& c) {
    return c.Date + "|" + c.Extra + "|" + c.City + "|" + c.Country + "|" + c.Venue;
}

// The content fed to the parser in pieces of `piece` bytes.
TBand ParseInPieces(const std::string& content, size_t piece) {
    TBand band;
    TTourFileParser parser(band);
    for (size_t at = 0; at < content.size(); at += piece)
        parser.Feed(content.data() + at, std::min(piece, content.size() - at));
    parser.Finish();
    return band;
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
    ASSERT_EQ(::mkfifo(dir.File("pipe.txt").c_str(), 0600), 0); // no band, and no wait for a writer
    TConcertLists lists = LoadConcertLists(dir.Path() + "/");
    ASSERT_EQ(lists.Bands.size(), 2u);
    EXPECT_EQ(lists.Bands[0].Name + lists.Bands[1].Name, "Ab");
    EXPECT_EQ(lists.Unreadable, std::vector<std::string>{"pipe.txt: Cannot open the file: it is not a regular file."});

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
    WriteBytes(dir.File("Good.txt"), "|||||T|1|2\n1|x|Rome\n");
    WriteBytes(dir.File("Bad.txt"), "|||||T|1|2\n1|x|Oslo\n");
    TFaultyFileSystem faulty;
    TScopedFileSystem scope(faulty);
    const struct {
        TFaultyFileSystem::TStep Step;
        bool OutOfMemory;
        const char* Reason;
    } cases[] = {{TFaultyFileSystem::TStep::Open, false, "Bad.txt: Cannot open the file: injected failure."},
                 {TFaultyFileSystem::TStep::Read, true, "Bad.txt: There is not enough memory to read it."}};
    for (const auto& c : cases) {
        faulty.FailAt = c.Step;
        faulty.OutOfMemory = c.OutOfMemory;
        faulty.BytesBeforeFailure = 5;
        TConcertLists lists = LoadConcertLists(dir.Path() + "/");
        EXPECT_TRUE(lists.Bands.empty());
        ASSERT_EQ(lists.Unreadable.size(), 2u);
        EXPECT_EQ(lists.Unreadable[0], c.Reason);
    }
}

// Also when the mark comes in pieces of one byte.
TEST(ConcertListsTourFile, AByteOrderMarkBeforeTheFirstTourIsSkipped) {
    const std::string content = "\xEF\xBB\xBF|||||World Tour|1999|2000\r\n1999|x";
    for (size_t piece : {content.size(), size_t(1)}) {
        const TBand band = ParseInPieces(content, piece);
        ASSERT_EQ(band.Tours.size(), 1u) << piece;
        EXPECT_EQ(band.Tours[0].Name, "World Tour") << piece;
    }
}

TEST(ConcertListsTourFile, PiecesSplitAnywhereGiveWhatTheWholeContentGives) {
    const std::string content = "x\r|||||A|1|2\r\n1|e|c|k|v\r\r\n\n2\r|||||B\n3|||\r\n4";
    TBand whole;
    ParseTourFile(content, whole);
    for (size_t piece = 1; piece <= content.size(); ++piece) {
        const TBand band = ParseInPieces(content, piece);
        ASSERT_EQ(band.Tours.size(), whole.Tours.size()) << piece;
        for (size_t t = 0; t < band.Tours.size(); ++t) {
            ASSERT_EQ(band.Tours[t].Concerts.size(), whole.Tours[t].Concerts.size()) << piece;
            for (size_t c = 0; c < band.Tours[t].Concerts.size(); ++c)
                EXPECT_EQ(Fields(band.Tours[t].Concerts[c]), Fields(whole.Tours[t].Concerts[c])) << piece;
        }
    }
    ASSERT_EQ(whole.Tours.size(), 2u);
    EXPECT_EQ(whole.Tours[0].Concerts.size(), 4u); // "1|e|c|k|v", "", "", "2"
    EXPECT_EQ(whole.Tours[1].Concerts.size(), 2u);
}

TEST(ConcertLists, HugeOrEndlessTourFilesAreLeftOutAndTheOtherBandsKept) {
    TTempDir dir;
    WriteBytes(dir.File("Good.txt"), "|||||T|1|2\n1|x|Rome\n");
    // Sparse: eight gigabytes that cost nothing to make.
    WriteBytes(dir.File("Huge.txt"), "|||||T|1|2\n");
    std::filesystem::resize_file(dir.File("Huge.txt"), 8ULL << 30);
    WriteBytes(dir.File("Lines.txt"), "|||||T|1|2\n" + std::string(kMostTourFileLines, '\n'));
    TConcertLists lists = LoadConcertLists(dir.Path() + "/");
    ASSERT_EQ(lists.Bands.size(), 1u);
    EXPECT_EQ(lists.Bands[0].Name, "Good");
    EXPECT_EQ(lists.Bands[0].Tours.at(0).Concerts.at(0).City, "Rome");
    EXPECT_EQ(lists.Unreadable, (std::vector<std::string>{"Huge.txt: It is larger than 64 MB (8192 MB).",
                                                          "Lines.txt: It has more than 1000000 lines."}));
}

TEST(ConcertLists, AnUnreadableFolderSaysWhyAndAMissingOneIsSilent) {
    TTempDir dir;
    WriteBytes(dir.File("A.txt"), "|||||T|1|2\n");
    TFaultyFileSystem faulty;
    TScopedFileSystem scope(faulty);
    faulty.FailAt = TFaultyFileSystem::TStep::List;
    TConcertLists lists = LoadConcertLists(dir.Path() + "/");
    EXPECT_TRUE(lists.Bands.empty());
    EXPECT_NE(lists.FolderError.find("Cannot read the folder"), std::string::npos) << lists.FolderError;
    lists = LoadConcertLists(dir.File("missing/"));
    EXPECT_TRUE(lists.Bands.empty());
    EXPECT_EQ(lists.FolderError, "");
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

    ASSERT_NE(FindConcert(bands, "Band", "2001.05.10"), nullptr);
    EXPECT_EQ(FindConcert(bands, "Band", "2001.05.10")->City, "First");
    EXPECT_EQ(FindConcert(bands, "Band", "2001.05.11")->City, "Other");
    EXPECT_EQ(FindConcert(bands, "band", "2001.05.10"), nullptr);
    EXPECT_EQ(FindConcert(bands, "Band", "2001.5.10"), nullptr);
}
