#include "CoverView.h"

#include <algorithm>
#include <cmath>

namespace {

// Halves go to the even neighbour. Offsets dragged far away stay within int.
int RoundHalfEven(double value) {
    return static_cast<int>(std::clamp(std::nearbyint(value), -1e9, 1e9));
}

} // namespace

double TCoverView::Limited(double zoom) {
    return std::clamp(zoom, kMinZoom, kMaxZoom);
}

void TCoverView::Fit(int boxWidth, int boxHeight, int pictureWidth, int pictureHeight) {
    if (boxWidth > 0 && boxHeight > 0 && pictureWidth > 0 && pictureHeight > 0) {
        const double scale =
            std::min(static_cast<double>(boxWidth) / pictureWidth, static_cast<double>(boxHeight) / pictureHeight);
        Zoom = Limited(1.0 / scale);
    }
    OffsetX = 0;
    OffsetY = 0;
}

void TCoverView::Wheel(int delta) {
    Zoom = Limited(Zoom * std::pow(kWheelStep, -delta / 120.0));
}

void TCoverView::Press(int x, int y) {
    m_pressX = x;
    m_pressY = y;
    m_pressOffsetX = OffsetX;
    m_pressOffsetY = OffsetY;
}

bool TCoverView::Move(int x, int y, bool left, bool middle, bool right, bool anyModifier) {
    const bool oneButton = (left && !middle && !right) || (middle && !left && !right);
    if (!oneButton || anyModifier)
        return false;
    OffsetX = m_pressOffsetX + (x - m_pressX);
    OffsetY = m_pressOffsetY + (y - m_pressY);
    return true;
}

TPictureRect TCoverView::Source(int boxWidth, int boxHeight, int pictureWidth, int pictureHeight) const {
    TPictureRect rect;
    rect.Width = RoundHalfEven(boxWidth * Zoom);
    rect.Height = RoundHalfEven(boxHeight * Zoom);
    rect.Left = (pictureWidth - rect.Width) / 2 - RoundHalfEven(OffsetX * Zoom);
    const int spareHeight = pictureHeight - rect.Height;
    rect.Top = spareHeight - spareHeight / 2 - RoundHalfEven(OffsetY * Zoom);
    return rect;
}
