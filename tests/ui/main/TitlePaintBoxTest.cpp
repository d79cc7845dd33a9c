#include "ui/main/TitlePaintBox.h"
#include "core/Project.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

QImage Render(TTitlePaintBox& bar) {
    QImage image(bar.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    bar.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

// The first column at or after `from` in which text was drawn over the background.
int InkFrom(const QImage& image, int from, const QColor& background) {
    for (int x = from; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) != background)
                return x;
    return -1;
}

TEST(TitlePaintBox, FillsTheBarOnlyWithAListAndKeepsTheCountsClearOfALongName) {
    TTitlePaintBox bar;
    bar.resize(900, 20);
    EXPECT_EQ(Render(bar).pixelColor(5, 5).alpha(), 0);
    TProject list;
    list.FileName = "Short.kvu";
    bar.SetList(&list);
    const QColor background = bar.palette().color(QPalette::Active, QPalette::Highlight);
    QImage shortName = Render(bar);
    EXPECT_EQ(shortName.pixelColor(2, 2), background);
    const int counts = InkFrom(shortName, 150, background);
    EXPECT_GE(counts, 160);
    EXPECT_LT(counts, 175);

    list.FileName = std::string(40, 'W') + ".kvu";
    QImage longName = Render(bar);
    // The name ends at the first gap of ten clear columns; it runs past 160
    // and the counts follow after the gap.
    int x = InkFrom(longName, 10, background);
    int nameEnd = x;
    while (x >= 0 && x - nameEnd < 10) {
        nameEnd = x;
        x = InkFrom(longName, x + 1, background);
    }
    EXPECT_GT(nameEnd, 200);
    EXPECT_GE(x, nameEnd + 10);
}

// However narrow the bar, a text is drawn whole or not at all, and the name
// gives way, word by word, before a count does.
TEST(TitlePaintBox, ANarrowBarShortensTheNameByWordsAndCutsNoText) {
    TTitlePaintBox bar;
    TProject list;
    list.FileName = "/lists/The complete Ironwood live collection.kvu";
    list.Data.resize(12345);
    for (int32_t i = 0; i < 12345; ++i)
        list.View.push_back(i);
    bar.SetList(&list);
    bool shortened = false;
    for (int width = 900; width >= 120; width -= 7) {
        SCOPED_TRACE(width);
        bar.resize(width, 20);
        Render(bar);
        const auto& drawn = bar.Drawn();
        ASSERT_FALSE(drawn.empty());
        EXPECT_LE(drawn.back().Right, width);
        for (size_t i = 1; i < drawn.size(); ++i)
            EXPECT_GT(drawn[i].Left, drawn[i - 1].Right);
        const std::string& name = drawn[0].Text;
        if (name != "List: |b The complete Ironwood live collection|f ") {
            shortened = true;
            EXPECT_TRUE(name == "List: |b The complete Ironwood live...|f " ||
                        name == "List: |b The complete Ironwood...|f " || name == "List: |b The complete...|f " ||
                        name == "List: |b The...|f " || name == "List: |b ...|f ")
                << name;
        }
        if (width >= 340) {
            EXPECT_EQ(drawn.size(), 3u); // both counts stay at the window's smallest
        }
    }
    EXPECT_TRUE(shortened);
}

} // namespace
