#include "controls/markup/MarkupSupport.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/RichLabel.h"
#include "controls/markup/RichText.h"
#include "controls/markup/TextCodec.h"
#include "support/Pixels.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {

constexpr int kLine = 14; // Arial -11

// Which bytes are read as UTF-8 and which in the legacy page is ShownUtf8's rule.
TEST(TextCodec, BytesShowAsUtf8OrTheLegacyPageAndTypedTextGoesBackAsUtf8) {
    const std::pair<std::string, QString> cases[] = {{"Bj\xC3\xB6rk", QStringLiteral(u"Bj\u00F6rk")},
                                                     {"Bj\xF6rk", QStringLiteral(u"Bj\u00F6rk")},
                                                     {std::string("a\0b", 3), QString::fromUtf8("a\0b", 3)}};
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(BytesToQString(bytes), text) << bytes;
    EXPECT_EQ(QStringToBytes(QStringLiteral(u"\u00E9")), "\xC3\xA9");
    EXPECT_EQ(QStringToBytes(QString::fromUtf8("a\0b", 3)), std::string("a\0b", 3));
}

TEST(RichLabel, MeasuresItsTextAndRedrawsOnlyOnAChange) {
    QWidget parent;
    parent.setFont(MarkupFont("Arial", -11));
    TRichLabel label(&parent);
    EXPECT_EQ(label.TextWidth(), 0);
    label.SetCaption("one||two||three");
    EXPECT_EQ(label.TextHeight(), 3 * kLine);
    EXPECT_GT(label.TextWidth(), 0);

    const int paints = label.PaintCount();
    label.SetCaption("one||two||three");
    label.SetBorder(true);
    label.SetAlignment(taCenter);
    label.SetJustified(false);
    EXPECT_EQ(label.PaintCount(), paints);
    label.SetAlignment(taLeftJustify);
    label.SetTransparent(true);
    EXPECT_EQ(label.PaintCount(), paints + 2);
    // A visible label shows the new state at once.
    parent.show();
    QApplication::processEvents();
    const int shown = label.PaintCount();
    label.SetCaption("|b Functions");
    EXPECT_EQ(label.PaintCount(), shown + 1);
}

TEST(RichLabel, BackgroundIsTheShadeOrTheColourOrNone) {
    TRichLabel label;
    label.resize(120, 40);
    const QColor face = label.palette().color(QPalette::Button);
    EXPECT_EQ(Rendered(label, Qt::red, QWidget::DrawChildren).pixel(60, 20),
              ToQColor(ShadeColor(ToTColor(face))).rgb());
    label.SetColorCalculate(false);
    label.SetColor(QColor(224, 224, 224));
    QImage framed = Rendered(label, Qt::red, QWidget::DrawChildren);
    EXPECT_EQ(framed.pixel(60, 20), qRgb(224, 224, 224));
    // The etched frame: white inside at the bottom right, shadow outside at the top left.
    EXPECT_EQ(framed.pixel(60, 39), qRgb(255, 255, 255));
    EXPECT_EQ(framed.pixel(60, 0), label.palette().color(QPalette::Dark).rgb());

    label.SetTransparent(true);
    label.SetBorder(false);
    label.SetCaption("Lists");
    QImage image = Rendered(label, QColor(10, 200, 10), QWidget::DrawChildren);
    for (QPoint at : {QPoint(1, 1), QPoint(118, 38), QPoint(60, 3)})
        EXPECT_EQ(image.pixel(at), QColor(10, 200, 10).rgb());
}

TEST(RichText, EmptyTextKeepsItsPanelAndJustifiedLinesEndWithAnEmptyLine) {
    TRichText text;
    text.setFont(MarkupFont("Arial", -11));
    text.resize(200, 44);
    text.SetText({"x"});
    text.SetText({});
    // Box of no items: (Width - 6, line, 7, 0).
    EXPECT_EQ(text.TextWidth(), 7 - 194);
    EXPECT_EQ(text.TextHeight(), -kLine);
    QImage image = Rendered(text, Qt::red, QWidget::DrawChildren);
    EXPECT_EQ(image.pixel(100, 20), text.palette().color(QPalette::Button).rgb());
    EXPECT_EQ(image.pixel(100, 0), qRgb(128, 128, 128));

    text.resize(300, 200);
    text.SetJustified(true);
    text.SetText({"first line", "", "third line"});
    EXPECT_EQ(text.TextHeight(), 4 * kLine);
    EXPECT_EQ(text.JoinedText(), "first line\r\n\r\nthird line");

    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a\r\nb\nc\r"), (Lines{"a", "b", "c\r"}));
    EXPECT_EQ(SplitLines("a\n\nb\n"), (Lines{"a", "", "b"}));
}

} // namespace
