#include "controls/grid/GridCellText.h"
#include "controls/grid/CachingCanvas.h"
#include "controls/markup/FakeCanvas.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// One pixel per character, whatever it is.
int32_t Chars(const std::string& text) {
    int32_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

TEST(GridCellShownText, BarsBecomeSlashesAndLegacyBytesUtf8) {
    EXPECT_EQ(CellShownText("a|b||c", false), "a/b//c");
    EXPECT_EQ(CellShownText("a|b", true), "a|b");
    EXPECT_EQ(CellShownText("caf\xE9", false), "caf\xC3\xA9");
    EXPECT_EQ(CellShownText("caf\xC3\xA9", false), "caf\xC3\xA9");
}

TEST(GridShownLines, KeepsTheLinesThatFitAndTellsWhenSomeWereLeftOut) {
    TShownLines one = ShownLines("first\r\nsecond\nthird", 1, 100, true);
    EXPECT_EQ(one.Lines, (std::vector<std::string>{"first"}));
    EXPECT_TRUE(one.Dropped);

    TShownLines all = ShownLines("first\r\nsecond\nthird", 5, 100, true);
    EXPECT_EQ(all.Lines, (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_FALSE(all.Dropped);

    TShownLines literal = ShownLines("a\nb", 1, 100, false);
    EXPECT_EQ(literal.Lines, (std::vector<std::string>{"a\nb"}));
    EXPECT_FALSE(literal.Dropped);
    // Long lines are cut at character boundaries.
    const std::string text(10000, 'x');
    EXPECT_EQ(ShownLines(text, 1, 40, true).Lines[0].size(), 40u);
    // "é" is two bytes: three characters are six bytes, never half a character.
    EXPECT_EQ(ShownLines("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 1, 3, true).Lines[0], "\xC3\xA9\xC3\xA9\xC3\xA9");
    EXPECT_EQ(ShownLines("", 3, 10, true).Lines, (std::vector<std::string>{""}));
}

TEST(GridElideLine, EndsWithAnEllipsisWhenItDoesNotFit) {
    const std::tuple<std::string, int32_t, bool, std::string> cases[] = {
        {"short", 10, false, "short"},
        {"exactly10!", 10, false, "exactly10!"},
        {"eleven char", 10, false, "eleven ch\xE2\x80\xA6"},
        {"short", 10, true, "short\xE2\x80\xA6"},
        {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 3, false, "\xC3\xA9\xC3\xA9\xE2\x80\xA6"},
        {"abc", 0, false, "\xE2\x80\xA6"},
        {"", 0, false, ""},
    };
    for (const auto& [line, width, marked, expected] : cases)
        EXPECT_EQ(ElideLine(line, width, Chars, marked), expected) << line << " in " << width;
}

TEST(GridFitCellText, MarksTheLastLineWhenLinesWereDropped) {
    TShownLines shown = ShownLines("one\ntwo\nthree", 2, 100, true);
    EXPECT_EQ(FitCellText(shown, 20, Chars), "one\ntwo\xE2\x80\xA6");
    EXPECT_EQ(FitCellText(ShownLines("one\ntwo", 2, 100, true), 20, Chars), "one\ntwo");
    // A huge text costs no more than the cell shows.
    int measures = 0;
    auto counting = [&measures](const std::string& s) {
        ++measures;
        return Chars(s);
    };
    const TShownLines huge = ShownLines(std::string(1000000, 'y'), 1, 102, true);
    const std::string fitted = FitCellText(huge, 100, counting);
    EXPECT_EQ(Chars(fitted), 100);
    EXPECT_LT(measures, 20);
}

// Counts what reaches the real canvas.
class TCountingCanvas : public TFakeCanvas {
public:
    int Measures = 0;
    int FontChanges = 0;
    int32_t TextWidth(const std::string& text) override {
        ++Measures;
        return TFakeCanvas::TextWidth(text);
    }
    void SetFont(const TMarkupFont& font) override {
        ++FontChanges;
        TFakeCanvas::SetFont(font);
    }
};

TEST(CachingCanvas, MeasuresEachTextOncePerFont) {
    TCountingCanvas inner;
    TCachingCanvas canvas(inner);
    const int32_t plain = canvas.TextWidth("band");
    EXPECT_EQ(canvas.TextWidth("band"), plain);
    EXPECT_EQ(inner.Measures, 1);

    TMarkupFont bold = canvas.Font();
    bold.Bold = true;
    canvas.SetFont(bold);
    EXPECT_EQ(canvas.TextWidth("band"), plain + 4) << "bold measures anew";
    EXPECT_EQ(inner.Measures, 2);

    TMarkupFont normal = bold;
    normal.Bold = false;
    normal.Color = 0x123456; // a colour does not change widths
    canvas.SetFont(normal);
    EXPECT_EQ(canvas.TextWidth("band"), plain);
    EXPECT_EQ(inner.Measures, 2);
    // The font it has is not set again.
    const int changes = inner.FontChanges;
    canvas.SetFont(normal);
    EXPECT_EQ(inner.FontChanges, changes);
    EXPECT_EQ(inner.Font().Color, 0x123456u);
}

TEST(CachingCanvas, CharsWidthSumsTheCharacters) {
    TCountingCanvas inner;
    TCachingCanvas canvas(inner);
    EXPECT_EQ(canvas.CharsWidth("abab\xC3\xA9"), 5 * inner.Font().Size);
    EXPECT_EQ(inner.Measures, 3) << "a, b and the two-byte character";
}

} // namespace
