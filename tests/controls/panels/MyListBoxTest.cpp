#include "controls/panels/MyListBox.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "support/Pixels.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct MyListBox : testing::Test {
    MyListBox() {
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
    QImage Rendered() { return ::Rendered(*box->viewport()); }

    QWidget window;
    TMyListBox* box = nullptr;
    std::vector<int> downs;
};

TEST_F(MyListBox, APressInTheMarginChangesNeitherSelectionNorFocus) {
    QLineEdit other(&window);
    other.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other.setFocus();
    Press({0, 20});
    EXPECT_EQ(box->SelCount(), 0);
    EXPECT_TRUE(other.hasFocus());
    Press({1, 20});
    EXPECT_TRUE(box->Selected(1));
    EXPECT_EQ(box->ItemIndex(), 1);
    EXPECT_TRUE(box->hasFocus());

    box->SetTextOffset(20);
    Press({20, 5});
    EXPECT_TRUE(box->Selected(1));
    EXPECT_FALSE(box->Selected(0));
    Press({21, 5});
    EXPECT_TRUE(box->Selected(0));
    EXPECT_EQ(downs, (std::vector<int>{0, 1, 20, 21}));
}

TEST_F(MyListBox, CtrlAndShiftExtendTheSelection) {
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

TEST_F(MyListBox, TheHighlightStartsRightOfTheMargin) {
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

TEST_F(MyListBox, OwnerDrawingGetsTheNarrowedRectangleAndDisabledLinesAreGrey) {
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

TEST_F(MyListBox, DropsAreTheOwnersToAcceptAndCarryOut) {
    box->SetDragAutomatic(true);
    bool accept = false;
    std::vector<QPoint> drops;
    box->OnDragOver = [&](TMyListBox&, QObject*, int, int, bool& accepted) { accepted = accept; };
    box->OnDragDrop = [&](TMyListBox&, QObject*, int x, int y) { drops.emplace_back(x, y); };
    QMimeData data;
    data.setText("x");
    // Qt passes moves and drops only to the widget that accepted the drag's entry.
    auto enter = [&](QPoint at) {
        QDragEnterEvent event(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box->viewport(), &event);
        return event.isAccepted();
    };
    auto move = [&](QPoint at) {
        QDragMoveEvent event(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box->viewport(), &event);
        return event.isAccepted();
    };
    auto drop = [&](QPoint at) {
        QDropEvent event(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box->viewport(), &event);
    };
    EXPECT_FALSE(enter({30, 20}));
    EXPECT_EQ(box->DropRow(), -1);
    accept = true;
    EXPECT_TRUE(enter({30, 20}));
    EXPECT_EQ(box->DropRow(), 1);
    EXPECT_TRUE(move({30, 34}));
    EXPECT_EQ(box->DropRow(), 2);
    EXPECT_TRUE(move({30, 150})); // below the last line: the drop appends
    EXPECT_EQ(box->DropRow(), 4);
    const QRgb text = box->palette().color(QPalette::Text).rgb();
    EXPECT_EQ(Rendered().pixel(100, 56), text);
    drop({31, 40});
    EXPECT_EQ(box->DropRow(), -1);
    EXPECT_EQ(drops, (std::vector<QPoint>{{31, 40}}));
    // Refused at the drop itself: nothing happens.
    EXPECT_TRUE(enter({30, 20}));
    accept = false;
    drop({30, 20});
    EXPECT_EQ(drops.size(), 1u);
    // The list box moves nothing by itself.
    EXPECT_EQ(box->Items(), (std::vector<std::string>{"01 Band", "02 Date", "03 City", "04 Country"}));
}

TEST_F(MyListBox, WholeLinesOnlySnapsTheHeight) {
    const int frame = box->height() - box->viewport()->height();
    box->resize(186, frame + 14 * 10 + 9);
    EXPECT_EQ(box->height(), frame + 14 * 10 + 9);
    box->SetIntegralHeight(true);
    EXPECT_EQ(box->height(), frame + 14 * 10);
    EXPECT_EQ(box->viewport()->height(), 14 * 10);
    box->resize(186, 3);
    EXPECT_EQ(box->height(), frame + 14);
    box->SetItemHeight(20);
    EXPECT_EQ(box->height(), frame + 20);
}

TEST_F(MyListBox, ItemTextsKeepTheirBytes) {
    box->SetItems({"Bj\xF6rk", "Bj\xC3\xB6rk", ""});
    EXPECT_EQ(box->ItemText(0), "Bj\xF6rk");
    EXPECT_EQ(box->item(0)->text(), QStringLiteral(u"Bj\u00F6rk"));
    EXPECT_EQ(box->item(1)->text(), QStringLiteral(u"Bj\u00F6rk"));
    EXPECT_EQ(box->Items().size(), 3u);
    EXPECT_EQ(box->ItemText(7), "");
}

} // namespace
