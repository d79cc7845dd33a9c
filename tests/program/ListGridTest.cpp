#include "controls/grid/GridModel.h"
#include "core/Project.h"
#include "program/ListGrid.h"
#include "support/Records.h"

#include <gtest/gtest.h>

namespace {

// The template's columns as the main window's stored definitions give them.
void MakeTemplate(TGridModel& templ) {
    const char* headings[] = {"Search", "Band",   "Date",    "City", "Country", "Venue", "Boootleg name",
                              "Source", "Media",  "Quality", "Num",  "Cover",   "Info",  "Comment"};
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
