#include "controls/grid/GridEditing.h"
#include "GridTestSupport.h"
#include "controls/grid/GridEditorPlacement.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

struct TEditCase {
    uint8_t Kind;
    TShiftState Shift;
    TEditAction Action;
};

class GridEditAction : public testing::TestWithParam<TEditCase> {};

TEST_P(GridEditAction, OpensWhatTheKindAndKeysAskFor) {
    const TEditCase& c = GetParam();
    EXPECT_EQ(EditActionFor(c.Kind, c.Shift), c.Action) << "kind " << int(c.Kind) << " shift " << int(c.Shift);
}

constexpr TShiftState kDoubleClick = ssLeft | ssDouble;

INSTANTIATE_TEST_SUITE_P(
    Kinds, GridEditAction,
    testing::Values(
        TEditCase{ckText, 0, TEditAction::LineEditor}, TEditCase{ckFloat, ssCtrl, TEditAction::LineEditor},
        TEditCase{ckInteger, kDoubleClick, TEditAction::LineEditor},
        TEditCase{ckMemo, ssShift, TEditAction::MemoEditor},
        // colours: typed or Enter edit the text, a click or Ctrl opens the dialog
        TEditCase{ckColor, 0, TEditAction::LineEditor}, TEditCase{ckColor, ssShift, TEditAction::LineEditor},
        TEditCase{ckColor, ssCtrl, TEditAction::ColorDialog},
        TEditCase{ckColor, kDoubleClick, TEditAction::ColorDialog}, TEditCase{ckCheck, 0, TEditAction::Toggle},
        TEditCase{ckCheck, kDoubleClick, TEditAction::Toggle},
        // lists and menus open plainly and step with modifiers
        TEditCase{ckList, 0, TEditAction::DropDownList}, TEditCase{ckList, kDoubleClick, TEditAction::DropDownList},
        TEditCase{ckList, ssLeft, TEditAction::DropDownList}, TEditCase{ckList, ssCtrl, TEditAction::Step},
        TEditCase{ckList, ssShift, TEditAction::Step}, TEditCase{ckMenu, 0, TEditAction::ListMenu},
        TEditCase{ckMenu, ssShift, TEditAction::Step}, TEditCase{ckMenu, ssLeft | ssShift, TEditAction::None},
        TEditCase{ckExternal, 0, TEditAction::External}, TEditCase{ckExternal, kDoubleClick, TEditAction::External},
        TEditCase{ckExternal, ssCtrl, TEditAction::None}, TEditCase{5, 0, TEditAction::None},
        TEditCase{0, 0, TEditAction::None}, TEditCase{12, kDoubleClick, TEditAction::None}));

class GridSteppedIndex : public testing::TestWithParam<std::tuple<int32_t, int32_t, bool, int32_t>> {};

TEST_P(GridSteppedIndex, WrapsAroundTheItems) {
    const auto [index, count, back, expected] = GetParam();
    EXPECT_EQ(SteppedIndex(index, count, back), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, GridSteppedIndex,
                         testing::Values(std::make_tuple(0, 6, false, 1), std::make_tuple(5, 6, false, 0),
                                         std::make_tuple(0, 6, true, 5), std::make_tuple(3, 6, true, 2),
                                         // an index outside the items comes back in
                                         std::make_tuple(40, 6, false, 0), std::make_tuple(-7, 6, true, 5),
                                         // no items: nothing to divide, "no item" stays out of range
                                         std::make_tuple(0, 0, false, 0), std::make_tuple(0, 0, true, -1),
                                         std::make_tuple(INT32_MAX, 6, false, 0),
                                         std::make_tuple(INT32_MIN, 6, true, 5)));

struct TEvalCase {
    std::string Text;
    TNumberLocale Locale;
    std::string Expected;
};

class GridEvaluatedText : public testing::TestWithParam<TEvalCase> {};

TEST_P(GridEvaluatedText, ReplacesAnExpressionByItsValueAndKeepsAnythingElse) {
    const TEvalCase& c = GetParam();
    EXPECT_EQ(EvaluatedText(c.Text, c.Locale), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, GridEvaluatedText,
                         testing::Values(TEvalCase{"2*3+1", kPoint, "7"}, TEvalCase{"7/2", kPoint, "3.5"},
                                         TEvalCase{"1,5", kComma, "1,5"}, TEvalCase{"1,5*2", kComma, "3"},
                                         // a failure keeps the typed text; which texts fail is the evaluator's
                                         TEvalCase{"1,5", kPoint, "1,5"}, TEvalCase{"1/0", kPoint, "1/0"}));

// One column of the given kind and four rows; counts OnChange.
struct TEditGrid {
    TGridModel Grid;
    int Changes = 0;

    explicit TEditGrid(uint8_t kind, int32_t items = 0) {
        SetUpColumns(Grid, 1, 4, kind, 100, items);
        Grid.Row = 2;
        Grid.ResetSelection();
        Grid.OnChange = [this](TGridModel&) { ++Changes; };
    }
    const TValue& Active() const { return Grid.Cell(1, 2); }
};

TEST(GridCommitText, NumbersAreEvaluatedInTheLocaleAndTextsKeptWhole) {
    TEditGrid g(ckInteger);
    g.Grid.EditCell(1, 2).I = 42;
    EXPECT_TRUE(CommitEditorText(g.Grid, "2*3+1"));
    EXPECT_EQ(g.Changes, 1);
    for (const char* kept : {"7/2", "no number"}) // 3.5 is no integer
        CommitEditorText(g.Grid, kept);
    EXPECT_EQ(g.Active().I, 7);

    TEditGrid f(ckFloat);
    f.Grid.SetNumberLocale(kComma);
    CommitEditorText(f.Grid, "1,5*3");
    EXPECT_DOUBLE_EQ(f.Active().F, 4.5);
    f.Grid.SetNumberLocale(kPoint);
    CommitEditorText(f.Grid, "1,5");
    EXPECT_DOUBLE_EQ(f.Active().F, 4.5) << "not a number with a point: the value stays";

    TEditGrid t(ckText);
    for (const std::string& text : {std::string(300, 'a'), std::string("2*3")}) {
        CommitEditorText(t.Grid, text);
        EXPECT_EQ(t.Active().S, text);
    }
}

TEST(GridCommitText, TheHandlerMayAlterOrVetoAndAShrunkGridStoresNothing) {
    TEditGrid g(ckText);
    g.Grid.EditCell(1, 2).S = "old";
    g.Grid.OnCellChanging = [](TGridModel&, int32_t, int32_t, TValue&, bool& change) { change = false; };
    EXPECT_FALSE(CommitEditorText(g.Grid, "new"));
    EXPECT_EQ(g.Active().S, "old");
    EXPECT_EQ(g.Changes, 0);
    int32_t seen = 0;
    g.Grid.OnCellChanging = [&](TGridModel&, int32_t x, int32_t y, TValue& value, bool&) {
        seen = x * 10 + y;
        value.S += "!";
    };
    CommitEditorText(g.Grid, "new");
    EXPECT_EQ(g.Active().S, "new!");
    EXPECT_EQ(seen, 12);
    g.Grid.OnCellChanging = [](TGridModel& grid, int32_t, int32_t, TValue&, bool&) { grid.SetCountRows(1); };
    EXPECT_FALSE(CommitEditorText(g.Grid, "lost"));
    EXPECT_EQ(g.Changes, 1);
}

TEST(GridCommitOthers, MemoLinesColoursAndPickedIndices) {
    TEditGrid g(ckMemo);
    CommitMemoText(g.Grid, "a\r\nb\nc");
    EXPECT_EQ(g.Active().S, "a\nb\nc");
    TEditGrid color(ckColor);
    CommitColor(color.Grid, 0x00FF00);
    EXPECT_EQ(color.Active().I, 0x00FF00);
    EXPECT_EQ(g.Changes + color.Changes, 2);
    // The picked index is stored whatever the handler made of it.
    TEditGrid l(ckList, 6);
    l.Grid.OnCellChanging = [](TGridModel&, int32_t, int32_t, TValue& value, bool&) { value.I = 5; };
    CommitItemIndex(l.Grid, 2);
    EXPECT_EQ(l.Active().I, 2);
    l.Grid.OnCellChanging = [](TGridModel&, int32_t, int32_t, TValue&, bool& change) { change = false; };
    CommitItemIndex(l.Grid, 4);
    EXPECT_EQ(l.Active().I, 2);
    EXPECT_EQ(l.Changes, 1);
}

// Counts repaints.
class TPaintCounting : public TGridModel {
public:
    int Repaints = 0;
    void Invalidate() override { ++Repaints; }
};

TEST(GridToggleAndStep, ToggleSwitchesStepWrapsAsksTheCountAndRepaintsWhenVetoed) {
    TEditGrid g(ckCheck);
    g.Grid.EditCell(1, 2).S = "kept";
    ToggleCell(g.Grid);
    EXPECT_EQ(g.Active().I, 1);
    g.Grid.EditCell(1, 2).I = 7;
    ToggleCell(g.Grid);
    EXPECT_EQ(g.Active().I, 0);
    EXPECT_EQ(g.Active().S, "kept") << "the whole value goes back";
    EXPECT_EQ(g.Changes, 2);

    TEditGrid m(ckMenu, 6);
    m.Grid.EditCell(1, 2).I = 5;
    StepCell(m.Grid, false);
    EXPECT_EQ(m.Active().I, 0);
    StepCell(m.Grid, true);
    EXPECT_EQ(m.Active().I, 5);
    m.Grid.OnObjectCount = [](TGridModel&, int32_t, int32_t, int32_t& count, int32_t&) { count = 3; };
    StepCell(m.Grid, false);
    EXPECT_EQ(m.Active().I, 0) << "5 + 1 is past the owner's three items";

    TPaintCounting grid;
    SetUpColumns(grid, 1, 1, ckList, 50, 3);
    grid.OnCellChanging = [](TGridModel&, int32_t, int32_t, TValue&, bool& change) { change = false; };
    grid.Repaints = 0;
    EXPECT_FALSE(StepCell(grid, false));
    EXPECT_EQ(grid.Cell(1, 1).I, 0);
    EXPECT_EQ(grid.Repaints, 1);
}

// Editor places: HW 30, HH 20, RH 20, one column of 100.
TEST(GridEditorPlacement, EditorsSitOnTheirCellAndInsideTheClient) {
    TEditGrid g(ckList);
    EXPECT_EQ(LineEditorRect(g.Grid, 1, 2), (TRect{33, 43, 129, 59}));
    g.Grid.SetCountRows(100);
    // Row 5 (top 100): 3 items of 20 centred, borders of 1.
    EXPECT_EQ(DropDownRect(g.Grid, 1, 5, 3, 20, 400, 400, 1), (TRect{32, 80, 129, 142}));
    // Near the top it starts at 0, near the bottom it ends at the bottom.
    EXPECT_EQ(DropDownRect(g.Grid, 1, 1, 10, 20, 400, 400, 1).Top, 0);
    EXPECT_EQ(DropDownRect(g.Grid, 1, 19, 10, 20, 400, 400, 1).Bottom, 400);
    // No taller than the client area.
    const TRect tall = DropDownRect(g.Grid, 1, 5, 1000, 20, 300, 302, 1);
    EXPECT_EQ(tall.Bottom - tall.Top, 302);
    // No items, or a handler's silly item height: still a sane rectangle.
    const TRect empty = DropDownRect(g.Grid, 1, 5, 0, -5, 400, 400, 1);
    EXPECT_EQ(empty.Bottom - empty.Top, 2);
    // The list menu is centred on the row.
    EXPECT_EQ(ListMenuOrigin(g.Grid, 1, 10, 5).X, 30);
    EXPECT_EQ(ListMenuOrigin(g.Grid, 1, 10, 5).Y, 200 - 40);
    EXPECT_EQ(ListMenuOrigin(g.Grid, 1, 10, 0).Y, 200);
}

} // namespace
