#pragma once

#include <cstdint>
#include <utility>

// The few words that the markup renderer, the grid, the lists and the widgets
// all speak: a colour, a rectangle of pixels, a rectangle of cells and an
// alignment. They live here so that none of those has to include another
// for them.

// A colour as 0x00BBGGRR: red is the low byte.
using TColor = uint32_t;

struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    bool operator==(const TRect& other) const {
        return Left == other.Left && Top == other.Top && Right == other.Right && Bottom == other.Bottom;
    }
};

// Anchor (Left, Top) and end (Right, Bottom) of the selected rectangle, in
// cell numbers; not ordered.
struct TGridRect {
    int32_t Left = 1;
    int32_t Top = 1;
    int32_t Right = 1;
    int32_t Bottom = 1;

    bool operator==(const TGridRect& other) const {
        return Left == other.Left && Top == other.Top && Right == other.Right && Bottom == other.Bottom;
    }
    // Smaller first on both axes.
    TGridRect Ordered() const;
    bool Contains(int32_t x, int32_t y) const {
        TGridRect o = Ordered();
        return x >= o.Left && x <= o.Right && y >= o.Top && y <= o.Bottom;
    }
};

inline TGridRect TGridRect::Ordered() const {
    TGridRect o = *this;
    if (o.Left > o.Right)
        std::swap(o.Left, o.Right);
    if (o.Top > o.Bottom)
        std::swap(o.Top, o.Bottom);
    return o;
}

// Horizontal: left, right, centre; vertical: top, bottom, centre. Other
// values leave lines unshifted or start the block at y = 0.
enum TAlignment : int32_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
