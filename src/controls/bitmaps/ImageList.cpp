#include "ImageList.h"

#include "controls/bitmaps/BitmapImage.h"
#include "controls/bitmaps/VectorPictures.h"

namespace {

// The platform's 16-colour palette, for bitmaps that bring more colours.
QList<QRgb> SixteenColors() {
    static const QRgb colors[16] = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    QList<QRgb> table;
    for (QRgb rgb : colors)
        table.append(0xFF000000u | rgb);
    return table;
}

QImage InSixteenColors(const QImage& image) {
    if (image.format() == QImage::Format_Indexed8 && image.colorCount() <= 16)
        return image;
    return image.convertToFormat(QImage::Format_Indexed8, SixteenColors(), Qt::ThresholdDither);
}

} // namespace

QImage MaskedImage(const QImage& image, QRgb maskColor) {
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (maskColor & 0xFFFFFF))
                line[x] = 0;
    }
    return masked;
}

QRgb BottomLeftColor(const QImage& image) {
    return image.pixel(0, image.height() - 1);
}

QIcon TImageList::Icon(int index) const {
    const QString source = m_vectorSource ? m_vectorSource(index) : QString();
    return source.isEmpty() ? QIcon(Pixmap(index)) : VectorIcon(source, Pixmap(index));
}

void TImageList::AddMasked(const QImage& frame, QRgb maskColor) {
    QImage masked = MaskedImage(frame, maskColor);
    for (int x = 0; x + m_width <= masked.width(); x += m_width)
        m_images.append(masked.copy(x, 0, m_width, m_height));
}

void AddToImageList(const TBitmapContainer& container, TImageList& list, int32_t index) {
    QImage source;
    std::string damaged; // a damaged picture adds no images
    if (!GetBitmap(container, index, source, damaged))
        return;
    QImage sixteen = InSixteenColors(source);
    QRgb mask = BottomLeftColor(source);
    int frames = source.height() / list.Height();
    // Frames lie 16 pixels apart whatever the list's height.
    for (int i = 0; i < frames; ++i)
        list.AddMasked(sixteen.copy(0, 16 * i, source.width(), list.Height()), mask);
}
