#include "program/ListCommands.h"
#include "controls/grid/GridColors.h"
#include "controls/grid/GridModel.h"
#include "controls/markup/MarkupSupport.h"
#include "core/Project.h"
#include "program/ConcertTable.h"
#include "program/ListCells.h"
#include "program/TitleBar.h"
#include "support/Records.h"

#include <gtest/gtest.h>

namespace {

// A list read again puts the cursor on the same bootleg: all its stored
// fields must match, and of equal ones the nearest row wins.
TEST(RowOfSameRecord, EveryStoredFieldCountsAndTheNearestRowWins) {
    TProject list;
    list.Data.assign(3, MatchRecord("Band", "1999.01.01"));
    list.View = {0, 1, 2};
    EXPECT_EQ(RowOfSameRecord(list, list.Data[0], 3), 3);
    for (auto change : {+[](TBootData& r) { r.Country = "x"; }, +[](TBootData& r) { r.Quality = "x"; },
                        +[](TBootData& r) { r.Covers[1] = "x"; }, +[](TBootData& r) { r.Media = 9; }}) {
        change(list.Data[1] = list.Data[0]);
        EXPECT_EQ(RowOfSameRecord(list, list.Data[1], 3), 2);
    }
}

TEST(ListCellColor, ByColumnRowAndSearchHitsAndAndedWithTheSelection) {
    const struct {
        int32_t Property, Row, Hits;
        TColor Expected;
    } cases[] = {
        {1, 1, 0, JoinRgb(255, 255, 255)},  {1, 5, 0, JoinRgb(255, 255, 255)}, {1, 6, 0, JoinRgb(240, 240, 240)},
        {1, 11, 0, JoinRgb(255, 255, 255)}, {2, 6, 0, JoinRgb(240, 240, 176)}, {8, 2, 0, JoinRgb(255, 255, 192)},
        {10, 2, 0, JoinRgb(255, 255, 255)}, {1, 6, 1, JoinRgb(255, 176, 176)}, {1, 6, 3, JoinRgb(255, 144, 144)},
        {9, 1, 1, JoinRgb(239, 192, 192)},  {9, 1, 2, JoinRgb(239, 160, 160)}};
    for (const auto& c : cases)
        EXPECT_EQ(ListCellColor(c.Property, c.Row, c.Hits), c.Expected) << c.Property << " " << c.Row << " " << c.Hits;

    TColor color = JoinRgb(0, 120, 215);
    bool change = true;
    ApplyListCellColor(color, change, JoinRgb(240, 240, 176));
    EXPECT_EQ(color, JoinRgb(0, 112, 144));
    color = 0;
    change = false;
    ApplyListCellColor(color, change, JoinRgb(1, 2, 3));
    EXPECT_EQ(color, JoinRgb(1, 2, 3));
    EXPECT_TRUE(change);
    color = JoinRgb(40, 85, 138); // a dark scheme's selection over a dark row: their mean
    ApplyListCellColor(color, change, JoinRgb(30, 30, 32), TScheme::Dark);
    EXPECT_EQ(color, JoinRgb(35, 57, 85));
}

class ListCellContrast : public ::testing::TestWithParam<TScheme> {};

// Every background a list or the concerts window paints, with the selection
// over it or not, against the text of the same scheme.
TEST_P(ListCellContrast, EveryRowColourKeepsItsTextReadableSelectedOrNot) {
    const TScheme scheme = GetParam();
    const TColor text = FixedColor(TFixedColor::Text, scheme);
    const TColor selection =
        BlendColor(FixedColor(TFixedColor::Highlight, scheme), FixedColor(TFixedColor::Base, scheme), 0.66);
    std::vector<TColor> rows;
    for (int32_t row = 1; row <= 10; ++row) {
        for (int32_t property = 0; property <= 13; ++property)
            for (int32_t hits = 0; hits <= 2; ++hits)
                rows.push_back(ListCellColor(property, row, hits, scheme));
        for (int32_t col = 1; col <= 5; ++col)
            for (bool owned : {false, true})
                rows.push_back(ConcertCellColor(col, row, owned, scheme));
    }
    for (TColor row : rows) {
        TColor selected = selection;
        bool change = true;
        ApplyListCellColor(selected, change, row, scheme);
        EXPECT_GE(ContrastRatio(text, row), 4.5) << std::hex << row;
        EXPECT_GE(ContrastRatio(text, selected), 4.5) << std::hex << row << " selected";
    }
}

INSTANTIATE_TEST_SUITE_P(BothSchemes, ListCellContrast, ::testing::Values(TScheme::Light, TScheme::Dark));

TEST(ListCellTexts, CoversTravelWithTheirMarkerAndInfoAsOneLine) {
    TBootData r;
    r.Covers = {"front.jpg", ""};
    EXPECT_EQ(CoverClipboardText(r), "front.jpg[---]");
    const char* pastes[][3] = {
        {"front.jpg[---]", "front.jpg", ""}, {"a[---]b[---]c", "a", "b[---]c"}, {"only", "only", ""}};
    for (const auto& p : pastes) {
        PasteCoverText(r, p[0]);
        EXPECT_EQ(r.Covers[0] + "|" + r.Covers[1], std::string(p[1]) + "|" + p[2]) << p[0];
    }

    r.Info = "first\tline\r\nsecond\rlone\n";
    const std::string text = InfoClipboardText(r);
    EXPECT_EQ(text, "first[TAB]line[CR]second\rlone\n");
    TBootData back;
    PasteInfoText(back, text);
    EXPECT_EQ(back.Info, r.Info);
    PasteInfoText(back, "[tab][Cr]");
    EXPECT_EQ(back.Info, "[tab][Cr]"); // case-sensitive
}

// A grid of text cells, one row per vector.
void FillGrid(TGridModel& grid, const std::vector<std::vector<std::string>>& rows) {
    grid.SetColCount(static_cast<int32_t>(rows.front().size()));
    grid.SetCountRows(static_cast<int32_t>(rows.size()));
    for (int32_t y = 1; y <= grid.CountRows(); ++y)
        for (int32_t x = 1; x <= grid.ColCount(); ++x) {
            grid.Column(x).Kind = ckText;
            grid.SetCellString(x, y, rows[static_cast<size_t>(y - 1)][static_cast<size_t>(x - 1)]);
        }
}

TEST(ListCommandsFindNext, SearchesOnFromTheNextRowAndWrapsButNeverInTheCurrentRow) {
    TGridModel grid;
    FillGrid(grid, {{"Abbey", "x"}, {"road", "Zürich"}, {"none", "abba"}});
    grid.Row = 2;
    grid.ResetSelection();
    // The cell found as "row,col", or "none".
    const auto find = [](TGridModel& g, const std::string& text) {
        return FindNextInGrid(g, text) ? std::to_string(g.Row) + "," + std::to_string(g.Col) : "none";
    };
    EXPECT_EQ(find(grid, "ab"), "3,2");
    EXPECT_EQ(find(grid, "AB"), "1,1"); // wrapped
    EXPECT_EQ(find(grid, "ZÜ"), "2,2"); // every letter of UTF-8 text folds
    EXPECT_FALSE(FindNextInGrid(grid, ""));

    // Windows-1250 bytes of "Łódź", found by what they show.
    TGridModel legacy;
    FillGrid(legacy, {{"x"}, {"\xA3\xF3\x64\x9F"}});
    EXPECT_TRUE(FindNextInGrid(legacy, "Łódź"));

    TGridModel one;
    FillGrid(one, {{"match"}});
    EXPECT_FALSE(FindNextInGrid(one, "match"));
    one.SetCountRows(0);
    EXPECT_FALSE(FindNextInGrid(one, "x"));
}

TEST(SearchUpperCase, RaisesTheAsciiLettersOnly) {
    EXPECT_EQ(SearchUpperCase("az`{@[Zz\xE9\xC3\xA9"), "AZ`{@[ZZ\xE9\xC3\xA9");
}

TEST(ListCommandsFindConcert, FillsTheSelectedRowsFromTheFirstMatchingBand) {
    std::vector<TBand> bands(2);
    bands[0].Name = "Ironwood";
    bands[0].Tours.resize(1);
    bands[0].Tours[0].Concerts = {{"1994.03.01", "", "Hamburg", "Germany", "Markthalle"}};
    bands[1] = bands[0];
    bands[1].Tours[0].Concerts[0].City = "Second";
    const TColMap map = MakeColMap(false);
    TGridModel grid;
    std::vector<std::string> row(13), other(13);
    row[0] = other[0] = "Ironwood";
    row[1] = "1994.03.01";
    other[1] = "1994.03.02";
    FillGrid(grid, {row, other, row});
    grid.Selection = {1, 2, 1, 1};
    FindConcertsInGrid(grid, bands, map);
    auto place = [&](int32_t y) {
        return grid.GetCellString(map[tcCity], y) + "|" + grid.GetCellString(map[tcCountry], y) + "|" +
               grid.GetCellString(map[tcVenue], y);
    };
    EXPECT_EQ(place(1), "Hamburg|Germany|Markthalle");
    EXPECT_EQ(place(2), "||");
    EXPECT_EQ(place(3), "||"); // not selected
}

TEST(ListCommands, DeleteRemovesExactlyTheSelectedRowsAndAddAppends) {
    TProject list;
    for (int i = 0; i < 6; ++i) {
        list.Data.push_back(SampleRecord());
        list.Data.back().Band = std::to_string(i);
    }
    list.View = {1, 2, 4, 5};
    TGridModel grid;
    grid.SetCountRows(4);
    grid.Selection = {1, 3, 1, 2};
    ASSERT_TRUE(DeleteSelectedRecords(list, grid));
    ASSERT_EQ(list.Data.size(), 4u);
    EXPECT_EQ(list.Data[0].Band + list.Data[1].Band + list.Data[2].Band + list.Data[3].Band, "0135");
    EXPECT_FALSE(list.Saved);
    grid.SetCountRows(0);
    EXPECT_FALSE(DeleteSelectedRecords(list, grid));

    list.Saved = true;
    std::string error;
    ASSERT_TRUE(AddEmptyRecord(list, error, 5));
    ASSERT_EQ(list.Data.size(), 5u);
    EXPECT_TRUE(SameStoredFields(list.Data[4], TBootData()));
    EXPECT_FALSE(list.Saved);
    // A list at the record limit takes no more: it could not be opened again.
    list.Saved = true;
    EXPECT_FALSE(AddEmptyRecord(list, error, 5));
    EXPECT_TRUE(list.Data.size() == 5 && list.Saved);
    EXPECT_EQ(error, "The list would hold 6 bootlegs, more than the program can open (5). Nothing was changed.");
}

TEST(UndoCaptions, NameTheStepByWhatItChanged) {
    const struct {
        TStepSummary Step;
        const char* Caption;
    } cases[] = {{{0, 3, 0, false}, "delete of 3 bootlegs"}, {{0, 1, 0, false}, "delete of 1 bootleg"},
                 {{1, 0, 0, false}, "add of 1 bootleg"},     {{2, 0, 5, false}, "edit of 5 cells"},
                 {{0, 0, 1, false}, "edit of 1 cell"},       {{0, 0, 0, true}, "sort"}};
    for (const auto& c : cases)
        EXPECT_EQ(StepCaption(c.Step), c.Caption);

    TProject list;
    EXPECT_EQ(UndoCaption(list.UndoSteps) + RedoCaption(list.UndoSteps), "&Undo&Redo");
    list.Data.resize(5);
    TGridModel grid;
    grid.SetCountRows(5);
    list.View = {0, 1, 2, 3, 4};
    grid.Selection = {1, 2, 1, 4};
    DeleteSelectedRecords(list, grid);
    EXPECT_EQ(UndoCaption(list.UndoSteps), "&Undo delete of 3 bootlegs");
    list.Sort(1, true);
    std::string error;
    AddEmptyRecord(list, error);
    EXPECT_EQ(UndoCaption(list.UndoSteps), "&Undo add of 1 bootleg");
    list.UndoChange();
    EXPECT_EQ(RedoCaption(list.UndoSteps), "&Redo add of 1 bootleg");
    EXPECT_EQ(UndoCaption(list.UndoSteps), "&Undo delete of 3 bootlegs"); // A-Z over equal records moves nothing
    TColMap map = MakeColMap(false);
    EXPECT_EQ(ColumnOfField(static_cast<int>(TRecordField::BackCover), map), map[tcCover]);
    EXPECT_EQ(ColumnOfField(-1, map), 0);
}

TEST(UndoReveal, WidensTheFilterOnlyAsFarAsTheRecordsNeed) {
    TProject list;
    list.Data.resize(3);
    list.Data[0].Band = "Shown";
    list.Data[1].Band = "Hidden";
    list.Data[2].Band = "Shown";
    list.Data[2].Source = 2;
    TFilterState filter;
    filter.Bands.resize(2);
    filter.Bands[0].Name = "Hidden";
    filter.Bands[1].Name = "Shown";
    filter.Bands[1].Selected = true;
    filter.AllBands = false;
    filter.SourceSelAll = false;
    filter.SourceSel[0] = true;

    RevealRecords(filter, list, {0});
    EXPECT_FALSE(filter.AllBands);
    EXPECT_EQ(list.View, (std::vector<int32_t>{0}));
    RevealRecords(filter, list, {1});
    EXPECT_TRUE(filter.AllBands);
    EXPECT_FALSE(filter.SourceSelAll);
    RevealRecords(filter, list, {2});
    EXPECT_TRUE(filter.SourceSelAll);
    EXPECT_EQ(list.View, (std::vector<int32_t>{0, 1, 2}));
}

TEST(TitleBar, NamesTheListAndCountsShownAndMarkedBootlegs) {
    using TTexts = std::array<std::string, 3>;
    EXPECT_EQ(TitleBarTexts(TProject()),
              (TTexts{"List: |b Untitled|f ", "Bootlegs: |b 0|f  (|b 0|f )", "Search: |b 0|f  (|b 0|f )"}));

    TProject list;
    list.FileName = "/home/me/Lists/Live|best.kvu";
    list.Data.resize(120);
    for (int32_t i = 0; i < 30; ++i)
        list.View.push_back(i * 4);
    for (int32_t i = 0; i < 12; ++i)
        list.Data[static_cast<size_t>(i * 2)].SearchHits = 1 + i % 2; // 6 of them are shown
    EXPECT_EQ(TitleBarTexts(list),
              (TTexts{"List: |b Live|s| best|f ", "Bootlegs: |b 30|f  (|b 120|f )", "Search: |b 12|f  (|b 6|f )"}));
}

TEST(TitleBar, NamesShortenByWholeWords) {
    EXPECT_EQ(ShortenedCaptions("My big  live list"),
              (std::vector<std::string>{"My big  live list", "My big  live...", "My big...", "My...", "..."}));
    EXPECT_EQ(ShortenedCaptions("Bootlegs2024"), (std::vector<std::string>{"Bootlegs2024", "..."}));
    EXPECT_EQ(ShortenedCaptions(" lead"), (std::vector<std::string>{" lead", "..."}));
    EXPECT_EQ(ShortenedCaptions(""), (std::vector<std::string>{"", "..."}));
    TProject list;
    EXPECT_EQ(TitleBarTexts(list, "My...")[0], "List: |b My...|f ");
}

TEST(TitleBar, TextsMoveLeftBeforeOneIsLeftOutWhole) {
    const struct {
        std::array<int32_t, 3> Widths;
        int32_t Bar;
        std::array<int32_t, 3> X;
        int Shown;
    } cases[] = {{{100, 100, 100}, 1000, {10, 160, 310}, 3}, // the usual places
                 {{300, 100, 100}, 1000, {10, 326, 442}, 3}, // a long name pushes the counts right
                 {{100, 100, 100}, 414, {10, 160, 310}, 3},  // just fits (4 pixels kept free at the right)
                 {{100, 100, 100}, 413, {10, 126, 242}, 3},  // no longer: one gap apart
                 {{100, 100, 100}, 346, {10, 126, 242}, 3},  {{100, 100, 100}, 345, {10, 126, 242}, 2},
                 {{100, 100, 100}, 300, {10, 126, 242}, 2}, // the last is left out, not cut
                 {{300, 100, 100}, 300, {10, 326, 442}, 0}};
    for (const auto& c : cases) {
        const auto places = PlaceTitleBarTexts(c.Widths, c.Bar);
        int shown = 0;
        for (size_t i = 0; i < places.size(); ++i) {
            EXPECT_EQ(places[i].X, c.X[i]) << c.Bar << " " << i;
            shown += places[i].Shown;
            if (places[i].Shown) {
                EXPECT_LE(places[i].X + c.Widths[i], c.Bar - 4);
            }
        }
        EXPECT_EQ(shown, c.Shown) << c.Bar;
    }
}

} // namespace
