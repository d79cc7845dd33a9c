#include "controls/panels/MyListBox.h"
#include "controls/markup/QtMarkupCanvas.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct ListBoxFixture : testing::Test {
    ListBoxFixture() {
        window.setFont(MarkupFont("Arial", -11));
        window.resize(300, 300);
        box = new TMyListBox(&window);
        box->setGeometry(15, 30, 186, 200);
        box->SetItemHeight(14);
        box->SetItems({"01 Band", "02 Date", "03 City", "04 Country"});
        box->OnMouseDown = [this](TMyListBox&, Qt::MouseButton, Qt::KeyboardModifiers, int x, int) {
            downs.push_back(x);
        };
        window.show();
    }
    void Press(QPoint at, Qt::KeyboardModifiers shift = Qt::NoModifier) {
        QTest::mouseClick(box->viewport(), Qt::LeftButton, shift, at);
    }
    QImage Rendered() {
        QImage image(box->viewport()->size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        box->viewport()->render(&image);
        return image;
    }

    QWidget window;
    TMyListBox* box = nullptr;
    std::vector<int> downs;
};

TEST_F(ListBoxFixture, APressInTheMarginChangesNeitherSelectionNorFocus) {
    Press({0, 20});
    EXPECT_EQ(box->SelCount(), 0);
    EXPECT_FALSE(box->hasFocus());
    Press({1, 20});
    EXPECT_TRUE(box->Selected(1));
    EXPECT_EQ(box->ItemIndex(), 1);

    box->SetTextOffset(20);
    Press({20, 5});
    EXPECT_TRUE(box->Selected(1));
    EXPECT_FALSE(box->Selected(0));
    Press({21, 5});
    EXPECT_TRUE(box->Selected(0));
    EXPECT_EQ(downs, (std::vector<int>{0, 1, 20, 21}));
}

TEST_F(ListBoxFixture, CtrlAndShiftExtendTheSelection) {
    box->SetMultiSelect(true);
    Press({30, 5});
    Press({30, 33}, Qt::ControlModifier);
    EXPECT_EQ(box->SelCount(), 2);
    Press({30, 47}, Qt::ShiftModifier);
    EXPECT_TRUE(box->Selected(0) && box->Selected(2) && box->Selected(3));
    EXPECT_FALSE(box->Selected(1) && box->SelCount() == 4);
    EXPECT_EQ(box->ItemAtPos({30, 190}, false), 4);
    EXPECT_EQ(box->ItemAtPos({30, 190}, true), -1);
    EXPECT_EQ(box->ItemAtPos({30, 15}, true), 1);
}

TEST_F(ListBoxFixture, TheHighlightStartsRightOfTheMargin) {
    box->SetTextOffset(20);
    box->SetSelected(0, true);
    const QImage image = Rendered();
    const QRgb highlight = box->palette().color(QPalette::Highlight).rgb();
    const QRgb base = box->palette().color(QPalette::Base).rgb();
    EXPECT_EQ(image.pixel(19, 7), base);
    EXPECT_EQ(image.pixel(20, 7), highlight);
    EXPECT_EQ(image.pixel(180, 7), highlight);
    EXPECT_EQ(image.pixel(150, 21), base);
}

TEST_F(ListBoxFixture, OwnerDrawingGetsTheNarrowedRectangleAndDisabledLinesAreGrey) {
    box->SetTextOffset(6);
    std::vector<std::pair<int, QRect>> drawn;
    QColor pen;
    box->OnDrawItem = [&](TMyListBox&, int32_t index, const QRect& rect, TOwnerDrawState state, QPainter& canvas) {
        drawn.emplace_back(index, rect);
        if (state & odDisabled)
            pen = canvas.pen().color();
        box->DrawItemText(canvas, index, rect);
    };
    Rendered();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[1].first, 1);
    EXPECT_EQ(drawn[1].second.left(), 6);
    EXPECT_EQ(drawn[1].second.top(), 14);
    EXPECT_EQ(drawn[1].second.height(), 14);

    box->setEnabled(false);
    const QImage image = Rendered();
    const QColor grey = box->palette().color(QPalette::Disabled, QPalette::Text);
    EXPECT_EQ(pen, grey);
    // Smoothed grey text: nothing darker than the grey, but some pixels near it.
    int greyPixels = 0, darkPixels = 0;
    for (int y = 0; y < 56; ++y)
        for (int x = 0; x < 100; ++x) {
            greyPixels += std::abs(qGray(image.pixel(x, y)) - qGray(grey.rgb())) < 12;
            darkPixels += qGray(image.pixel(x, y)) < qGray(grey.rgb()) - 12;
        }
    EXPECT_GT(greyPixels, 20);
    EXPECT_EQ(darkPixels, 0);
}

} // namespace
