#include "Markup.h"

#include "controls/markup/MarkupSupport.h"
#include "platform/CodePage.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr const char* kSymbolFace = "Symbol";
constexpr char32_t kRadical = 214;
constexpr size_t kNpos = std::string::npos;
// Far inside int32, so that sums of a few coordinates cannot overflow.
constexpr int64_t kCoordLimit = int64_t(1) << 29;
// The root bar is drawn piece by piece; a run longer than this is cut short.
constexpr int kMaxRootPieces = 2000;
constexpr double kPi = 3.14159265358979323846;

int32_t Saturate(int64_t value) {
    return static_cast<int32_t>(std::clamp(value, -kCoordLimit, kCoordLimit));
}

bool IsTextKind(ItemKind kind) {
    return kind == ItemKind::SpacedText || kind == ItemKind::Text || kind == ItemKind::Symbol;
}

bool IsGap(ItemKind kind) {
    return kind == ItemKind::SpacedText || kind == ItemKind::Symbol;
}

bool IsCode(ItemKind kind) {
    return kind >= ItemKind::SubscriptOn;
}

bool IsOpener(ItemKind kind) {
    return IsCode(kind) && (static_cast<int>(kind) % 2) == 1;
}

// The next position of a pattern at or after pos, searched again only when
// pos has passed the last find: the parse stays linear in the text length.
class TNextFind {
public:
    explicit TNextFind(const char* pattern) : m_pattern(pattern) {}
    size_t At(const std::string& s, size_t pos) {
        if (!m_known || (m_at != kNpos && m_at < pos)) {
            m_at = s.find(m_pattern, pos);
            m_known = true;
        }
        return m_at;
    }

private:
    const char* m_pattern;
    size_t m_at = kNpos;
    bool m_known = false;
};

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
    return Saturate(RoundHalfEven(static_cast<double>(factor) * size / 10.0));
}

// The font changes of the codes, shared by measuring and drawing. Sizes are
// remembered with their pixel height so that closing restores it exactly.
struct TFontWalk {
    TMarkupFont Font;
    TMarkupFont SmallSaved;
    TMarkupFont ZoomSaved;
    TMarkupMetrics Metrics;

    explicit TFontWalk(const TMarkupFont& entry) : Font(entry), SmallSaved(entry), ZoomSaved(entry) {
        Metrics = MarkupMetrics(entry);
    }

    static void CopySize(TMarkupFont& to, const TMarkupFont& from) {
        to.Size = from.Size;
        to.Height = from.Height;
    }

    // Applies a code to Font; returns the vertical shift of a zoom code.
    int32_t Apply(const TWord& word) {
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
};

void PutText(TMarkupCanvas& canvas, TMarkupFont& font, bool enabled, int32_t x, int32_t y, const std::string& text) {
    if (enabled) {
        canvas.TextOut(x, y, text);
        return;
    }
    TColor color = font.Color;
    font.Color = JoinRgb(255, 255, 255);
    canvas.SetFont(font);
    canvas.TextOut(Saturate(int64_t(x) + 1), Saturate(int64_t(y) + 1), text);
    font.Color = canvas.ShadowColor();
    canvas.SetFont(font);
    canvas.TextOut(x, y, text);
    font.Color = color;
    canvas.SetFont(font);
}

// Runs `draw` with the face switched to Symbol and back.
template <typename Draw> void WithSymbolFace(TMarkupCanvas& canvas, TMarkupFont& font, Draw draw) {
    std::string face = font.Name;
    font.Name = kSymbolFace;
    canvas.SetFont(font);
    draw();
    font.Name = face;
    canvas.SetFont(font);
}

void DrawWords(const std::vector<TWord>& words, const TRect& bounds, bool enabled, TMarkupCanvas& canvas) {
    const TMarkupFont entry = canvas.Font();
    const TColor entryPen = canvas.PenColor();
    canvas.SetPenColor(entry.Color);
    TFontWalk walk(entry);
    const TMarkupMetrics& m = walk.Metrics;
    const std::string radical = EncodeUtf8(kRadical);
    int64_t dy = 0;
    int32_t runStart = 0;

    for (const TWord& w : words) {
        const int32_t x = w.X;
        const int32_t y = Saturate(w.Y + dy);
        switch (w.Kind) {
        case ItemKind::SpacedText:
        case ItemKind::Text:
            PutText(canvas, walk.Font, enabled, x, y, w.Text);
            break;
        case ItemKind::Symbol:
            WithSymbolFace(canvas, walk.Font, [&] {
                PutText(canvas, walk.Font, enabled, x, Saturate(int64_t(y) - m.SymbolRaise), w.Text);
            });
            break;
        case ItemKind::SubscriptOn:
            walk.Apply(w);
            dy += m.SmallShift / 2;
            break;
        case ItemKind::SubscriptOff:
            walk.Apply(w);
            dy -= m.SmallShift / 2;
            break;
        case ItemKind::SuperscriptOn:
            walk.Apply(w);
            dy -= m.SmallShift / 8;
            break;
        case ItemKind::SuperscriptOff:
            dy += m.SmallShift / 8;
            walk.Apply(w);
            break;
        case ItemKind::BoldOn:
        case ItemKind::BoldOff:
        case ItemKind::ZoomOn:
        case ItemKind::ZoomOff:
            dy += walk.Apply(w);
            break;
        case ItemKind::OverlineOn:
        case ItemKind::UnderlineOn:
        case ItemKind::RootOn:
            runStart = x;
            break;
        case ItemKind::OverlineOff:
            canvas.Line(runStart, y, x, y);
            break;
        case ItemKind::UnderlineOff: {
            TRect clip{bounds.Left, Saturate(int64_t(bounds.Top) - m.LineHeight), x,
                       Saturate(int64_t(bounds.Bottom) + m.LineHeight)};
            canvas.TextRect(clip, runStart, y, std::string(120, '_'));
            break;
        }
        case ItemKind::RootOff:
            WithSymbolFace(canvas, walk.Font, [&] {
                canvas.TextOut(runStart, y, radical);
                int32_t radicalWidth = canvas.TextWidth(radical);
                int32_t piece = std::max(1, canvas.TextWidth("`"));
                TRect clip{Saturate(int64_t(runStart) + radicalWidth), Saturate(int64_t(y) - 2 * m.LineHeight), x,
                           Saturate(int64_t(y) + 2 * m.LineHeight)};
                int64_t p = runStart;
                for (int n = 0; p <= x && n < kMaxRootPieces; ++n, p += piece)
                    canvas.TextRect(clip, static_cast<int32_t>(p), y, "`");
            });
            break;
        default:
            break;
        }
        if (IsCode(w.Kind))
            canvas.SetFont(walk.Font);
    }
    canvas.SetFont(entry);
    canvas.SetPenColor(entryPen);
}

void DrawWordsRotated(const std::vector<TWord>& words, double a, bool enabled, TMarkupCanvas& canvas,
                      int32_t angle) {
    const TMarkupFont entry = canvas.Font();
    const TColor entryPen = canvas.PenColor();
    canvas.SetPenColor(entry.Color);
    canvas.SetTextAngle(Saturate(int64_t(angle) * 10));
    TFontWalk walk(entry);
    const TMarkupMetrics& m = walk.Metrics;
    const int64_t subX = RoundHalfEven(std::sin(a) * (m.SmallShift / 2));
    const int64_t subY = RoundHalfEven(std::cos(a) * (m.SmallShift / 2));
    const int64_t supX = RoundHalfEven(std::sin(a) * (m.SmallShift / 8));
    const int64_t supY = RoundHalfEven(std::cos(a) * (m.SmallShift / 8));
    int64_t ox = 0;
    int64_t oy = 0;

    for (const TWord& w : words) {
        const int32_t x = Saturate(w.X + ox);
        const int32_t y = Saturate(w.Y + oy);
        switch (w.Kind) {
        case ItemKind::SpacedText:
        case ItemKind::Text:
            PutText(canvas, walk.Font, enabled, x, y, w.Text);
            break;
        case ItemKind::Symbol:
            WithSymbolFace(canvas, walk.Font, [&] {
                PutText(canvas, walk.Font, enabled, x, Saturate(int64_t(y) - m.SmallShift / 8), w.Text);
            });
            break;
        case ItemKind::SubscriptOn:
            walk.Apply(w);
            ox += subX;
            oy += subY;
            break;
        case ItemKind::SubscriptOff:
            walk.Apply(w);
            ox -= subX;
            oy -= subY;
            break;
        case ItemKind::SuperscriptOn:
            walk.Apply(w);
            ox -= supX;
            oy -= supY;
            break;
        case ItemKind::SuperscriptOff:
            ox += supX;
            oy += supY;
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
        if (IsCode(w.Kind))
            canvas.SetFont(walk.Font);
    }
    canvas.SetTextAngle(0);
    canvas.SetFont(entry);
    canvas.SetPenColor(entryPen);
}

// Justified text gives codes no place; decorations need one, so openers
// take the start of the next text and closers the end of the previous one.
void PlaceJustifiedCodes(std::vector<TWord>& words) {
    const TWord* previous = nullptr;
    for (TWord& w : words) {
        if (w.Placed && IsTextKind(w.Kind)) {
            previous = &w;
        } else if (IsCode(w.Kind) && !IsOpener(w.Kind) && previous) {
            w.X = Saturate(int64_t(previous->X) + previous->Width);
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
            w.Y = Saturate(y0 + line * lh);
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
                words[j].X = Saturate(xs[j]);
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
            w.X = Saturate(k * extra / gaps + px);
            w.Y = Saturate(b.Top + line * lh);
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
        opener.Y = Saturate(b.Top + line * lh);
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

// The codes that swallow one character after their letter and take no argument.
ItemKind SimpleOpener(char code) {
    switch (code) {
    case 'b':
        return ItemKind::BoldOn;
    case 'd':
        return ItemKind::SubscriptOn;
    case 'u':
        return ItemKind::SuperscriptOn;
    case 'p':
        return ItemKind::OverlineOn;
    default:
        return ItemKind::UnderlineOn;
    }
}

} // namespace

TMarkupMetrics MarkupMetrics(const TMarkupFont& font) {
    int64_t height = std::abs(static_cast<int64_t>(font.Height));
    TMarkupMetrics m;
    m.LineHeight = Saturate(RoundHalfEven(static_cast<double>(height) * 1.25));
    m.SymbolRaise = Saturate(RoundHalfEven(static_cast<double>(height) * 0.125));
    m.SmallSize = Saturate(RoundHalfEven(font.Size * 0.7));
    m.SmallShift = Saturate(RoundHalfEven(m.LineHeight * 0.7));
    return m;
}

std::string NormaliseLineBreaks(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\r\n";
            ++i;
        } else if (text[i] == '\n') {
            out += "\r\n";
        } else if (text[i] == '\x0E' && i + 1 < text.size() && text[i + 1] == '\x0B') {
            // The bytes 14, 11 are the marker CR LF turns into while lone
            // line feeds are replaced, so a text holding them breaks there.
            out += "\r\n";
            ++i;
        } else if (text[i] == '|' && i + 1 < text.size() && text[i + 1] == '|') {
            out += "\r\n";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::vector<TWord> ParseMarkup(const std::string& s) {
    std::vector<TWord> words;
    std::vector<ItemKind> closers;
    size_t ignoredOpeners = 0;
    TNextFind space(" "), lineBreak("\r\n"), bar("|");
    const size_t n = s.size();
    size_t pos = 0;

    // Bytes taken by the bar, its letter and `chars` more characters; past
    // the end when the text runs out first.
    auto codeEnd = [&](size_t chars) {
        size_t at = pos + 2;
        for (size_t i = 0; i < chars; ++i) {
            if (at >= n)
                return n - pos + 1;
            at += Utf8CharLength(s, at);
        }
        return at > n ? n - pos + 1 : at - pos;
    };
    auto open = [&](TWord& w, ItemKind opener) {
        if (closers.size() >= kMaxNesting) {
            w.Kind = ItemKind::None;
            ++ignoredOpeners;
            return;
        }
        w.Kind = opener;
        closers.push_back(static_cast<ItemKind>(static_cast<int>(opener) + 1));
    };

    while (pos < n) {
        TWord w;
        const size_t rest = n - pos;
        size_t end = rest;

        size_t at = space.At(s, pos);
        if (at != kNpos && at - pos + 1 <= end) {
            end = at - pos + 1;
            w.Text = s.substr(pos, end);
            w.Kind = ItemKind::SpacedText;
        }
        if (s.compare(pos, 2, "\r\n") == 0) {
            w.Kind = ItemKind::LineBreak;
            w.Text.clear();
            end = 2;
        } else if ((at = lineBreak.At(s, pos)) != kNpos && at - pos + 1 >= 2 && at - pos + 1 <= end) {
            end = at - pos;
            w.Text = s.substr(pos, end);
            w.Kind = ItemKind::Text;
        }
        if (s[pos] == '|') {
            w.Text.clear();
            char code = pos + 1 < n ? s[pos + 1] : '\0';
            switch (code) {
            case 'b':
            case 'd':
            case 'u':
            case 'p':
            case 'l':
                open(w, SimpleOpener(code));
                end = codeEnd(1);
                break;
            case 'r':
                open(w, ItemKind::RootOn);
                end = 2;
                break;
            case 'z': {
                open(w, ItemKind::ZoomOn);
                end = codeEnd(2);
                size_t third = pos + 2;
                if (third < n) {
                    size_t fourth = third + Utf8CharLength(s, third);
                    w.Text = s.substr(third, fourth - third);
                    if (fourth < n && s[fourth] != ' ')
                        w.Text += s.substr(fourth, Utf8CharLength(s, fourth));
                }
                if (w.Kind == ItemKind::None)
                    w.Text.clear();
                break;
            }
            case 's':
                w.Kind = ItemKind::Symbol;
                end = codeEnd(2);
                if (pos + 2 < n)
                    w.Text = s.substr(pos + 2, Utf8CharLength(s, pos + 2));
                break;
            case 'f':
                if (ignoredOpeners > 0) {
                    --ignoredOpeners;
                    w.Kind = ItemKind::None;
                } else if (!closers.empty()) {
                    w.Kind = closers.back();
                    closers.pop_back();
                } else {
                    w.Kind = ItemKind::None;
                }
                end = codeEnd(1);
                break;
            default:
                break;
            }
        } else if ((at = bar.At(s, pos)) != kNpos && at - pos + 1 >= 2 && at - pos + 1 <= end) {
            end = at - pos;
            w.Text = s.substr(pos, end);
            w.Kind = ItemKind::Text;
        }

        if (end != rest) {
            pos = end > rest ? n : pos + end;
            words.push_back(std::move(w));
            continue;
        }
        if (w.Kind == ItemKind::None) {
            w.Kind = ItemKind::Text;
            w.Text = s.substr(pos);
        }
        pos = n;
        words.push_back(std::move(w));
        for (auto it = closers.rbegin(); it != closers.rend(); ++it) {
            TWord closer;
            closer.Kind = *it;
            words.push_back(closer);
        }
        closers.clear();
    }
    return words;
}

void MeasureWords(std::vector<TWord>& words, TMarkupCanvas& canvas) {
    const TMarkupFont entry = canvas.Font();
    TFontWalk walk(entry);
    for (TWord& w : words) {
        switch (w.Kind) {
        case ItemKind::SpacedText:
        case ItemKind::Text:
            w.Width = Saturate(canvas.TextWidth(w.Text));
            break;
        case ItemKind::Symbol:
            WithSymbolFace(canvas, walk.Font, [&] { w.Width = Saturate(canvas.TextWidth(w.Text)); });
            break;
        case ItemKind::RootOn:
            WithSymbolFace(canvas, walk.Font, [&] { w.Width = Saturate(canvas.TextWidth(EncodeUtf8(kRadical))); });
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
    return {Saturate(left), Saturate(top), Saturate(right), Saturate(bottom)};
}

std::vector<TWord> LayoutMarkup(const std::string& text, const TRect& bounds, TAlignment horz, TAlignment vert,
                                bool justified, TMarkupCanvas& canvas) {
    std::vector<TWord> words = ParseMarkup(NormaliseLineBreaks(ShownUtf8(text)));
    MeasureWords(words, canvas);
    LayoutWords(words, bounds, horz, vert, justified, MarkupMetrics(canvas.Font()).LineHeight);
    return words;
}

TRect DrawMarkup(const std::string& text, const TRect& bounds, TAlignment horz, TAlignment vert, bool justified,
                 bool enabled, TMarkupCanvas& canvas) {
    std::vector<TWord> words = LayoutMarkup(text, bounds, horz, vert, justified, canvas);
    DrawWords(words, bounds, enabled, canvas);
    return WordsBox(words, bounds, MarkupMetrics(canvas.Font()).LineHeight);
}

TRect DrawMarkupRotated(const std::string& text, const TRect& bounds, int32_t angle, TAlignment horz,
                        TAlignment vert, bool justified, bool enabled, TMarkupCanvas& canvas) {
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
        turned[i].X = Saturate(turnX(w.X, w.Y));
        turned[i].Y = Saturate(turnY(w.X, w.Y));
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
    DrawWordsRotated(turned, a, enabled, canvas, angle);
    if (!any)
        return {bounds.Right, lh, bounds.Left, 0};
    return {Saturate(left), Saturate(top), Saturate(right), Saturate(bottom)};
}
