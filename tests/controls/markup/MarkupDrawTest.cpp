#include "FakeCanvas.h"

#include "controls/markup/Markup.h"
#include "controls/markup/MarkupSupport.h"

#include <gtest/gtest.h>

namespace {

using TOp = TFakeCanvas::TOp;

const TRect kBounds{0, 0, 300, 100};

std::vector<TOp> Draw(const std::string& text, TFakeCanvas& canvas, bool enabled = true) {
    DrawMarkup(text, kBounds, taLeftJustify, taLeftJustify, false, enabled, canvas);
    return canvas.Ops;
}

const TOp* FindText(const std::vector<TOp>& ops, const std::string& text) {
    for (const TOp& op : ops)
        if (op.Kind == TFakeCanvas::opText && op.Text == text)
            return &op;
    return nullptr;
}

TEST(MarkupDraw, ZoomScalesAndLiftsTheText) {
    TFakeCanvas canvas;
    auto ops = Draw("|z36 TESTING|f x", canvas);
    const TOp* big = FindText(ops, "TESTING");
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->Font.Size, 29);  // Round(36 * 8 / 10)
    EXPECT_EQ(big->Y, -2 - 21);     // moved up by 29 - 8
    const TOp* after = FindText(ops, "x");
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->Font.Size, 8);
    EXPECT_EQ(after->Y, -2);

    TFakeCanvas small;
    auto smallOps = Draw("|z5 x", small);
    const TOp* x = FindText(smallOps, "x");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->Font.Size, 4);
}

struct TBadZoom {
    std::string Text;
    int32_t Size;
};

class BadZoomTest : public testing::TestWithParam<TBadZoom> {};

TEST_P(BadZoomTest, SizesStayWithinBounds) {
    TFakeCanvas canvas;
    auto ops = Draw(GetParam().Text, canvas);
    const TOp* x = FindText(ops, "x");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->Font.Size, GetParam().Size);
    EXPECT_EQ(canvas.Font(), TFakeCanvas().Font());
}

INSTANTIATE_TEST_SUITE_P(Markup, BadZoomTest,
                         testing::Values(TBadZoom{"|z0 x", kMinFontSize}, TBadZoom{"|z-9x", kMinFontSize},
                                         TBadZoom{"|z- x", 8}, TBadZoom{"|z99|z99|z99|z99|z99x", kMaxFontSize},
                                         TBadZoom{"|z1000000 x", 8}, TBadZoom{"|z  x", 8}));

TEST(MarkupDraw, SubscriptAndSuperscriptShrinkAndShift) {
    TFakeCanvas canvas;
    auto ops = Draw("H|d 2|f O|u 3|f e", canvas);
    const TOp* h = FindText(ops, "H");
    const TOp* sub = FindText(ops, "2");
    const TOp* o = FindText(ops, "O");
    const TOp* sup = FindText(ops, "3");
    ASSERT_TRUE(h && sub && o && sup);
    EXPECT_EQ(sub->Font.Size, 6);
    EXPECT_EQ(sub->Y, h->Y + 5); // small shift 10, div 2
    EXPECT_EQ(o->Y, h->Y);
    EXPECT_EQ(o->Font.Size, 8);
    EXPECT_EQ(sup->Font.Size, 6);
    EXPECT_EQ(sup->Y, h->Y - 1); // 10 div 8
    EXPECT_EQ(FindText(ops, "e")->Y, h->Y);
}

TEST(MarkupDraw, BoldIsSwitchedOffAtTheEndAndEntryStateComesBack) {
    TFakeCanvas plain;
    auto ops = Draw("a |b b", plain);
    EXPECT_FALSE(FindText(ops, "a ")->Font.Bold);
    EXPECT_TRUE(FindText(ops, "b")->Font.Bold);
    EXPECT_FALSE(plain.Font().Bold);

    // |f removes bold even from a bold font; the bold font comes back at the end.
    TFakeCanvas bold(-11, true);
    ops = Draw("|b a|f b", bold);
    EXPECT_FALSE(FindText(ops, "b")->Font.Bold);
    EXPECT_TRUE(bold.Font().Bold);
}

TEST(MarkupDraw, DisabledTextIsEmbossed) {
    TFakeCanvas canvas;
    auto ops = Draw("ab", canvas, false);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].Font.Color, JoinRgb(255, 255, 255));
    EXPECT_EQ(ops[0].X, ops[1].X + 1);
    EXPECT_EQ(ops[0].Y, ops[1].Y + 1);
    EXPECT_EQ(ops[1].Font.Color, canvas.ShadowColor());
    EXPECT_EQ(canvas.Font().Color, JoinRgb(0, 0, 0));
}

TEST(MarkupDraw, SymbolIsRaisedInTheSymbolFace) {
    TFakeCanvas canvas;
    auto ops = Draw("a|sb c", canvas);
    const TOp* symbol = FindText(ops, "b");
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(symbol->Font.Name, "Symbol");
    EXPECT_EQ(symbol->Y, -2 - 1);
    EXPECT_EQ(symbol->X, 8);
    EXPECT_EQ(FindText(ops, "c")->X, 18); // the symbol is 10 wide
    EXPECT_EQ(FindText(ops, "c")->Font.Name, "Arial");
}

TEST(MarkupDraw, OverlineRunsAlongTheTopOfTheCell) {
    TFakeCanvas canvas;
    auto ops = Draw("a|p bc|f d", canvas);
    ASSERT_EQ(ops.size(), 4u);
    const TOp& line = ops[2];
    ASSERT_EQ(line.Kind, TFakeCanvas::opLine);
    EXPECT_EQ(line.X, 8);
    EXPECT_EQ(line.X2, 24);
    EXPECT_EQ(line.Y, -2);
    EXPECT_EQ(line.Y2, -2);
    EXPECT_EQ(line.Pen, JoinRgb(0, 0, 0)); // the font colour, not the caller's pen
    EXPECT_EQ(canvas.PenColor(), JoinRgb(1, 2, 3));
}

TEST(MarkupDraw, OverlineLeftOpenAtTheEndDrawsNothing) {
    TFakeCanvas canvas;
    auto ops = Draw("ab|p", canvas);
    for (const TOp& op : ops)
        EXPECT_NE(op.Kind, TFakeCanvas::opLine);
}

TEST(MarkupDraw, UnderlineIsARowOfUnderscoresClippedToTheRun) {
    TFakeCanvas canvas;
    auto ops = Draw("|l word", canvas);
    ASSERT_EQ(ops.size(), 2u);
    const TOp& under = ops[1];
    ASSERT_EQ(under.Kind, TFakeCanvas::opClippedText);
    EXPECT_EQ(under.Text, std::string(120, '_'));
    EXPECT_EQ(under.X, 0);
    EXPECT_EQ(under.Clip, (TRect{0, -14, 32, 114}));
}

TEST(MarkupDraw, RootDrawsTheRadicalAndABarOverTheRun) {
    TFakeCanvas canvas;
    auto ops = Draw("|rab|f ", canvas);
    const TOp* letters = FindText(ops, "ab");
    ASSERT_NE(letters, nullptr);
    EXPECT_EQ(letters->X, 10); // after the 10-pixel radical
    const TOp* radical = FindText(ops, EncodeUtf8(214));
    ASSERT_NE(radical, nullptr);
    EXPECT_EQ(radical->X, 0);
    EXPECT_EQ(radical->Font.Name, "Symbol");
    int pieces = 0;
    for (const TOp& op : ops) {
        if (op.Kind != TFakeCanvas::opClippedText)
            continue;
        ++pieces;
        EXPECT_EQ(op.Text, "`");
        EXPECT_EQ(op.Clip.Left, 10);
        EXPECT_EQ(op.Clip.Right, 26);
    }
    EXPECT_EQ(pieces, 3); // at 0, 10 and 20: while p <= 26
    EXPECT_EQ(canvas.Font().Name, "Arial");
}

TEST(MarkupDraw, DecorationsComeAfterTheirText) {
    TFakeCanvas canvas;
    auto ops = Draw("|l a|f ", canvas);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].Kind, TFakeCanvas::opText);
    EXPECT_EQ(ops[1].Kind, TFakeCanvas::opClippedText);
}

TEST(MarkupDraw, HugeAndBrokenTextsDrawAndRestoreTheCanvas) {
    std::vector<std::string> texts = {
        std::string(1 << 20, 'w'),
        std::string(100000, '|'),
        "|r" + std::string(200000, 'x') + "|f ",
        "|l|p|r|b|d|u|z9",
        "\xff\xfe|s\xd6 |z\xc3\xa9 x",
    };
    std::string nested;
    for (int i = 0; i < 50000; ++i)
        nested += "|z99|d |u ";
    texts.push_back(nested + "x");
    for (const std::string& text : texts) {
        for (bool justified : {false, true}) {
            TFakeCanvas canvas;
            TMarkupFont entry = canvas.Font();
            DrawMarkup(text, {0, 0, 200, 200}, taCenter, taCenter, justified, false, canvas);
            EXPECT_EQ(canvas.Font(), entry);
            EXPECT_EQ(canvas.PenColor(), JoinRgb(1, 2, 3));
            for (const TOp& op : canvas.Ops)
                ASSERT_TRUE(op.Font.Size >= kMinFontSize && op.Font.Size <= kMaxFontSize);
        }
    }
}

TEST(MarkupDraw, Windows1252TextIsReadAsSuch) {
    TFakeCanvas canvas;
    auto ops = Draw("caf\xE9", canvas);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].Text, "caf\xC3\xA9");
}

TEST(MarkupDraw, JustifiedDecorationsFollowTheirText) {
    TFakeCanvas canvas;
    DrawMarkup("aa |p bb|f cc", {0, 0, 200, 100}, taLeftJustify, taLeftJustify, true, true, canvas);
    for (const TOp& op : canvas.Ops) {
        if (op.Kind == TFakeCanvas::opLine) {
            EXPECT_EQ(op.X, 24);
            EXPECT_EQ(op.X2, 40);
            EXPECT_EQ(op.Y, 0);
        }
    }
}

} // namespace
