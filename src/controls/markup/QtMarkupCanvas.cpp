#include "QtMarkupCanvas.h"

#include "controls/markup/MarkupSupport.h"
#include "controls/markup/QtColorScheme.h"
#include "controls/markup/TextCodec.h"

#include <QDesktopServices>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QUrl>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kMaxPixelSize = 2000;

struct TFaceMap {
    const char* Design;
    std::vector<const char*> Desktop;
};

// Windows faces of the design and the installed faces that stand in for
// them, best match first. The Symbol face draws its codes as Unicode, so it
// needs a face with Greek letters, arrows and mathematical signs.
const std::vector<TFaceMap>& FaceMaps() {
    static const std::vector<TFaceMap> maps = {
        {"Arial", {"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans"}},
        {"MS Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Microsoft Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Tahoma", {"DejaVu Sans", "Liberation Sans"}},
        {"Times New Roman", {"Liberation Serif", "Tinos", "Nimbus Roman", "DejaVu Serif"}},
        {"Courier New", {"Liberation Mono", "Cousine", "Nimbus Mono PS", "DejaVu Sans Mono"}},
        {"Symbol", {"DejaVu Sans", "Liberation Sans"}},
    };
    return maps;
}

} // namespace

QString DesktopFace(const std::string& designFace) {
    static QHash<QString, QString> cache;
    QString design = QString::fromStdString(designFace);
    auto found = cache.constFind(design);
    if (found != cache.constEnd())
        return *found;
    QString face = design;
    for (const TFaceMap& map : FaceMaps()) {
        if (design.compare(QLatin1String(map.Design), Qt::CaseInsensitive) != 0)
            continue;
        for (const char* candidate : map.Desktop) {
            if (QFontDatabase::hasFamily(QLatin1String(candidate))) {
                face = QLatin1String(candidate);
                break;
            }
        }
        break;
    }
    cache.insert(design, face);
    return face;
}

QFont MarkupFont(const std::string& designFace, int height, bool bold) {
    QFont font(DesktopFace(designFace));
    font.setPixelSize(std::clamp(std::abs(height), 1, kMaxPixelSize));
    font.setBold(bold);
    return font;
}

int FontPixelHeight(const QFont& font) {
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return static_cast<int>(RoundHalfEven(std::max(1.0, font.pointSizeF()) * 96.0 / 72.0));
}

TColor ToTColor(const QColor& color) {
    return JoinRgb(static_cast<uint8_t>(color.red()), static_cast<uint8_t>(color.green()),
                   static_cast<uint8_t>(color.blue()));
}

QColor ToQColor(TColor color) {
    TRgb c = SplitRgb(color);
    return QColor(c.Red, c.Green, c.Blue);
}

void ShellOpen(QWidget* window, const std::string& target) {
    Q_UNUSED(window);
    if (!target.empty())
        QDesktopServices::openUrl(QUrl::fromUserInput(BytesToQString(target)));
}

TQtMarkupCanvas::TQtMarkupCanvas(QPainter& painter, const QFont& font, const QColor& color) : m_painter(painter) {
    m_painter.save();
    TMarkupFont initial;
    initial.Name = font.family().toStdString();
    initial.Height = -FontPixelHeight(font);
    initial.Size = PointsOfHeight(initial.Height);
    initial.Bold = font.bold();
    initial.Color = ToTColor(color);
    SetFont(initial);
    m_pen = initial.Color;
}

TQtMarkupCanvas::~TQtMarkupCanvas() {
    m_painter.restore();
}

void TQtMarkupCanvas::SetFont(const TMarkupFont& font) {
    m_font = font;
    m_symbol = font.Name == "Symbol";
    m_qfont = MarkupFont(font.Name, font.Height, font.Bold);
    m_painter.setFont(m_qfont);
}

// Greyed text is a dark face over a light edge on a light desktop; on a
// dark one the dark face would vanish, so it turns to a grey face over a
// dark edge.
TColor TQtMarkupCanvas::ShadowColor() const {
    const QPalette colours = QGuiApplication::palette();
    if (SchemeOf(colours) == TScheme::Dark)
        return ToTColor(colours.color(QPalette::Disabled, QPalette::Text));
    return ToTColor(colours.color(QPalette::Dark));
}

TColor TQtMarkupCanvas::EmbossColor() const {
    const QPalette colours = QGuiApplication::palette();
    return ToTColor(colours.color(SchemeOf(colours) == TScheme::Dark ? QPalette::Shadow : QPalette::Light));
}

QString TQtMarkupCanvas::Displayed(const std::string& text) const {
    QString shown;
    for (char32_t code : DecodeUtf8(text)) {
        if (code < 0x20 || code == 0x7F)
            continue; // a swallowed CR can leave a lone control character
        if (m_symbol && (code = SymbolToUnicode(code)) == 0)
            continue;
        shown += QString::fromUcs4(&code, 1);
    }
    return shown;
}

int32_t TQtMarkupCanvas::TextWidth(const std::string& text) {
    return QFontMetrics(m_qfont, m_painter.device()).horizontalAdvance(Displayed(text));
}

void TQtMarkupCanvas::Draw(int32_t x, int32_t y, const QString& text) {
    if (text.isEmpty())
        return;
    int ascent = QFontMetrics(m_qfont, m_painter.device()).ascent();
    m_painter.setPen(ToQColor(m_font.Color));
    if (m_angle == 0) {
        m_painter.drawText(x, y + ascent, text);
        return;
    }
    m_painter.save();
    m_painter.translate(x, y);
    m_painter.rotate(-m_angle / 10.0);
    m_painter.drawText(0, ascent, text);
    m_painter.restore();
}

void TQtMarkupCanvas::TextOut(int32_t x, int32_t y, const std::string& text) {
    Draw(x, y, Displayed(text));
}

void TQtMarkupCanvas::TextRect(const TRect& clip, int32_t x, int32_t y, const std::string& text) {
    if (clip.Right <= clip.Left || clip.Bottom <= clip.Top)
        return;
    m_painter.save();
    m_painter.setClipRect(QRect(QPoint(clip.Left, clip.Top), QPoint(clip.Right - 1, clip.Bottom - 1)),
                          Qt::IntersectClip);
    Draw(x, y, Displayed(text));
    m_painter.restore();
}

void TQtMarkupCanvas::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    // Like a line to (x2, y2) on a device context: the end point stays clear.
    if (x1 == x2 && y1 == y2)
        return;
    m_painter.setPen(QPen(ToQColor(m_pen), 1));
    if (y1 == y2)
        x2 += x2 > x1 ? -1 : 1;
    else if (x1 == x2)
        y2 += y2 > y1 ? -1 : 1;
    m_painter.drawLine(x1, y1, x2, y2);
}
