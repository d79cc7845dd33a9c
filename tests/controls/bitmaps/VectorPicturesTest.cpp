#include "controls/bitmaps/VectorPictures.h"
#include "controls/bitmaps/BitmapImage.h"
#include "controls/bitmaps/ImageList.h"
#include "controls/bitmaps/StoredResources.h"

#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace {

bool HasOpaquePixels(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

TEST(VectorPictures, EveryStoredPictureHasAVectorSourceDrawnSharpAtEveryScale) {
    TBitmapContainer container;
    std::string error;
    ASSERT_TRUE(LoadStoredBitmaps(container, error)) << error;
    TImageList toolbar;
    AddToImageList(container, toolbar, 1);
    toolbar.SetVectorSource(ToolbarPictureSource);
    int pictures = 0;
    for (int i = 0; i < toolbar.Count(); ++i) {
        const QImage bitmap = toolbar.Image(i);
        if (!HasOpaquePixels(bitmap))
            continue; // an empty slot of the strip
        ++pictures;
        const QString source = ToolbarPictureSource(i);
        ASSERT_TRUE(QSvgRenderer(source).isValid()) << i;
        const QIcon icon = toolbar.Icon(i);
        EXPECT_EQ(icon.pixmap(QSize(16, 16), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
                  bitmap.convertToFormat(QImage::Format_ARGB32))
            << i << ": at one pixel per point the stored bitmap is shown";
        for (qreal ratio : {1.25, 1.5, 2.0}) {
            const QImage drawn = icon.pixmap(QSize(16, 16), ratio).toImage();
            EXPECT_EQ(drawn.size(), QSize(16, 16) * ratio) << i << " at " << ratio;
            EXPECT_TRUE(HasOpaquePixels(drawn)) << i << " at " << ratio;
        }
    }
    EXPECT_GE(pictures, 20);
    for (int index = 2; index <= container.Count(); ++index) {
        QImage mark;
        ASSERT_TRUE(GetBitmap(container, index, mark, error)) << error;
        ASSERT_TRUE(QSvgRenderer(MarkPictureSource(index)).isValid()) << index;
        const QPixmap sharp = VectorPixmap(MarkPictureSource(index), mark, 2.0);
        EXPECT_EQ(sharp.size(), mark.size() * 2) << index;
        EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(mark.size())) << index;
    }
}

TEST(VectorPictures, TheProgramIconIsDrawnAtTheSizeAsked) {
    const QImage large = ProgramIcon().pixmap(QSize(128, 128), 1.0).toImage();
    EXPECT_EQ(large.size(), QSize(128, 128));
    EXPECT_TRUE(HasOpaquePixels(large));
}

TEST(VectorPictures, APictureWithoutSourceIsScaledFromItsBitmap) {
    EXPECT_TRUE(ToolbarPictureSource(99).isEmpty());
    EXPECT_TRUE(MarkPictureSource(1).isEmpty());
    QImage bitmap(4, 4, QImage::Format_ARGB32);
    bitmap.fill(Qt::red);
    const QImage drawn = VectorPixmap(QString(), bitmap, 2.0).toImage();
    EXPECT_EQ(drawn.size(), QSize(8, 8));
    EXPECT_EQ(drawn.pixel(7, 7), QColor(Qt::red).rgb());
}

} // namespace
