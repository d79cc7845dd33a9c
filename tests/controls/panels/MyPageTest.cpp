#include "controls/panels/MyPage.h"
#include "controls/markup/MarkupSupport.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "support/Pixels.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct MyPage : testing::Test {
    TMyTab* AddPage(int32_t index, const std::string& caption) {
        auto* tab = new TMyTab(page);
        tab->SetIndex(index);
        tab->SetCaption(caption);
        return tab;
    }
    void Build() {
        window.setFont(MarkupFont("Arial", -11));
        window.resize(396, 292);
        page->setGeometry(0, 0, 396, 292);
        page->OnChange = [this](TMyPage&) { ++changes; };
    }
    QImage Rendered() { return ::Rendered(*page); }

    QWidget window;
    TMyPage* page = new TMyPage(&window);
    int changes = 0;
};

TEST_F(MyPage, AClickOnAnotherTabSwitchesAndFocusesItsFirstControl) {
    Build();
    AddPage(1, "Text");
    TMyTab* two = AddPage(2, "More");
    new QLabel("Name", two);
    (new QPushButton("Off", two))->setEnabled(false);
    auto* button = new QPushButton("Go", two);
    window.show();
    QApplication::setActiveWindow(&window);
    QTest::mouseClick(page, Qt::RightButton, Qt::NoModifier, {50, 40});
    EXPECT_EQ(changes, 0);
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, {50, 40});
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(page->ActivePage(), 2);
    EXPECT_TRUE(two->isVisible());
    EXPECT_TRUE(button->hasFocus());
}

TEST_F(MyPage, PaintsTheActiveTabInThePageColourAndStopsAtAGap) {
    Build();
    page->SetColor(QColor(200, 220, 240));
    AddPage(1, "Text");
    AddPage(3, "Third");
    window.show();
    const QImage image = Rendered();
    const QRgb column = ToQColor(ShadeColor(ToTColor(page->palette().color(QPalette::Button)))).rgb();
    const QRgb active = qRgb(200, 220, 240);
    EXPECT_EQ(image.pixel(8, 6), active); // inside tab 1
    EXPECT_EQ(image.pixel(2, 6), column); // left of the tabs
    EXPECT_EQ(image.pixel(0, 100), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(99, 100), page->palette().color(QPalette::Dark).rgb());
    // Tab 1's caption is drawn; where tab 2 would be, nothing.
    int text = 0, gap = 0;
    for (int y = 5; y < 28; ++y)
        for (int x = 10; x < 95; ++x)
            text += image.pixel(x, y) != active;
    for (int y = 29; y < 76; ++y) // below the white line under tab 1
        for (int x = 6; x < 98; ++x)
            gap += image.pixel(x, y) != column;
    EXPECT_GT(text, 20);
    EXPECT_EQ(gap, 0);
}

// Pixels of a tab that are not its background: the ink of its caption.
int Ink(const QImage& image, const QRect& tab) {
    const QRgb background = image.pixel(tab.left() + 1, tab.bottom() - 2);
    int ink = 0;
    for (int y = tab.top() + 1; y < tab.bottom() - 1; ++y)
        for (int x = tab.left() + 1; x < tab.right() - 1; ++x)
            ink += image.pixel(x, y) != background;
    return ink;
}

TEST_F(MyPage, OnlyTheActiveHorizontalCaptionHasAShadow) {
    Build();
    AddPage(1, "Text");
    AddPage(2, "Text");
    window.show();
    const QRect tab1(5, 4, 95, 24);
    const QRect tab2(5, 28, 95, 24);
    QImage image = Rendered();
    EXPECT_GT(Ink(image, tab1), Ink(image, tab2) + 10);

    page->SetTextVertical(true);
    page->SetTabHeight(80);
    image = Rendered();
    EXPECT_EQ(Ink(image, QRect(5, 4, 95, 80)), Ink(image, QRect(5, 84, 95, 80)));
}

TEST_F(MyPage, ACaptionChangeRepaintsTheTabs) {
    Build();
    TMyTab* one = AddPage(1, "Text");
    window.show();
    const int before = Ink(Rendered(), QRect(5, 4, 95, 24));
    one->SetCaption("|b A longer caption");
    EXPECT_GT(Ink(Rendered(), QRect(5, 4, 95, 24)), before);
}

} // namespace
