#include "FakeCanvas.h"

#include "controls/markup/Markup.h"

#include <gtest/gtest.h>

namespace {

// With the fake canvas and height -11: size 8, characters 8 wide, lines 14.
constexpr int32_t kLine = 14;

struct TPos {
    std::string Text;
    int32_t X, Y;
    bool operator==(const TPos& other) const { return Text == other.Text && X == other.X && Y == other.Y; }
};

std::ostream& operator<<(std::ostream& out, const TPos& p) {
    return out << "\"" << p.Text << "\"@" << p.X << "," << p.Y;
}

std::vector<TPos> TextPositions(const std::vector<TWord>& words) {
    std::vector<TPos> positions;
    for (const TWord& w : words)
        if (w.Kind == ItemKind::SpacedText || w.Kind == ItemKind::Text || w.Kind == ItemKind::Symbol)
            positions.push_back({w.Text, w.X, w.Y});
    return positions;
}

struct TLayoutCase {
    const char* Name;
    std::string Text;
    TRect Bounds;
    TAlignment Horz, Vert;
    bool Justified;
    std::vector<TPos> Expected;
    TRect Box;
};

class LayoutTest : public testing::TestWithParam<TLayoutCase> {};

TEST_P(LayoutTest, PlacesItemsAndBox) {
    const TLayoutCase& c = GetParam();
    TFakeCanvas canvas;
    std::vector<TWord> words = LayoutMarkup(c.Text, c.Bounds, c.Horz, c.Vert, c.Justified, canvas);
    EXPECT_EQ(TextPositions(words), c.Expected);
    TRect box = WordsBox(words, c.Bounds, kLine);
    EXPECT_EQ(box.Left, c.Box.Left);
    EXPECT_EQ(box.Top, c.Box.Top);
    EXPECT_EQ(box.Right, c.Box.Right);
    EXPECT_EQ(box.Bottom, c.Box.Bottom);
}

const TRect kBounds{10, 20, 110, 120};

const TLayoutCase kLayoutCases[] = {
    // Two lines of 16 and 24 pixels; a block of 28.
    {"LeftTop", "ab||cde", kBounds, taLeftJustify, taLeftJustify, false, {{"ab", 10, 18}, {"cde", 10, 32}},
     {10, 18, 34, 46}},
    {"CentreCentre", "ab\ncde", kBounds, taCenter, taCenter, false, {{"ab", 52, 55}, {"cde", 48, 69}},
     {48, 55, 72, 83}},
    {"RightBottom", "ab\r\ncde", kBounds, taRightJustify, taRightJustify, false, {{"ab", 94, 94}, {"cde", 86, 108}},
     {86, 94, 110, 122}},
    {"OutsideAlignmentsLeaveLinesAlone", "ab", kBounds, static_cast<TAlignment>(7), static_cast<TAlignment>(9),
     false, {{"ab", 0, 0}}, {0, 0, 16, 14}},
    // Bold letters are one pixel wider with the fake metrics.
    {"CodesTakeNoWidth", "|b ab|f c", kBounds, taLeftJustify, taLeftJustify, false, {{"ab", 10, 18}, {"c", 28, 18}},
     {10, 18, 36, 32}},
    {"UnjustifiedNeverWraps", "aaaa bbbb cccc dddd", kBounds, taLeftJustify, taLeftJustify, false,
     {{"aaaa ", 10, 18}, {"bbbb ", 50, 18}, {"cccc ", 90, 18}, {"dddd", 130, 18}},
     {10, 18, 162, 32}},
    {"EmptyLineCountsInTheBlock", "a\n\nb", kBounds, taLeftJustify, taCenter, false, {{"a", 10, 48}, {"b", 10, 76}},
     {10, 48, 18, 90}},
    {"ZoomWidensItsText", "|z20 ab|f ", kBounds, taLeftJustify, taLeftJustify, false,
     {{" ", 10, 18}, {"ab", 26, 18}},
     {10, 18, 58, 32}},
    {"RootReservesTheRadical", "|ra|f ", kBounds, taLeftJustify, taLeftJustify, false, {{"a", 20, 18}},
     {10, 18, 28, 32}},
    // Justified: 32 + 32 + 32 fit in 100, "ddd" does not; 4 pixels spread over three gaps.
    {"JustifiedSpreads", "aaa bbb ccc ddd", {0, 0, 100, 100}, taCenter, taCenter, true,
     {{"aaa ", 0, 0}, {"bbb ", 33, 0}, {"ccc ", 66, 0}, {"ddd", 0, 14}},
     {0, 0, 98, 28}},
    {"JustifiedExactFitWraps", "aaa bbb ccc ddd", {0, 0, 96, 100}, taCenter, taCenter, true,
     {{"aaa ", 0, 0}, {"bbb ", 64, 0}, {"ccc ", 0, 14}, {"ddd", 32, 14}},
     {0, 0, 96, 28}},
    {"JustifiedSingleWord", "word", {5, 7, 100, 50}, taRightJustify, taRightJustify, true, {{"word", 5, 7}},
     {5, 7, 37, 21}},
    {"JustifiedWideFirstWordOpensSecondLine", "abcdefghijkl", {0, 0, 40, 100}, taLeftJustify, taLeftJustify, true,
     {{"abcdefghijkl", 0, 14}},
     {0, 14, 96, 28}},
    {"JustifiedLineBreakDoesNotStretch", "aa bb\ncc", {0, 0, 100, 100}, taLeftJustify, taLeftJustify, true,
     {{"aa ", 0, 0}, {"bb", 24, 0}, {"cc", 0, 14}},
     {0, 0, 40, 28}},
    {"JustifiedTrailingBreakAddsALine", "aa\n", {0, 0, 100, 100}, taLeftJustify, taLeftJustify, true,
     {{"aa", 0, 0}},
     {0, 0, 16, 28}},
    {"JustifiedWideWordInTheMiddle", "a abcdefghijkl b", {0, 0, 40, 100}, taLeftJustify, taLeftJustify, true,
     {{"a ", 0, 0}, {"abcdefghijkl ", 0, 14}, {"b", 0, 28}},
     {0, 0, 104, 42}},
};

INSTANTIATE_TEST_SUITE_P(Markup, LayoutTest, testing::ValuesIn(kLayoutCases),
                         [](const testing::TestParamInfo<TLayoutCase>& info) { return info.param.Name; });

TEST(MarkupBox, EmptyTextGivesTheInvertedBox) {
    TFakeCanvas canvas;
    TRect box = DrawMarkup("", kBounds, taCenter, taCenter, false, true, canvas);
    EXPECT_EQ(box, (TRect{110, kLine, 10, 0}));
    EXPECT_TRUE(canvas.Ops.empty());
}

TEST(MarkupMetrics, FromTheFontHeight) {
    TMarkupFont font;
    font.Height = -11;
    font.Size = 8;
    TMarkupMetrics m = MarkupMetrics(font);
    EXPECT_EQ(m.LineHeight, 14);  // 13.75
    EXPECT_EQ(m.SymbolRaise, 1);  // 1.375
    EXPECT_EQ(m.SmallSize, 6);    // 5.6
    EXPECT_EQ(m.SmallShift, 10);  // 9.8
    font.Height = -16;
    font.Size = 12;
    m = MarkupMetrics(font);
    EXPECT_EQ(m.LineHeight, 20);
    EXPECT_EQ(m.SymbolRaise, 2);
    EXPECT_EQ(m.SmallSize, 8); // 8.4
    EXPECT_EQ(m.SmallShift, 14);
}

TEST(MarkupRotated, NinetyDegreesReadsUpwardsAndTurnsTheBox) {
    TFakeCanvas canvas;
    // Left/top pivot at (10, 20); line 0 at y 18, line 1 at y 32.
    TRect box = DrawMarkupRotated("ab||cd", kBounds, 90, taLeftJustify, taLeftJustify, false, true, canvas);
    std::vector<TFakeCanvas::TOp> texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 2u);
    // dx 0, dy -2: x = dy + px, y = -dx + py.
    EXPECT_EQ(texts[0].X, 8);
    EXPECT_EQ(texts[0].Y, 20);
    EXPECT_EQ(texts[1].X, 22); // the later line stands to the right
    EXPECT_EQ(texts[1].Y, 20);
    EXPECT_EQ(texts[0].Angle, 900);
    EXPECT_EQ(canvas.Angle(), 0);
    // The cells run upwards from y 20 by their 16-pixel width.
    EXPECT_EQ(box, (TRect{8, 4, 36, 20}));
}

TEST(MarkupRotated, ZeroDegreesMatchesUnrotated) {
    TFakeCanvas straight, turned;
    TRect a = DrawMarkup("x |b y|f z", kBounds, taCenter, taCenter, false, true, straight);
    TRect b = DrawMarkupRotated("x |b y|f z", kBounds, 0, taCenter, taCenter, false, true, turned);
    EXPECT_EQ(a, b);
    ASSERT_EQ(straight.Texts().size(), turned.Texts().size());
    for (size_t i = 0; i < straight.Texts().size(); ++i) {
        EXPECT_EQ(straight.Texts()[i].X, turned.Texts()[i].X);
        EXPECT_EQ(straight.Texts()[i].Y, turned.Texts()[i].Y);
    }
}

} // namespace
