#include "program/ConcertTable.h"
#include "controls/grid/GridModel.h"
#include "controls/markup/MarkupSupport.h"
#include "core/Project.h"
#include "program/ConcertLists.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

TBand Band(const std::string& name, std::vector<std::pair<std::string, int>> tours) {
    TBand band;
    band.Name = name;
    for (const auto& [tourName, concerts] : tours) {
        TTour& tour = band.Tours.emplace_back();
        tour.Name = tourName;
        for (int i = 1; i <= concerts; ++i)
            tour.Concerts.push_back({name + " " + tourName + " " + std::to_string(i), "x", "City", "Land", "Hall"});
    }
    return band;
}

// Ironwood with two tours, Lone without tours, Zed with one.
std::vector<TBand> SampleBands(std::vector<std::string>& lines) {
    std::vector<TBand> bands{Band("Ironwood", {{"Early", 2}, {"Late", 3}}), Band("Lone", {}),
                             Band("Zed", {{"Only", 1}})};
    lines = BandTourFilterLines(bands);
    return bands;
}

// The choice read straight off the box's lines: "< all >", a band line and
// the tour lines under it, or one tour line.
std::vector<const TConcert*> ReferenceRows(const std::vector<TBand>& bands, const std::vector<std::string>& lines,
                                           int32_t line) {
    std::vector<const TConcert*> rows;
    if (line < 0 || static_cast<size_t>(line) >= lines.size())
        return rows;
    size_t at = 0;
    for (const TBand& band : bands) {
        const bool bandChosen = line == 0 || static_cast<size_t>(line) == ++at;
        for (const TTour& tour : band.Tours) {
            const bool tourChosen = static_cast<size_t>(line) == ++at;
            if (bandChosen || tourChosen)
                for (const TConcert& concert : tour.Concerts)
                    rows.push_back(&concert);
        }
    }
    return rows;
}

TEST(ConcertRows, AgreeWithTheLinesOfTheBoxOnRandomConcertLists) {
    std::mt19937 random(20);
    for (int round = 0; round < 200; ++round) {
        std::vector<TBand> bands;
        const int bandCount = static_cast<int>(random() % 6);
        for (int b = 0; b < bandCount; ++b) {
            std::vector<std::pair<std::string, int>> tours;
            const int tourCount = static_cast<int>(random() % 4);
            for (int t = 0; t < tourCount; ++t)
                tours.emplace_back("T" + std::to_string(t), static_cast<int>(random() % 4));
            bands.push_back(Band("B" + std::to_string(b), tours));
        }
        const std::vector<std::string> lines = BandTourFilterLines(bands);
        for (int32_t line = -1; line <= static_cast<int32_t>(lines.size()) + 1; ++line) {
            std::vector<const TConcert*> got;
            for (const TConcertRow& row : ConcertRows(bands, line))
                got.push_back(row.Concert);
            ASSERT_EQ(got, ReferenceRows(bands, lines, line)) << "round " << round << ", line " << line;
        }
    }
}

TEST(ConcertGrid, HoldsTheFiveTextsOfEveryRowAndNothingOfAnEarlierFill) {
    std::vector<std::string> lines;
    std::vector<TBand> bands = SampleBands(lines);
    bands[0].Tours[1].Concerts[2] = {"2001.02.03", "Sat", "Paris", "France", std::string(300, 'v')};
    TGridModel grid;
    SetConcertColumns(grid);
    ASSERT_EQ(grid.ColCount(), kConcertColumns);
    std::string headings;
    for (int32_t x = 1; x <= kConcertColumns; ++x)
        headings += grid.Column(x).Heading() + ":" + std::to_string(grid.Column(x).Width) + " ";
    EXPECT_EQ(headings, "Band:150 Date:70 City:150 Country:150 Venue:200 ");
    EXPECT_EQ(grid.Column(5).Right, 720);

    FillConcertGrid(grid, ConcertRows(bands, 0));
    ASSERT_EQ(grid.CountRows(), 6);
    std::string row5;
    for (int32_t x = 1; x <= kConcertColumns; ++x)
        row5 += grid.Cell(x, 5).S.substr(0, 10) + "|";
    EXPECT_EQ(row5, "Ironwood|2001.02.03|Paris|France|vvvvvvvvvv|");
    EXPECT_EQ(grid.Cell(ccVenue, 5).S.size(), 300u);
    EXPECT_EQ(grid.Cell(ccBand, 6).S, "Zed");

    FillConcertGrid(grid, ConcertRows(bands, 4));
    EXPECT_EQ(grid.CountRows(), 0);
    FillConcertGrid(grid, ConcertRows(bands, 6));
    ASSERT_EQ(grid.CountRows(), 1);
    EXPECT_EQ(grid.Cell(ccDate, 1).S, "Zed Only 1");
    EXPECT_EQ(grid.Cell(ccDate, 2).S, ""); // outside the grid
}

TEST(ConcertCellColor, BlocksOfFiveRowsAndAYellowishDateColumn) {
    const struct {
        int32_t Col, Row;
        TColor Expected;
    } cases[] = {{1, 1, JoinRgb(255, 255, 255)},  {1, 5, JoinRgb(255, 255, 255)},  {1, 6, JoinRgb(240, 240, 240)},
                 {5, 10, JoinRgb(240, 240, 240)}, {3, 11, JoinRgb(255, 255, 255)}, {2, 1, JoinRgb(255, 255, 192)},
                 {2, 5, JoinRgb(255, 255, 192)},  {2, 6, JoinRgb(240, 240, 176)},  {2, 11, JoinRgb(255, 255, 192)},
                 {4, 16, JoinRgb(240, 240, 240)}, {2, 20, JoinRgb(240, 240, 176)}};
    for (const auto& c : cases)
        EXPECT_EQ(ConcertCellColor(c.Col, c.Row), c.Expected) << c.Col << ", " << c.Row;
}

TEST(ConcertCellColor, ConcertsTheListHasAreTintedGreenInEveryBlock) {
    std::vector<std::string> lines;
    const std::vector<TBand> bands = SampleBands(lines);
    const std::vector<TConcertRow> rows = ConcertRows(bands, 0);
    TArrayOfBootData data(2);
    data[0].Band = "Zed";
    data[0].Date = "Zed Only 1";
    data[1].Band = "Lone"; // the right date of another band owns nothing
    data[1].Date = "Ironwood Early 1";
    const std::vector<bool> owned = OwnedConcertRows(rows, data);
    EXPECT_EQ(owned, (std::vector<bool>{false, false, false, false, false, true}));
    EXPECT_EQ(ConcertCellColor(1, 1, true), JoinRgb(204, 255, 204));
    EXPECT_EQ(ConcertCellColor(2, 6, true), JoinRgb(192, 240, 140));
}

TEST(AddConcertToList, AppendsTheConcertInFullAsAnUnsavedBootleg) {
    std::vector<std::string> lines;
    std::vector<TBand> bands = SampleBands(lines);
    const std::string venue(300, 'V');
    bands[0].Tours[0].Concerts[1] = {"1994.04.04", "Fri", "Paris", "France", venue};
    const std::vector<TConcertRow> rows = ConcertRows(bands, 0);
    TProject list;
    list.Data.emplace_back().Band = "Already";
    list.Saved = true;

    std::string error;
    ASSERT_TRUE(AddConcertToList(list, rows, 2, error));
    ASSERT_TRUE(AddConcertToList(list, rows, 2, error)); // no check for an equal bootleg
    ASSERT_EQ(list.Data.size(), 3u);
    EXPECT_FALSE(list.Saved);
    // Each add is a step of its own, named after the concert.
    EXPECT_EQ(list.UndoSteps.StepCount(), 2u);
    EXPECT_EQ(list.UndoSteps.UndoName(), "add of Ironwood 1994.04.04");
    list.UndoChange();
    list.UndoChange();
    EXPECT_EQ(list.Data.size(), 1u);
    EXPECT_TRUE(list.Saved);
    list.RedoChange();
    list.RedoChange();
    for (size_t i : {1u, 2u}) {
        const TBootData& r = list.Data[i];
        EXPECT_EQ(r.Band + "|" + r.Date + "|" + r.City + "|" + r.Country, "Ironwood|1994.04.04|Paris|France");
        EXPECT_EQ(r.Venue, venue);
        EXPECT_EQ(r.Name + r.Info + r.Num + r.Comment + r.Quality + r.Covers[0] + r.Covers[1], "");
        EXPECT_EQ(r.Source, 0);
        EXPECT_EQ(r.Media, 0);
    }

    list.Saved = true;
    for (int32_t row : {0, -1, 7})
        EXPECT_FALSE(AddConcertToList(list, rows, row, error)) << row;
    EXPECT_FALSE(AddConcertToList(list, {}, 1, error));
    EXPECT_EQ(error, "");
    EXPECT_FALSE(AddConcertToList(list, rows, 2, error, 3)); // the record limit
    EXPECT_NE(error.find("more than the program can open (3)"), std::string::npos) << error;
    EXPECT_EQ(list.Data.size(), 3u);
    EXPECT_TRUE(list.Saved);
}

} // namespace
