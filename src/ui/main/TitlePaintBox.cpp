#include "TitlePaintBox.h"

#include "controls/markup/Markup.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "program/TitleBar.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kHeight = 20;
constexpr int kTextY = 10;
constexpr int kGap = 16;

} // namespace

TTitlePaintBox::TTitlePaintBox(QWidget* parent) : QWidget(parent) {
    setFixedHeight(kHeight);
    setFont(MarkupFont("Arial", -11));
}

void TTitlePaintBox::SetList(const TProject* list) {
    m_list = list;
    update();
}

void TTitlePaintBox::paintEvent(QPaintEvent*) {
    if (!m_list)
        return;
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Active, QPalette::Highlight));
    TQtMarkupCanvas canvas(painter, font(), colours.color(QPalette::Active, QPalette::HighlightedText));
    const auto texts = TitleBarTexts(*m_list);
    // A long list name pushes the counts to the right instead of running into them.
    int32_t end = 0;
    for (size_t i = 0; i < texts.size(); ++i) {
        const int32_t x = std::max<int32_t>(kTitleBarX[i], end + kGap);
        end = DrawMarkup(texts[i], {x, kTextY, x, kTextY}, taLeftJustify, taCenter, false, true, canvas).Right;
    }
}
