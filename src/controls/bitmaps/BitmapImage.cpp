#include "BitmapImage.h"

QImage DibToImage(const TDibImage& dib) {
    bool indexed = dib.BitCount <= 8;
    QImage image(dib.Width, dib.Height, indexed ? QImage::Format_Indexed8 : QImage::Format_RGB32);
    if (indexed) {
        QList<QRgb> table;
        for (uint32_t rgb : dib.Palette)
            table.append(qRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
        // Indices beyond a short table show black, as in the decoded pixels.
        size_t used = table.size();
        for (uint8_t index : dib.Indices)
            used = std::max<size_t>(used, size_t(index) + 1);
        while (static_cast<size_t>(table.size()) < used)
            table.append(qRgb(0, 0, 0));
        image.setColorTable(table);
    }
    for (int32_t y = 0; y < dib.Height; ++y) {
        uchar* line = image.scanLine(y);
        for (int32_t x = 0; x < dib.Width; ++x) {
            size_t at = static_cast<size_t>(y) * dib.Width + x;
            if (indexed)
                line[x] = dib.Indices[at];
            else
                reinterpret_cast<QRgb*>(line)[x] = 0xFF000000u | dib.Pixels[at];
        }
    }
    return image;
}

QImage LoadBitmapFile(const std::string& file, std::string& error) {
    TDibImage dib;
    if (!DecodeDib(file, dib, error))
        return {};
    return DibToImage(dib);
}

bool GetBitmap(const TBitmapContainer& container, int32_t index, QImage& bitmap, std::string& error) {
    std::string file;
    if (!container.GetBitmap(index, file))
        return false;
    QImage image = LoadBitmapFile(file, error);
    if (image.isNull())
        return false;
    bitmap = image;
    return true;
}
