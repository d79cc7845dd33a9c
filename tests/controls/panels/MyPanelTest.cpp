#include "controls/panels/MyPanel.h"
#include "controls/markup/MarkupSupport.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "core/BitmapContainer.h"
#include "support/Pixels.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

struct MyPanel : testing::Test {
    MyPanel() {
        window.setFont(MarkupFont("Arial", -11));
        window.resize(300, 200);
        panel = new TMyPanel(&window);
        panel->setGeometry(10, 10, 116, 70);
        panel->SetItemHeight(24);
        panel->SetItems({"Source", "Media"});
        panel->OnChange = [this](TMyPanel&) { ++changes; };
    }
    void Click(Qt::MouseButton button, QPoint at) { QTest::mouseClick(panel, button, Qt::NoModifier, at); }

    QWidget window;
    TMyPanel* panel = nullptr;
    int changes = 0;
};

TEST_F(MyPanel, ADisabledPanelIgnoresPresses) {
    window.show();
    panel->setEnabled(false);
    int downs = 0;
    panel->OnMouseDown = [&](TMyPanel&, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++downs; };
    Click(Qt::LeftButton, {20, 5});
    EXPECT_FALSE(panel->Checked(1));
    EXPECT_EQ(changes + downs, 0);
}

TEST_F(MyPanel, OnlyALeftButtonLetGoOnThePanelClicks) {
    window.show();
    int clicks = 0;
    panel->OnClick = [&](TMyPanel&) { ++clicks; };
    Click(Qt::RightButton, {20, 5});
    EXPECT_EQ(clicks, 0);
    Click(Qt::LeftButton, {20, 5});
    EXPECT_EQ(clicks, 1);
    QTest::mousePress(panel, Qt::LeftButton, Qt::NoModifier, {20, 5});
    QTest::mouseRelease(panel, Qt::LeftButton, Qt::NoModifier, {200, 5});
    EXPECT_EQ(clicks, 1);
}

TEST_F(MyPanel, EveryItemIsNamedForAScreenReader) {
    QAccessibleInterface* items = QAccessible::queryAccessibleInterface(panel);
    ASSERT_EQ(items->childCount(), 2);
    EXPECT_EQ(items->child(1)->text(QAccessible::Name), QStringLiteral("Media"));
}

TEST_F(MyPanel, AWheelNotchStepsTheCurrentItem) {
    window.show();
    const int32_t before = panel->ItemIndex();
    QWheelEvent notch({20, 5}, panel->mapToGlobal(QPointF(20, 5)), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(panel, &notch);
    EXPECT_NE(panel->ItemIndex(), before);
    EXPECT_EQ(changes, 1);
}

TEST_F(MyPanel, PaintsCheckedItemsInTheSelectedColourWithCaptions) {
    panel->SetChecked(2, true);
    window.show();
    const QImage image = Rendered(*panel);
    const QRgb base = panel->palette().color(QPalette::Base).rgb();
    const QRgb selected = panel->SelectedColor().rgb();
    const QRgb shade = ToQColor(ShadeColor(ToTColor(panel->palette().color(QPalette::Button)))).rgb();
    const QRgb frame = panel->palette().color(QPalette::ButtonText).rgb();
    EXPECT_EQ(image.pixel(0, 0), shade);
    EXPECT_EQ(image.pixel(4, 12), base);
    EXPECT_EQ(image.pixel(4, 36), selected);
    EXPECT_EQ(image.pixel(1, 12), frame);   // the item's frame one pixel inside its cell
    EXPECT_EQ(image.pixel(114, 36), frame); // right edge of item 2 (cell 0..115, frame 1..114)
    // The captions stand in the middle of their items.
    EXPECT_GT(CountOthers(image, QRect(30, 3, 56, 18), {base, selected}), 20);
    EXPECT_GT(CountOthers(image, QRect(30, 27, 56, 18), {base, selected}), 20);
    EXPECT_EQ(CountOthers(image, QRect(3, 3, 20, 18), {base, selected}), 0);
}

TEST_F(MyPanel, RadioModeFillsOnlyTheCurrentItemAndNoneWhenDisabled) {
    panel->SetRadio(true);
    panel->SetItemIndex(2);
    window.show();
    const QRgb selected = panel->SelectedColor().rgb();
    const QRgb shade = ToQColor(ShadeColor(ToTColor(panel->palette().color(QPalette::Button)))).rgb();
    QImage image = Rendered(*panel);
    EXPECT_EQ(image.pixel(4, 12), shade);
    EXPECT_EQ(image.pixel(4, 36), selected);
    panel->setEnabled(false);
    image = Rendered(*panel);
    EXPECT_EQ(image.pixel(4, 36), shade);
    // Embossed captions: white shifted by one pixel, then the shadow colour.
    EXPECT_GT(CountNear(image, QRect(30, 3, 56, 18), qRgb(255, 255, 255)), 5);
    EXPECT_GT(CountNear(image, QRect(30, 3, 56, 18), panel->palette().color(QPalette::Dark).rgb()), 5);
    EXPECT_EQ(
        CountNear(image, QRect(30, 3, 56, 18), panel->palette().color(QPalette::Active, QPalette::ButtonText).rgb()),
        0);
}

TEST_F(MyPanel, TheFocusFrameIsTwoPixelsOnTheCurrentItem) {
    panel->SetTabStop(true);
    auto* other = new QLineEdit(&window);
    other->move(10, 100);
    int activations = 0;
    panel->OnActivate = [&](TMyPanel&) { ++activations; };
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    const QRgb frame = panel->palette().color(QPalette::ButtonText).rgb();
    const QRgb base = panel->palette().color(QPalette::Base).rgb();
    EXPECT_EQ(Rendered(*panel).pixel(2, 12), base);
    activations = 0;
    panel->setFocus();
    ASSERT_TRUE(panel->hasFocus());
    EXPECT_EQ(activations, 1);
    const QImage image = Rendered(*panel);
    // Two pixels of frame on item 1; item 2 has none.
    EXPECT_EQ((std::vector<QRgb>{image.pixel(1, 12), image.pixel(2, 12), image.pixel(3, 12), image.pixel(2, 36)}),
              (std::vector<QRgb>{frame, frame, base, base}));
}

TEST_F(MyPanel, OwnerHooksSeeEveryItemAndTheFinishedPaint) {
    std::vector<std::pair<int32_t, QRect>> items;
    QColor pen;
    int paints = 0;
    panel->OnDrawItem = [&](TMyPanel&, int32_t index, const QRect& rect, QPainter& canvas) {
        items.emplace_back(index, rect);
        pen = canvas.pen().color();
        canvas.fillRect(rect, Qt::green); // under the caption
    };
    panel->OnPaint = [&](TMyPanel&, QPainter& canvas) {
        ++paints;
        canvas.fillRect(0, 0, 1, 1, Qt::red); // over everything
    };
    panel->SetCount(3); // the third item has no caption line
    window.show();
    const QImage image = Rendered(*panel);
    ASSERT_EQ(items.size(), 3u);
    // Item 2's cell is 24..47 high: frame 25..46, owner rectangle 3 pixels in from the cell.
    EXPECT_EQ(items[1], std::make_pair(2, QRect(QPoint(3, 27), QPoint(112, 44))));
    EXPECT_EQ(pen, panel->palette().color(QPalette::Active, QPalette::ButtonText));
    EXPECT_GE(paints, 1);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(5, 60), qRgb(0, 255, 0));
    EXPECT_EQ(CountNear(image, QRect(3, 51, 110, 18), qRgb(0, 0, 0)), 0); // no caption on item 3
    EXPECT_GT(CountNear(image, QRect(3, 27, 110, 18), qRgb(0, 0, 0)), 5);
    EXPECT_EQ(panel->height(), 72);
}

TEST_F(MyPanel, PicturesComeFromTheContainerWithTheirKeyColourTransparent) {
    QImage strip(32, 16, QImage::Format_RGB32);
    strip.fill(Qt::magenta);
    {
        QPainter painter(&strip);
        painter.fillRect(2, 2, 12, 12, Qt::red);
        painter.fillRect(18, 2, 12, 12, Qt::blue);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(strip.save(&buffer, "BMP"));
    TBitmapContainer container;
    ASSERT_TRUE(container.Add(bytes.toStdString()));
    panel->SetAlignment(taLeftJustify);
    panel->SetBmpContainer(&container);
    panel->SetBmpIndex(1);
    window.show();
    QImage image = Rendered(*panel);
    // Item 1 spans 1..22 in height: the picture's top is (1 + 23 - 16) / 2 = 4, its left 1 + 10.
    EXPECT_EQ(image.pixel(11 + 2, 4 + 2), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(11 + 2, 24 + 1 + 3 + 2), qRgb(0, 0, 255));
    EXPECT_EQ(CountNear(image, image.rect(), qRgb(255, 0, 255)), 0);
    // The caption moved right of the picture.
    EXPECT_EQ(CountNear(image, QRect(11, 6, 16, 12), panel->palette().color(QPalette::ButtonText).rgb()), 0);

    panel->SetBmpIndex(2); // no such bitmap: no pictures
    image = Rendered(*panel);
    EXPECT_EQ(CountNear(image, image.rect(), qRgb(255, 0, 0)), 0);
    panel->SetBmpIndex(1);
    panel->SetItems({}); // a strip and no items to share it
    image = Rendered(*panel);
    EXPECT_EQ(CountNear(image, image.rect(), qRgb(255, 0, 0)), 0);
    panel->SetBmpContainer(nullptr);
}

} // namespace
