#pragma once

#include "core/BitmapContainer.h"

#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>

// Images of one size with a transparent mask, as tool bars take them.
class TImageList {
public:
    explicit TImageList(int width = 16, int height = 16) : m_width(width), m_height(height) {}

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Count() const { return static_cast<int>(m_images.size()); }
    // ARGB32; pixels of the mask colour are transparent.
    const QImage& Image(int index) const { return m_images.at(index); }
    QPixmap Pixmap(int index) const { return QPixmap::fromImage(Image(index)); }
    // Image `index` as an icon, drawn from its vector source at other sizes
    // when the list has one (SetVectorSource).
    QIcon Icon(int index) const;
    // Where image i's vector source is (an empty string: it has none).
    void SetVectorSource(QString (*source)(int image)) { m_vectorSource = source; }

    // Cuts a frame wider than one image into consecutive images of the list's width.
    void AddMasked(const QImage& frame, QRgb maskColor);

private:
    int m_width;
    int m_height;
    QList<QImage> m_images;
    QString (*m_vectorSource)(int) = nullptr;
};

// `image` with every pixel of `maskColor` made transparent.
QImage MaskedImage(const QImage& image, QRgb maskColor);

// The colour of the bottom-left pixel, which the pictures use as their mask colour.
QRgb BottomLeftColor(const QImage& image);

// Fills `list` from bitmap `index`: frames 16 pixels apart from the top, each
// as high as the list's images, in 16 colours, masked by the bitmap's
// bottom-left colour. Nothing happens when the bitmap cannot be had.
void AddToImageList(const TBitmapContainer& container, TImageList& list, int32_t index);
