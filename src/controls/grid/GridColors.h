#pragma once

#include "platform/ColorScheme.h"
#include "platform/ScreenTypes.h"

// A mix of two colours: each channel moves from the smaller towards the
// larger value by |a - b| * factor (halves to even, at most 255). The fourth
// byte is a's.
TColor BlendColor(TColor a, TColor b, double factor);

// The desktop's colours by role, as the grid paints with them.
struct TGridColors {
    TColor Window = 0xFFFFFF;
    TColor WindowText = 0;
    TColor Highlight = 0xD77800;
    TColor HighlightText = 0xFFFFFF;
    TColor GrayText = 0x808080;
    TColor ButtonFace = 0xF0F0F0;
    TColor ButtonShadow = 0xA0A0A0;
    TColor ButtonHighlight = 0xFFFFFF;
    TColor ButtonText = 0;
    TColor DarkShadow3D = 0x696969;
    TColor Light3D = 0xE3E3E3;
    // Picks the fixed colours (the error cells, the owner's row colours).
    TScheme Scheme = TScheme::Light;

    // Behind the selected cells and the picked item of a drop-down list.
    TColor Selection() const { return BlendColor(Highlight, Window, 0.66); }
};
