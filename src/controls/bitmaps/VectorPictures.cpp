#include "controls/bitmaps/VectorPictures.h"

#include "KorvalenVersion.h"

#include <QApplication>
#include <QDir>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <cmath>

namespace {

QImage Render(const QString& source, const QSize& size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(source);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, size.width(), size.height()));
    return image;
}

// `bitmap` where `size` is its own, else `source` drawn at `size`.
QPixmap Picture(const QString& source, const QPixmap& bitmap, const QSize& size) {
    if (size == bitmap.size() || source.isEmpty())
        return bitmap.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QString key = QStringLiteral("korvalen:%1:%2x%3").arg(source).arg(size.width()).arg(size.height());
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap::fromImage(Render(source, size));
        QPixmapCache::insert(key, picture);
    }
    return picture;
}

class TVectorIconEngine : public QIconEngine {
public:
    TVectorIconEngine(QString source, QPixmap bitmap) : m_source(std::move(source)), m_bitmap(std::move(bitmap)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, picture);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const QPixmap picture = Picture(m_source, m_bitmap, size);
        if (mode != QIcon::Disabled || !qobject_cast<QApplication*>(QCoreApplication::instance()))
            return picture;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        if (!m_bitmap.isNull())
            return {m_bitmap.size()};
        return {QSize(16, 16), QSize(32, 32), QSize(64, 64), QSize(256, 256)};
    }
    QIconEngine* clone() const override { return new TVectorIconEngine(m_source, m_bitmap); }
    QString key() const override { return QStringLiteral("korvalen-vector"); }

private:
    QString m_source;
    QPixmap m_bitmap;
};

} // namespace

QString ToolbarPictureSource(int image) {
    const QDir folder(QStringLiteral(":/icons/toolbar"));
    const QStringList found =
        folder.entryList({QStringLiteral("%1-*.svg").arg(image, 2, 10, QLatin1Char('0'))}, QDir::Files);
    return found.size() == 1 ? folder.filePath(found.front()) : QString();
}

QString MarkPictureSource(int index) {
    static const char* const kNames[] = {"mark-info", "mark-front-cover", "mark-back-cover", "mark-picture",
                                         "mark-tick"};
    if (index < 2 || index > 6)
        return QString();
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(kNames[index - 2]));
}

QIcon ProgramIcon() {
    return VectorIcon(QStringLiteral(":/icons/" KORVALEN_APP_ID ".svg"), QPixmap());
}

QIcon VectorIcon(const QString& source, const QPixmap& bitmap) {
    return QIcon(new TVectorIconEngine(source, bitmap));
}

QPixmap VectorPixmap(const QString& source, const QImage& bitmap, qreal ratio) {
    const QPixmap own = QPixmap::fromImage(bitmap);
    if (bitmap.isNull() || std::abs(ratio - 1.0) < 0.01)
        return own;
    QPixmap picture = Picture(source, own, (QSizeF(bitmap.size()) * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    return picture;
}
