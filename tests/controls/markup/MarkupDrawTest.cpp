#include "FakeCanvas.h"

#include "controls/markup/Markup.h"
#include "controls/markup/MarkupSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using TOp = TFakeCanvas::TOp;

std::vector<TOp> Draw(const std::string& text, TFakeCanvas& canvas, bool enabled = true, bool justified = false) {
    DrawMarkup(text, {0, 0, 300, 100}, taLeftJustify, taLeftJustify, justified, enabled, canvas);
    return canvas.Ops;
}

const TOp* FindText(const std::vector<TOp>& ops, const std::string& text) {
    for (const TOp& op : ops)
        if (op.Kind == TFakeCanvas::opText && op.Text == text)
            return &op;
    return nullptr;
}

// How one piece of text is drawn; INT_MIN and "" are not checked. Line 0 is drawn at y -2.
struct TDrawCase {
    std::string Text, Piece;
    int32_t Size, X, Y;
    std::string Face = {};
    int Bold = -1;
};

TEST(MarkupDraw, CodesSetSizePlaceFaceAndWeight) {
    const int32_t any = INT_MIN;
    const TDrawCase cases[] = {
        {"|z36 TESTING|f x", "TESTING", 29, any, -2 - 21}, // Round(36 * 8 / 10), raised by 29 - 8
        {"|z36 TESTING|f x", "x", 8, any, -2},
        {"|z5 x", "x", 4, any, any},
        {"|z0 x", "x", kMinFontSize, any, any},
        {"|z-9x", "x", kMinFontSize, any, any},
        {"|z- x", "x", 8, any, any},
        {"|z99|z99|z99|z99|z99x", "x", kMaxFontSize, any, any},
        {"|z1000000 x", "x", 8, any, any},
        {"|z  x", "x", 8, any, any},
        {"H|d 2|f O|u 3|f e", "2", 6, any, -2 + 5}, // small shift 10 div 2
        {"H|d 2|f O|u 3|f e", "O", 8, any, -2},
        {"H|d 2|f O|u 3|f e", "3", 6, any, -2 - 1}, // 10 div 8
        {"H|d 2|f O|u 3|f e", "e", 8, any, -2},
        {"a|sb c", "b", 8, 8, -2 - 1, "Symbol"},
        {"a|sb c", "c", 8, 18, -2, "Arial"}, // the symbol is 10 wide
        {"|rab|f ", "ab", 8, 10, any},       // after the 10-pixel radical
        {"|rab|f ", EncodeUtf8(214), any, 0, any, "Symbol"},
        {"a |b b", "a ", 8, any, any, "", 0},
        {"a |b b", "b", 8, any, any, "", 1},
        {"caf\xE9", "caf\xC3\xA9", 8, 0, -2}, // Windows-1250 read as such
    };
    for (const TDrawCase& c : cases) {
        SCOPED_TRACE(c.Text + " / " + c.Piece);
        TFakeCanvas canvas;
        const std::vector<TOp> ops = Draw(c.Text, canvas);
        const TOp* op = FindText(ops, c.Piece);
        ASSERT_NE(op, nullptr);
        EXPECT_TRUE(c.Size == any || op->Font.Size == c.Size) << op->Font.Size;
        EXPECT_TRUE(c.X == any || op->X == c.X) << op->X;
        EXPECT_TRUE(c.Y == any || op->Y == c.Y) << op->Y;
        EXPECT_TRUE(c.Face.empty() || op->Font.Name == c.Face) << op->Font.Name;
        EXPECT_TRUE(c.Bold < 0 || op->Font.Bold == (c.Bold == 1));
        EXPECT_EQ(canvas.Font(), TFakeCanvas().Font());
    }
}

TEST(MarkupDraw, DisabledTextIsEmbossedAndTheEntryFontComesBack) {
    TFakeCanvas canvas;
    auto ops = Draw("ab", canvas, false);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].Font.Color, JoinRgb(255, 255, 255));
    EXPECT_EQ(std::make_pair(ops[0].X, ops[0].Y), std::make_pair(ops[1].X + 1, ops[1].Y + 1));
    EXPECT_EQ(ops[1].Font.Color, canvas.ShadowColor());
    EXPECT_EQ(canvas.Font().Color, JoinRgb(0, 0, 0));
    // A closer ends bold even of a bold font, which comes back at the end.
    TFakeCanvas bold(-11, true);
    EXPECT_FALSE(FindText(Draw("|b a|f b", bold), "b")->Font.Bold);
    EXPECT_TRUE(bold.Font().Bold);
}

TEST(MarkupDraw, DecorationsFollowTheirRunInTheFontColour) {
    TFakeCanvas over;
    auto ops = Draw("a|p bc|f d", over);
    ASSERT_EQ(ops.size(), 4u);
    ASSERT_EQ(ops[2].Kind, TFakeCanvas::opLine);
    EXPECT_EQ(std::vector<int32_t>({ops[2].X, ops[2].X2, ops[2].Y, ops[2].Y2}), std::vector<int32_t>({8, 24, -2, -2}));
    EXPECT_EQ(ops[2].Pen, JoinRgb(0, 0, 0)); // not the caller's pen
    EXPECT_EQ(over.PenColor(), JoinRgb(1, 2, 3));
    TFakeCanvas open;
    for (const TOp& op : Draw("ab|p", open))
        EXPECT_NE(op.Kind, TFakeCanvas::opLine);
    TFakeCanvas justified;
    for (const TOp& op : Draw("aa |p bb|f cc", justified, true, true))
        if (op.Kind == TFakeCanvas::opLine) {
            EXPECT_EQ(std::vector<int32_t>({op.X, op.X2, op.Y}), std::vector<int32_t>({24, 40, 0}));
        }

    // Underline: a row of underscores clipped to the run, after its text.
    TFakeCanvas under;
    ops = Draw("|l word", under);
    ASSERT_EQ(ops.size(), 2u);
    ASSERT_EQ(ops[1].Kind, TFakeCanvas::opClippedText);
    EXPECT_EQ(ops[1].Text, std::string(120, '_'));
    EXPECT_EQ(ops[1].X, 0);
    EXPECT_EQ(ops[1].Clip, (TRect{0, -14, 32, 114}));

    // Root: bar pieces at 0, 10 and 20 (while p <= 26), clipped to the run.
    TFakeCanvas root;
    int pieces = 0;
    for (const TOp& op : Draw("|rab|f ", root))
        if (op.Kind == TFakeCanvas::opClippedText) {
            ++pieces;
            EXPECT_EQ(op.Text, "`");
            EXPECT_EQ(std::make_pair(op.Clip.Left, op.Clip.Right), std::make_pair(10, 26));
        }
    EXPECT_EQ(pieces, 3);
    EXPECT_EQ(root.Font().Name, "Arial");
}

TEST(MarkupDraw, HugeAndBrokenTextsDrawAndRestoreTheCanvas) {
    std::vector<std::string> texts = {std::string(1 << 20, 'w'), std::string(100000, '|'),
                                      "|r" + std::string(200000, 'x') + "|f ", "|l|p|r|b|d|u|z9",
                                      "\xff\xfe|s\xd6 |z\xc3\xa9 x"};
    std::string nested;
    for (int i = 0; i < 50000; ++i)
        nested += "|z99|d |u ";
    texts.push_back(nested + "x");
    for (const std::string& text : texts) {
        for (bool justified : {false, true}) {
            TFakeCanvas canvas;
            const TMarkupFont entry = canvas.Font();
            DrawMarkup(text, {0, 0, 200, 200}, taCenter, taCenter, justified, false, canvas);
            EXPECT_EQ(canvas.Font(), entry);
            EXPECT_EQ(canvas.PenColor(), JoinRgb(1, 2, 3));
            for (const TOp& op : canvas.Ops)
                ASSERT_TRUE(op.Font.Size >= kMinFontSize && op.Font.Size <= kMaxFontSize);
        }
    }
}

} // namespace
