#include "GridTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <tuple>

namespace {

// A grid of one column of the given kind and three rows.
struct TOneColumn {
    TGridModel Grid;
    explicit TOneColumn(uint8_t kind, int32_t items = 0, const std::string& format = "") {
        SetUpColumns(Grid, 1, 3, kind, 80, items);
        Grid.Column(1).SetFormat(format);
    }
};

// Counts what the model asks of its widget.
class TCountingGrid : public TGridModel {
public:
    int Commits = 0;
    int Repaints = 0;
    void CommitEditors() override { ++Commits; }
    void Invalidate() override { ++Repaints; }
};

TEST(GridCellText, GetCellTextByKind) {
    // The cell holds (S, F, I).
    const std::tuple<int, const char*, double, int32_t, const char*> cases[] = {
        {ckText, "a|b", 1, 2, "a|b"},
        {ckMemo, "x\ny", 1, 2, "x\ny"},
        {ckFloat, "s", 1.5, 2, "1.5"},
        {ckInteger, "s", 1, -42, "-42"},
        {ckCheck, "s", 1, 1, "1"},
        {ckList, "s", 1, 8, "8"},
        {ckMenu, "s", 1, -2, "-2"},
        {ckColor, "s", 1, 255, "$0000FF"},
        {ckColor, "s", 1, -1, "$FFFFFFFF"},
        {ckExternal, "s", 1, 2, ""},
        {0, "s", 1, 2, ""},
        {5, "s", 1, 2, ""},
        {8, "s", 1, 2, ""},
        {12, "s", 1, 2, ""},
    };
    for (const auto& [kind, str, f, i, expected] : cases) {
        TOneColumn g(uint8_t(kind), 6);
        g.Grid.EditCell(1, 2) = Value(str, f, i);
        EXPECT_EQ(g.Grid.GetCellText(1, 2), expected) << "kind " << kind;
    }
    TOneColumn g(ckFloat, 0, "0.00");
    g.Grid.SetNumberLocale(kComma);
    g.Grid.EditCell(1, 2).F = 3.14159;
    EXPECT_EQ(g.Grid.GetCellText(1, 2), "3,14");
}

TEST(GridCellText, TextToValueReadsIntoAZeroFilledValueAndNeverStores) {
    // Kind, items, text and the value (S, F, I) read; the cell holds ("old", 7.5, 3).
    // Negative item counts read with a decimal comma.
    const std::tuple<int, int32_t, const char*, const char*, double, int32_t> cases[] = {
        {ckText, 0, "abc", "abc", 0, 0},      {ckMemo, 0, "a\nb", "a\nb", 0, 0},
        {ckFloat, 0, "2.5", "", 2.5, 0},      {ckFloat, 0, "abc", "", 7.5, 0},
        {ckInteger, 0, "-12", "", 0, -12},    {ckInteger, 0, "3.5", "", 0, 3},
        {ckColor, 0, "$FFFFFFFF", "", 0, -1}, {ckCheck, 0, "0", "", 0, 0},
        {ckExternal, 0, "5", "", 0, 0},       {5, 0, "5", "", 0, 0},
        {ckFloat, -1, "2,5", "", 2.5, 0},     {ckFloat, -1, "2.5", "", 7.5, 0},
        {ckList, 6, "8", "", 0, 2},           {ckList, 6, "-8", "", 0, -2},
        {ckList, 6, "x", "", 0, 3},           {ckList, 6, "-2147483648", "", 0, -2},
        {ckMenu, 6, "13", "", 0, 1},          {ckList, 0, "5", "", 0, 3},
        {ckMenu, -4, "5", "", 0, 3},
    };
    for (const auto& [kind, items, text, str, f, i] : cases) {
        TOneColumn g(uint8_t(kind), items);
        g.Grid.SetNumberLocale(items < 0 ? kComma : kPoint);
        g.Grid.EditCell(1, 2) = Value("old", 7.5, 3);
        EXPECT_EQ(g.Grid.TextToValue(1, text, 2), Value(str, f, i)) << "kind " << kind << " \"" << text << '"';
        EXPECT_EQ(g.Grid.Cell(1, 2), Value("old", 7.5, 3));
    }
}

TEST(GridCellText, ObjectCountDecidesTheRemainderAndExternalCellsGoThroughTheOwner) {
    TOneColumn g(ckList, 6);
    g.Grid.SetRowHeight(17);
    int32_t seenCount = 0, seenHeight = 0;
    g.Grid.OnObjectCount = [&](TGridModel&, int32_t x, int32_t y, int32_t& count, int32_t& height) {
        EXPECT_EQ(x * 10 + y, 13);
        seenCount = count;
        seenHeight = height;
        count = 4;
    };
    EXPECT_EQ(g.Grid.TextToValue(1, "9", 3).I, 1);
    EXPECT_EQ(seenCount, 6);
    EXPECT_EQ(seenHeight, 17);
    // A handler that leaves no items: nothing divides, the index stays.
    g.Grid.OnObjectCount = [](TGridModel&, int32_t, int32_t, int32_t& count, int32_t&) { count = 0; };
    g.Grid.EditCell(1, 3).I = 5;
    EXPECT_EQ(g.Grid.TextToValue(1, "9", 3).I, 5);
    // External cells go through the owner.
    TOneColumn e(ckExternal);
    std::string pasted;
    e.Grid.OnExternalPaste = [&](TGridModel&, int32_t x, int32_t y, const std::string& text) {
        pasted = std::to_string(x) + "," + std::to_string(y) + ":" + text;
    };
    e.Grid.OnExternalCopy = [](TGridModel&, int32_t x, int32_t y, std::string& text) {
        EXPECT_TRUE(text.empty());
        text = "cover " + std::to_string(x) + "," + std::to_string(y);
    };
    EXPECT_EQ(e.Grid.TextToValue(1, "front.jpg", 2), TValue());
    EXPECT_EQ(pasted, "1,2:front.jpg");
    EXPECT_EQ(e.Grid.GetCellText(1, 3), "cover 1,3");
}

TEST(GridCellText, SetCellValueStoresOnlyTheFieldOfTheKind) {
    const std::pair<uint8_t, TValue> cases[] = {
        {ckText, Value("new", 1, 1)},    {ckMemo, Value("new", 1, 1)},  {ckFloat, Value("old", 2, 1)},
        {ckInteger, Value("old", 1, 2)}, {ckColor, Value("old", 1, 2)}, {ckCheck, Value("old", 1, 2)},
        {ckList, Value("old", 1, 2)},    {ckMenu, Value("old", 1, 2)},  {ckExternal, Value("old", 1, 1)},
        {0, Value("old", 1, 1)},         {8, Value("old", 1, 1)}};
    for (const auto& [kind, expected] : cases) {
        TOneColumn g(kind);
        g.Grid.EditCell(1, 1) = Value("old", 1, 1);
        g.Grid.SetCellValue(1, 1, Value("new", 2, 2));
        EXPECT_EQ(g.Grid.Cell(1, 1), expected) << "kind " << int(kind);
    }
}

TEST(GridCellText, LongTextsAndAnyBytesAreKeptWhole) {
    TOneColumn g(ckText);
    std::string comment(100000, 'c');
    g.Grid.SetCellValue(1, 2, g.Grid.TextToValue(1, comment, 2));
    EXPECT_EQ(g.Grid.GetCellString(1, 2), comment);
    std::string bytes("\0\xff\x80|b", 5);
    g.Grid.SetCellString(1, 3, bytes);
    EXPECT_EQ(g.Grid.GetCellText(1, 3), bytes);
}

TEST(GridCellAccess, IndicesOutsideTheGridAreHarmless) {
    TOneColumn g(ckExternal);
    bool raised = false;
    g.Grid.OnExternalCopy = [&](TGridModel&, int32_t, int32_t, std::string&) { raised = true; };
    g.Grid.OnCellEnabled = [&](TGridModel&, int32_t, int32_t, bool&) { raised = true; };
    const std::pair<int32_t, int32_t> outside[] = {{0, 1}, {2, 1}, {1, 0}, {1, 4}, {-1, -1}, {INT32_MAX, INT32_MAX}};
    for (auto [x, y] : outside) {
        g.Grid.SetCellString(x, y, "x");
        g.Grid.SetCellInteger(x, y, 1);
        g.Grid.SetCellValue(x, y, Value("x", 1, 1));
        EXPECT_EQ(g.Grid.GetCellString(x, y), "");
        EXPECT_EQ(g.Grid.GetCellInteger(x, y), 0);
        EXPECT_EQ(g.Grid.GetCellText(x, y), "");
        EXPECT_FALSE(g.Grid.CellEnabled(x, y));
        EXPECT_EQ(g.Grid.Cell(x, y), TValue());
        EXPECT_THROW(g.Grid.EditCell(x, y), std::out_of_range);
    }
    EXPECT_FALSE(raised);
    EXPECT_THROW(g.Grid.Column(2), std::out_of_range);
    EXPECT_EQ(g.Grid.TextToValue(2, "5", 1), TValue());
}

TEST(GridGrowth, RowsAndColumnsKeepTheirValuesAndNewOnesAreEmpty) {
    TOneColumn g(ckText);
    g.Grid.SetCellString(1, 1, "a");
    g.Grid.SetCellString(1, 3, "c");
    g.Grid.SetCountRows(100);
    EXPECT_EQ(g.Grid.GetCellString(1, 1) + g.Grid.GetCellString(1, 3), "ac");
    EXPECT_EQ(g.Grid.Cell(1, 100), TValue());
    g.Grid.SetCountRows(2);
    g.Grid.SetCountRows(3);
    EXPECT_EQ(g.Grid.Cell(1, 3), TValue()); // a row cut off comes back empty
    g.Grid.SetCountRows(-5);
    EXPECT_EQ(g.Grid.CountRows(), 3);

    g.Grid.Column(1).Width = 50;
    g.Grid.SetColCount(3);
    ASSERT_EQ(g.Grid.Columns().size(), 4u);
    EXPECT_EQ(g.Grid.Column(1).Width, 50);
    EXPECT_EQ(g.Grid.GetCellString(1, 1), "a");
    for (int32_t x : {2, 3}) {
        EXPECT_EQ(g.Grid.Column(x), TGridColumn());
        EXPECT_FALSE(g.Grid.CellEnabled(x, 1));
        EXPECT_EQ(g.Grid.Cell(x, 3), TValue());
    }
    g.Grid.Column(2).Width = 70;
    g.Grid.Column(3).Width = 30;
    g.Grid.UpdateColumnPositions();
    EXPECT_EQ(g.Grid.Column(2).Left * 1000 + g.Grid.Column(2).Right, 50120);
    EXPECT_EQ(g.Grid.Column(3).Right, 150);
    EXPECT_EQ(g.Grid.Column(0).Right, 0);
    // Huge widths do not overflow the positions.
    g.Grid.Column(1).Width = g.Grid.Column(2).Width = g.Grid.Column(3).Width = INT32_MAX;
    g.Grid.UpdateColumnPositions();
    EXPECT_EQ(g.Grid.Column(3).Left, INT32_MAX);
    EXPECT_EQ(g.Grid.Column(3).Right, INT32_MAX);
}

TEST(GridCursor, ShrinkingPullsTheCursorBackAndResetsTheSelection) {
    TGridModel grid;
    grid.SetColCount(5);
    grid.SetCountRows(10);
    grid.Col = 5;
    grid.Row = 9;
    grid.Selection = {2, 3, 5, 9};
    grid.SetColCount(3);
    EXPECT_EQ(grid.Col, 3);
    EXPECT_EQ(grid.Selection, (TGridRect{3, 9, 3, 9}));
    grid.SetCountRows(4);
    EXPECT_EQ(grid.Row, 4);
    EXPECT_EQ(grid.Selection, (TGridRect{3, 4, 3, 4}));
    // Nothing to point at: the cursor stays, and every access is checked.
    grid.SetCountRows(0);
    grid.SetColCount(0);
    EXPECT_EQ(grid.Col * 100 + grid.Row, 304);
    EXPECT_EQ(grid.Columns().size(), 1u);
    EXPECT_EQ(grid.GetCellText(grid.Col, grid.Row), "");
}

TEST(GridEvents, CellEnabledAsksTheOwnerWithTheColumnsAnswer) {
    TOneColumn g(ckText);
    std::vector<bool> incoming;
    g.Grid.OnCellEnabled = [&](TGridModel& sender, int32_t, int32_t y, bool& enabled) {
        EXPECT_EQ(&sender, &g.Grid);
        incoming.push_back(enabled);
        enabled = y != 2;
    };
    EXPECT_TRUE(g.Grid.CellEnabled(1, 1));
    EXPECT_FALSE(g.Grid.CellEnabled(1, 2));
    g.Grid.Column(1).Enabled = false;
    EXPECT_TRUE(g.Grid.CellEnabled(1, 3));
    EXPECT_EQ(incoming, (std::vector<bool>{true, true, false}));
    // ChangeCell passes through OnCellChanging; Changed alone raises OnChange.
    TOneColumn h(ckInteger);
    int changes = 0;
    h.Grid.OnChange = [&](TGridModel&) { ++changes; };
    h.Grid.OnCellChanging = [](TGridModel&, int32_t, int32_t y, TValue& value, bool& change) {
        EXPECT_TRUE(change);
        if (y == 1)
            value.I *= 10;
        else
            change = false;
    };
    EXPECT_TRUE(h.Grid.ChangeCell(1, 1, Value("", 0, 4)));
    EXPECT_FALSE(h.Grid.ChangeCell(1, 2, Value("", 0, 4)));
    EXPECT_EQ(h.Grid.Cell(1, 1).I, 40);
    EXPECT_EQ(h.Grid.Cell(1, 2).I, 0);
    EXPECT_EQ(changes, 0);
    h.Grid.Changed();
    EXPECT_EQ(changes, 1);
}

TEST(GridEvents, AccessorsCommitEditorsAndChangesRepaint) {
    TCountingGrid grid;
    grid.Column(1).Kind = ckText;
    grid.GetCellString(1, 1);
    grid.GetCellInteger(1, 1);
    grid.SetCellString(1, 1, "a");
    EXPECT_EQ(grid.Commits, 3);
    int before = grid.Repaints;
    grid.SetCellValue(1, 1, Value("b", 0, 0));
    grid.SetExtendWrite(true);
    grid.SetRowHeight(30);
    grid.SetNumberLocale(kComma);
    EXPECT_EQ(grid.Repaints, before + 4);
    // Unchanged values and sizes out of bounds are not stored and repaint nothing.
    grid.SetExtendWrite(true);
    grid.SetRowHeight(30);
    grid.SetRowHeight(0);
    grid.SetHeadingWidth(-1);
    grid.SetCountRows(grid.CountRows());
    grid.SetNumberLocale(kComma);
    EXPECT_EQ(grid.Repaints, before + 4);
    EXPECT_EQ(grid.RowHeight(), 30);
    EXPECT_EQ(grid.HeadingWidth(), 30);
    grid.SetHeadingWidth(0); // the least width is taken
    EXPECT_EQ(grid.HeadingWidth(), 0);
}

} // namespace

TEST(GridRowSource, RowsAreReadFromTheSourceAndWrittenRowsHeldUntilInvalidation) {
    TGridModel grid;
    grid.SetColCount(2);
    grid.Column(1).Kind = grid.Column(2).Kind = ckText;
    grid.SetCountRows(1000);
    std::vector<int32_t> filled;
    int round = 0;
    grid.SetRowSource([&](TGridModel& g, int32_t y) {
        filled.push_back(y);
        g.EditCell(1, y).S = std::to_string(round) + ":" + std::to_string(y);
    });
    EXPECT_TRUE(filled.empty());
    EXPECT_EQ(grid.Cell(1, 5).S, "0:5");
    EXPECT_EQ(grid.GetCellText(1, 5), "0:5");
    EXPECT_EQ(grid.Cell(2, 5).S, "");
    EXPECT_FALSE(grid.RowHeld(5));
    grid.SetCellString(2, 5, "typed");
    EXPECT_EQ(grid.Cell(2, 5).S, "typed");
    EXPECT_EQ(grid.Cell(1, 5).S, "0:5");
    EXPECT_EQ(filled, std::vector<int32_t>{5}); // once, however often read and written
    EXPECT_TRUE(grid.RowHeld(5));
    EXPECT_FALSE(grid.RowHeld(6));

    // A read of many rows keeps no more than a window of them; held rows stay.
    for (int32_t y = 1; y <= 1000; ++y)
        ASSERT_EQ(grid.Cell(1, y).S, "0:" + std::to_string(y));
    EXPECT_EQ(grid.Cell(2, 5).S, "typed");

    // A new round fills every row again, from empty.
    round = 1;
    grid.InvalidateRows();
    EXPECT_FALSE(grid.RowHeld(5));
    EXPECT_EQ(grid.Cell(2, 5).S, "");
    EXPECT_EQ(grid.Cell(1, 5).S, "1:5");

    // Held rows beyond a smaller count go; rows that come back are read again.
    grid.EditCell(2, 900).S = "held";
    grid.SetCountRows(3);
    EXPECT_EQ(grid.Cell(1, 5).S, "");
    grid.SetCountRows(1000);
    EXPECT_EQ(grid.Cell(2, 900).S, "");
    EXPECT_EQ(grid.Cell(1, 900).S, "1:900");

    // Without a source the held rows become the grid's own cells.
    grid.SetCellString(2, 7, "kept");
    grid.SetRowSource(nullptr);
    filled.clear();
    EXPECT_TRUE(grid.RowHeld(999));
    EXPECT_EQ(grid.Cell(2, 7).S, "kept");
    EXPECT_EQ(grid.Cell(1, 7).S, "1:7");
    EXPECT_EQ(grid.Cell(1, 999).S, "");
    EXPECT_TRUE(filled.empty());
}
