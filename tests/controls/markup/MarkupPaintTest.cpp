#include "controls/markup/Markup.h"
#include "controls/markup/QtMarkupCanvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

struct TInk {
    int Pixels = 0;
    QRect Bounds;
    int White = 0;
    int Black = 0;
};

// Pixels that differ from the background.
TInk InkOf(const QImage& image, QRgb background) {
    TInk ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QRgb p = image.pixel(x, y);
            if (p == background)
                continue;
            ++ink.Pixels;
            ink.Bounds |= QRect(x, y, 1, 1);
            if (qRed(p) > 245 && qGreen(p) > 245 && qBlue(p) > 245)
                ++ink.White;
            if (qRed(p) < 40 && qGreen(p) < 40 && qBlue(p) < 40)
                ++ink.Black;
        }
    }
    return ink;
}

struct TRender {
    QImage Image;
    TRect Box;
};

TRender Render(const std::string& text, bool enabled = true, int angle = 0, QColor background = Qt::white) {
    TRender r{QImage(240, 240, QImage::Format_RGB32), {}};
    r.Image.fill(background);
    QPainter painter(&r.Image);
    TQtMarkupCanvas canvas(painter, MarkupFont("Arial", -11), Qt::black);
    const TRect bounds{20, 20, 220, 220};
    if (angle == 0)
        r.Box = DrawMarkup(text, bounds, taCenter, taCenter, false, enabled, canvas);
    else
        r.Box = DrawMarkupRotated(text, bounds, angle, taCenter, taCenter, false, enabled, canvas);
    return r;
}

TEST(MarkupPaint, ArialMapsToAnInstalledFace) {
    QString face = DesktopFace("Arial");
    EXPECT_TRUE(QFontDatabase::hasFamily(face)) << face.toStdString();
    EXPECT_EQ(DesktopFace("Some Unknown Face"), QStringLiteral("Some Unknown Face"));
}

TEST(MarkupPaint, BoldHasMoreInkThanPlain) {
    TInk plain = InkOf(Render("Bootleg Tapes").Image, qRgb(255, 255, 255));
    TInk bold = InkOf(Render("|b Bootleg Tapes").Image, qRgb(255, 255, 255));
    EXPECT_GT(plain.Pixels, 50);
    EXPECT_GT(bold.Pixels, plain.Pixels * 11 / 10);
    EXPECT_GT(bold.Bounds.width(), plain.Bounds.width());
}

TEST(MarkupPaint, MeasuredBoxHoldsTheInk) {
    TRender r = Render("|z20 Live|f  at||the |b Marquee|f ");
    TInk ink = InkOf(r.Image, qRgb(255, 255, 255));
    QRect box(QPoint(r.Box.Left, r.Box.Top), QPoint(r.Box.Right, r.Box.Bottom));
    // Zoomed text is lifted above its line cell, so allow for that upwards.
    EXPECT_TRUE(box.adjusted(0, -20, 1, 1).contains(ink.Bounds))
        << ink.Bounds.x() << "," << ink.Bounds.y() << " " << ink.Bounds.width() << "x" << ink.Bounds.height();
}

TEST(MarkupPaint, GreyedTextIsEmbossedNotBlack) {
    const QColor grey(192, 192, 192);
    TInk enabled = InkOf(Render("Disabled", true, 0, grey).Image, grey.rgb());
    TInk greyed = InkOf(Render("Disabled", false, 0, grey).Image, grey.rgb());
    EXPECT_GT(enabled.Black, 0);
    EXPECT_EQ(greyed.Black, 0);
    EXPECT_GT(greyed.White, 0);
}

TEST(MarkupPaint, RotatedTextStandsUpright) {
    TInk flat = InkOf(Render("Vertical tab").Image, qRgb(255, 255, 255));
    TInk turned = InkOf(Render("Vertical tab", true, 90).Image, qRgb(255, 255, 255));
    EXPECT_GT(flat.Bounds.width(), flat.Bounds.height() * 3);
    EXPECT_GT(turned.Bounds.height(), turned.Bounds.width() * 3);
    EXPECT_NEAR(turned.Pixels, flat.Pixels, flat.Pixels / 5);
}

TEST(MarkupPaint, SymbolCodesDrawTheirCharacters) {
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    TQtMarkupCanvas canvas(painter, MarkupFont("Arial", -11), Qt::black);
    TMarkupFont symbol = canvas.Font();
    symbol.Name = "Symbol";
    canvas.SetFont(symbol);
    QFontMetrics metrics(MarkupFont("Symbol", -11), &image);
    EXPECT_EQ(canvas.TextWidth("a"), metrics.horizontalAdvance(QString(QChar(0x03B1))));
    EXPECT_EQ(canvas.TextWidth("\xC3\x96"), metrics.horizontalAdvance(QString(QChar(0x221A))));
    EXPECT_GT(canvas.TextWidth("\xC3\x96"), 0);
}

TEST(MarkupPaint, CanvasFontAndPenAreRestored) {
    QImage image(200, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    TQtMarkupCanvas canvas(painter, MarkupFont("Arial", -11, true), Qt::blue);
    TMarkupFont entry = canvas.Font();
    EXPECT_EQ(entry.Height, -11);
    EXPECT_EQ(entry.Size, 8);
    EXPECT_TRUE(entry.Bold);
    DrawMarkup("|z30 a|s\xD6 |d b|u c|b d", {0, 0, 200, 100}, taLeftJustify, taLeftJustify, false, false, canvas);
    EXPECT_EQ(canvas.Font(), entry);
    EXPECT_EQ(canvas.PenColor(), ToTColor(Qt::blue));
}

} // namespace
