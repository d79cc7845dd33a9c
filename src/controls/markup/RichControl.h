#pragma once

#include "controls/markup/Markup.h"

#include <QColor>
#include <QWidget>

#include <functional>
#include <string>

class QPainter;

// What the rich label and the rich text share: a rounded, optionally etched
// panel with a markup text, and the size of the text at the last paint.
// Setters store a changed value and repaint at once; a hidden control paints
// off screen, so its text size is current when the setter returns.
class TRichControl : public QWidget {
    Q_OBJECT

public:
    explicit TRichControl(QWidget* parent = nullptr);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value) { Change(m_alignment, value); }
    TAlignment VAlignment() const { return m_vAlignment; }
    void SetVAlignment(TAlignment value) { Change(m_vAlignment, value); }
    bool Border() const { return m_border; }
    void SetBorder(bool value) { Change(m_border, value); }
    bool Justified() const { return m_justified; }
    void SetJustified(bool value) { Change(m_justified, value); }
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value) { Change(m_transparent, value); }
    QColor Color() const { return m_color; }
    void SetColor(const QColor& value) { Change(m_color, value); }
    QColor FontColor() const { return m_fontColor; }
    void SetFontColor(const QColor& value) { Change(m_fontColor, value); }

    // The box of the last paint; 0 before the first.
    int TextWidth() const { return m_textWidth; }
    int TextHeight() const { return m_textHeight; }
    // Paints so far, on screen or off.
    int PaintCount() const { return m_paintCount; }

    // The text as a screen reader hears it: without markup codes, on one line.
    std::string SpokenText() const;

    // Runs instead of passing the press on to the parent.
    std::function<void(QMouseEvent*)> OnMouseDown;

protected:
    template <typename T> void Change(T& stored, const T& value) {
        if (stored == value)
            return;
        stored = value;
        Redraw();
    }
    void Redraw();

    virtual std::string MarkupText() const = 0;
    virtual QColor Background() const = 0;
    virtual QColor BorderShadow() const = 0;
    virtual int Inset() const = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void PaintOn(QPainter& painter);

    TAlignment m_alignment = taCenter;
    TAlignment m_vAlignment = taCenter;
    bool m_border = true;
    bool m_justified = false;
    bool m_transparent = false;
    QColor m_color;
    QColor m_fontColor;
    int m_textWidth = 0;
    int m_textHeight = 0;
    int m_paintCount = 0;
};
