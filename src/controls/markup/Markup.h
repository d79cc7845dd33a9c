#pragma once

#include "controls/markup/MarkupCanvas.h"

#include <cstdint>
#include <string>
#include <vector>

// The inline markup of every caption, help text and message: a bar and one
// letter switch bold, zoom, lowered and raised small text, a symbol,
// overline, underline and root on; "|f" closes the latest open code; a line
// feed or "||" breaks the line.

enum class ItemKind : uint8_t {
    None = 0,
    SpacedText = 1,
    Text = 2,
    Symbol = 3,
    LineBreak = 4,
    SubscriptOn = 5,
    SubscriptOff = 6,
    SuperscriptOn = 7,
    SuperscriptOff = 8,
    BoldOn = 9,
    BoldOff = 10,
    ZoomOn = 11,
    ZoomOff = 12,
    OverlineOn = 13,
    OverlineOff = 14,
    UnderlineOn = 15,
    UnderlineOff = 16,
    RootOn = 17,
    RootOff = 18,
};

struct TWord {
    std::string Text; // UTF-8; a zoom's argument, a symbol's character
    ItemKind Kind = ItemKind::None;
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Width = 0;
    bool Placed = false; // counts for the box
};

// Horizontal: left, right, centre; vertical: top, bottom, centre. Other
// values leave lines unshifted or start the block at y = 0.
enum TAlignment : int32_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

// Open codes beyond this depth are ignored together with their closers.
constexpr size_t kMaxNesting = 5;

struct TMarkupMetrics {
    int32_t LineHeight = 0;
    int32_t SymbolRaise = 0;
    int32_t SmallSize = 0;  // points
    int32_t SmallShift = 0; // pixels
};

TMarkupMetrics MarkupMetrics(const TMarkupFont& font);

// Line feed, CR LF, the bytes 14 then 11 and "||" all become CR LF; a lone
// CR stays a character.
std::string NormaliseLineBreaks(const std::string& text);
// Cuts a normalised UTF-8 text into items.
std::vector<TWord> ParseMarkup(const std::string& text);
// Sets the widths of text, symbols and root openers; leaves the font as it was.
void MeasureWords(std::vector<TWord>& words, TMarkupCanvas& canvas);
void LayoutWords(std::vector<TWord>& words, const TRect& bounds, TAlignment horz, TAlignment vert, bool justified,
                 int32_t lineHeight);
// The rectangle of the placed cells; with none, (Bounds.Right, line height,
// Bounds.Left, 0).
TRect WordsBox(const std::vector<TWord>& words, const TRect& bounds, int32_t lineHeight);

// Parsing, measuring and layout without drawing. Bytes that are not UTF-8
// are read in the legacy code page.
std::vector<TWord> LayoutMarkup(const std::string& text, const TRect& bounds, TAlignment horz, TAlignment vert,
                                bool justified, TMarkupCanvas& canvas);

// Draws the text laid out in bounds (not clipped to them) and returns the
// box it occupies. The canvas font and pen colour are left as they were.
TRect DrawMarkup(const std::string& text, const TRect& bounds, TAlignment horz, TAlignment vert, bool justified,
                 bool enabled, TMarkupCanvas& canvas);
// The same layout turned counter-clockwise by `angle` degrees about a pivot
// chosen by the alignments; returns the box of the turned cells.
TRect DrawMarkupRotated(const std::string& text, const TRect& bounds, int32_t angle, TAlignment horz,
                        TAlignment vert, bool justified, bool enabled, TMarkupCanvas& canvas);
