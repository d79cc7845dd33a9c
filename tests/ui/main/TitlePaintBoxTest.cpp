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

} // namespace
