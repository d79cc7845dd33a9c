// Draws the embedded tool-bar pictures (as the image list cuts them) and the
// grid marks, enlarged on a light background, into a PNG for looking at them.
//   bitmaps_showcase OUT.png [SCALE]

#include "controls/bitmaps/BitmapImage.h"
#include "controls/bitmaps/ImageList.h"
#include "controls/bitmaps/StoredResources.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
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
    return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
