#include "program/ListGrid.h"
#include "controls/grid/GridClipboard.h"
#include "controls/grid/GridModel.h"
#include "core/FilterState.h"
#include "core/Project.h"
#include "program/ListCommands.h"
#include "support/Records.h"

#include <gtest/gtest.h>

namespace {

// Four records, the second hidden; the template as the stored definitions give it.
struct TListGrid {
    TGridModel Templ;
    TGridModel Grid;
    TProject List;
    TColMap Map;

    explicit TListGrid(bool search) : Map(MakeColMap(search)) {
        const char* headings[] = {"Search", "Band",  "Date",    "City", "Country", "Venue", "Boootleg name",
                                  "Source", "Media", "Quality", "Num",  "Cover",   "Info",  "Comment"};
        const int32_t widths[] = {150, 150, 70, 120, 120, 200, 200, 70, 70, 50, 50, 50, 50, 150};
        Templ.SetColCount(kTemplateColumns);
        for (int32_t i = 1; i <= kTemplateColumns; ++i) {
            TGridColumn& c = Templ.Column(i);
            c.SetHeading(headings[i - 1]);
            c.Width = widths[i - 1];
            c.Kind = i == tcSource || i == tcMedia ? ckList : i == tcCover || i == tcInfo ? ckExternal : ckText;
            if (c.Kind == ckList)
                c.ItemCount = i == tcSource ? 6 : 17;
            c.Enabled = true;
        }
        Templ.UpdateColumnPositions();
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
        FillListGrid(Grid, List, Map);
    }

    // Shows the whole list through the view loop, as the window does.
    void Show(const TFilterState& filter, TGridFill& last) {
        ASSERT_EQ(ShowListInGrid(Grid, Templ, List, filter, last), Map);
        ASSERT_EQ(Grid.CountRows(), 4);
    }
};

// The grid's cells as texts and numbers, for comparing two fills.
std::vector<std::string> CellTexts(TGridModel& grid) {
    std::vector<std::string> texts;
    for (int32_t y = 1; y <= grid.CountRows(); ++y)
        for (int32_t x = 1; x <= grid.ColCount(); ++x)
            texts.push_back(grid.Cell(x, y).S + "|" + std::to_string(grid.Cell(x, y).I));
    return texts;
}

TEST(ListGrid, LayoutFollowsTheSearchColumnAndKeepsResizedWidths) {
    EXPECT_EQ(MakeColMap(false)[tcSearch], 0);
    EXPECT_EQ(MakeColMap(false)[tcComment], 13);
    EXPECT_EQ(MakeColMap(true)[tcComment], 14);
    TListGrid g(false);
    EXPECT_EQ(g.Grid.ColCount(), 13);
    EXPECT_EQ(g.Grid.Column(g.Map[tcBand]).Heading(), "Band");
    EXPECT_FALSE(ApplyColumnLayout(g.Grid, g.Templ, false));
    // A width given without the Search column leaves the Search column's alone.
    g.Grid.Column(1).Width = 99;
    CopyColumnWidths(g.Grid, g.Templ, g.Map);
    EXPECT_EQ(g.Templ.Column(tcBand).Width, 99);
    EXPECT_EQ(g.Templ.Column(tcSearch).Width, 150);
    EXPECT_TRUE(ApplyColumnLayout(g.Grid, g.Templ, true));
    EXPECT_EQ(g.Grid.ColCount(), 14);
    EXPECT_EQ(g.Grid.Column(1).Heading(), "Search");
    EXPECT_EQ(g.Grid.Column(2).Left, 150);

    // Widths the user gave go to the template, and so to the other layout.
    g.Grid.Column(2).Width = 321;
    CopyColumnWidths(g.Grid, g.Templ, MakeColMap(true));
    EXPECT_EQ(g.Templ.Column(tcBand).Width, 321);
    EXPECT_EQ(g.Templ.Column(tcSearch).Width, 150);
    ApplyColumnLayout(g.Grid, g.Templ, false);
    EXPECT_EQ(g.Grid.Column(1).Width, 321);
}

TEST(ListGrid, VisibleRecordsFillTheRowsAndEditsFlowBack) {
    TListGrid g(true);
    ASSERT_EQ(g.Grid.CountRows(), 3);
    std::vector<std::string> rows;
    for (int32_t y = 1; y <= 3; ++y)
        rows.push_back(g.Grid.GetCellString(g.Map[tcBand], y) + "|" + g.Grid.GetCellString(g.Map[tcSearch], y) + "|" +
                       g.Grid.GetCellString(g.Map[tcComment], y) + "|" +
                       std::to_string(g.Grid.GetCellInteger(g.Map[tcSource], y)) + "|" +
                       std::to_string(g.Grid.GetCellInteger(g.Map[tcMedia], y)) + "|" +
                       std::to_string(g.Grid.GetCellInteger(g.Map[tcInfo], y)));
    EXPECT_EQ(rows, (std::vector<std::string>{"Band 0|hit 0|note|4|13|1", "Band 2|hit 2|note|4|13|0",
                                              "Band 3|hit 3|note|4|13|1"}));

    EXPECT_FALSE(ReadListGrid(g.Grid, g.List, g.Map));
    g.Grid.SetCellString(g.Map[tcCity], 2, "Porto");
    g.Grid.SetCellInteger(g.Map[tcMedia], 3, 2);
    g.Grid.SetCellString(g.Map[tcSearch], 1, "typed");
    EXPECT_TRUE(ReadListGrid(g.Grid, g.List, g.Map));
    EXPECT_EQ(g.List.Data[2].City, "Porto");
    EXPECT_EQ(g.List.Data[3].Media, 2);
    EXPECT_EQ(g.List.Data[1].City, "Lisbon"); // not visible
    EXPECT_EQ(g.Grid.GetCellString(g.Map[tcSearch], 1), "hit 0");
    EXPECT_EQ(g.List.Data[0].Covers[0], "front.jpg");
    EXPECT_EQ(g.List.Data[0].Info, "info");
}

TEST(ListGridChanges, UserChangesAndSetterWritesNoteTheirRowsAndBulkFillsDoNot) {
    TListGrid g(false);
    EXPECT_TRUE(g.Grid.TakeChangedRows().Rows.empty()); // the fill left nothing to take
    g.Grid.EditCell(1, 1).S = "bulk";
    EXPECT_TRUE(g.Grid.TakeChangedRows().Rows.empty());

    TValue city;
    city.S = "Oslo";
    ASSERT_TRUE(g.Grid.ChangeCell(g.Map[tcCity], 2, city));
    g.Grid.SetCellString(1, 3, "typed by a command");
    g.Grid.SetCellInteger(g.Map[tcSource], 3, 4);
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
    g.Show(all, last);
    TValue band;
    band.S = "Renamed";
    ASSERT_TRUE(g.Grid.ChangeCell(g.Map[tcBand], 3, band));
    g.Grid.SetCellString(g.Map[tcSearch], 3, "edited search"); // the search column cannot be edited
    std::vector<int32_t> rows;
    ASSERT_TRUE(TakeListFromGrid(g.Grid, g.List, g.Map, rows));
    EXPECT_TRUE(g.List.CommitChange("edit"));
    EXPECT_FALSE(g.List.Saved);
    EXPECT_EQ(g.List.Data[2].Band, "Renamed");
    g.List.Data[2].Info = "new"; // a record of a listed row may change beside its cells too
    ShowListInGrid(g.Grid, g.Templ, g.List, all, last, &rows);

    TGridModel fresh;
    TGridFill none;
    ShowListInGrid(fresh, g.Templ, g.List, all, none);
    EXPECT_EQ(CellTexts(g.Grid), CellTexts(fresh));
    EXPECT_EQ(g.Grid.Cell(g.Map[tcSearch], 3).S, g.List.Data[2].SearchText);
}

TEST(ListGridChanges, AViewOfOtherRecordsMakesAFullRefill) {
    TListGrid g(false);
    TFilterState filter; // no source 5
    filter.SourceSelAll = false;
    filter.SourceSel.fill(true);
    filter.SourceSel[5] = false;
    g.List.Data[1].Source = 5;
    TGridFill last;
    ShowListInGrid(g.Grid, g.Templ, g.List, filter, last);
    ASSERT_EQ(g.List.View, (std::vector<int32_t>{0, 2, 3}));
    // A row leaves the view and a hidden record comes back: as many rows, but other records.
    TValue source;
    source.I = 5;
    ASSERT_TRUE(g.Grid.ChangeCell(g.Map[tcSource], 3, source));
    std::vector<int32_t> rows;
    ASSERT_TRUE(TakeListFromGrid(g.Grid, g.List, g.Map, rows));
    g.List.Data[1].Source = 4;
    ShowListInGrid(g.Grid, g.Templ, g.List, filter, last, &rows);
    ASSERT_EQ(g.List.View, (std::vector<int32_t>{0, 1, 2}));
    for (int32_t y = 1; y <= 3; ++y)
        EXPECT_EQ(g.Grid.Cell(g.Map[tcBand], y).S, "Band " + std::to_string(y - 1));
}

TEST(ListGridUndo, APastePastTheLastRowAddsBootlegsInOneStepThatUndoTakesBack) {
    TListGrid g(false);
    TFilterState all;
    TGridFill last;
    g.Show(all, last);
    const std::vector<TBootData> before(g.List.Data.begin(), g.List.Data.end());
    g.Grid.Col = g.Map[tcBand];
    g.Grid.Row = 3;
    g.Grid.ResetSelection();
    const std::string text = "A\tD1\r\nB\tD2\r\nC\tD3\r\nD\tD4\r\n"; // two rows fit, two do not
    std::string error;
    // Not beyond the record limit: nothing is added, nothing is to be pasted.
    EXPECT_EQ(AppendRowsForPaste(g.Grid, g.List, g.Map, text, error, before.size() + 1), -1);
    EXPECT_EQ(g.List.Data.size(), before.size());
    EXPECT_NE(error.find("more than the program can open"), std::string::npos) << error;
    EXPECT_EQ(AppendRowsForPaste(g.Grid, g.List, g.Map, "A\r\n", error, before.size()), 0); // fits: none to add
    EXPECT_EQ(AppendRowsForPaste(g.Grid, g.List, g.Map, text, error, before.size() + 2), 2);
    EXPECT_EQ(g.Grid.CountRows(), 6);
    GridPasteText(g.Grid, text);
    std::vector<int32_t> rows;
    TakeListFromGrid(g.Grid, g.List, g.Map, rows);
    ASSERT_TRUE(g.List.CommitChange("paste"));
    ASSERT_EQ(g.List.Data.size(), 6u);
    std::string pasted;
    for (size_t i = 2; i < 6; ++i)
        pasted += g.List.Data[i].Band + g.List.Data[i].Date + " ";
    EXPECT_EQ(pasted, "AD1 BD2 CD3 DD4 ");
    EXPECT_EQ(g.List.Data[5].City, ""); // a new bootleg has only what was pasted

    EXPECT_EQ(g.List.UndoChange().Records, (std::vector<int32_t>{2, 3}));
    ASSERT_EQ(g.List.Data.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_TRUE(SameStoredFields(g.List.Data[i], before[i])) << i;
    EXPECT_TRUE(g.List.Saved);

    // A paste that fits, or into a range, adds nothing.
    g.Show(all, last);
    g.Grid.Row = 1;
    g.Grid.ResetSelection();
    EXPECT_EQ(AppendRowsForPaste(g.Grid, g.List, g.Map, text, error), 0);
    g.Grid.Row = 4;
    g.Grid.Selection = {1, 3, 1, 4};
    EXPECT_EQ(AppendRowsForPaste(g.Grid, g.List, g.Map, text, error), 0);
}

TEST(ListGridUndo, ARoundTripThatChangesNothingMakesNoStep) {
    TListGrid g(true);
    TFilterState all;
    TGridFill last;
    g.Show(all, last);
    g.Grid.SetCellString(g.Map[tcCity], 2, g.List.Data[1].City); // written, but the same text
    std::vector<int32_t> rows;
    TakeListFromGrid(g.Grid, g.List, g.Map, rows);
    EXPECT_FALSE(g.List.CommitChange("edit"));
    EXPECT_TRUE(g.List.Saved);
    g.Grid.SetCellString(g.Map[tcCity], 2, "Porto");
    TakeListFromGrid(g.Grid, g.List, g.Map, rows);
    EXPECT_TRUE(g.List.CommitChange("edit"));
    EXPECT_EQ(g.List.UndoChange().Field, static_cast<int>(TRecordField::City));
    EXPECT_EQ(g.List.Data[1].City, SampleRecord().City);
}

} // namespace
