#include "GridWidgetFixture.h"

#include "controls/grid/GridColors.h"
#include "controls/markup/MarkupSupport.h"

namespace {

class GridPaint : public GridWidget {};

TEST_F(GridPaint, SelectedCellsShowTheSelectionColourAndTheActiveCellTheWindow) {
    Select(kText, 2);
    Grid.Selection.Right = kInteger;
    Grid.Selection.Bottom = 4;
    const QImage image = Paint();
    const TGridColors colors = Grid.Colors();
    EXPECT_EQ(InsideCell(image, CellRect(Grid, kText, 2)), Rgb(colors.Window));
    EXPECT_EQ(InsideCell(image, CellRect(Grid, kInteger, 3)), Rgb(colors.Selection()));
    EXPECT_EQ(InsideCell(image, CellRect(Grid, kText, 4)), Rgb(colors.Selection()));
    EXPECT_EQ(InsideCell(image, CellRect(Grid, kFloat, 3)), Rgb(colors.Window)) << "outside the range";
    EXPECT_EQ(InsideCell(image, CellRect(Grid, kText, 5)), Rgb(colors.Window));
    Grid.clearFocus();
    QApplication::processEvents();
    ASSERT_FALSE(Grid.Focused());
    EXPECT_EQ(InsideCell(Paint(), CellRect(Grid, kInteger, 3)), Rgb(colors.Window)) << "without the focus";
}

TEST_F(GridPaint, ErrorCellsAndCellsTheOwnerColours) {
    Grid.OnCellColor = [](TGridModel&, TColor& color, bool& change, int32_t x, int32_t y) {
        change = x == kFloat && y == 5;
        color = 0x00FFFF; // yellow
    };
    Grid.OnCellError = [](TGridModel&, int32_t x, int32_t y, const TValue&, bool& error) {
        error = x == kText && (y == 3 || y == 6);
    };
    Select(kText, 2);
    Grid.Selection.Bottom = 3;
    const QImage image = Paint();
    EXPECT_EQ(InsideCell(image, CellRect(Grid, kText, 3)), QColor(255, 96, 96)) << "selected";
    EXPECT_EQ(InsideCell(image, CellRect(Grid, kText, 6)), QColor(255, 160, 160));
    EXPECT_EQ(InsideCell(image, CellRect(Grid, kText, 5)), Rgb(Grid.Colors().Window));
    EXPECT_EQ(InsideCell(image, CellRect(Grid, kFloat, 5)), QColor(255, 255, 0));
}

TEST_F(GridPaint, SwatchesShowTheirColourAndMinusOneShowsNone) {
    Grid.EditCell(kColor, 2).I = 0x0000FF;
    Grid.EditCell(kColor, 3).I = -1;
    Select(kColor, 1);
    const QImage image = Paint();
    const TRect red = CellRect(Grid, kColor, 2);
    EXPECT_EQ(image.pixelColor((red.Left + red.Right) / 2, (red.Top + red.Bottom) / 2), QColor(255, 0, 0));
    const TRect none = CellRect(Grid, kColor, 3);
    EXPECT_EQ(image.pixelColor((none.Left + none.Right) / 2, (none.Top + none.Bottom) / 2), Rgb(Grid.Colors().Window));
}

// The focused grid raises the headings of the selected rows.
TEST_F(GridPaint, ACellTheOwnerVetoesShowsNoTextAndSelectedRowHeadingsAreRaised) {
    Grid.OnDrawCell = [](TGridModel&, bool& draw, int32_t x, int32_t y) { draw = x != kText || (y != 5 && y != 7); };
    for (int32_t y : {5, 6})
        Grid.EditCell(kText, y).S = "WWW";
    Select(kText, 2);
    const QImage image = Paint();
    // Vetoed, 5 and 7 look alike though 5 has a text; drawn, 6 shows its text.
    EXPECT_EQ(InkIn(image, CellRect(Grid, kText, 5)), InkIn(image, CellRect(Grid, kText, 7)));
    EXPECT_GT(InkIn(image, CellRect(Grid, kText, 6)), InkIn(image, CellRect(Grid, kText, 8)));
    const QColor shadow = Rgb(Grid.Colors().ButtonShadow);
    EXPECT_EQ(image.pixelColor(Grid.HeadingWidth() - 1, CellRect(Grid, 1, 2).Top + 5), shadow);
    EXPECT_EQ(image.pixelColor(Grid.HeadingWidth() / 2, CellRect(Grid, 1, 2).Bottom - 1), shadow);
    EXPECT_NE(image.pixelColor(Grid.HeadingWidth() - 1, CellRect(Grid, 1, 4).Top + 5), shadow);
}

// Markup is not clipped: only DrawInsideCell keeps a long text in its cell.
TEST_F(GridPaint, ALongTextRunsIntoTheNextCellUnlessDrawnInsideCells) {
    const std::string text(3000, 'W');
    Grid.EditCell(kText, 4).S = text;
    Grid.Column(kText).Align = kAlignLeft;
    Grid.Column(kInteger).Kind = 5; // shows nothing of its own
    const TRect next = CellRect(Grid, kInteger, 4);
    for (bool inside : {false, true}) {
        Grid.SetDrawInsideCell(inside);
        EXPECT_EQ(InkIn(Paint(), next) > 0, !inside) << inside;
    }
    EXPECT_EQ(Grid.Cell(kText, 4).S, text) << "painting never cuts what is stored";
}

TEST_F(GridPaint, TheAreaOutsideTheCellsIsShadedWhenColorCalculate) {
    Grid.SetColCount(2);
    Grid.ScrollInView();
    const TRect last = CellRect(Grid, 2, 1);
    EXPECT_EQ(Paint().pixelColor(last.Right + 20, 100), Rgb(ShadeColor(Grid.Colors().ButtonFace)));
    Grid.SetCountRows(3);
    const TRect bottom = CellRect(Grid, 1, 3);
    const QImage few = Paint();
    EXPECT_EQ(few.pixelColor(bottom.Left + 3, bottom.Bottom - 1), Rgb(Grid.Colors().Window));
    EXPECT_EQ(few.pixelColor(bottom.Left + 3, bottom.Bottom + 1), Rgb(ShadeColor(Grid.Colors().ButtonFace)));
    Grid.SetCountRows(0); // no row headings, no cells, the heading row
    const QImage image = Paint();
    EXPECT_EQ(image.pixelColor(10, 100), Rgb(ShadeColor(Grid.Colors().ButtonFace)));
    EXPECT_EQ(image.pixelColor(last.Left + 3, 100), Rgb(ShadeColor(Grid.Colors().ButtonFace)));
    EXPECT_EQ(image.pixelColor(last.Left + 3, 10), Rgb(Grid.Colors().ButtonFace));
    Grid.SetColorCalculate(false);
    EXPECT_EQ(Paint().pixelColor(last.Right + 20, 100), Rgb(Grid.Colors().ButtonFace));
}

TEST_F(GridPaint, OnlyTheVisibleCellsReachTheOwner) {
    Grid.SetCountRows(100000);
    int draws = 0, errors = 0;
    std::vector<int32_t> indices;
    Grid.OnDrawObject = [&](TExcelGrid2&, QPainter&, QRect&, int32_t x, int32_t y, int32_t index) {
        ++draws;
        if (x == kList && y == 1)
            indices.push_back(index);
    };
    Grid.OnCellError = [&](TGridModel&, int32_t, int32_t, const TValue&, bool&) { ++errors; };
    Grid.EditCell(kList, 1).I = 4;
    Paint();
    EXPECT_EQ(indices, std::vector<int32_t>{4});
    // 14 rows and a few columns show in 400 x 300; never the whole list.
    EXPECT_GT(draws, 0);
    EXPECT_LT(draws, 3 * 20);
    EXPECT_LT(errors, 9 * 20);
    Select(1, 100000);
    draws = 0;
    Paint();
    EXPECT_LT(draws, 3 * 20);
    // A clip paints only what it covers.
    errors = 0;
    QImage image(Grid.viewport()->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    const TRect cell = CellRect(Grid, kInteger, Grid.TopRow + 2);
    Grid.PaintTo(painter, QRect(cell.Left + 5, cell.Top + 5, 4, 4));
    EXPECT_EQ(errors, 1);
    errors = 0;
    Grid.PaintTo(painter, QRect(cell.Left, cell.Top + 5, 1, 1)); // the cell's first column of pixels
    EXPECT_EQ(errors, 1);
}

} // namespace
