#include "controls/grid/GridClipboard.h"
#include "controls/grid/GridKeys.h"
#include "controls/grid/GridModel.h"
#include "controls/grid/GridRowMove.h"

#include <gtest/gtest.h>

namespace {

class TTestClipboard : public IGridClipboard {
public:
    std::string Content;
    int Writes = 0;
    std::string Text() override { return Content; }
    void SetText(const std::string& text) override {
        Content = text;
        ++Writes;
    }
};

// `cols` enabled columns of one kind and `rows` rows, cells named by place.
struct TGrid {
    TGridModel Grid;
    TTestClipboard Clipboard;
    int Changes = 0;

    TGrid(int32_t cols, int32_t rows, uint8_t kind = ckText) {
        Grid.SetColCount(cols);
        Grid.SetCountRows(rows);
        for (int32_t x = 1; x <= cols; ++x) {
            Grid.Column(x).Kind = kind;
            Grid.Column(x).Enabled = true;
            Grid.Column(x).Width = 50;
        }
        Grid.UpdateColumnPositions();
        Grid.OnChange = [this](TGridModel&) { ++Changes; };
    }
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
    std::string S(int32_t x, int32_t y) { return Grid.GetCellString(x, y); }
};

// What one key press did to a 3 x 3 grid whose cursor stands at (2, 2)
// with "v" in it and "clip" on the clipboard.
struct TKeyCase {
    TGridKey Key;
    TShiftState Shift;
    bool Moved;
    bool Copied;
    bool Pasted;
    bool Cleared;
    bool Editor;
};

class KeyMapTest : public testing::TestWithParam<TKeyCase> {};

TEST_P(KeyMapTest, DoesWhatTheKeyMapSays) {
    const TKeyCase& c = GetParam();
    TGrid g(3, 3);
    g.Grid.Col = 2;
    g.Grid.Row = 2;
    g.Grid.ResetSelection();
    g.Grid.SetCellString(2, 2, "v");
    g.Clipboard.Content = "clip\r\n";
    const TGridKeyOutcome outcome = g.Key(c.Key, c.Shift);
    const bool moved = g.Grid.Col != 2 || g.Grid.Row != 2;
    EXPECT_EQ(moved, c.Moved);
    EXPECT_EQ(g.Clipboard.Content == "v\r\n", c.Copied);
    EXPECT_EQ(g.S(2, 2) == "clip", c.Pasted);
    EXPECT_EQ(g.S(2, 2).empty(), c.Cleared);
    EXPECT_EQ(outcome.ShowEditor, c.Editor);
}

constexpr TShiftState kNone = 0;
INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMapTest,
    testing::Values(TKeyCase{TGridKey::Right, kNone, true, false, false, false, false},
                    TKeyCase{TGridKey::Right, ssCtrl, true, false, false, false, false},
                    TKeyCase{TGridKey::Right, ssShift, true, false, false, false, false},
                    TKeyCase{TGridKey::Right, ssAlt, false, false, false, false, false},
                    TKeyCase{TGridKey::Home, kNone, true, false, false, false, false},
                    TKeyCase{TGridKey::PageUp, ssCtrl, false, false, false, false, false},
                    TKeyCase{TGridKey::Enter, kNone, false, false, false, false, true},
                    TKeyCase{TGridKey::F2, ssCtrl, false, false, false, false, true},
                    TKeyCase{TGridKey::Enter, ssAlt, false, false, false, false, false},
                    TKeyCase{TGridKey::C, ssCtrl, false, true, false, false, false},
                    TKeyCase{TGridKey::C, ssCtrl | ssShift, false, false, false, false, false},
                    TKeyCase{TGridKey::C, kNone, false, false, false, false, false},
                    TKeyCase{TGridKey::Insert, ssCtrl, false, true, false, false, false},
                    TKeyCase{TGridKey::Insert, ssShift, false, false, true, false, false},
                    TKeyCase{TGridKey::V, ssCtrl, false, false, true, false, false},
                    TKeyCase{TGridKey::V, ssCtrl | ssAlt, false, false, false, false, false},
                    TKeyCase{TGridKey::X, ssCtrl, false, true, false, true, false},
                    TKeyCase{TGridKey::X, ssCtrl | ssShift, false, true, false, true, false},
                    TKeyCase{TGridKey::X, ssCtrl | ssAlt, false, true, false, true, false},
                    TKeyCase{TGridKey::X, kNone, false, false, false, false, false},
                    TKeyCase{TGridKey::Delete, kNone, false, false, false, true, false},
                    TKeyCase{TGridKey::Delete, ssCtrl, false, false, false, true, false},
                    TKeyCase{TGridKey::Delete, ssShift, false, true, false, true, false},
                    TKeyCase{TGridKey::Delete, ssAlt, false, false, false, false, false},
                    TKeyCase{TGridKey::Other, ssCtrl, false, false, false, false, false}));

TEST(GridKeys, ShiftExtendsAndAPlainMoveCollapsesToTheAnchor) {
    TGrid g(5, 5);
    g.Grid.Col = 2;
    g.Grid.Row = 2;
    g.Grid.ResetSelection();
    g.Key(TGridKey::Right, ssShift);
    g.Key(TGridKey::Right, ssShift);
    EXPECT_EQ(g.Grid.Selection, (TGridRect{2, 2, 4, 2}));
    EXPECT_TRUE(g.Grid.IsRangeSelected());
    g.Key(TGridKey::Left);
    EXPECT_EQ(g.Grid.Col, 1);
    EXPECT_EQ(g.Grid.Row, 2);
    EXPECT_EQ(g.Grid.Selection, (TGridRect{1, 2, 1, 2}));
}

TEST(GridKeys, MovesStayInsideTheGrid) {
    TGrid g(3, 50);
    g.Grid.TopRow = 1;
    g.Grid.LastRow = 20;
    g.Key(TGridKey::Up);
    g.Key(TGridKey::Left);
    EXPECT_EQ(g.Grid.Col, 1);
    EXPECT_EQ(g.Grid.Row, 1);
    g.Key(TGridKey::PageDown);
    EXPECT_EQ(g.Grid.Row, 20);
    g.Key(TGridKey::Down, ssCtrl);
    EXPECT_EQ(g.Grid.Row, 50);
    g.Key(TGridKey::PageDown);
    EXPECT_EQ(g.Grid.Row, 50); // the last page goes no further
    g.Key(TGridKey::End);
    EXPECT_EQ(g.Grid.Col, 3);
    g.Key(TGridKey::Home);
    EXPECT_EQ(g.Grid.Col, 1);
    g.Key(TGridKey::Right, ssCtrl);
    EXPECT_EQ(g.Grid.Col, 3);
}

TEST(GridKeys, CtrlPageDownDoesNotMoveButCollapsesARange) {
    TGrid g(3, 50);
    g.Grid.TopRow = 1;
    g.Grid.LastRow = 20;
    g.Select(1, 3, 2, 5);
    g.Key(TGridKey::PageDown, ssCtrl);
    EXPECT_EQ(g.Grid.Col, 1);
    EXPECT_EQ(g.Grid.Row, 3);
    EXPECT_FALSE(g.Grid.IsRangeSelected());
}

TEST(GridKeys, NothingHappensWithoutRows) {
    TGrid g(3, 0);
    g.Grid.Col = 2;
    EXPECT_FALSE(g.Key(TGridKey::Enter).ShowEditor);
    g.Key(TGridKey::Right);
    EXPECT_EQ(g.Grid.Col, 2);
    g.Key(TGridKey::C, ssCtrl);
    EXPECT_EQ(g.Clipboard.Writes, 0);
}

TEST(GridKeys, EnterAndF2OpenTheEditorOnlyWhenEditingIsOn) {
    TGrid g(2, 2);
    EXPECT_TRUE(g.Key(TGridKey::Enter).ShowEditor);
    EXPECT_TRUE(g.Key(TGridKey::Enter, ssCtrl).ShowEditor);
    EXPECT_TRUE(g.Key(TGridKey::F2, ssShift).ShowEditor);
    EXPECT_FALSE(g.Key(TGridKey::Enter, ssAlt).ShowEditor);
    g.Grid.SetEditorEnabled(false);
    EXPECT_FALSE(g.Key(TGridKey::Enter).ShowEditor);
}

TEST(GridKeys, CopyCutPasteAndDelete) {
    TGrid g(2, 2);
    g.Fill();
    g.Select(1, 1, 2, 1);
    g.Key(TGridKey::C, ssCtrl);
    EXPECT_EQ(g.Clipboard.Content, "a1\tb1\r\n");
    EXPECT_EQ(g.S(1, 1), "a1");

    g.Key(TGridKey::X, ssCtrl);
    EXPECT_EQ(g.S(1, 1), "");
    EXPECT_EQ(g.S(2, 1), "");
    EXPECT_EQ(g.Changes, 1);

    g.Select(1, 2, 1, 2);
    g.Clipboard.Content = "pasted\r\n";
    g.Key(TGridKey::Insert, ssShift);
    EXPECT_EQ(g.S(1, 2), "pasted");

    g.Clipboard.Content.clear();
    g.Key(TGridKey::Delete, ssShift); // cut
    EXPECT_EQ(g.Clipboard.Content, "pasted\r\n");
    EXPECT_EQ(g.S(1, 2), "");

    g.Grid.SetCellString(2, 2, "kept");
    g.Select(2, 2, 2, 2);
    g.Clipboard.Content.clear();
    g.Key(TGridKey::Delete, ssCtrl); // clears without copying
    EXPECT_EQ(g.S(2, 2), "");
    EXPECT_EQ(g.Clipboard.Content, "");

    g.Grid.SetCellString(2, 2, "x");
    g.Key(TGridKey::X, ssCtrl | ssShift); // copies here only, then clears
    EXPECT_EQ(g.Clipboard.Content, "x\r\n");
    EXPECT_EQ(g.S(2, 2), "");
}

TEST(GridKeys, ClipboardAndEditingSwitches) {
    TGrid g(1, 1);
    g.Grid.SetCellString(1, 1, "v");
    g.Grid.SetDisableClipboard(true);
    g.Key(TGridKey::X, ssCtrl);
    EXPECT_EQ(g.Clipboard.Writes, 0);
    EXPECT_EQ(g.S(1, 1), ""); // cut then only clears
    g.Grid.SetDisableClipboard(false);
    g.Grid.SetCellString(1, 1, "v");
    g.Grid.SetEditorEnabled(false);
    g.Clipboard.Content = "w\r\n";
    g.Key(TGridKey::V, ssCtrl);
    g.Key(TGridKey::Delete);
    EXPECT_EQ(g.S(1, 1), "v");
}

TEST(GridClipboard, CopyQuotesMultiLineCellsAndPasteRestoresThem) {
    TGrid g(2, 2);
    g.Grid.SetCellString(1, 1, "a");
    g.Grid.SetCellString(2, 1, "b");
    g.Grid.SetCellString(1, 2, "c");
    g.Grid.SetCellString(2, 2, "x\ny");
    g.Select(1, 1, 2, 2);
    const std::string copied = GridCopyText(g.Grid);
    EXPECT_EQ(copied, "a\tb\r\nc\t\"x\ny\"\r\n");

    TGrid h(2, 2);
    GridPasteText(h.Grid, copied);
    EXPECT_EQ(h.S(1, 1), "a");
    EXPECT_EQ(h.S(2, 1), "b");
    EXPECT_EQ(h.S(1, 2), "c");
    EXPECT_EQ(h.S(2, 2), "x\ny");
}

TEST(GridClipboard, OneCellFillsASelectedRange) {
    TGrid g(3, 3, ckInteger);
    g.Select(1, 1, 3, 3);
    GridPasteText(g.Grid, "1\r\n");
    for (int32_t x = 1; x <= 3; ++x)
        for (int32_t y = 1; y <= 3; ++y)
            EXPECT_EQ(g.Grid.GetCellInteger(x, y), 1) << x << "," << y;
}

TEST(GridClipboard, ABlockRepeatsAcrossAndDown) {
    TGrid g(5, 7);
    g.Select(2, 2, 5, 7);
    GridPasteText(g.Grid, "p\tq\r\nr\ts\r\n");
    const char* expected[6] = {"pqpq", "rsrs", "pqpq", "rsrs", "pqpq", "rsrs"};
    for (int32_t y = 2; y <= 7; ++y) {
        std::string row;
        for (int32_t x = 2; x <= 5; ++x)
            row += g.S(x, y);
        EXPECT_EQ(row, expected[y - 2]) << "row " << y;
    }
    EXPECT_EQ(g.S(1, 2), "");
}

TEST(GridClipboard, FieldsBeyondTheGridAreDropped) {
    TGrid g(3, 2);
    g.Grid.Col = 2;
    g.Grid.ResetSelection();
    GridPasteText(g.Grid, "1\t2\t3\t4\r\n5\r\n6\r\n7\r\n");
    EXPECT_EQ(g.S(2, 1), "1");
    EXPECT_EQ(g.S(3, 1), "2");
    EXPECT_EQ(g.S(2, 2), "5");
    EXPECT_EQ(g.S(1, 1), "");
}

TEST(GridClipboard, PasteGoesThroughVetoesEnabledCellsAndNumbers) {
    TGrid g(3, 1, ckInteger);
    g.Grid.SetCellInteger(1, 1, 7);
    g.Grid.SetCellInteger(3, 1, 9);
    g.Grid.OnCellEnabled = [](TGridModel&, int32_t x, int32_t, bool& enabled) { enabled = x != 3; };
    g.Grid.OnCellChanging = [](TGridModel&, int32_t x, int32_t, TValue& value, bool& change) {
        change = x != 2;
        value.I += 100;
    };
    GridPasteText(g.Grid, "nan\t5\t6");
    EXPECT_EQ(g.Grid.GetCellInteger(1, 1), 107); // a non-number keeps the value
    EXPECT_EQ(g.Grid.GetCellInteger(2, 1), 0);   // vetoed
    EXPECT_EQ(g.Grid.GetCellInteger(3, 1), 9);   // disabled
}

TEST(GridClipboard, EmptyAndZeroTerminatedTexts) {
    TGrid g(2, 1);
    g.Grid.SetCellString(1, 1, "keep");
    GridPasteText(g.Grid, std::string());
    EXPECT_EQ(g.S(1, 1), "keep");
    GridPasteText(g.Grid, std::string("new\0junk\tmore", 13));
    EXPECT_EQ(g.S(1, 1), "new");
    EXPECT_EQ(g.S(2, 1), "");
}

TEST(GridClipboard, OddAndHugeTextsStopAtTheGridsLimits) {
    TGrid g(3, 4);
    GridPasteText(g.Grid, "\"");
    EXPECT_EQ(g.S(1, 1), "\"");
    GridPasteText(g.Grid, "a\tb"); // no final CR LF
    EXPECT_EQ(g.S(1, 1), "a");
    EXPECT_EQ(g.S(2, 1), "b");
    GridPasteText(g.Grid, "\"x\ny\"z\"\r\n"); // only the first quotes are taken off
    EXPECT_EQ(g.S(1, 1), "x\ny\"z\"");

    std::string huge;
    for (int i = 0; i < 100000; ++i)
        huge += std::string(90, 'q') + "\t" + std::to_string(i) + "\r\n";
    ASSERT_GT(huge.size(), 9000000u);
    g.Select(1, 1, 3, 4);
    GridPasteText(g.Grid, huge);
    EXPECT_EQ(g.S(2, 4), "3");
    EXPECT_EQ(g.S(3, 4), std::string(90, 'q')); // filled across from the first column
    g.Grid.Col = 1;
    g.Grid.Row = 1;
    g.Grid.ResetSelection();
    GridPasteText(g.Grid, huge);
    EXPECT_EQ(g.S(2, 4), "3");
}

TEST(GridClipboard, ExternalCellsAreClearedByTheOwner) {
    TGrid g(2, 1);
    g.Grid.Column(2).Kind = ckExternal;
    g.Grid.SetCellString(1, 1, "t");
    int deletes = 0;
    g.Grid.OnExternalDelete = [&](TGridModel&, int32_t x, int32_t y) {
        EXPECT_EQ(x, 2);
        EXPECT_EQ(y, 1);
        ++deletes;
    };
    g.Select(1, 1, 2, 1);
    GridClearSelection(g.Grid);
    EXPECT_EQ(g.S(1, 1), "");
    EXPECT_EQ(deletes, 1);
}

TEST(GridRowMove, BlockDroppedFurtherDown) {
    TGrid g(2, 8);
    g.Fill();
    g.Select(1, 2, 1, 3);
    auto order = MoveGridRows(g.Grid, 2, 3, 6);
    EXPECT_EQ(order, (std::vector<int32_t>{1, 4, 5, 2, 3, 6, 7, 8}));
    EXPECT_EQ(g.S(1, 4), "a2");
    EXPECT_EQ(g.S(2, 5), "b3");
    EXPECT_EQ(g.S(1, 2), "a4");
    EXPECT_EQ(g.Grid.Selection.Top, 4);
    EXPECT_EQ(g.Grid.Selection.Bottom, 5);
    EXPECT_EQ(g.Grid.Row, 5);
}

TEST(GridRowMove, BlockDroppedFurtherUp) {
    TGrid g(1, 6);
    g.Fill();
    g.Select(1, 4, 1, 5);
    auto order = MoveGridRows(g.Grid, 4, 5, 1);
    EXPECT_EQ(order, (std::vector<int32_t>{4, 5, 1, 2, 3, 6}));
    EXPECT_EQ(g.S(1, 1), "a4");
    EXPECT_EQ(g.S(1, 3), "a1");
    EXPECT_EQ(g.Grid.Selection.Top, 1);
    EXPECT_EQ(g.Grid.Selection.Bottom, 2);
}

TEST(GridRowMove, DropsInsideTheBlockOrOutOfRangeMoveNothing) {
    TGrid g(1, 6);
    g.Fill();
    EXPECT_TRUE(MoveGridRows(g.Grid, 2, 4, 3).empty());
    EXPECT_TRUE(MoveGridRows(g.Grid, 2, 4, 5).empty()); // before the row after the block
    EXPECT_TRUE(MoveGridRows(g.Grid, 0, 4, 6).empty());
    EXPECT_TRUE(MoveGridRows(g.Grid, 2, 7, 1).empty());
    EXPECT_TRUE(MoveGridRows(g.Grid, 2, 3, 8).empty());
    EXPECT_EQ(g.S(1, 2), "a2");
    EXPECT_EQ(MoveGridRows(g.Grid, 1, 1, 7).size(), 6u); // to the very end
    EXPECT_EQ(g.S(1, 6), "a1");
}

} // namespace
