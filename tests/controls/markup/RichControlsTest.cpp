#include "controls/markup/MarkupSupport.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/RichLabel.h"
#include "controls/markup/RichText.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

constexpr int kLine = 14; // Arial -11

QImage Rendered(QWidget& widget, QColor fill) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(fill);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

TEST(RichLabel, DefaultsAndTextSize) {
    QWidget parent;
    parent.setFont(MarkupFont("Arial", -11));
    TRichLabel label(&parent);
    EXPECT_EQ(label.width(), 200);
    EXPECT_EQ(label.height(), 44);
    EXPECT_EQ(label.Alignment(), taCenter);
    EXPECT_EQ(label.VAlignment(), taCenter);
    EXPECT_TRUE(label.Border());
    EXPECT_TRUE(label.ColorCalculate());
    EXPECT_EQ(label.TextWidth(), 0);

    label.SetCaption("one||two||three");
    EXPECT_EQ(label.TextHeight(), 3 * kLine);
    EXPECT_GT(label.TextWidth(), 0);
}

TEST(RichLabel, SettingTheSameValueDoesNotRedraw) {
    TRichLabel label;
    label.SetCaption("Parameters");
    int paints = label.PaintCount();
    label.SetCaption("Parameters");
    label.SetBorder(true);
    label.SetAlignment(taCenter);
    label.SetJustified(false);
    EXPECT_EQ(label.PaintCount(), paints);
    label.SetAlignment(taLeftJustify);
    label.SetTransparent(true);
    EXPECT_EQ(label.PaintCount(), paints + 2);
}

TEST(RichLabel, VisibleLabelShowsTheNewStateAtOnce) {
    TRichLabel label;
    label.show();
    QApplication::processEvents();
    int paints = label.PaintCount();
    label.SetCaption("|b Functions");
    EXPECT_EQ(label.PaintCount(), paints + 1);
}

TEST(RichLabel, TransparentWithoutBorderDrawsOnlyText) {
    TRichLabel label;
    label.resize(120, 40);
    label.SetTransparent(true);
    label.SetBorder(false);
    label.SetCaption("Lists");
    QImage image = Rendered(label, QColor(10, 200, 10));
    EXPECT_EQ(image.pixel(1, 1), QColor(10, 200, 10).rgb());
    EXPECT_EQ(image.pixel(118, 38), QColor(10, 200, 10).rgb());
    EXPECT_EQ(image.pixel(60, 3), QColor(10, 200, 10).rgb());
}

TEST(RichLabel, BackgroundIsShadeColorOrColor) {
    TRichLabel label;
    label.resize(120, 40);
    label.SetCaption("");
    QColor face = label.palette().color(QPalette::Button);
    QColor shaded = ToQColor(ShadeColor(ToTColor(face)));
    EXPECT_EQ(Rendered(label, Qt::red).pixel(60, 20), shaded.rgb());
    label.SetColorCalculate(false);
    label.SetColor(QColor(224, 224, 224));
    EXPECT_EQ(Rendered(label, Qt::red).pixel(60, 20), qRgb(224, 224, 224));
    // The etched frame: white inside at the bottom right, shadow outside at the top left.
    QImage framed = Rendered(label, Qt::red);
    EXPECT_EQ(framed.pixel(60, 39), qRgb(255, 255, 255));
    EXPECT_EQ(framed.pixel(60, 0), label.palette().color(QPalette::Dark).rgb());
}

TEST(RichLabel, MouseDownGoesToTheHandlerOrTheParent) {
    struct TParent : QWidget {
        int Presses = 0;
        void mousePressEvent(QMouseEvent*) override { ++Presses; }
    } parent;
    TRichLabel label(&parent);
    QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, label.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&label, &press);
    EXPECT_EQ(parent.Presses, 1);
    int handled = 0;
    label.OnMouseDown = [&](QMouseEvent*) { ++handled; };
    QMouseEvent again(QEvent::MouseButtonPress, at, label.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&label, &again);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(parent.Presses, 1);
}

TEST(RichText, EmptyTextKeepsItsPanelAndTheInvertedBox) {
    TRichText text;
    text.setFont(MarkupFont("Arial", -11));
    text.resize(200, 44);
    text.SetText({"x"});
    text.SetText({});
    // Box of no items: (Width - 6, line, 7, 0).
    EXPECT_EQ(text.TextWidth(), 7 - 194);
    EXPECT_EQ(text.TextHeight(), -kLine);
    QImage image = Rendered(text, Qt::red);
    EXPECT_EQ(image.pixel(100, 20), text.palette().color(QPalette::Button).rgb());
    EXPECT_EQ(image.pixel(100, 0), qRgb(128, 128, 128));
}

TEST(RichText, JustifiedLinesEndWithAnEmptyLine) {
    TRichText text;
    text.setFont(MarkupFont("Arial", -11));
    text.resize(300, 200);
    text.SetJustified(true);
    text.SetText({"first line", "", "third line"});
    EXPECT_EQ(text.TextHeight(), 4 * kLine);
    EXPECT_EQ(text.JoinedText(), "first line\r\n\r\nthird line");
}

TEST(RichText, SplitLinesAtLineFeeds) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a"), Lines{"a"});
    EXPECT_EQ(SplitLines("a\r\nb\nc\r"), (Lines{"a", "b", "c\r"}));
    EXPECT_EQ(SplitLines("a\n\nb\n"), (Lines{"a", "", "b"}));
}

} // namespace
