#include "controls/markup/MarkupLinks.h"

#include "FakeCanvas.h"
#include "controls/markup/MarkupLayout.h"

#include <gtest/gtest.h>

namespace {

// The link under the middle of every placed text word, in order.
std::vector<int> LinksOfWords(const std::string& text) {
    TFakeCanvas canvas;
    const std::vector<TWord> words = LayoutMarkup(text, {0, 0, 2000, 400}, taLeftJustify, taLeftJustify, false, canvas);
    const std::vector<TLinkBox> boxes = LinkBoxes(words, 13);
    std::vector<int> links;
    for (const TWord& w : words)
        if (IsTextKind(w.Kind) && w.Placed)
            links.push_back(LinkAt(boxes, w.X + w.Width / 2, w.Y + 6));
    return links;
}

TEST(MarkupLinks, EachUnderlinedSpanIsOneLinkInTheOrderOfTheText) {
    // The second space after a code is a word of its own, as in the help texts.
    EXPECT_EQ(LinksOfWords("go |l to a|f  b |l c|f"), (std::vector<int>{-1, 0, 0, -1, -1, 1}));
    // Bold inside a link, a link inside a link, a link left open to the end.
    EXPECT_EQ(LinksOfWords("|l x |b y|f |f z |l w |l v|f u"), (std::vector<int>{0, 0, -1, 1, 1, 1}));
    EXPECT_EQ(LinksOfWords("no links||here"), (std::vector<int>{-1, -1, -1}));
}

TEST(MarkupLinks, APointBesideOrBelowTheWordsHitsNoLink) {
    TFakeCanvas canvas;
    const std::vector<TWord> words =
        LayoutMarkup("|l ab|f", {10, 10, 2000, 400}, taLeftJustify, taLeftJustify, false, canvas);
    const std::vector<TLinkBox> boxes = LinkBoxes(words, 13);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(LinkCount(boxes), 1);
    const TRect box = boxes[0].Box;
    EXPECT_EQ(LinkAt(boxes, box.Left, box.Top), 0);
    EXPECT_EQ(LinkAt(boxes, box.Right - 1, box.Bottom - 1), 0);
    EXPECT_EQ(LinkAt(boxes, box.Right, box.Top), -1);
    EXPECT_EQ(LinkAt(boxes, box.Left, box.Bottom), -1);
    EXPECT_EQ(LinkAt(boxes, box.Left - 1, box.Top), -1);
}

} // namespace
