// Draws the embedded tool-bar pictures (as the image list cuts them) and the
// grid marks, enlarged on a light background, into a PNG for looking at them;
// beside it OUT-scales.png: the pictures as screens of 1, 1.25, 1.5 and 2
// device pixels per point get them, one row each, every pixel enlarged by 3.
//   bitmaps_showcase OUT.png [SCALE]

#include "controls/bitmaps/BitmapImage.h"
#include "controls/bitmaps/ImageList.h"
#include "controls/bitmaps/StoredResources.h"
#include "controls/bitmaps/VectorPictures.h"

#include <QApplication>
#include <QPainter>

#include <cstdio>

namespace {

// The pictures at each scale, in device pixels, then enlarged without smoothing.
QImage ScalesSheet(const TBitmapContainer& container, TImageList& toolbar) {
    const qreal ratios[] = {1.0, 1.25, 1.5, 2.0};
    QImage sheet(toolbar.Count() * 36 + 200, 4 * 36, QImage::Format_RGB32);
    sheet.fill(QColor(240, 240, 240));
    QPainter painter(&sheet);
    toolbar.SetVectorSource(ToolbarPictureSource);
    for (int row = 0; row < 4; ++row) {
        int x = 2;
        for (int i = 0; i < toolbar.Count(); ++i, x += 36)
            painter.drawPixmap(x, row * 36 + 2, toolbar.Icon(i).pixmap(QSize(16, 16) * ratios[row]));
        for (int i = 2; i <= container.Count(); ++i) {
            QImage mark;
            std::string error;
            if (!GetBitmap(container, i, mark, error))
                continue;
            QPixmap shown = VectorPixmap(MarkPictureSource(i), MaskedImage(mark, BottomLeftColor(mark)), ratios[row]);
            shown.setDevicePixelRatio(1);
            painter.drawPixmap(x, row * 36 + 2, shown);
            x += shown.width() + 6;
        }
    }
    painter.end();
    return sheet.scaled(sheet.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bitmaps_showcase OUT.png [SCALE]\n");
        return 2;
    }
    int scale = argc > 2 ? std::max(1, std::atoi(argv[2])) : 4;
    TBitmapContainer container;
    std::string error;
    if (!LoadStoredBitmaps(container, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    TImageList toolbar;
    AddToImageList(container, toolbar, 1);

    const int gap = 4;
    const int cell = 16 * scale + 2 * gap;
    QImage sheet(8 * cell, 5 * cell, QImage::Format_RGB32);
    sheet.fill(QColor(240, 240, 240));
    QPainter painter(&sheet);
    for (int i = 0; i < toolbar.Count(); ++i) {
        QRect at((i % 8) * cell + gap, (i / 8) * cell + gap, 16 * scale, 16 * scale);
        painter.drawImage(at, toolbar.Image(i));
    }
    int x = gap;
    for (int i = 2; i <= container.Count(); ++i) {
        QImage mark;
        if (!GetBitmap(container, i, mark, error))
            continue;
        QImage shown = MaskedImage(mark, BottomLeftColor(mark));
        painter.drawImage(QRect(x, 4 * cell + gap, shown.width() * scale, shown.height() * scale), shown);
        x += shown.width() * scale + 2 * gap;
    }
    painter.end();
    QString scales = QString::fromLocal8Bit(argv[1]);
    scales.insert(scales.lastIndexOf(QLatin1Char('.')), QStringLiteral("-scales"));
    return sheet.save(QString::fromLocal8Bit(argv[1])) && ScalesSheet(container, toolbar).save(scales) ? 0 : 1;
}
