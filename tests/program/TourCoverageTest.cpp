#include "program/TourCoverage.h"
#include "core/Project.h"
#include "program/ConcertLists.h"
#include "program/WantsList.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Few names and dates, so that bands meet, dates repeat and some bootlegs
// name a band no tour file has; legacy bytes among them.
const char* const kBandNames[] = {"A", "B\xE9", "C", "Unknown"};
const char* const kDates[] = {"1999.01.01", "1999.01.02", "1999.1.2", "\xFF", ""};

std::vector<TBand> RandomBands(std::mt19937& rng) {
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    std::vector<TBand> bands;
    for (int b = 0; b < 3; ++b) {
        TBand& band = bands.emplace_back();
        band.Name = kBandNames[b];
        for (int t = pick(4); t > 0; --t) { // some bands without tours
            TTour& tour = band.Tours.emplace_back();
            tour.Name = "Tour " + std::to_string(t);
            for (int c = pick(4); c > 0; --c) // some tours without concerts
                tour.Concerts.push_back({kDates[pick(5)], "x", "City", "Land", "Hall"});
        }
    }
    BandTourFilterLines(bands);
    return bands;
}

TArrayOfBootData RandomList(std::mt19937& rng) {
    TArrayOfBootData data;
    for (int i = std::uniform_int_distribution<int>(0, 12)(rng); i > 0; --i) {
        TBootData& record = data.emplace_back();
        record.Band = kBandNames[std::uniform_int_distribution<int>(0, 3)(rng)];
        record.Date = kDates[std::uniform_int_distribution<int>(0, 4)(rng)];
    }
    return data;
}

// The rule as said: some bootleg of the concert's band on the concert's date.
bool OwnedByRule(const TArrayOfBootData& data, const TBand& band, const TConcert& concert) {
    for (const TBootData& record : data)
        if (record.Band == band.Name && record.Date == concert.Date)
            return true;
    return false;
}

TEST(TourCoverage, AgreesWithTheNestedScanOnRandomListsAndTourFolders) {
    std::mt19937 rng(34);
    for (int round = 0; round < 500; ++round) {
        const std::vector<TBand> bands = RandomBands(rng);
        const TArrayOfBootData data = RandomList(rng);
        const std::vector<TBandCoverage> coverage = TourCoverage(bands, data);
        ASSERT_EQ(coverage.size(), bands.size());
        size_t missing = 0;
        for (size_t b = 0; b < bands.size(); ++b) {
            int32_t bandOwned = 0, bandKnown = 0;
            ASSERT_EQ(coverage[b].Tours.size(), bands[b].Tours.size());
            for (size_t t = 0; t < bands[b].Tours.size(); ++t) {
                const TTourCoverage& tour = coverage[b].Tours[t];
                const std::vector<TConcert>& concerts = bands[b].Tours[t].Concerts;
                ASSERT_EQ(tour.Known(), static_cast<int32_t>(concerts.size()));
                int32_t owned = 0;
                for (size_t c = 0; c < concerts.size(); ++c) {
                    const bool rule = OwnedByRule(data, bands[b], concerts[c]);
                    EXPECT_EQ(tour.Owned[c], rule) << "round " << round << " band " << b << " tour " << t;
                    owned += rule;
                    missing += !rule;
                }
                EXPECT_EQ(tour.OwnedCount, owned);
                bandOwned += owned;
                bandKnown += tour.Known();
            }
            EXPECT_EQ(coverage[b].Owned, bandOwned);
            EXPECT_EQ(coverage[b].Known, bandKnown);
        }
        EXPECT_EQ(MissingConcerts(coverage).size(), missing);
    }
}

TEST(TourCoverage, PercentIsRoundedDownAndZeroForAnEmptyTour) {
    EXPECT_EQ(CoveragePercent(0, 0), 0);
    EXPECT_EQ(CoveragePercent(37, 52), 71);
    EXPECT_EQ(CoveragePercent(51, 52), 98);
    EXPECT_EQ(CoveragePercent(52, 52), 100);
}

struct TShowFixture : ::testing::Test {
    std::vector<TBand> Bands;
    TFilterState Filter;
    TProject List;

    void SetUp() override {
        TBand& band = Bands.emplace_back();
        band.Name = "A";
        TTour& tour = band.Tours.emplace_back();
        tour = {"World", "1999.01.01", "1999.12.31", 0, false, {{"1999.05.01", "", "", "", ""}}};
        band.Tours.push_back({"Wrong dates", "2005", "2006", 0, false, {{"1999.05.01", "", "", "", ""}}});
        BandTourFilterLines(Bands);
        Filter.Bands = Bands;
        Filter.SourceSelAll = false; // would hide the bootlegs
        for (const char* date : {"1998.01.01", "1999.05.01", "1999.05.01"})
            List.Data.push_back([&] {
                TBootData r;
                r.Band = "A";
                r.Date = date;
                return r;
            }());
    }
    TCoveredConcert Concert(size_t tour) {
        return {&Filter.Bands[0], &Filter.Bands[0].Tours[tour], &Filter.Bands[0].Tours[tour].Concerts[0], true};
    }
};

TEST_F(TShowFixture, ShowingAConcertsBootlegsSelectsItsTourAndFindsTheFirst) {
    EXPECT_EQ(ShowConcertBootlegs(Filter, List, Concert(0)), 1);
    EXPECT_FALSE(Filter.AllBands);
    EXPECT_TRUE(Filter.SourceSelAll);
    EXPECT_TRUE(Filter.Bands[0].Tours[0].Selected);
    EXPECT_FALSE(Filter.Bands[0].Selected);
    EXPECT_EQ(List.View, (std::vector<int32_t>{1, 2}));
}

TEST_F(TShowFixture, ABootlegOutsideItsToursDatesIsShownWithTheWholeBand) {
    EXPECT_EQ(ShowConcertBootlegs(Filter, List, Concert(1)), 2);
    EXPECT_TRUE(Filter.Bands[0].Selected);
    EXPECT_EQ(List.View.size(), 3u);
}

TEST(WantsList, TextAndCsvAreExactBytesAndKeepLegacyBytes) {
    TBand band;
    band.Name = "B\xE9";
    band.Tours.push_back({"Tour, \"One\"", "", "", 0, false, {{"1999.01.02", "Fri", "Lyon\nX", "France", "Halle"}}});
    const std::vector<TCoveredConcert> concerts{{&band, &band.Tours[0], &band.Tours[0].Concerts[0], false}};
    EXPECT_EQ(WantsListText(concerts), "B\xE9\tTour, \"One\"\t1999.01.02\tLyon\nX\tFrance\tHalle\r\n");
    EXPECT_EQ(WantsListCsv(concerts), "Band,Tour,Date,City,Country,Venue\r\n"
                                      "B\xE9,\"Tour, \"\"One\"\"\",1999.01.02,\"Lyon\nX\",France,Halle\r\n");
    EXPECT_EQ(ConcertTourFileLine(concerts[0]), "B\xE9\tTour, \"One\"\t1999.01.02|Fri|Lyon\nX|France|Halle");

    TTempDir dir;
    std::string error;
    ASSERT_TRUE(WriteWantsList(dir.File("w.csv"), concerts, TWantsListFormat::Csv, error)) << error;
    EXPECT_EQ(ReadBytes(dir.File("w.csv")), WantsListCsv(concerts));
    EXPECT_FALSE(WriteWantsList(dir.File("none/w.txt"), concerts, TWantsListFormat::Text, error));
    EXPECT_FALSE(error.empty());
}

TEST(TourCoverage, PickedLinesGiveTheirConcertsOnceInTreeOrder) {
    std::mt19937 rng(7);
    std::vector<TBand> bands;
    do
        bands = RandomBands(rng);
    while (bands[0].Tours.size() < 2 || bands[0].Tours[1].Concerts.size() < 2);
    TArrayOfBootData data(1);
    data[0].Band = bands[0].Name;
    data[0].Date = bands[0].Tours[1].Concerts[0].Date;
    const std::vector<TBandCoverage> coverage = TourCoverage(bands, data);
    // A concert, its tour and its band picked together: each concert once.
    const std::vector<TCoverageLine> picked{{0, 1, 1}, {0, 1, -1}, {0, -1, -1}};
    std::vector<TCoveredConcert> all;
    for (const TTourCoverage& tour : coverage[0].Tours)
        for (const TCoveredConcert& c : CoveredConcerts(tour))
            all.push_back(c);
    const std::vector<TCoveredConcert> got = PickedConcerts(coverage, picked, false);
    ASSERT_EQ(got.size(), all.size());
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i].Concert, all[i].Concert);
    EXPECT_EQ(PickedConcerts(coverage, {{0, 1, 0}}, false).size(), 1u); // a concert alone
    for (const TCoveredConcert& c : PickedConcerts(coverage, {{0, 1, -1}}, true))
        EXPECT_FALSE(c.Owned);
    EXPECT_EQ(CoveredConcertAt(coverage, {0, 0, 0}).Concert, &bands[0].Tours[0].Concerts[0]);
    EXPECT_EQ(CoveredConcertAt(coverage, {0, 1, 0}).Concert, &bands[0].Tours[1].Concerts[0]);
    EXPECT_TRUE(CoveredConcertAt(coverage, {0, 1, 0}).Owned);
    EXPECT_EQ(CoveredConcertAt(coverage, {0, 1, -1}).Concert, nullptr);
    EXPECT_EQ(CoveredConcertAt(coverage, {9, 0, 0}).Concert, nullptr);
}

} // namespace
