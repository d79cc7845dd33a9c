#pragma once

#include "controls/markup/MarkupCanvas.h"
#include "controls/markup/MarkupParse.h"

#include <algorithm>
#include <cstdint>
#include <string>

// What measuring and drawing share: the sizes that follow from the canvas
// font, the font changes of the codes, and the Symbol face.

// Far inside int32, so that sums of a few coordinates cannot overflow.
constexpr int64_t kMarkupCoordLimit = int64_t(1) << 29;

inline int32_t ClampCoord(int64_t value) {
    return static_cast<int32_t>(std::clamp(value, -kMarkupCoordLimit, kMarkupCoordLimit));
}

struct TMarkupMetrics {
    int32_t LineHeight = 0;
    int32_t SymbolRaise = 0;
    int32_t SmallSize = 0;  // points
    int32_t SmallShift = 0; // pixels
};

TMarkupMetrics MarkupMetrics(const TMarkupFont& font);

// The root sign in the Symbol font encoding.
constexpr char32_t kRadical = 214;

// The font changes of the codes, shared by measuring and drawing. Sizes are
// remembered with their pixel height so that closing restores it exactly.
struct TFontWalk {
    TMarkupFont Font;
    TMarkupFont SmallSaved;
    TMarkupFont ZoomSaved;
    TMarkupMetrics Metrics;

    explicit TFontWalk(const TMarkupFont& entry);
    // Applies a code to Font; returns the vertical shift of a zoom code.
    int32_t Apply(const TWord& word);
};

// Runs `draw` with the face switched to Symbol and back.
template <typename Draw> void WithSymbolFace(TMarkupCanvas& canvas, TMarkupFont& font, Draw draw) {
    std::string face = font.Name;
    font.Name = "Symbol";
    canvas.SetFont(font);
    draw();
    font.Name = face;
    canvas.SetFont(font);
}
