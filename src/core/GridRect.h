#pragma once

#include <cstdint>
#include <utility>

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
