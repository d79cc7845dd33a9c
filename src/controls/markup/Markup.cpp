#include "controls/markup/Markup.h"

#include "controls/markup/MarkupSupport.h"

#include <algorithm>
#include <cmath>

namespace {

// The root bar is drawn piece by piece; a run longer than this is cut short.
constexpr int kMaxRootPieces = 2000;
constexpr double kPi = 3.14159265358979323846;

void PutText(TMarkupCanvas& canvas, TMarkupFont& font, bool enabled, int32_t x, int32_t y, const std::string& text) {
    if (enabled) {
        canvas.TextOut(x, y, text);
        return;
    }
    TColor color = font.Color;
    font.Color = canvas.EmbossColor();
    canvas.SetFont(font);
    canvas.TextOut(ClampCoord(int64_t(x) + 1), ClampCoord(int64_t(y) + 1), text);
    font.Color = canvas.ShadowColor();
    canvas.SetFont(font);
    canvas.TextOut(x, y, text);
    font.Color = color;
    canvas.SetFont(font);
}

// What differs between straight and turned drawing: where lowered and
// raised text move to, how high a symbol sits, whether the lines and roots
// are drawn, and the text direction.
struct TWalkShape {
    int64_t SubX = 0, SubY = 0;
    int64_t SupX = 0, SupY = 0;
    int32_t SymbolRaise = 0;
    bool Decorations = true;
    bool Turned = false;
    int32_t AngleTenths = 0;
};

// A change of face or size, or lowered or raised text, moves the pen.
void FollowCode(const TWord& w, const TWalkShape& shape, TFontWalk& walk, int64_t& ox, int64_t& oy) {
    switch (w.Kind) {
    case ItemKind::SubscriptOn:
        walk.Apply(w);
        ox += shape.SubX;
        oy += shape.SubY;
        break;
    case ItemKind::SubscriptOff:
        walk.Apply(w);
        ox -= shape.SubX;
        oy -= shape.SubY;
        break;
    case ItemKind::SuperscriptOn:
        walk.Apply(w);
        ox -= shape.SupX;
        oy -= shape.SupY;
        break;
    case ItemKind::SuperscriptOff:
        ox += shape.SupX;
        oy += shape.SupY;
        walk.Apply(w);
        break;
    case ItemKind::BoldOn:
    case ItemKind::BoldOff:
    case ItemKind::ZoomOn:
    case ItemKind::ZoomOff:
        oy += walk.Apply(w);
        break;
    default:
        break;
    }
}

// The over- or underline or the root begun at `runStart` and ending at `x`.
void DrawRunEnd(ItemKind kind, int32_t runStart, int32_t x, int32_t y, const TRect& bounds, TFontWalk& walk,
                TMarkupCanvas& canvas) {
    const TMarkupMetrics& m = walk.Metrics;
    if (kind == ItemKind::OverlineOff) {
        canvas.Line(runStart, y, x, y);
    } else if (kind == ItemKind::UnderlineOff) {
        TRect clip{bounds.Left, ClampCoord(int64_t(bounds.Top) - m.LineHeight), x,
                   ClampCoord(int64_t(bounds.Bottom) + m.LineHeight)};
        canvas.TextRect(clip, runStart, y, std::string(120, '_'));
    } else {
        WithSymbolFace(canvas, walk.Font, [&] {
            const std::string radical = EncodeUtf8(kRadical);
            canvas.TextOut(runStart, y, radical);
            int32_t radicalWidth = canvas.TextWidth(radical);
            int32_t piece = std::max(1, canvas.TextWidth("`"));
            TRect clip{ClampCoord(int64_t(runStart) + radicalWidth), ClampCoord(int64_t(y) - 2 * m.LineHeight), x,
                       ClampCoord(int64_t(y) + 2 * m.LineHeight)};
            int64_t p = runStart;
            for (int n = 0; p <= x && n < kMaxRootPieces; ++n, p += piece)
                canvas.TextRect(clip, static_cast<int32_t>(p), y, "`");
        });
    }
}

// The one walk over laid-out words that draws them.
void DrawWords(const std::vector<TWord>& words, const TRect& bounds, bool enabled, TMarkupCanvas& canvas,
               const TWalkShape& shape) {
    const TMarkupFont entry = canvas.Font();
    const TColor entryPen = canvas.PenColor();
    canvas.SetPenColor(entry.Color);
    if (shape.Turned)
        canvas.SetTextAngle(shape.AngleTenths);
    TFontWalk walk(entry);
    int64_t ox = 0;
    int64_t oy = 0;
    int32_t runStart = 0;

    for (const TWord& w : words) {
        const int32_t x = ClampCoord(w.X + ox);
        const int32_t y = ClampCoord(w.Y + oy);
        switch (w.Kind) {
        case ItemKind::SpacedText:
        case ItemKind::Text:
            PutText(canvas, walk.Font, enabled, x, y, w.Text);
            break;
        case ItemKind::Symbol:
            WithSymbolFace(canvas, walk.Font, [&] {
                PutText(canvas, walk.Font, enabled, x, ClampCoord(int64_t(y) - shape.SymbolRaise), w.Text);
            });
            break;
        case ItemKind::OverlineOn:
        case ItemKind::UnderlineOn:
        case ItemKind::RootOn:
            runStart = x;
            break;
        case ItemKind::OverlineOff:
        case ItemKind::UnderlineOff:
        case ItemKind::RootOff:
            if (shape.Decorations)
                DrawRunEnd(w.Kind, runStart, x, y, bounds, walk, canvas);
            break;
        default:
            FollowCode(w, shape, walk, ox, oy);
            break;
        }
        if (IsCode(w.Kind))
            canvas.SetFont(walk.Font);
    }
    if (shape.Turned)
        canvas.SetTextAngle(0);
    canvas.SetFont(entry);
    canvas.SetPenColor(entryPen);
}

} // namespace

TRect DrawMarkup(const std::string& text, const TRect& bounds, TAlignment horz, TAlignment vert, bool justified,
                 bool enabled, TMarkupCanvas& canvas) {
    std::vector<TWord> words = LayoutMarkup(text, bounds, horz, vert, justified, canvas);
    const TMarkupMetrics m = MarkupMetrics(canvas.Font());
    TWalkShape shape;
    shape.SubY = m.SmallShift / 2;
    shape.SupY = m.SmallShift / 8;
    shape.SymbolRaise = m.SymbolRaise;
    DrawWords(words, bounds, enabled, canvas, shape);
    return WordsBox(words, bounds, m.LineHeight);
}

TRect DrawMarkupRotated(const std::string& text, const TRect& bounds, int32_t angle, TAlignment horz, TAlignment vert,
                        bool justified, bool enabled, TMarkupCanvas& canvas) {
    std::vector<TWord> words = LayoutMarkup(text, bounds, horz, vert, justified, canvas);
    const int32_t lh = MarkupMetrics(canvas.Font()).LineHeight;

    int64_t px = horz == taRightJustify ? bounds.Right
                 : horz == taCenter     ? (int64_t(bounds.Left) + bounds.Right) / 2
                                        : bounds.Left;
    int64_t py = vert == taRightJustify ? bounds.Bottom
                 : vert == taCenter     ? (int64_t(bounds.Top) + bounds.Bottom) / 2
                                        : bounds.Top;
    const double a = static_cast<double>(angle % 360) * kPi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    auto turnX = [&](int64_t x, int64_t y) { return RoundHalfEven(c * (x - px) + s * (y - py)) + px; };
    auto turnY = [&](int64_t x, int64_t y) { return RoundHalfEven(-s * (x - px) + c * (y - py)) + py; };

    std::vector<TWord> turned = words;
    for (TWord& w : turned)
        w.Placed = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const TWord& w = words[i];
        turned[i].X = ClampCoord(turnX(w.X, w.Y));
        turned[i].Y = ClampCoord(turnY(w.X, w.Y));
    }
    // The box holds every corner of every turned cell.
    bool any = false;
    int64_t left = 0, top = 0, right = 0, bottom = 0;
    for (const TWord& w : words) {
        if (!w.Placed)
            continue;
        const int64_t xs[2] = {w.X, int64_t(w.X) + w.Width};
        const int64_t ys[2] = {w.Y, int64_t(w.Y) + lh};
        for (int64_t x : xs) {
            for (int64_t y : ys) {
                int64_t tx = turnX(x, y), ty = turnY(x, y);
                if (!any) {
                    left = right = tx, top = bottom = ty;
                    any = true;
                }
                left = std::min(left, tx), right = std::max(right, tx);
                top = std::min(top, ty), bottom = std::max(bottom, ty);
            }
        }
    }
    // Turned text moves lowered and raised parts across the turned line and
    // leaves out the lines and roots.
    const TMarkupMetrics m = MarkupMetrics(canvas.Font());
    TWalkShape shape;
    shape.SubX = RoundHalfEven(s * (m.SmallShift / 2));
    shape.SubY = RoundHalfEven(c * (m.SmallShift / 2));
    shape.SupX = RoundHalfEven(s * (m.SmallShift / 8));
    shape.SupY = RoundHalfEven(c * (m.SmallShift / 8));
    shape.SymbolRaise = m.SmallShift / 8;
    shape.Decorations = false;
    shape.Turned = true;
    shape.AngleTenths = ClampCoord(int64_t(angle) * 10);
    DrawWords(turned, bounds, enabled, canvas, shape);
    if (!any)
        return {bounds.Right, lh, bounds.Left, 0};
    return {ClampCoord(left), ClampCoord(top), ClampCoord(right), ClampCoord(bottom)};
}
