#include "controls/markup/MarkupFontWalk.h"

#include "controls/markup/MarkupSupport.h"

#include <cstdlib>

namespace {

// A zoom argument read as a decimal integer, 10 when it is not one.
int32_t ZoomFactor(const std::string& argument) {
    size_t i = 0;
    bool negative = false;
    if (i < argument.size() && (argument[i] == '-' || argument[i] == '+'))
        negative = argument[i++] == '-';
    if (i == argument.size())
        return 10;
    int32_t value = 0;
    for (; i < argument.size(); ++i) {
        if (argument[i] < '0' || argument[i] > '9')
            return 10;
        value = value * 10 + (argument[i] - '0');
    }
    return negative ? -value : value;
}

int32_t ZoomedSize(int32_t factor, int32_t size) {
    return ClampCoord(RoundHalfEven(static_cast<double>(factor) * size / 10.0));
}

void CopySize(TMarkupFont& to, const TMarkupFont& from) {
    to.Size = from.Size;
    to.Height = from.Height;
}

} // namespace

TMarkupMetrics MarkupMetrics(const TMarkupFont& font) {
    int64_t height = std::abs(static_cast<int64_t>(font.Height));
    TMarkupMetrics m;
    m.LineHeight = ClampCoord(RoundHalfEven(static_cast<double>(height) * 1.25));
    m.SymbolRaise = ClampCoord(RoundHalfEven(static_cast<double>(height) * 0.125));
    m.SmallSize = ClampCoord(RoundHalfEven(font.Size * 0.7));
    m.SmallShift = ClampCoord(RoundHalfEven(m.LineHeight * 0.7));
    return m;
}

TFontWalk::TFontWalk(const TMarkupFont& entry) : Font(entry), SmallSaved(entry), ZoomSaved(entry) {
    Metrics = MarkupMetrics(entry);
}

int32_t TFontWalk::Apply(const TWord& word) {
    switch (word.Kind) {
    case ItemKind::SubscriptOn:
    case ItemKind::SuperscriptOn:
        CopySize(SmallSaved, Font);
        SetFontSize(Font, Metrics.SmallSize);
        return 0;
    case ItemKind::SubscriptOff:
    case ItemKind::SuperscriptOff:
        CopySize(Font, SmallSaved);
        return 0;
    case ItemKind::BoldOn:
        Font.Bold = true;
        return 0;
    case ItemKind::BoldOff:
        Font.Bold = false;
        return 0;
    case ItemKind::ZoomOn: {
        CopySize(ZoomSaved, Font);
        SetFontSize(Font, ZoomedSize(ZoomFactor(word.Text), Font.Size));
        return ZoomSaved.Size - Font.Size;
    }
    case ItemKind::ZoomOff: {
        int32_t shift = Font.Size - ZoomSaved.Size;
        CopySize(Font, ZoomSaved);
        return shift;
    }
    default:
        return 0;
    }
}
