#pragma once

#include "controls/markup/MarkupSupport.h"
#include "controls/markup/QtMarkupCanvas.h"

#include <QPalette>
#include <QRect>

// Small painting helpers the three controls share.

// The pixels from (Left, Top) up to, not including, (Right, Bottom).
inline QRect ToQRect(const TRect& r) {
    return QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1));
}

// The background of the panel and of the tab column: the button face
// lightened, or darkened when it is already light.
inline QColor ShadedButtonFace(const QPalette& colors) {
    return ToQColor(ShadeColor(ToTColor(colors.color(QPalette::Active, QPalette::Button))));
}
