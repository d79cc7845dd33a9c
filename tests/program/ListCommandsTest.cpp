#include "controls/grid/GridModel.h"
#include "controls/markup/MarkupSupport.h"
#include "core/Project.h"
#include "program/ListCells.h"
#include "program/ListCommands.h"
#include "program/TitleBar.h"
#include "support/Records.h"

#include <gtest/gtest.h>

namespace {

struct TColorCase {
    int32_t Property;
    int32_t Row;
    int32_t Hits;
    TColor Expected;
};

class ListCellColorTest : public testing::TestWithParam<TColorCase> {};

TEST_P(ListCellColorTest, ByColumnRowAndSearchHits) {
    const TColorCase& c = GetParam();
    EXPECT_EQ(ListCellColor(c.Property, c.Row, c.Hits), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ListCellColorTest,
                         testing::Values(TColorCase{1, 1, 0, JoinRgb(255, 255, 255)},
                                         TColorCase{1, 5, 0, JoinRgb(255, 255, 255)},
                                         TColorCase{1, 6, 0, JoinRgb(240, 240, 240)},
                                         TColorCase{1, 11, 0, JoinRgb(255, 255, 255)},
                                         TColorCase{2, 6, 0, JoinRgb(240, 240, 176)},
                                         TColorCase{8, 2, 0, JoinRgb(255, 255, 192)},
                                         TColorCase{10, 2, 0, JoinRgb(255, 255, 255)},
                                         TColorCase{1, 6, 1, JoinRgb(255, 176, 176)},
                                         TColorCase{1, 6, 3, JoinRgb(255, 144, 144)},
                                         TColorCase{9, 1, 1, JoinRgb(239, 192, 192)},
                                         TColorCase{9, 1, 2, JoinRgb(239, 160, 160)}));

TEST(ListCellColor, ASelectionColourIsAndedWithTheRowColour) {
    TColor color = JoinRgb(0, 120, 215);
    bool change = true;
    ApplyListCellColor(color, change, JoinRgb(240, 240, 176));
    EXPECT_EQ(color, JoinRgb(0, 112, 144));
    color = 0;
    change = false;
    ApplyListCellColor(color, change, JoinRgb(1, 2, 3));
    EXPECT_EQ(color, JoinRgb(1, 2, 3));
    EXPECT_TRUE(change);
}

TEST(ListCellTexts, CoversTravelWithTheirMarker) {
    TBootData r;
    r.Covers = {"front.jpg", ""};
    EXPECT_EQ(CoverClipboardText(r), "front.jpg[---]");
    TBootData back;
    PasteCoverText(back, "front.jpg[---]");
    EXPECT_EQ(back.Covers[0], "front.jpg");
    EXPECT_EQ(back.Covers[1], "");
    PasteCoverText(back, "a[---]b[---]c");
    EXPECT_EQ(back.Covers[0], "a");
    EXPECT_EQ(back.Covers[1], "b[---]c");
    PasteCoverText(back, "only");
    EXPECT_EQ(back.Covers[0], "only");
    EXPECT_EQ(back.Covers[1], "");
}

TEST(ListCellTexts, InfoBecomesOneLineAndComesBack) {
    TBootData r;
    r.Info = "first\tline\r\nsecond\rlone\n";
    const std::string text = InfoClipboardText(r);
    EXPECT_EQ(text, "first[TAB]line[CR]second\rlone\n");
    TBootData back;
    PasteInfoText(back, text);
    EXPECT_EQ(back.Info, r.Info);
    PasteInfoText(back, "[tab][Cr]");
    EXPECT_EQ(back.Info, "[tab][Cr]"); // case-sensitive
}

// A text grid of `cols` columns holding the given rows.
void FillGrid(TGridModel& grid, const std::vector<std::vector<std::string>>& rows) {
    grid.SetColCount(static_cast<int32_t>(rows.front().size()));
    grid.SetCountRows(static_cast<int32_t>(rows.size()));
    for (int32_t x = 1; x <= grid.ColCount(); ++x) {
        grid.Column(x).Kind = ckText;
        grid.Column(x).Enabled = true;
    }
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            grid.SetCellString(static_cast<int32_t>(x + 1), static_cast<int32_t>(y + 1), rows[y][x]);
}

TEST(FindNext, SearchesOnFromTheNextRowAndWraps) {
    TGridModel grid;
    FillGrid(grid, {{"Abbey", "x"}, {"road", "Zürich"}, {"none", "abba"}});
    grid.Row = 2;
    grid.ResetSelection();
    ASSERT_TRUE(FindNextInGrid(grid, "ab"));
    EXPECT_EQ(grid.Row, 3);
    EXPECT_EQ(grid.Col, 2);
    ASSERT_TRUE(FindNextInGrid(grid, "AB"));
    EXPECT_EQ(grid.Row, 1); // wrapped
    EXPECT_EQ(grid.Col, 1);
    EXPECT_FALSE(FindNextInGrid(grid, "ZÜ")); // only a..z are folded: "ü" is not "Ü"
    EXPECT_TRUE(FindNextInGrid(grid, "zü"));
    EXPECT_FALSE(FindNextInGrid(grid, ""));
}

TEST(FindNext, TheCurrentRowIsNeverLookedAt) {
    TGridModel grid;
    FillGrid(grid, {{"match"}});
    EXPECT_FALSE(FindNextInGrid(grid, "match"));
    TGridModel none;
    none.SetCountRows(0);
    EXPECT_FALSE(FindNextInGrid(none, "x"));
}

TEST(FindConcert, FillsTheSelectedRowsFromTheFirstMatchingBand) {
    std::vector<TBand> bands(2);
    bands[0].Name = "Ironwood";
    bands[0].Tours.resize(1);
    bands[0].Tours[0].Concerts = {{"1994.03.01", "", "Hamburg", "Germany", "Markthalle"}};
    bands[1] = bands[0];
    bands[1].Tours[0].Concerts[0].City = "Second";
    const TColMap map = MakeColMap(false);
    TGridModel grid;
    std::vector<std::string> row(13);
    row[0] = "Ironwood";
    row[1] = "1994.03.01";
    std::vector<std::string> other = row;
    other[1] = "1994.03.02";
    FillGrid(grid, {row, other, row});
    grid.Selection = {1, 2, 1, 1};
    FindConcertsInGrid(grid, bands, map);
    EXPECT_EQ(grid.GetCellString(map[tcCity], 1), "Hamburg");
    EXPECT_EQ(grid.GetCellString(map[tcVenue], 1), "Markthalle");
    EXPECT_EQ(grid.GetCellString(map[tcCountry], 1), "Germany");
    EXPECT_EQ(grid.GetCellString(map[tcCity], 2), "");
    EXPECT_EQ(grid.GetCellString(map[tcCity], 3), ""); // not selected
}

TEST(DeleteRecords, RemovesExactlyTheRecordsOnTheSelectedRows) {
    TProject list;
    for (int i = 0; i < 6; ++i) {
        TBootData r;
        r.Band = std::to_string(i);
        list.Data.push_back(r);
    }
    list.View = {1, 2, 4, 5};
    TGridModel grid;
    grid.SetCountRows(4);
    grid.Selection = {1, 3, 1, 2};
    ASSERT_TRUE(DeleteSelectedRecords(list, grid));
    ASSERT_EQ(list.Data.size(), 4u);
    EXPECT_EQ(list.Data[0].Band, "0");
    EXPECT_EQ(list.Data[1].Band, "1");
    EXPECT_EQ(list.Data[2].Band, "3");
    EXPECT_EQ(list.Data[3].Band, "5");
    EXPECT_FALSE(list.Saved);

    grid.SetCountRows(0);
    EXPECT_FALSE(DeleteSelectedRecords(list, grid));
}

TEST(AddRecord, AppendsAnEmptyUnsavedRecord) {
    TProject list;
    list.Data.push_back(SampleRecord());
    list.Saved = true;
    AddEmptyRecord(list);
    ASSERT_EQ(list.Data.size(), 2u);
    EXPECT_TRUE(list.Data[1].Band.empty());
    EXPECT_EQ(list.Data[1].Source, 0);
    EXPECT_FALSE(list.Saved);
}

TEST(TitleBar, NamesTheListAndCountsShownAndMarkedBootlegs) {
    TProject empty;
    const auto blank = TitleBarTexts(empty);
    EXPECT_EQ(blank[0], "List: |b |f ");
    EXPECT_EQ(blank[1], "Bootlegs: |b 0|f  (|b 0|f )");
    EXPECT_EQ(blank[2], "Search: |b 0|f  (|b 0|f )");

    TProject list;
    list.FileName = "/home/me/Lists/Live|best.kvu";
    list.Data.resize(120);
    for (int32_t i = 0; i < 30; ++i)
        list.View.push_back(i * 4);
    for (int32_t i = 0; i < 12; ++i)
        list.Data[static_cast<size_t>(i * 2)].SearchHits = 1 + i % 2; // 6 of them are shown
    const auto texts = TitleBarTexts(list);
    EXPECT_EQ(texts[0], "List: |b Live|s|best|f ");
    EXPECT_EQ(texts[1], "Bootlegs: |b 30|f  (|b 120|f )");
    EXPECT_EQ(texts[2], "Search: |b 12|f  (|b 6|f )");
}

} // namespace
