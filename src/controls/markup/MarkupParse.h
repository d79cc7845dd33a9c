#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The inline markup of every caption, help text and message: a bar and one
// letter switch bold, zoom, lowered and raised small text, a symbol,
// overline, underline and root on; "|f" closes the latest open code; a line
// feed or "||" breaks the line. Parsing cuts a text into items and needs no
// canvas.

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

// Items that take room on a line; spaced text and symbols end a justified gap.
inline bool IsTextKind(ItemKind kind) {
    return kind == ItemKind::SpacedText || kind == ItemKind::Text || kind == ItemKind::Symbol;
}
inline bool IsGap(ItemKind kind) {
    return kind == ItemKind::SpacedText || kind == ItemKind::Symbol;
}
// Codes come in pairs: an opener, then its closer one higher.
inline bool IsCode(ItemKind kind) {
    return kind >= ItemKind::SubscriptOn;
}
inline bool IsOpener(ItemKind kind) {
    return IsCode(kind) && (static_cast<int>(kind) % 2) == 1;
}

struct TWord {
    std::string Text; // UTF-8; a zoom's argument, a symbol's character
    ItemKind Kind = ItemKind::None;
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Width = 0;
    bool Placed = false; // counts for the box
};

// Open codes beyond this depth are ignored together with their closers.
constexpr size_t kMaxNesting = 5;

// Line feed, CR LF, the bytes 14 then 11 and "||" all become CR LF; a lone
// CR stays a character.
std::string NormaliseLineBreaks(const std::string& text);
// Cuts a normalised UTF-8 text into items.
std::vector<TWord> ParseMarkup(const std::string& text);
