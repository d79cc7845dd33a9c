#include "RichLabel.h"

#include "controls/markup/MarkupSupport.h"
#include "controls/markup/QtMarkupCanvas.h"

QColor TRichLabel::Background() const {
    if (m_colorCalculate)
        return ToQColor(ShadeColor(ToTColor(palette().color(QPalette::Button))));
    return Color();
}

QColor TRichLabel::BorderShadow() const {
    return palette().color(QPalette::Dark);
}
