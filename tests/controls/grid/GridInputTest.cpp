#include "GridTestSupport.h"
#include "controls/grid/GridClipboard.h"
#include "controls/grid/GridKeys.h"
#include "controls/grid/GridRowMove.h"
#include "support/MemoryClipboard.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// `cols` enabled columns of one kind and `rows` rows; counts OnChange.
struct TGrid {
    TGridModel Grid;
    TMemoryClipboard Clipboard;
    int Changes = 0;

    TGrid(int32_t cols, int32_t rows, uint8_t kind = ckText) {
        SetUpColumns(Grid, cols, rows, kind);
        Grid.OnChange = [this](TGridModel&) { ++Changes; };
    }
    // Cells named by place: "a1", "b1", ...
    void Fill() {
        for (int32_t x = 1; x <= Grid.ColCount(); ++x)
            for (int32_t y = 1; y <= Grid.CountRows(); ++y)
                Grid.SetCellString(x, y, std::string(1, static_cast<char>('a' + x - 1)) + std::to_string(y));
    }
    void Select(int32_t left, int32_t top, int32_t right, int32_t bottom) {
        Grid.Selection = {left, top, right, bottom};
        Grid.Col = right;
        Grid.Row = bottom;
    }
    TGridKeyOutcome Key(TGridKey key, TShiftState shift = 0) { return HandleGridKey(Grid, key, shift, Clipboard); }
    // The cursor as column * 100 + row after each key, joined by spaces.
    std::string Walk(std::initializer_list<std::pair<TGridKey, TShiftState>> keys) {
        std::string at;
        for (auto [key, shift] : keys) {
            Key(key, shift);
            at += (at.empty() ? "" : " ") + std::to_string(Grid.Col * 100 + Grid.Row);
        }
        return at;
    }
    std::string S(int32_t x, int32_t y) { return Grid.GetCellString(x, y); }
};

// What one key press did to a 3 x 3 grid whose cursor stands at (2, 2) with
// "v" in it and "clip" on the clipboard: Moved, Copied, Pasted, cleared (X), Editor.
struct TKeyCase {
    TGridKey Key;
    TShiftState Shift;
    std::string Effects;
};

class GridKeyMap : public testing::TestWithParam<TKeyCase> {};

TEST_P(GridKeyMap, DoesWhatTheKeyMapSays) {
    const TKeyCase& c = GetParam();
    TGrid g(3, 3);
    g.Select(2, 2, 2, 2);
    g.Grid.SetCellString(2, 2, "v");
    g.Clipboard.Content = "clip\r\n";
    std::string effects = g.Key(c.Key, c.Shift).ShowEditor ? "E" : "";
    if (g.Grid.Col != 2 || g.Grid.Row != 2)
        effects = "M" + effects;
    if (g.Clipboard.Content == "v\r\n")
        effects += "C";
    if (g.S(2, 2) == "clip")
        effects += "P";
    if (g.S(2, 2).empty())
        effects += "X";
    EXPECT_EQ(effects, c.Effects) << "key " << int(c.Key) << " shift " << int(c.Shift);
}

INSTANTIATE_TEST_SUITE_P(Keys, GridKeyMap,
                         testing::Values(TKeyCase{TGridKey::Right, 0, "M"}, TKeyCase{TGridKey::Right, ssCtrl, "M"},
                                         TKeyCase{TGridKey::Right, ssShift, "M"}, TKeyCase{TGridKey::Right, ssAlt, ""},
                                         TKeyCase{TGridKey::Home, 0, "M"}, TKeyCase{TGridKey::PageUp, ssCtrl, ""},
                                         TKeyCase{TGridKey::Enter, 0, "E"}, TKeyCase{TGridKey::Enter, ssCtrl, "E"},
                                         TKeyCase{TGridKey::F2, ssCtrl, "E"}, TKeyCase{TGridKey::F2, ssShift, "E"},
                                         TKeyCase{TGridKey::Enter, ssAlt, ""}, TKeyCase{TGridKey::C, ssCtrl, "C"},
                                         TKeyCase{TGridKey::C, ssCtrl | ssShift, ""}, TKeyCase{TGridKey::C, 0, ""},
                                         TKeyCase{TGridKey::Insert, ssCtrl, "C"},
                                         TKeyCase{TGridKey::Insert, ssShift, "P"}, TKeyCase{TGridKey::V, ssCtrl, "P"},
                                         TKeyCase{TGridKey::V, ssCtrl | ssAlt, ""}, TKeyCase{TGridKey::X, ssCtrl, "CX"},
                                         TKeyCase{TGridKey::X, ssCtrl | ssShift, "CX"},
                                         TKeyCase{TGridKey::X, ssCtrl | ssAlt, "CX"}, TKeyCase{TGridKey::X, 0, ""},
                                         TKeyCase{TGridKey::Delete, 0, "X"}, TKeyCase{TGridKey::Delete, ssCtrl, "X"},
                                         TKeyCase{TGridKey::Delete, ssShift, "CX"},
                                         TKeyCase{TGridKey::Delete, ssAlt, ""}, TKeyCase{TGridKey::Other, ssCtrl, ""},
                                         TKeyCase{TGridKey::Tab, 0, "M"}, TKeyCase{TGridKey::Tab, ssShift, "M"},
                                         TKeyCase{TGridKey::Tab, ssCtrl, ""}, TKeyCase{TGridKey::Tab, ssAlt, ""}));

TEST(GridKeys, MovesStayInsideTheGrid) {
    TGrid g(3, 50);
    g.Grid.TopRow = 1;
    g.Grid.LastRow = 20;
    // The last page goes no further.
    EXPECT_EQ(g.Walk({{TGridKey::Up, 0},
                      {TGridKey::Left, 0},
                      {TGridKey::PageDown, 0},
                      {TGridKey::Down, ssCtrl},
                      {TGridKey::PageDown, 0},
                      {TGridKey::End, 0},
                      {TGridKey::Home, 0},
                      {TGridKey::Right, ssCtrl}}),
              "101 101 120 150 150 350 150 350");
    // Ctrl+PageDown does not move, but collapses a range.
    g.Select(1, 3, 2, 5);
    EXPECT_EQ(g.Walk({{TGridKey::PageDown, ssCtrl}}), "103");
    EXPECT_FALSE(g.Grid.IsRangeSelected());
    EXPECT_EQ(g.Walk({{TGridKey::PageUp, ssCtrl}}), "103");
    // Shift extends from the anchor; a plain move goes on from the anchor.
    g.Select(2, 2, 2, 2);
    g.Key(TGridKey::Right, ssShift);
    g.Key(TGridKey::Right, ssShift);
    EXPECT_EQ(g.Grid.Selection, (TGridRect{2, 2, 3, 2}));
    EXPECT_TRUE(g.Grid.IsRangeSelected());
    g.Key(TGridKey::Left);
    EXPECT_EQ(g.Grid.Col * 100 + g.Grid.Row, 102);
    EXPECT_EQ(g.Grid.Selection, (TGridRect{1, 2, 1, 2}));
    g.Select(2, 49, 2, 49); // down to the last row as well
    g.Key(TGridKey::Down, ssShift);
    EXPECT_EQ(g.Grid.Selection, (TGridRect{2, 49, 2, 50}));
}

TEST(GridKeys, TabGoesOnAcrossTheRowsAndCtrlHomeAndCtrlEndToTheCorners) {
    TGrid g(3, 4);
    g.Select(2, 1, 3, 2);
    EXPECT_EQ(g.Walk({{TGridKey::Tab, 0}}), "103"); // from the cursor, on to the next row
    EXPECT_FALSE(g.Grid.IsRangeSelected());
    // The last cell goes no further.
    EXPECT_EQ(g.Walk({{TGridKey::Tab, ssShift},
                      {TGridKey::End, ssCtrl},
                      {TGridKey::Tab, 0},
                      {TGridKey::Home, ssCtrl | ssShift}}),
              "302 304 304 101");
    EXPECT_EQ(g.Grid.Selection, (TGridRect{3, 4, 1, 1}));
    EXPECT_EQ(g.Walk({{TGridKey::Tab, ssShift}}), "101");
    // A grid only looked at leaves Tab to the window.
    g.Grid.SetEditorEnabled(false);
    EXPECT_FALSE(g.Key(TGridKey::Tab).Handled);
    EXPECT_EQ(g.Grid.Col * 100 + g.Grid.Row, 101);
}

TEST(GridKeys, ClipboardAndEditingSwitches) {
    TGrid g(1, 1);
    g.Grid.SetCellString(1, 1, "v");
    g.Grid.SetDisableClipboard(true);
    g.Key(TGridKey::X, ssCtrl);
    EXPECT_EQ(g.Clipboard.Writes, 0);
    EXPECT_EQ(g.S(1, 1), ""); // cut then only clears
    g.Clipboard.Content = "w\r\n";
    g.Key(TGridKey::V, ssCtrl);
    EXPECT_EQ(g.S(1, 1), ""); // and paste does nothing
    g.Grid.SetDisableClipboard(false);
    g.Grid.SetCellString(1, 1, "v");
    g.Grid.SetEditorEnabled(false);
    g.Clipboard.Content = "w\r\n";
    g.Key(TGridKey::V, ssCtrl);
    g.Key(TGridKey::Delete);
    EXPECT_EQ(g.S(1, 1), "v");
    EXPECT_FALSE(g.Key(TGridKey::Enter).ShowEditor);

    TGrid empty(3, 0); // nothing happens without rows
    empty.Grid.Col = 2;
    EXPECT_FALSE(empty.Key(TGridKey::Enter).ShowEditor);
    empty.Key(TGridKey::Right);
    empty.Key(TGridKey::C, ssCtrl);
    EXPECT_EQ(empty.Grid.Col, 2);
    EXPECT_EQ(empty.Clipboard.Writes, 0);
}

TEST(GridClipboard, CopyQuotesMultiLineCellsAndPasteRestoresThem) {
    TGrid g(2, 2);
    g.Fill();
    g.Grid.SetCellString(2, 2, "x\ny");
    g.Select(1, 1, 2, 2);
    const std::string copied = GridCopyText(g.Grid);
    EXPECT_EQ(copied, "a1\tb1\r\na2\t\"x\ny\"\r\n");
    TGrid h(2, 2);
    GridPasteText(h.Grid, copied);
    EXPECT_EQ(h.S(1, 1) + "|" + h.S(2, 1) + "|" + h.S(1, 2) + "|" + h.S(2, 2), "a1|b1|a2|x\ny");
}

TEST(GridClipboard, OneCellOrABlockRepeatsAcrossTheSelectedRange) {
    TGrid one(3, 3, ckInteger);
    one.Select(1, 1, 3, 3);
    GridPasteText(one.Grid, "1\r\n");
    for (int32_t x = 1; x <= 3; ++x)
        for (int32_t y = 1; y <= 3; ++y)
            EXPECT_EQ(one.Grid.GetCellInteger(x, y), 1) << x << "," << y;

    TGrid g(5, 7);
    g.Select(2, 2, 5, 7);
    GridPasteText(g.Grid, "p\tq\r\nr\ts\r\n");
    for (int32_t y = 2; y <= 7; ++y) {
        std::string row;
        for (int32_t x = 1; x <= 5; ++x)
            row += g.S(x, y);
        EXPECT_EQ(row, y % 2 ? "rsrs" : "pqpq") << "row " << y;
    }
}

TEST(GridClipboard, FieldsBeyondTheGridAreDroppedAndPasteGoesThroughTheOwner) {
    TGrid g(3, 2);
    g.Select(2, 1, 2, 1);
    GridPasteText(g.Grid, "1\t2\t3\t4\r\n5\r\n6\r\n7\r\n");
    EXPECT_EQ(g.S(1, 1) + "|" + g.S(2, 1) + "|" + g.S(3, 1) + "|" + g.S(2, 2), "|1|2|5");
    // Paste goes through vetoes, enabled cells and numbers.
    TGrid h(3, 1, ckInteger);
    h.Grid.SetCellInteger(1, 1, 7);
    h.Grid.SetCellInteger(3, 1, 9);
    h.Grid.OnCellEnabled = [](TGridModel&, int32_t x, int32_t, bool& enabled) { enabled = x != 3; };
    h.Grid.OnCellChanging = [](TGridModel&, int32_t x, int32_t, TValue& value, bool& change) {
        change = x != 2;
        value.I += 100;
    };
    GridPasteText(h.Grid, "nan\t5\t6");
    EXPECT_EQ(h.Grid.GetCellInteger(1, 1), 107); // a non-number keeps the value
    EXPECT_EQ(h.Grid.GetCellInteger(2, 1), 0);   // vetoed
    EXPECT_EQ(h.Grid.GetCellInteger(3, 1), 9);   // disabled
}

TEST(GridClipboard, OddEmptyZeroTerminatedAndHugeTexts) {
    TGrid g(3, 4);
    g.Grid.SetCellString(1, 1, "keep");
    GridPasteText(g.Grid, std::string());
    EXPECT_EQ(g.S(1, 1), "keep");
    GridPasteText(g.Grid, std::string("new\0junk\tmore", 13));
    EXPECT_EQ(g.S(1, 1) + "|" + g.S(2, 1), "new|");
    GridPasteText(g.Grid, "\"");
    EXPECT_EQ(g.S(1, 1), "\"");
    GridPasteText(g.Grid, "a\tb"); // no final CR LF
    EXPECT_EQ(g.S(1, 1) + g.S(2, 1), "ab");
    GridPasteText(g.Grid, "\"x\ny\"z\"\r\n"); // only the first quotes are taken off
    EXPECT_EQ(g.S(1, 1), "x\ny\"z\"");

    std::string huge;
    for (int i = 0; i < 100000; ++i)
        huge += std::string(90, 'q') + "\t" + std::to_string(i) + "\r\n";
    g.Select(1, 1, 3, 4);
    GridPasteText(g.Grid, huge);
    EXPECT_EQ(g.S(2, 4), "3");
    EXPECT_EQ(g.S(3, 4), std::string(90, 'q')); // filled across from the first column
    g.Select(1, 1, 1, 1);
    GridPasteText(g.Grid, huge);
    EXPECT_EQ(g.S(2, 4), "3");
}

TEST(GridClipboard, PasteRowCountIsHowFarAPasteReaches) {
    const struct {
        std::string Text;
        int32_t Rows;
    } cases[] = {{"", 0},
                 {"a", 1},
                 {"a\r\n", 1},
                 {"a\r\nb", 2},
                 {"a\r\n\r\nb\r\n", 3},
                 {"a\nb\rc", 1},
                 {std::string("x\0\r\ny", 5), 1},
                 {"\r\n", 1},
                 {"\"q\nq\"\tz\r\n2\r\n", 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(GridPasteRowCount(c.Text), c.Rows) << c.Text;
        TGrid g(2, 10);
        g.Grid.TakeChangedRows();
        GridPasteText(g.Grid, c.Text);
        const std::vector<int32_t> rows = g.Grid.TakeChangedRows().Rows;
        EXPECT_EQ(rows.empty() ? 0 : *std::max_element(rows.begin(), rows.end()), c.Rows) << c.Text;
    }
}

TEST(GridClipboard, ExternalCellsAreClearedByTheOwner) {
    TGrid g(2, 1);
    g.Grid.Column(2).Kind = ckExternal;
    g.Grid.SetCellString(1, 1, "t");
    std::vector<int32_t> deleted;
    g.Grid.OnExternalDelete = [&](TGridModel&, int32_t x, int32_t y) { deleted.push_back(x * 10 + y); };
    g.Select(1, 1, 2, 1);
    GridClearSelection(g.Grid);
    EXPECT_EQ(g.S(1, 1), "");
    EXPECT_EQ(deleted, std::vector<int32_t>{21});
    g.Grid.OnExternalDelete = nullptr; // an owner without a handler
    GridClearSelection(g.Grid);
    EXPECT_EQ(deleted.size(), 1u);
}

TEST(GridRowMove, BlocksMoveWithTheirSelectionAndBadDropsMoveNothing) {
    TGrid g(2, 8);
    g.Fill();
    g.Select(1, 2, 1, 3);
    EXPECT_EQ(MoveGridRows(g.Grid, 2, 3, 6), (std::vector<int32_t>{1, 4, 5, 2, 3, 6, 7, 8}));
    EXPECT_EQ(g.S(1, 4) + g.S(2, 5) + g.S(1, 2), "a2b3a4");
    EXPECT_EQ(g.Grid.Selection.Top * 10 + g.Grid.Selection.Bottom, 45);
    EXPECT_EQ(g.Grid.Row, 5);

    TGrid h(1, 6);
    h.Fill();
    h.Select(1, 4, 1, 5);
    EXPECT_EQ(MoveGridRows(h.Grid, 4, 5, 1), (std::vector<int32_t>{4, 5, 1, 2, 3, 6}));
    EXPECT_EQ(h.S(1, 1) + h.S(1, 3), "a4a1");
    EXPECT_EQ(h.Grid.Selection.Top * 10 + h.Grid.Selection.Bottom, 12);
    // Drops inside the block or out of range move nothing.
    TGrid k(1, 6);
    k.Fill();
    EXPECT_TRUE(MoveGridRows(k.Grid, 2, 4, 3).empty());
    EXPECT_EQ(MoveGridRows(k.Grid, 2, 4, 5), (std::vector<int32_t>{1, 2, 3, 4, 5, 6})); // right after: same order
    EXPECT_TRUE(MoveGridRows(k.Grid, 2, 4, 2).empty());
    EXPECT_TRUE(MoveGridRows(k.Grid, 0, 4, 6).empty());
    EXPECT_TRUE(MoveGridRows(k.Grid, 2, 7, 1).empty());
    EXPECT_TRUE(MoveGridRows(k.Grid, 2, 3, 8).empty());
    EXPECT_EQ(k.S(1, 2), "a2");
    EXPECT_EQ(MoveGridRows(k.Grid, 1, 1, 7).size(), 6u); // to the very end
    EXPECT_EQ(k.S(1, 6), "a1");
}

} // namespace
