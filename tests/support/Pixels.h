#pragma once

// What a widget painted, and counts of its pixels, for the paint tests.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

inline QImage Rendered(QWidget& widget, QColor fill = Qt::magenta,
                       QWidget::RenderFlags flags = QWidget::DrawWindowBackground | QWidget::DrawChildren) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(fill);
    widget.render(&image, QPoint(), QRegion(), flags);
    return image;
}

// Text is smoothed, so its pixels only come near its colour.
inline int CountNear(const QImage& image, const QRect& area, QRgb color) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += std::abs(qRed(p) - qRed(color)) + std::abs(qGreen(p) - qGreen(color)) +
                     std::abs(qBlue(p) - qBlue(color)) <
                 30;
        }
    return n;
}

// Pixels that are none of the given colours: text, in practice.
inline int CountOthers(const QImage& image, const QRect& area, std::initializer_list<QRgb> colors) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += std::find(colors.begin(), colors.end(), image.pixel(x, y)) == colors.end();
    return n;
}
