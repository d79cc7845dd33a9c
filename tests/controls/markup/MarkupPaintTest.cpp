#include "controls/markup/Markup.h"
#include "controls/markup/QtMarkupCanvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

struct TInk {
    int Pixels = 0, White = 0, Black = 0;
    QRect Bounds;
};

// What was drawn of `text` in the middle of 240 x 240 pixels over `background`.
TInk Ink(const std::string& text, bool enabled = true, int angle = 0, QColor background = Qt::white,
         TRect* box = nullptr) {
    QImage image(240, 240, QImage::Format_RGB32);
    image.fill(background);
    {
        QPainter painter(&image);
        TQtMarkupCanvas canvas(painter, MarkupFont("Arial", -11), Qt::black);
        const TRect drawn =
            DrawMarkupRotated(text, {20, 20, 220, 220}, angle, taCenter, taCenter, false, enabled, canvas);
        if (box)
            *box = drawn;
    }
    TInk ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (p == background.rgb())
                continue;
            ++ink.Pixels;
            ink.Bounds |= QRect(x, y, 1, 1);
            ink.White += qRed(p) > 245 && qGreen(p) > 245 && qBlue(p) > 245;
            ink.Black += qRed(p) < 40 && qGreen(p) < 40 && qBlue(p) < 40;
        }
    return ink;
}

TEST(MarkupPaint, BoldWidensAndTheMeasuredBoxHoldsTheInk) {
    const TInk plain = Ink("Bootleg Tapes"), bold = Ink("|b Bootleg Tapes");
    EXPECT_GT(plain.Pixels, 50);
    EXPECT_GT(bold.Pixels, plain.Pixels * 11 / 10);
    EXPECT_GT(bold.Bounds.width(), plain.Bounds.width());
    TRect b;
    const TInk ink = Ink("|z20 Live|f  at||the |b Marquee|f ", true, 0, Qt::white, &b);
    // Zoomed text is lifted above its line cell, so allow for that upwards.
    EXPECT_TRUE(QRect(QPoint(b.Left, b.Top), QPoint(b.Right, b.Bottom)).adjusted(0, -20, 1, 1).contains(ink.Bounds));
}

TEST(MarkupPaint, SymbolCodesDrawTheirCharactersAndTheCanvasIsRestored) {
    QImage image(200, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    TQtMarkupCanvas canvas(painter, MarkupFont("Arial", -11, true), Qt::blue);
    const TMarkupFont entry = canvas.Font();
    EXPECT_EQ(std::make_tuple(entry.Height, entry.Size, entry.Bold), std::make_tuple(-11, 8, true));
    DrawMarkup("|z30 a|s\xD6 |d b|u c|b d", {0, 0, 200, 100}, taLeftJustify, taLeftJustify, false, false, canvas);
    EXPECT_EQ(canvas.Font(), entry);
    EXPECT_EQ(canvas.PenColor(), ToTColor(Qt::blue));

    TMarkupFont symbol = entry;
    symbol.Name = "Symbol";
    symbol.Bold = false;
    canvas.SetFont(symbol);
    QFontMetrics metrics(MarkupFont("Symbol", -11), &image);
    EXPECT_EQ(canvas.TextWidth("a"), metrics.horizontalAdvance(QString(QChar(0x03B1))));
    EXPECT_EQ(canvas.TextWidth("\xC3\x96"), metrics.horizontalAdvance(QString(QChar(0x221A))));
    EXPECT_GT(canvas.TextWidth("\xC3\x96"), 0);
}

} // namespace
