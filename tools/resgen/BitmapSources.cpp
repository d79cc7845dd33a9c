#include "BitmapSources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <sstream>
#include <vector>

namespace {

constexpr int kSlot = 16;

struct TEntry {
    bool Strip = false;
    uint16_t Bits = 0;
    int Width = 0;
    int Height = 0;
    QString Path;
};

bool ReadManifest(const std::string& manifestPath, std::vector<TEntry>& entries, std::string& error) {
    QFile file(QString::fromStdString(manifestPath));
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot read " + manifestPath;
        return false;
    }
    QDir base = QFileInfo(file).absoluteDir();
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        QStringList f = line.split('\t');
        QStringList size = f.size() == 4 ? f[2].split('x') : QStringList();
        TEntry e;
        bool bitsOk = false, wOk = false, hOk = false;
        if (size.size() == 2) {
            e.Bits = static_cast<uint16_t>(f[1].toUInt(&bitsOk));
            e.Width = size[0].toInt(&wOk);
            e.Height = size[1].toInt(&hOk);
        }
        if (f.size() != 4 || (f[0] != "image" && f[0] != "strip") || !bitsOk || !wOk || !hOk ||
            (e.Bits != 4 && e.Bits != 8 && e.Bits != 24)) {
            error = manifestPath + ": line " + std::to_string(number) + ": expected \"image|strip BITS WxH PATH\"";
            return false;
        }
        e.Strip = f[0] == "strip";
        e.Path = base.filePath(f[3]);
        entries.push_back(e);
    }
    return true;
}

bool LoadPicture(const QString& path, QImage& picture, std::string& error) {
    if (!picture.load(path)) {
        error = "cannot read the picture " + path.toStdString();
        return false;
    }
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    return true;
}

// The 16 x 16 pictures of a folder put together at their slots.
bool LoadStrip(const TEntry& e, QImage& strip, std::string& error) {
    strip = QImage(e.Width, e.Height, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    int perRow = e.Width / kSlot;
    int slotCount = perRow * (e.Height / kSlot);
    QDir folder(e.Path);
    QStringList names = folder.entryList({"*.png"}, QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        error = "no pictures in " + e.Path.toStdString();
        return false;
    }
    QPainter painter(&strip);
    for (const QString& name : names) {
        bool ok = false;
        int slot = name.section('-', 0, 0).toInt(&ok);
        QImage picture;
        if (!ok || slot < 0 || slot >= slotCount) {
            error = "picture " + name.toStdString() + " is not named after a slot";
            return false;
        }
        if (!LoadPicture(folder.filePath(name), picture, error))
            return false;
        if (picture.size() != QSize(kSlot, kSlot)) {
            error = "picture " + name.toStdString() + " is not 16 x 16";
            return false;
        }
        painter.drawImage(kSlot * (slot % perRow), kSlot * (slot / perRow), picture);
    }
    return true;
}

} // namespace

bool PictureToDib(const QImage& picture, uint16_t bits, TDibImage& dib, std::string& error) {
    QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    TDibImage made;
    made.Width = argb.width();
    made.Height = argb.height();
    made.BitCount = bits;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            QRgb p = argb.pixel(x, y);
            if (qAlpha(p) != 0 && qAlpha(p) != 255) {
                error = "half-transparent pixel";
                return false;
            }
            uint32_t rgb = qAlpha(p) == 0 ? kMaskColor : (p & 0xFFFFFF);
            if (qAlpha(p) != 0 && rgb == kMaskColor) {
                error = "the picture uses the mask colour";
                return false;
            }
            made.Pixels.push_back(rgb);
            if (bits > 8)
                continue;
            // The colour table in the order the colours first appear.
            size_t index = 0;
            while (index < made.Palette.size() && made.Palette[index] != rgb)
                ++index;
            if (index == made.Palette.size()) {
                if (made.Palette.size() == (size_t(1) << bits)) {
                    error = "more colours than " + std::to_string(bits) + " bits hold";
                    return false;
                }
                made.Palette.push_back(rgb);
            }
            made.Indices.push_back(static_cast<uint8_t>(index));
        }
    }
    if (bits <= 8)
        made.Palette.resize(size_t(1) << bits, 0);
    dib = std::move(made);
    return true;
}

bool BuildContainer(const std::string& manifestPath, TBitmapContainer& container, std::string& error) {
    std::vector<TEntry> entries;
    if (!ReadManifest(manifestPath, entries, error))
        return false;
    TBitmapContainer built;
    for (const TEntry& e : entries) {
        QImage picture;
        if (e.Strip ? !LoadStrip(e, picture, error) : !LoadPicture(e.Path, picture, error))
            return false;
        TDibImage dib;
        std::string problem;
        if (picture.size() != QSize(e.Width, e.Height)) {
            error = e.Path.toStdString() + " is not " + std::to_string(e.Width) + " x " + std::to_string(e.Height);
            return false;
        }
        if (!PictureToDib(picture, e.Bits, dib, problem)) {
            error = e.Path.toStdString() + ": " + problem;
            return false;
        }
        if (dib.Pixel(0, dib.Height - 1) != kMaskColor) {
            error = e.Path.toStdString() + ": the bottom-left pixel must be transparent";
            return false;
        }
        if (!built.Add(EncodeDib(dib))) {
            error = "too many bitmaps";
            return false;
        }
    }
    container = built;
    return true;
}

bool CheckContainer(const std::string& manifestPath, const TBitmapContainer& container, std::string& error) {
    std::vector<TEntry> entries;
    if (!ReadManifest(manifestPath, entries, error))
        return false;
    if (container.Count() != static_cast<int32_t>(entries.size())) {
        error = "the container holds another number of bitmaps";
        return false;
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        std::string file;
        TDibImage dib;
        const TEntry& e = entries[i];
        if (!container.GetBitmap(static_cast<int32_t>(i + 1), file) || !DecodeDib(file, dib, error))
            return false;
        if (dib.Width != e.Width || dib.Height != e.Height || dib.BitCount != e.Bits ||
            dib.Pixel(0, dib.Height - 1) != kMaskColor) {
            error = "bitmap " + std::to_string(i + 1) + " does not read back as made";
            return false;
        }
    }
    return true;
}
