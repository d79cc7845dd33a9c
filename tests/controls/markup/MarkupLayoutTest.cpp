#include "FakeCanvas.h"

#include "controls/markup/Markup.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

namespace {

// With the fake canvas and height -11: size 8, characters 8 wide, lines 14.
constexpr int32_t kLine = 14;
const TRect kBounds{10, 20, 110, 120};

// The texts with their places, "text@x,y" joined by spaces.
std::string Places(const std::vector<TWord>& words) {
    std::ostringstream out;
    for (const TWord& w : words)
        if (w.Kind == ItemKind::SpacedText || w.Kind == ItemKind::Text || w.Kind == ItemKind::Symbol)
            out << "[" << w.Text << "]" << w.X << "," << w.Y << " ";
    return out.str();
}

struct TLayoutCase {
    std::string Text;
    TRect Bounds;
    TAlignment Horz, Vert;
    bool Justified;
    std::string Places;
    TRect Box;
};

TEST(MarkupLayout, PlacesItemsAndMeasuresTheBox) {
    const auto left = taLeftJustify, centre = taCenter, right = taRightJustify;
    const TLayoutCase cases[] = {
        // Two lines of 16 and 24 pixels; a block of 28.
        {"ab||cde", kBounds, left, left, false, "[ab]10,18 [cde]10,32 ", {10, 18, 34, 46}},
        {"ab\ncde", kBounds, centre, centre, false, "[ab]52,55 [cde]48,69 ", {48, 55, 72, 83}},
        {"ab\r\ncde", kBounds, right, right, false, "[ab]94,94 [cde]86,108 ", {86, 94, 110, 122}},
        {"ab", kBounds, TAlignment(7), TAlignment(9), false, "[ab]0,0 ", {0, 0, 16, 14}},   // unknown alignments
        {"|b ab|f c", kBounds, left, left, false, "[ab]10,18 [c]28,18 ", {10, 18, 36, 32}}, // bold is 1 wider
        {"aaaa bbbb cccc dddd",
         kBounds,
         left,
         left,
         false,
         "[aaaa ]10,18 [bbbb ]50,18 [cccc ]90,18 [dddd]130,18 ",
         {10, 18, 162, 32}}, // never wraps unjustified
        {"a\n\nb", kBounds, left, centre, false, "[a]10,48 [b]10,76 ", {10, 48, 18, 90}},
        {"|z20 ab|f ", kBounds, left, left, false, "[ ]10,18 [ab]26,18 ", {10, 18, 58, 32}},
        {"|ra|f ", kBounds, left, left, false, "[a]20,18 ", {10, 18, 28, 32}},
        // Justified: 32 + 32 + 32 fit in 100, "ddd" does not; 4 pixels spread over three gaps.
        {"aaa bbb ccc ddd",
         {0, 0, 100, 100},
         centre,
         centre,
         true,
         "[aaa ]0,0 [bbb ]33,0 [ccc ]66,0 [ddd]0,14 ",
         {0, 0, 98, 28}},
        {"aaa bbb ccc ddd",
         {0, 0, 96, 100},
         centre,
         centre,
         true,
         "[aaa ]0,0 [bbb ]64,0 [ccc ]0,14 [ddd]32,14 ",
         {0, 0, 96, 28}},
        // A word in two fonts takes no spread inside it.
        {"aa|b bb|f  cc dd ee",
         {0, 0, 60, 100},
         left,
         left,
         true,
         "[aa]0,0 [bb]16,0 [ ]34,0 [cc ]0,14 [dd ]30,14 [ee]0,28 ",
         {0, 0, 54, 42}},
        {"word", {5, 7, 100, 50}, right, right, true, "[word]5,7 ", {5, 7, 37, 21}},
        {"abcdefghijkl", {0, 0, 40, 100}, left, left, true, "[abcdefghijkl]0,14 ", {0, 14, 96, 28}},
        {"aa bb\ncc", {0, 0, 100, 100}, left, left, true, "[aa ]0,0 [bb]24,0 [cc]0,14 ", {0, 0, 40, 28}},
        {"aa\n", {0, 0, 100, 100}, left, left, true, "[aa]0,0 ", {0, 0, 16, 28}},
        {"a abcdefghijkl b",
         {0, 0, 40, 100},
         left,
         left,
         true,
         "[a ]0,0 [abcdefghijkl ]0,14 [b]0,28 ",
         {0, 0, 104, 42}},
    };
    for (const TLayoutCase& c : cases) {
        SCOPED_TRACE(c.Text);
        TFakeCanvas canvas;
        const std::vector<TWord> words = LayoutMarkup(c.Text, c.Bounds, c.Horz, c.Vert, c.Justified, canvas);
        EXPECT_EQ(Places(words), c.Places);
        EXPECT_EQ(WordsBox(words, c.Bounds, kLine), c.Box);
    }
    // No text gives the inverted box and draws nothing.
    TFakeCanvas canvas;
    EXPECT_EQ(DrawMarkup("", kBounds, centre, centre, false, true, canvas), (TRect{110, kLine, 10, 0}));
    EXPECT_TRUE(canvas.Ops.empty());
}

TEST(MarkupLayoutMetrics, FromTheFontHeight) {
    for (const auto& [height, size, wanted] : {std::make_tuple(-11, 8, std::vector<int32_t>({14, 1, 6, 10})),
                                               std::make_tuple(-16, 12, std::vector<int32_t>({20, 2, 8, 14}))}) {
        TMarkupFont font;
        font.Height = height;
        font.Size = size;
        const TMarkupMetrics m = MarkupMetrics(font); // -11: 13.75, 1.375, 5.6, 9.8
        EXPECT_EQ(std::vector<int32_t>({m.LineHeight, m.SymbolRaise, m.SmallSize, m.SmallShift}), wanted) << height;
    }
}

TEST(MarkupLayoutRotated, NinetyDegreesReadsUpwardsAndTurnsTheBox) {
    TFakeCanvas canvas;
    // Left/top pivot at (10, 20); lines at y 18 and 32 stand at x 8 and 22.
    TRect box = DrawMarkupRotated("ab||cd", kBounds, 90, taLeftJustify, taLeftJustify, false, true, canvas);
    const std::vector<TFakeCanvas::TOp> texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(std::vector<int32_t>({texts[0].X, texts[0].Y, texts[1].X, texts[1].Y}),
              std::vector<int32_t>({8, 20, 22, 20}));
    EXPECT_EQ(texts[0].Angle, 900);
    EXPECT_EQ(canvas.Angle(), 0);
    EXPECT_EQ(box, (TRect{8, 4, 36, 20})); // the cells run upwards by their 16-pixel width
    // Nothing to draw: an empty box at the bounds, one line high.
    EXPECT_EQ(DrawMarkupRotated("", kBounds, 90, taLeftJustify, taLeftJustify, false, true, canvas),
              (TRect{110, 14, 10, 0}));
}

} // namespace
