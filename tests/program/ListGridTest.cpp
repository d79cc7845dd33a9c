#include "program/ListGrid.h"
#include "controls/grid/GridModel.h"
#include "core/Project.h"
#include "support/Records.h"

#include <gtest/gtest.h>

namespace {

// The template's columns as the main window's stored definitions give them.
void MakeTemplate(TGridModel& templ) {
    const char* headings[] = {"Search", "Band",  "Date",    "City", "Country", "Venue", "Boootleg name",
                              "Source", "Media", "Quality", "Num",  "Cover",   "Info",  "Comment"};
    const int32_t widths[] = {150, 150, 70, 120, 120, 200, 200, 70, 70, 50, 50, 50, 50, 150};
    templ.SetColCount(kTemplateColumns);
    for (int32_t i = 1; i <= kTemplateColumns; ++i) {
        TGridColumn& c = templ.Column(i);
        c.Heading = headings[i - 1];
        c.Width = widths[i - 1];
        c.Kind = ckText;
        c.Enabled = true;
    }
    templ.Column(tcSource).Kind = ckList;
    templ.Column(tcSource).ItemCount = 6;
    templ.Column(tcMedia).Kind = ckList;
    templ.Column(tcMedia).ItemCount = 17;
    templ.Column(tcCover).Kind = ckExternal;
    templ.Column(tcInfo).Kind = ckExternal;
    templ.UpdateColumnPositions();
}

struct TListGrid {
    TGridModel Templ;
    TGridModel Grid;
    TProject List;

    explicit TListGrid(bool search) {
        MakeTemplate(Templ);
        List.SearchColumn = search;
        for (int i = 0; i < 4; ++i) {
            TBootData r = SampleRecord();
            r.Band = "Band " + std::to_string(i);
            r.SearchText = "hit " + std::to_string(i);
            if (i == 2)
                r.Info.clear();
            List.Data.push_back(r);
        }
        List.View = {0, 2, 3};
        ApplyColumnLayout(Grid, Templ, search);
        FillListGrid(Grid, List, MakeColMap(search));
    }
};

TEST(ListGrid, ColumnMapsLeaveOutTheSearchColumn) {
    TColMap without = MakeColMap(false);
    EXPECT_EQ(without[tcSearch], 0);
    EXPECT_EQ(without[tcBand], 1);
    EXPECT_EQ(without[tcComment], 13);
    TColMap with = MakeColMap(true);
    EXPECT_EQ(with[tcSearch], 1);
    EXPECT_EQ(with[tcComment], 14);
}

TEST(ListGrid, LayoutFollowsTheSearchColumn) {
    TListGrid g(false);
    EXPECT_EQ(g.Grid.ColCount(), 13);
    EXPECT_EQ(g.Grid.Column(1).Heading, "Band");
    EXPECT_FALSE(ApplyColumnLayout(g.Grid, g.Templ, false));
    EXPECT_TRUE(ApplyColumnLayout(g.Grid, g.Templ, true));
    EXPECT_EQ(g.Grid.ColCount(), 14);
    EXPECT_EQ(g.Grid.Column(1).Heading, "Search");
    EXPECT_EQ(g.Grid.Column(2).Left, 150);
}

TEST(ListGrid, VisibleRecordsFillTheRows) {
    TListGrid g(true);
    ASSERT_EQ(g.Grid.CountRows(), 3);
    const TColMap map = MakeColMap(true);
    EXPECT_EQ(g.Grid.GetCellString(map[tcBand], 2), "Band 2");
    EXPECT_EQ(g.Grid.GetCellString(map[tcSearch], 3), "hit 3");
    EXPECT_EQ(g.Grid.GetCellInteger(map[tcSource], 1), 4);
    EXPECT_EQ(g.Grid.GetCellInteger(map[tcMedia], 1), 13);
    EXPECT_EQ(g.Grid.GetCellInteger(map[tcInfo], 1), 1);
    EXPECT_EQ(g.Grid.GetCellInteger(map[tcInfo], 2), 0);
    EXPECT_EQ(g.Grid.GetCellString(map[tcComment], 1), "note");
}

TEST(ListGrid, EditsFlowBackAndTheSearchColumnStays) {
    TListGrid g(true);
    const TColMap map = MakeColMap(true);
    EXPECT_FALSE(ReadListGrid(g.Grid, g.List, map));
    g.Grid.SetCellString(map[tcCity], 2, "Porto");
    g.Grid.SetCellInteger(map[tcMedia], 3, 2);
    g.Grid.SetCellString(map[tcSearch], 1, "typed");
    EXPECT_TRUE(ReadListGrid(g.Grid, g.List, map));
    EXPECT_EQ(g.List.Data[2].City, "Porto");
    EXPECT_EQ(g.List.Data[3].Media, 2);
    EXPECT_EQ(g.List.Data[1].City, "Lisbon"); // not visible
    EXPECT_EQ(g.Grid.GetCellString(map[tcSearch], 1), "hit 0");
    EXPECT_EQ(g.List.Data[0].Covers[0], "front.jpg");
    EXPECT_EQ(g.List.Data[0].Info, "info");
}

TEST(ListGrid, LongAndNonUtf8TextsSurviveRoundTrips) {
    TListGrid g(false);
    const TColMap map = MakeColMap(false);
    const std::string comment(200, 'c');
    const std::string latin = "Z\xfcrich";
    g.List.Data[0].Comment = comment;
    g.List.Data[0].City = latin;
    for (int i = 0; i < 3; ++i) {
        FillListGrid(g.Grid, g.List, map);
        ReadListGrid(g.Grid, g.List, map);
    }
    EXPECT_EQ(g.List.Data[0].Comment, comment);
    EXPECT_EQ(g.List.Data[0].City, latin);
}

TEST(ListGrid, ResizedWidthsGoToTheTemplate) {
    TListGrid g(false);
    g.Grid.Column(1).Width = 321; // Band
    CopyColumnWidths(g.Grid, g.Templ, MakeColMap(false));
    EXPECT_EQ(g.Templ.Column(tcBand).Width, 321);
    EXPECT_EQ(g.Templ.Column(tcSearch).Width, 150);
    ApplyColumnLayout(g.Grid, g.Templ, true);
    EXPECT_EQ(g.Grid.Column(2).Width, 321);
}

} // namespace

namespace {

// The grid's cells as texts and numbers, for comparing two fills.
std::vector<std::string> CellTexts(TGridModel& grid) {
    std::vector<std::string> texts;
    for (int32_t y = 1; y <= grid.CountRows(); ++y)
        for (int32_t x = 1; x <= grid.ColCount(); ++x)
            texts.push_back(grid.Cell(x, y).S + "|" + std::to_string(grid.Cell(x, y).I));
    return texts;
}

TEST(ListGridChanges, UserChangesAndSetterWritesNoteTheirRowsAndBulkFillsDoNot) {
    TListGrid g(false);
    EXPECT_TRUE(g.Grid.TakeChangedRows().Rows.empty()); // the fill left nothing to take
    g.Grid.EditCell(1, 1).S = "bulk";
    EXPECT_TRUE(g.Grid.TakeChangedRows().Rows.empty());

    TValue city;
    city.S = "Oslo";
    ASSERT_TRUE(g.Grid.ChangeCell(MakeColMap(false)[tcCity], 2, city));
    g.Grid.SetCellString(1, 3, "typed by a command");
    g.Grid.SetCellInteger(MakeColMap(false)[tcSource], 3, 4);
    TGridModel::TChangedRows changed = g.Grid.TakeChangedRows();
    EXPECT_FALSE(changed.All);
    EXPECT_EQ(changed.Rows, std::vector<int32_t>({2, 3}));
    EXPECT_TRUE(g.Grid.TakeChangedRows().Rows.empty()); // taken once

    g.Grid.SetCountRows(5000);
    for (int32_t y = 1; y <= 5000; ++y)
        g.Grid.SetCellString(1, y, "x");
    EXPECT_TRUE(g.Grid.TakeChangedRows().All); // too many to list
}

TEST(ListGridChanges, AKnownChangeRefillsToTheSameCellsAsAFullFill) {
    TListGrid g(true);
    TFilterState all;
    TGridFill last;
    TColMap map = ShowListInGrid(g.Grid, g.Templ, g.List, all, last);
    ASSERT_EQ(g.Grid.CountRows(), 4);

    TValue band;
    band.S = "Renamed";
    ASSERT_TRUE(g.Grid.ChangeCell(map[tcBand], 3, band));
    g.Grid.SetCellString(map[tcSearch], 3, "edited search"); // the search column cannot be edited
    std::vector<int32_t> rows;
    ASSERT_TRUE(TakeListFromGrid(g.Grid, g.List, map, true, rows));
    EXPECT_FALSE(g.List.Saved);
    EXPECT_EQ(g.List.Data[2].Band, "Renamed");
    ShowListInGrid(g.Grid, g.Templ, g.List, all, last, &rows);
    const std::vector<std::string> partial = CellTexts(g.Grid);

    TGridModel fresh;
    TGridFill none;
    ShowListInGrid(fresh, g.Templ, g.List, all, none);
    EXPECT_EQ(partial, CellTexts(fresh));
    EXPECT_EQ(g.Grid.Cell(map[tcSearch], 3).S, g.List.Data[2].SearchText);
}

TEST(ListGridChanges, ARowThatLeavesTheViewMakesAFullRefill) {
    TListGrid g(false);
    TFilterState filter;
    TGridFill last;
    TColMap map = ShowListInGrid(g.Grid, g.Templ, g.List, filter, last);
    ASSERT_EQ(g.Grid.CountRows(), 4);
    // A source the filter will not show moves the row out of the view.
    filter.SourceSelAll = false;
    filter.SourceSel.fill(true);
    filter.SourceSel[5] = false;
    TValue source;
    source.I = 5;
    ASSERT_TRUE(g.Grid.ChangeCell(map[tcSource], 2, source));
    std::vector<int32_t> rows;
    ASSERT_TRUE(TakeListFromGrid(g.Grid, g.List, map, true, rows));
    ShowListInGrid(g.Grid, g.Templ, g.List, filter, last, &rows);
    ASSERT_EQ(g.Grid.CountRows(), 3);
    for (int32_t y = 1; y <= 3; ++y)
        EXPECT_EQ(g.Grid.Cell(map[tcBand], y).S, g.List.Data[static_cast<size_t>(g.List.View[y - 1])].Band);
}

} // namespace
