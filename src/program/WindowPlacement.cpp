#include "program/WindowPlacement.h"

#include <algorithm>
#include <cstdint>

namespace {

// The stored extent, no larger than the screen, and no smaller than the window can be.
int64_t FittedExtent(int64_t stored, int64_t screen, int64_t minimum) {
    return std::max(std::clamp<int64_t>(stored, 1, screen), minimum);
}

} // namespace

TWindowPlacement FitPlacementOnScreen(const TWindowPlacement& placement, const TScreenSize& screen,
                                      const TScreenSize& minimum) {
    if (screen.Width <= 0 || screen.Height <= 0)
        return placement;
    const int64_t screenWidth = screen.Width, screenHeight = screen.Height;
    int64_t left = placement.Left, top = placement.Top;
    const int64_t width = FittedExtent(int64_t(placement.Right) - left, screenWidth, minimum.Width);
    const int64_t height = FittedExtent(int64_t(placement.Bottom) - top, screenHeight, minimum.Height);

    const int64_t shownWidth = std::min(left + width, screenWidth) - std::max<int64_t>(left, 0);
    const int64_t shownHeight = std::min(top + height, screenHeight) - std::max<int64_t>(top, 0);
    if (shownWidth < std::min<int64_t>(width, kUsableWidth) || shownHeight < std::min<int64_t>(height, kUsableHeight) ||
        top < 0) {
        left = std::clamp<int64_t>(left, 0, std::max<int64_t>(0, screenWidth - width));
        top = std::clamp<int64_t>(top, 0, std::max<int64_t>(0, screenHeight - height));
    }

    TWindowPlacement fitted = placement;
    fitted.Left = static_cast<int32_t>(left);
    fitted.Top = static_cast<int32_t>(top);
    fitted.Right = static_cast<int32_t>(left + width);
    fitted.Bottom = static_cast<int32_t>(top + height);
    return fitted;
}
