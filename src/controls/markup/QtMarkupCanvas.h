#pragma once

#include "controls/markup/MarkupCanvas.h"

#include <QColor>
#include <QFont>
#include <QHash>

#include <string>

class QPainter;
class QWidget;

// The desktop face drawn for a face name of the design ("Arial" gives a
// metric-compatible sans); unknown names are kept.
QString DesktopFace(const std::string& designFace);
// A font of the design: face, pixel height (negative: character height).
QFont MarkupFont(const std::string& designFace, int height, bool bold = false);
// The pixel height of a font, as the markup sees it.
int FontPixelHeight(const QFont& font);

TColor ToTColor(const QColor& color);
QColor ToQColor(TColor color);

// Asks the desktop to open a document or web address; nothing comes back.
void ShellOpen(QWidget* window, const std::string& target);

// The markup canvas on a QPainter. Measuring and drawing go through the same
// font, so widths always match what is drawn.
class TQtMarkupCanvas : public TMarkupCanvas {
public:
    TQtMarkupCanvas(QPainter& painter, const QFont& font, const QColor& color);
    ~TQtMarkupCanvas() override;

    TMarkupFont Font() const override { return m_font; }
    void SetFont(const TMarkupFont& font) override;
    TColor PenColor() const override { return m_pen; }
    void SetPenColor(TColor color) override { m_pen = color; }
    TColor ShadowColor() const override;
    TColor EmbossColor() const override;

    int32_t TextWidth(const std::string& text) override;
    void TextOut(int32_t x, int32_t y, const std::string& text) override;
    void TextRect(const TRect& clip, int32_t x, int32_t y, const std::string& text) override;
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void SetTextAngle(int32_t tenths) override { m_angle = tenths; }

private:
    QString Displayed(const std::string& text) const;
    void Draw(int32_t x, int32_t y, const QString& text);

    QPainter& m_painter;
    TMarkupFont m_font;
    QFont m_qfont;
    TColor m_pen = 0;
    int32_t m_angle = 0;
    bool m_symbol = false;
};
