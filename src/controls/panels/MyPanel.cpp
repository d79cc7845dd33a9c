#include "controls/panels/MyPanel.h"

#include "controls/bitmaps/BitmapImage.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "controls/panels/PanelPaint.h"
#include "controls/panels/PanelsAccessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

constexpr int kCorner = 3; // a 6 x 6 corner ellipse

// Outlines and fills like a rounded rectangle from (Left, Top) up to, not
// including, (Right, Bottom).
void RoundFrame(QPainter& painter, const TRect& r) {
    painter.drawRoundedRect(QRect(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1), kCorner, kCorner);
}

TRect Shrunk(TRect r, int32_t by) {
    return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by};
}

TPanelKey PanelKey(int key) {
    switch (key) {
    case Qt::Key_Space:
        return TPanelKey::Space;
    case Qt::Key_PageUp:
        return TPanelKey::PageUp;
    case Qt::Key_PageDown:
        return TPanelKey::PageDown;
    case Qt::Key_End:
        return TPanelKey::End;
    case Qt::Key_Home:
        return TPanelKey::Home;
    case Qt::Key_Left:
        return TPanelKey::Left;
    case Qt::Key_Up:
        return TPanelKey::Up;
    case Qt::Key_Right:
        return TPanelKey::Right;
    case Qt::Key_Down:
        return TPanelKey::Down;
    default:
        return TPanelKey::Other;
    }
}

// The width of a caption as the renderer lays it out, measured off screen.
int32_t CaptionWidth(const std::string& caption, const QFont& font) {
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    TQtMarkupCanvas canvas(painter, font, Qt::black);
    const TRect box = DrawMarkup(caption, {0, 0, 0, 0}, taLeftJustify, taLeftJustify, false, true, canvas);
    return std::max(0, box.Right - box.Left);
}

} // namespace

TMyPanel::TMyPanel(QWidget* parent) : QWidget(parent) {
    InstallPanelsAccessibility();
    m_announcer = std::make_unique<TPanelAnnouncer>(*this);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_color = palette().color(QPalette::Button);
    resize(100, 100);
    FitHeight();
}

TMyPanel::~TMyPanel() = default;

void TMyPanel::SetItems(const std::vector<std::string>& items) {
    m_items = items;
    m_model.SetLineCount(static_cast<int32_t>(items.size()));
    m_model.SetCount(static_cast<int32_t>(items.size()));
    Apply(true);
}

void TMyPanel::SetBmpContainer(const TBitmapContainer* value) {
    m_container = value;
    LoadPictures();
}

void TMyPanel::SetBmpIndex(int32_t value) {
    if (value < 0)
        return;
    m_bmpIndex = value;
    LoadPictures();
}

void TMyPanel::LoadPictures() {
    QImage strip;
    std::string damaged; // a damaged picture shows as none
    if (m_container == nullptr || !GetBitmap(*m_container, m_bmpIndex, strip, damaged))
        strip = QImage();
    m_strip = strip;
    update();
}

int32_t TMyPanel::GlyphWidth() const {
    return Count() > 0 && !m_strip.isNull() ? m_strip.width() / Count() : 0;
}

QColor TMyPanel::SelectedColor() const {
    const QPalette& colors = palette();
    return ToQColor(SelectedItemColor(ToTColor(colors.color(QPalette::Active, QPalette::Highlight)),
                                      ToTColor(colors.color(QPalette::Active, QPalette::Base))));
}

QSize TMyPanel::sizeHint() const {
    return QSize(width(), m_model.WantedHeight());
}

void TMyPanel::Apply(bool changed) {
    if (!changed)
        return;
    FitHeight();
    update();
    m_announcer->Changed();
}

void TMyPanel::FitHeight() {
    const int wanted = m_model.WantedHeight();
    if (height() != wanted)
        resize(width(), wanted);
}

void TMyPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitHeight();
}

void TMyPanel::DrawPicture(QPainter& painter, int32_t index, int32_t left, const QRect& item,
                           int32_t glyphWidth) const {
    QImage picture =
        m_strip.copy((index - 1) * glyphWidth, 0, glyphWidth, m_strip.height()).convertToFormat(QImage::Format_ARGB32);
    // Every picture keys out the colour of its own bottom-left pixel.
    const QRgb key = picture.pixel(0, picture.height() - 1);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    painter.drawImage(left, (item.top() + item.bottom() + 1 - picture.height()) / 2, picture);
}

void TMyPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPalette& colors = palette();
    const QColor buttonText = colors.color(QPalette::Active, QPalette::ButtonText);
    const int32_t w = width();
    const int32_t glyphWidth = GlyphWidth();

    painter.fillRect(rect(), m_colorCalculate ? ShadedButtonFace(colors) : m_color);
    if (m_borderSingle) {
        // A raised edge: light above and left, shadow below and right.
        painter.setPen(colors.color(QPalette::Active, QPalette::Light));
        painter.drawLine(0, height() - 1, 0, 0);
        painter.drawLine(0, 0, w - 1, 0);
        painter.setPen(colors.color(QPalette::Active, QPalette::Dark));
        painter.drawLine(w - 1, 0, w - 1, height() - 1);
        painter.drawLine(0, height() - 1, w - 1, height() - 1);
    }

    const QColor selected = SelectedColor();
    painter.setPen(buttonText);
    if (!Radio()) {
        for (int32_t i = 1; i <= Count(); ++i) {
            painter.setBrush(Checked(i) ? selected : colors.color(QPalette::Active, QPalette::Base));
            RoundFrame(painter, m_model.ItemRect(i, w));
        }
    } else if (ItemIndex() >= 1 && ItemIndex() <= Count() && isEnabled()) {
        painter.setBrush(selected);
        RoundFrame(painter, m_model.ItemRect(ItemIndex(), w));
    }

    painter.setBrush(Qt::NoBrush);
    for (int32_t i = 1; i <= Count(); ++i) {
        const TRect item = m_model.ItemRect(i, w);
        const bool hasCaption = static_cast<size_t>(i) <= m_items.size();
        const int32_t captionWidth =
            hasCaption && glyphWidth > 0 && m_alignment == taCenter ? CaptionWidth(m_items[i - 1], font()) : 0;
        const TPanelItemParts parts = PanelItemParts(item, m_alignment, glyphWidth, captionWidth, m_fontOffset);
        if (glyphWidth > 0)
            DrawPicture(painter, i, parts.PictureLeft, ToQRect(item), glyphWidth);
        if (OnDrawItem) {
            painter.save();
            painter.setPen(buttonText);
            OnDrawItem(*this, i, ToQRect(Shrunk(item, kPanelDrawItemInset)), painter);
            painter.restore();
        }
        if (hasCaption) {
            TQtMarkupCanvas canvas(painter, font(), buttonText);
            DrawMarkup(m_items[i - 1], parts.Caption, parts.CaptionAlign, taCenter, false, isEnabled(), canvas);
        }
    }

    if (hasFocus() && ItemIndex() >= 1 && ItemIndex() <= Count()) {
        const TRect item = m_model.ItemRect(ItemIndex(), w);
        painter.setPen(buttonText);
        RoundFrame(painter, item);
        RoundFrame(painter, Shrunk(item, 1));
    }

    if (OnPaint)
        OnPaint(*this, painter);
}

void TMyPanel::Fire() {
    m_announcer->Changed();
    if (OnChange)
        OnChange(*this);
}

void TMyPanel::mousePressEvent(QMouseEvent* event) {
    if (!isEnabled())
        return;
    if (!hasFocus() && TabStop())
        setFocus(Qt::MouseFocusReason);
    const QPoint at = event->position().toPoint();
    TPanelButton button = TPanelButton::Middle; // other buttons select nothing either
    if (event->button() == Qt::LeftButton)
        button = TPanelButton::Left;
    else if (event->button() == Qt::RightButton)
        button = TPanelButton::Right;
    const bool fires = m_model.Press(button, at.x(), at.y(), width());
    if (OnMouseDown)
        OnMouseDown(*this, event->button(), event->modifiers(), at.x(), at.y());
    update();
    if (fires)
        Fire();
    event->accept();
}

void TMyPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
        OnClick(*this);
}

void TMyPanel::keyPressEvent(QKeyEvent* event) {
    bool handled = false;
    const bool fires = m_model.Key(PanelKey(event->key()), handled);
    if (!handled) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    update();
    if (fires)
        Fire();
}

void TMyPanel::wheelEvent(QWheelEvent* event) {
    if (!rect().contains(event->position().toPoint())) {
        event->ignore();
        return;
    }
    event->accept();
    // Fine-grained wheels send parts of a notch; they add up to whole steps.
    m_wheelRest += event->angleDelta().y();
    const int32_t steps = m_wheelRest / kWheelNotch;
    m_wheelRest -= steps * kWheelNotch;
    const bool changed = steps != 0 && m_model.Wheel(steps * kWheelNotch);
    update();
    if (changed)
        Fire();
}

void TMyPanel::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    m_announcer->FocusIn();
    update();
    if (OnActivate)
        OnActivate(*this);
}

void TMyPanel::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
