#include "TitlePaintBox.h"

#include "controls/markup/Markup.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "core/Project.h"
#include "program/ListNames.h"
#include "program/ListReading.h"
#include "program/TitleBar.h"
#include "ui/main/TitleBarAccessible.h"

#include <QPainter>

namespace {

constexpr int kHeight = 20;
constexpr int kTextY = 10;

TRect TextBounds(int32_t x) {
    return {x, kTextY, x, kTextY};
}

int32_t MarkupWidth(const std::string& text, TMarkupCanvas& canvas) {
    const std::vector<TWord> words = LayoutMarkup(text, TextBounds(0), taLeftJustify, taCenter, false, canvas);
    const TRect box = WordsBox(words, TextBounds(0), MarkupMetrics(canvas.Font()).LineHeight);
    return std::max(0, box.Right - box.Left);
}

} // namespace

TTitlePaintBox::TTitlePaintBox(QWidget* parent) : QWidget(parent) {
    InstallTitleBarAccessibility();
    setFixedHeight(kHeight);
    setFont(MarkupFont("Arial", -11));
}

void TTitlePaintBox::SetList(const TProject* list) {
    m_list = list;
    m_counts = list ? KeptTitleBarCounts(*list) : TTitleBarCounts();
    update();
    // The list shown before may be gone: the line it had is compared, not the list.
    std::string spoken = SpokenText();
    if (spoken != m_spoken) {
        m_spoken = std::move(spoken);
        AnnounceTitleBar(*this);
    }
}

std::string TTitlePaintBox::SpokenText() const {
    return m_list ? TitleBarSpokenText(m_counts, ListName(*m_list)) : std::string();
}

void TTitlePaintBox::paintEvent(QPaintEvent*) {
    m_drawn.clear();
    if (!m_list)
        return;
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Active, QPalette::Highlight));
    TQtMarkupCanvas canvas(painter, font(), colours.color(QPalette::Active, QPalette::HighlightedText));
    // A narrow bar shortens the list's name by whole words before it leaves
    // out a count; nothing is cut in the middle of a word.
    std::array<std::string, 3> texts;
    std::array<TTitleBarPlace, 3> places;
    for (const std::string& caption : ShortenedCaptions(ListName(*m_list))) {
        texts = TitleBarTexts(m_counts, caption);
        std::array<int32_t, 3> widths{};
        for (size_t i = 0; i < texts.size(); ++i)
            widths[i] = MarkupWidth(texts[i], canvas);
        places = PlaceTitleBarTexts(widths, width());
        if (places.back().Shown)
            break;
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        if (!places[i].Shown)
            break;
        const TRect box = DrawMarkup(texts[i], TextBounds(places[i].X), taLeftJustify, taCenter, false, true, canvas);
        m_drawn.push_back({texts[i], box.Left, box.Right});
    }
}
