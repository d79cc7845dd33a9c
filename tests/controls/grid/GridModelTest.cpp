#include "controls/grid/GridModel.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

namespace {

const TNumberLocale kPoint{'.', ','};
const TNumberLocale kComma{',', '.'};

// A grid of one column of the given kind and three rows.
struct TOneColumn {
    TGridModel Grid;
    explicit TOneColumn(uint8_t kind, int32_t items = 0, const std::string& format = "") {
        Grid.SetColCount(1);
        Grid.SetCountRows(3);
        TGridColumn& c = Grid.Column(1);
        c.Kind = kind;
        c.ItemCount = items;
        c.Format = format;
        c.Enabled = true;
    }
};

TValue Value(const std::string& s, double f, int32_t i) {
    TValue v;
    v.S = s;
    v.F = f;
    v.I = i;
    return v;
}

// Counts what the model asks of its widget.
class TCountingGrid : public TGridModel {
public:
    int Commits = 0;
    int Repaints = 0;
    void CommitEditors() override { ++Commits; }
    void Invalidate() override { ++Repaints; }
};

TEST(GridModelCreate, StartsWithOneFloatColumnOfTwentyRows) {
    TGridModel grid;
    ASSERT_EQ(grid.ColCount(), 1);
    ASSERT_EQ(grid.Columns().size(), 2u);
    EXPECT_EQ(grid.Column(0), TGridColumn());
    const TGridColumn& c = grid.Column(1);
    EXPECT_EQ(c.Width, 80);
    EXPECT_EQ(c.Kind, ckFloat);
    EXPECT_EQ(c.Align, kAlignRight);
    EXPECT_TRUE(c.Enabled);
    EXPECT_EQ(c.Left, 0);
    EXPECT_EQ(c.Right, 80);
    EXPECT_EQ(grid.CountRows(), 20);
    EXPECT_EQ(grid.RowHeight(), 20);
    EXPECT_EQ(grid.HeadingWidth(), 30);
    EXPECT_EQ(grid.HeadingHeight(), 20);
    EXPECT_EQ(grid.Col, 1);
    EXPECT_EQ(grid.Row, 1);
    EXPECT_EQ(grid.Selection, (TGridRect{1, 1, 1, 1}));
    EXPECT_TRUE(grid.ColorCalculate());
    EXPECT_TRUE(grid.EditorEnabled());
    EXPECT_FALSE(grid.ExtendWrite());
    EXPECT_FALSE(grid.DragEnabled());
    EXPECT_EQ(grid.HeadingAlign(), taCenter);
    EXPECT_EQ(grid.Cell(1, 20), TValue());
}

struct TTextCase {
    uint8_t Kind;
    std::string Format;
    TValue Cell;
    TNumberLocale Locale;
    std::string Expected;
};

std::ostream& operator<<(std::ostream& out, const TTextCase& c) {
    return out << "kind " << int(c.Kind) << " -> \"" << c.Expected << '"';
}

class CellTextByKind : public testing::TestWithParam<TTextCase> {};

TEST_P(CellTextByKind, GetCellText) {
    const TTextCase& c = GetParam();
    TOneColumn g(c.Kind, 6, c.Format);
    g.Grid.SetNumberLocale(c.Locale);
    g.Grid.EditCell(1, 2) = c.Cell;
    EXPECT_EQ(g.Grid.GetCellText(1, 2), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, CellTextByKind,
                         testing::Values(TTextCase{ckText, "", Value("a|b", 1, 2), kPoint, "a|b"},
                                         TTextCase{ckMemo, "", Value("x\ny", 1, 2), kPoint, "x\ny"},
                                         TTextCase{ckFloat, "", Value("s", 1.5, 2), kPoint, "1.5"},
                                         TTextCase{ckFloat, "", Value("s", 1.5, 2), kComma, "1,5"},
                                         TTextCase{ckFloat, "0.00", Value("s", 3.14159, 2), kComma, "3,14"},
                                         TTextCase{ckInteger, "", Value("s", 1, -42), kPoint, "-42"},
                                         TTextCase{ckCheck, "", Value("s", 1, 1), kPoint, "1"},
                                         TTextCase{ckList, "", Value("s", 1, 8), kPoint, "8"},
                                         TTextCase{ckMenu, "", Value("s", 1, -2), kPoint, "-2"},
                                         TTextCase{ckColor, "", Value("s", 1, 255), kPoint, "$0000FF"},
                                         TTextCase{ckColor, "", Value("s", 1, -1), kPoint, "$FFFFFFFF"},
                                         TTextCase{ckExternal, "", Value("s", 1, 2), kPoint, ""},
                                         TTextCase{0, "", Value("s", 1, 2), kPoint, ""},
                                         TTextCase{5, "", Value("s", 1, 2), kPoint, ""},
                                         TTextCase{8, "", Value("s", 1, 2), kPoint, ""},
                                         TTextCase{12, "", Value("s", 1, 2), kPoint, ""}));

struct TReadCase {
    uint8_t Kind;
    int32_t Items;
    TNumberLocale Locale;
    std::string Text;
    TValue Expected; // the cell holds ("old", 7.5, 3)
};

std::ostream& operator<<(std::ostream& out, const TReadCase& c) {
    return out << "kind " << int(c.Kind) << " \"" << c.Text << '"';
}

class TextToValueByKind : public testing::TestWithParam<TReadCase> {};

TEST_P(TextToValueByKind, ReadsIntoZeroFilledValue) {
    const TReadCase& c = GetParam();
    TOneColumn g(c.Kind, c.Items);
    g.Grid.SetNumberLocale(c.Locale);
    g.Grid.EditCell(1, 2) = Value("old", 7.5, 3);
    EXPECT_EQ(g.Grid.TextToValue(1, c.Text, 2), c.Expected);
    EXPECT_EQ(g.Grid.Cell(1, 2), Value("old", 7.5, 3)); // reading never stores
}

INSTANTIATE_TEST_SUITE_P(Texts, TextToValueByKind,
                         testing::Values(TReadCase{ckText, 0, kPoint, "abc", Value("abc", 0, 0)},
                                         TReadCase{ckMemo, 0, kPoint, "a\nb", Value("a\nb", 0, 0)},
                                         TReadCase{ckFloat, 0, kPoint, "2.5", Value("", 2.5, 0)},
                                         TReadCase{ckFloat, 0, kComma, "2,5", Value("", 2.5, 0)},
                                         TReadCase{ckFloat, 0, kComma, "2.5", Value("", 7.5, 0)},
                                         TReadCase{ckFloat, 0, kPoint, "abc", Value("", 7.5, 0)},
                                         TReadCase{ckFloat, 0, kPoint, "", Value("", 7.5, 0)},
                                         TReadCase{ckInteger, 0, kPoint, "-12", Value("", 0, -12)},
                                         TReadCase{ckInteger, 0, kPoint, "$FF", Value("", 0, 255)},
                                         TReadCase{ckInteger, 0, kPoint, "12abc", Value("", 0, 3)},
                                         TReadCase{ckInteger, 0, kPoint, "2147483648", Value("", 0, 3)},
                                         TReadCase{ckInteger, 0, kPoint, "3.5", Value("", 0, 3)},
                                         TReadCase{ckColor, 0, kPoint, "$FFFFFFFF", Value("", 0, -1)},
                                         TReadCase{ckColor, 0, kPoint, "$0000FF", Value("", 0, 255)},
                                         TReadCase{ckCheck, 0, kPoint, "0", Value("", 0, 0)},
                                         TReadCase{ckList, 6, kPoint, "8", Value("", 0, 2)},
                                         TReadCase{ckList, 6, kPoint, "-8", Value("", 0, -2)},
                                         TReadCase{ckList, 6, kPoint, "x", Value("", 0, 3)},
                                         TReadCase{ckList, 6, kPoint, "-2147483648", Value("", 0, -2)},
                                         TReadCase{ckMenu, 6, kPoint, "13", Value("", 0, 1)},
                                         TReadCase{ckList, 0, kPoint, "5", Value("", 0, 3)},
                                         TReadCase{ckMenu, -4, kPoint, "5", Value("", 0, 3)},
                                         TReadCase{ckExternal, 0, kPoint, "5", Value("", 0, 0)},
                                         TReadCase{5, 0, kPoint, "5", Value("", 0, 0)}));

TEST(TextToValueEvents, ObjectCountDecidesTheRemainder) {
    TOneColumn g(ckList, 6);
    g.Grid.SetRowHeight(17);
    int32_t seenCount = 0, seenHeight = 0;
    g.Grid.OnObjectCount = [&](TGridModel&, int32_t x, int32_t y, int32_t& count, int32_t& height) {
        EXPECT_EQ(x, 1);
        EXPECT_EQ(y, 3);
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
}

TEST(TextToValueEvents, ExternalCellsGoThroughTheOwner) {
    TOneColumn g(ckExternal);
    std::string pasted;
    g.Grid.OnExternalPaste = [&](TGridModel&, int32_t x, int32_t y, const std::string& text) {
        pasted = std::to_string(x) + "," + std::to_string(y) + ":" + text;
    };
    g.Grid.OnExternalCopy = [](TGridModel&, int32_t x, int32_t y, std::string& text) {
        EXPECT_TRUE(text.empty());
        text = "cover " + std::to_string(x) + "," + std::to_string(y);
    };
    EXPECT_EQ(g.Grid.TextToValue(1, "front.jpg", 2), TValue());
    EXPECT_EQ(pasted, "1,2:front.jpg");
    EXPECT_EQ(g.Grid.GetCellText(1, 3), "cover 1,3");
}

// What GetCellText writes, TextToValue reads back to the same value.
TEST(CellTextRoundTrip, EveryKindReadsItsOwnText) {
    struct TRound {
        uint8_t Kind;
        TValue Cell;
    };
    const TRound cases[] = {
        {ckText, Value("x|y z", 0, 0)},    {ckMemo, Value("a\nb", 0, 0)},        {ckFloat, Value("", -123.456, 0)},
        {ckFloat, Value("", 1e20, 0)},     {ckInteger, Value("", 0, INT32_MIN)}, {ckColor, Value("", 0, -1)},
        {ckColor, Value("", 0, 0x00FF00)}, {ckCheck, Value("", 0, 1)},           {ckList, Value("", 0, 5)},
        {ckMenu, Value("", 0, 0)}};
    for (const TNumberLocale& locale : {kPoint, kComma})
        for (const TRound& r : cases) {
            TOneColumn g(r.Kind, 6);
            g.Grid.SetNumberLocale(locale);
            g.Grid.EditCell(1, 1) = r.Cell;
            std::string text = g.Grid.GetCellText(1, 1);
            g.Grid.EditCell(1, 1) = TValue();
            EXPECT_EQ(g.Grid.TextToValue(1, text, 1), r.Cell) << int(r.Kind) << " \"" << text << '"';
        }
}

struct TStoreCase {
    uint8_t Kind;
    TValue Expected; // the cell held ("old", 1, 1); ("new", 2, 2) is set
};

class SetCellValueByKind : public testing::TestWithParam<TStoreCase> {};

TEST_P(SetCellValueByKind, StoresOnlyTheFieldOfTheKind) {
    TOneColumn g(GetParam().Kind);
    g.Grid.EditCell(1, 1) = Value("old", 1, 1);
    g.Grid.SetCellValue(1, 1, Value("new", 2, 2));
    EXPECT_EQ(g.Grid.Cell(1, 1), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SetCellValueByKind,
                         testing::Values(TStoreCase{ckText, Value("new", 1, 1)}, TStoreCase{ckMemo, Value("new", 1, 1)},
                                         TStoreCase{ckFloat, Value("old", 2, 1)},
                                         TStoreCase{ckInteger, Value("old", 1, 2)},
                                         TStoreCase{ckColor, Value("old", 1, 2)},
                                         TStoreCase{ckCheck, Value("old", 1, 2)},
                                         TStoreCase{ckList, Value("old", 1, 2)}, TStoreCase{ckMenu, Value("old", 1, 2)},
                                         TStoreCase{ckExternal, Value("old", 1, 1)}, TStoreCase{0, Value("old", 1, 1)},
                                         TStoreCase{8, Value("old", 1, 1)}));

TEST(CellTexts, LongTextsAreKeptWhole) {
    TOneColumn g(ckText);
    std::string name(200, 'n');
    g.Grid.SetCellString(1, 1, name);
    EXPECT_EQ(g.Grid.GetCellString(1, 1), name);
    EXPECT_EQ(g.Grid.GetCellText(1, 1), name);
    std::string comment(100000, 'c');
    g.Grid.SetCellValue(1, 2, g.Grid.TextToValue(1, comment, 2));
    EXPECT_EQ(g.Grid.GetCellString(1, 2), comment);
    std::string bytes("\0\xff\x80|b", 5);
    g.Grid.SetCellString(1, 3, bytes);
    EXPECT_EQ(g.Grid.GetCellText(1, 3), bytes);
}

TEST(CellAccessors, WorkOnTheirFieldWhateverTheKind) {
    TOneColumn g(ckText);
    g.Grid.SetCellInteger(1, 1, 9);
    g.Grid.SetCellBoolean(1, 2, true);
    g.Grid.EditCell(1, 3).F = 2.5;
    EXPECT_EQ(g.Grid.GetCellInteger(1, 1), 9);
    EXPECT_EQ(g.Grid.GetCellInteger(1, 2), 1);
    g.Grid.SetCellBoolean(1, 2, false);
    EXPECT_EQ(g.Grid.GetCellInteger(1, 2), 0);
    EXPECT_EQ(g.Grid.GetCellFloat(1, 3), 2.5);
}

TEST(CellAccessors, IndicesOutsideTheGridAreHarmless) {
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

TEST(GridGrowth, RowsKeepTheirValuesAndNewRowsAreEmpty) {
    TOneColumn g(ckText);
    g.Grid.SetCellString(1, 1, "a");
    g.Grid.SetCellString(1, 3, "c");
    g.Grid.SetCountRows(100);
    EXPECT_EQ(g.Grid.GetCellString(1, 1), "a");
    EXPECT_EQ(g.Grid.GetCellString(1, 3), "c");
    EXPECT_EQ(g.Grid.Cell(1, 100), TValue());
    g.Grid.SetCountRows(2);
    g.Grid.SetCountRows(3);
    EXPECT_EQ(g.Grid.Cell(1, 3), TValue()); // a row cut off comes back empty
    g.Grid.SetCountRows(-5);
    EXPECT_EQ(g.Grid.CountRows(), 3);
}

TEST(GridGrowth, NewColumnsAreZeroUntilTheOwnerFillsThem) {
    TOneColumn g(ckText);
    g.Grid.Column(1).Width = 50;
    g.Grid.SetCellString(1, 2, "kept");
    g.Grid.SetColCount(3);
    ASSERT_EQ(g.Grid.Columns().size(), 4u);
    EXPECT_EQ(g.Grid.Column(1).Width, 50);
    EXPECT_EQ(g.Grid.GetCellString(1, 2), "kept");
    for (int32_t x : {2, 3}) {
        EXPECT_EQ(g.Grid.Column(x), TGridColumn());
        EXPECT_FALSE(g.Grid.CellEnabled(x, 1));
        EXPECT_EQ(g.Grid.Cell(x, 3), TValue());
    }
    g.Grid.Column(2).Width = 70;
    g.Grid.Column(3).Width = 30;
    g.Grid.UpdateColumnPositions();
    EXPECT_EQ(g.Grid.Column(2).Left, 50);
    EXPECT_EQ(g.Grid.Column(2).Right, 120);
    EXPECT_EQ(g.Grid.Column(3).Right, 150);
    EXPECT_EQ(g.Grid.Column(0).Right, 0);
}

TEST(GridGrowth, HugeWidthsDoNotOverflowPositions) {
    TGridModel grid;
    grid.SetColCount(3);
    for (int32_t x = 1; x <= 3; ++x)
        grid.Column(x).Width = INT32_MAX;
    grid.UpdateColumnPositions();
    EXPECT_EQ(grid.Column(3).Left, INT32_MAX);
    EXPECT_EQ(grid.Column(3).Right, INT32_MAX);
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
    EXPECT_EQ(grid.Col, 3);
    EXPECT_EQ(grid.Columns().size(), 1u);
    EXPECT_EQ(grid.GetCellText(grid.Col, grid.Row), "");
}

TEST(GridCursor, SelectionIsAnAnchorAndAnEnd) {
    TGridModel grid;
    grid.Col = 4;
    grid.Row = 2;
    grid.ResetSelection();
    EXPECT_FALSE(grid.IsRangeSelected());
    grid.Selection = {4, 2, 1, 7};
    EXPECT_FALSE(grid.IsRangeSelected()); // the anchor is still the cursor
    grid.Col = 1;
    grid.Row = 7;
    EXPECT_TRUE(grid.IsRangeSelected());
    EXPECT_EQ(grid.ActiveCol(), 4);
    EXPECT_EQ(grid.ActiveRow(), 2);
    EXPECT_EQ(grid.Selection.Ordered(), (TGridRect{1, 2, 4, 7}));
    EXPECT_TRUE(grid.Selection.Contains(1, 7));
    EXPECT_FALSE(grid.Selection.Contains(5, 2));
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
}

TEST(GridEvents, ChangeCellPassesThroughOnCellChanging) {
    TOneColumn g(ckInteger);
    int changes = 0;
    g.Grid.OnChange = [&](TGridModel&) { ++changes; };
    g.Grid.OnCellChanging = [](TGridModel&, int32_t, int32_t y, TValue& value, bool& change) {
        EXPECT_TRUE(change);
        if (y == 1)
            value.I *= 10;
        else
            change = false;
    };
    EXPECT_TRUE(g.Grid.ChangeCell(1, 1, Value("", 0, 4)));
    EXPECT_FALSE(g.Grid.ChangeCell(1, 2, Value("", 0, 4)));
    EXPECT_EQ(g.Grid.Cell(1, 1).I, 40);
    EXPECT_EQ(g.Grid.Cell(1, 2).I, 0);
    EXPECT_EQ(changes, 0);
    g.Grid.Changed();
    EXPECT_EQ(changes, 1);
}

TEST(GridHooks, AccessorsCommitEditorsAndChangesRepaint) {
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
    EXPECT_EQ(grid.Repaints, before + 3);
    // Unchanged values and sizes out of bounds are not stored and repaint nothing.
    grid.SetExtendWrite(true);
    grid.SetRowHeight(30);
    grid.SetRowHeight(0);
    grid.SetHeadingWidth(-1);
    grid.SetCountRows(grid.CountRows());
    EXPECT_EQ(grid.Repaints, before + 3);
    EXPECT_EQ(grid.RowHeight(), 30);
    EXPECT_EQ(grid.HeadingWidth(), 30);
}

} // namespace
