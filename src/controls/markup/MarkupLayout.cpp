#include "controls/markup/MarkupLayout.h"

#include "controls/markup/MarkupSupport.h"
#include "platform/CodePage.h"

#include <algorithm>

namespace {

// Justified text gives codes no place; decorations need one, so openers
// take the start of the next text and closers the end of the previous one.
void PlaceJustifiedCodes(std::vector<TWord>& words) {
    const TWord* previous = nullptr;
    for (TWord& w : words) {
        if (w.Placed && IsTextKind(w.Kind)) {
            previous = &w;
        } else if (IsCode(w.Kind) && !IsOpener(w.Kind) && previous) {
            w.X = ClampCoord(int64_t(previous->X) + previous->Width);
            w.Y = previous->Y;
        }
    }
    const TWord* next = nullptr;
    for (auto it = words.rbegin(); it != words.rend(); ++it) {
        if (it->Placed && IsTextKind(it->Kind))
            next = &*it;
        else if (IsOpener(it->Kind) && next) {
            it->X = next->X;
            it->Y = next->Y;
        }
    }
}

void LayoutUnjustified(std::vector<TWord>& words, const TRect& b, TAlignment horz, TAlignment vert, int64_t lh) {
    int64_t lines = 1;
    for (const TWord& w : words)
        lines += w.Kind == ItemKind::LineBreak;
    int64_t y0 = 0;
    if (vert == taLeftJustify)
        y0 = int64_t(b.Top) - 2;
    else if (vert == taCenter)
        y0 = (int64_t(b.Top) + b.Bottom - lines * lh) / 2 - 1;
    else if (vert == taRightJustify)
        y0 = int64_t(b.Bottom) - lines * lh + 2;

    std::vector<int64_t> xs(words.size(), 0);
    int64_t x = 0;
    int64_t line = 0;
    size_t lineStart = 0;
    for (size_t i = 0; i < words.size(); ++i) {
        TWord& w = words[i];
        bool isBreak = w.Kind == ItemKind::LineBreak;
        if (!isBreak) {
            xs[i] = x;
            w.Y = ClampCoord(y0 + line * lh);
            w.Placed = true;
            x += w.Width;
        }
        if (isBreak || i + 1 == words.size()) {
            for (size_t j = lineStart; j <= i; ++j) {
                if (words[j].Kind == ItemKind::LineBreak)
                    continue;
                if (horz == taLeftJustify)
                    xs[j] += b.Left;
                else if (horz == taRightJustify)
                    xs[j] = xs[j] - x + b.Right;
                else if (horz == taCenter)
                    xs[j] += (int64_t(b.Left) + b.Right - x) / 2;
                words[j].X = ClampCoord(xs[j]);
            }
        }
        if (isBreak) {
            x = 0;
            ++line;
            lineStart = i + 1;
        }
    }
}

void LayoutJustified(std::vector<TWord>& words, const TRect& b, int64_t lh) {
    int64_t x = b.Left;
    int64_t line = 0;
    int64_t gaps = 0;
    int64_t extra = 0;
    size_t lineStart = 0;

    auto placeLine = [&](size_t from, size_t to) {
        if (gaps == 0)
            gaps = 1;
        int64_t k = 0;
        int64_t px = b.Left;
        for (size_t j = from; j < to; ++j) {
            TWord& w = words[j];
            if (!IsTextKind(w.Kind))
                continue;
            w.X = ClampCoord(k * extra / gaps + px);
            w.Y = ClampCoord(b.Top + line * lh);
            w.Placed = true;
            px += w.Width;
            if (IsGap(w.Kind))
                ++k;
        }
    };
    auto closeLine = [&](size_t current) {
        placeLine(lineStart, current);
        ++line;
        lineStart = current;
        TWord& opener = words[current];
        opener.X = b.Left;
        opener.Y = ClampCoord(b.Top + line * lh);
        opener.Placed = true;
        x = int64_t(b.Left) + opener.Width;
        gaps = 1;
    };

    for (size_t i = 0; i < words.size(); ++i) {
        const TWord& w = words[i];
        if (IsTextKind(w.Kind)) {
            if (w.Width + x >= b.Right) {
                if (IsGap(w.Kind))
                    --gaps;
                extra = b.Right - x;
                closeLine(i);
            } else {
                x += w.Width;
                if (IsGap(w.Kind))
                    ++gaps;
            }
        } else if (w.Kind == ItemKind::LineBreak) {
            extra = 0;
            closeLine(i);
        }
    }
    extra = 0;
    placeLine(lineStart, words.size());
    PlaceJustifiedCodes(words);
}

} // namespace

void MeasureWords(std::vector<TWord>& words, TMarkupCanvas& canvas) {
    const TMarkupFont entry = canvas.Font();
    TFontWalk walk(entry);
    for (TWord& w : words) {
        switch (w.Kind) {
        case ItemKind::SpacedText:
        case ItemKind::Text:
            w.Width = ClampCoord(canvas.TextWidth(w.Text));
            break;
        case ItemKind::Symbol:
            WithSymbolFace(canvas, walk.Font, [&] { w.Width = ClampCoord(canvas.TextWidth(w.Text)); });
            break;
        case ItemKind::RootOn:
            WithSymbolFace(canvas, walk.Font, [&] { w.Width = ClampCoord(canvas.TextWidth(EncodeUtf8(kRadical))); });
            break;
        default:
            if (IsCode(w.Kind)) {
                walk.Apply(w);
                canvas.SetFont(walk.Font);
            }
            break;
        }
    }
    canvas.SetFont(entry);
}

void LayoutWords(std::vector<TWord>& words, const TRect& bounds, TAlignment horz, TAlignment vert, bool justified,
                 int32_t lineHeight) {
    if (justified)
        LayoutJustified(words, bounds, lineHeight);
    else
        LayoutUnjustified(words, bounds, horz, vert, lineHeight);
}

TRect WordsBox(const std::vector<TWord>& words, const TRect& bounds, int32_t lineHeight) {
    bool any = false;
    int64_t left = 0, top = 0, right = 0, bottom = 0;
    for (const TWord& w : words) {
        if (!w.Placed)
            continue;
        int64_t r = int64_t(w.X) + w.Width;
        int64_t b = int64_t(w.Y) + lineHeight;
        if (!any) {
            left = w.X, top = w.Y, right = r, bottom = b;
            any = true;
        } else {
            left = std::min<int64_t>(left, w.X);
            top = std::min<int64_t>(top, w.Y);
            right = std::max(right, r);
            bottom = std::max(bottom, b);
        }
    }
    if (!any)
        return {bounds.Right, lineHeight, bounds.Left, 0};
    return {ClampCoord(left), ClampCoord(top), ClampCoord(right), ClampCoord(bottom)};
}

std::vector<TWord> LayoutMarkup(const std::string& text, const TRect& bounds, TAlignment horz, TAlignment vert,
                                bool justified, TMarkupCanvas& canvas) {
    std::vector<TWord> words = ParseMarkup(NormaliseLineBreaks(ShownUtf8(text)));
    MeasureWords(words, canvas);
    LayoutWords(words, bounds, horz, vert, justified, MarkupMetrics(canvas.Font()).LineHeight);
    return words;
}
