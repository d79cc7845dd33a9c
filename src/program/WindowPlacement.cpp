#include "program/WindowPlacement.h"

#include <algorithm>
#include <cstdint>

TWindowPlacement FitPlacementOnScreen(const TWindowPlacement& placement, const TScreenSize& screen) {
    if (screen.Width <= 0 || screen.Height <= 0)
        return placement;
    const int64_t screenWidth = screen.Width, screenHeight = screen.Height;
    int64_t left = placement.Left, top = placement.Top;
    const int64_t width = std::clamp<int64_t>(int64_t(placement.Right) - left, 1, screenWidth);
    const int64_t height = std::clamp<int64_t>(int64_t(placement.Bottom) - top, 1, screenHeight);

    const int64_t shownWidth = std::min(left + width, screenWidth) - std::max<int64_t>(left, 0);
    const int64_t shownHeight = std::min(top + height, screenHeight) - std::max<int64_t>(top, 0);
    if (shownWidth < std::min<int64_t>(width, kUsableWidth) || shownHeight < std::min<int64_t>(height, kUsableHeight) ||
        top < 0) {
        left = std::clamp<int64_t>(left, 0, screenWidth - width);
        top = std::clamp<int64_t>(top, 0, screenHeight - height);
    }

    TWindowPlacement fitted = placement;
    fitted.Left = static_cast<int32_t>(left);
    fitted.Top = static_cast<int32_t>(top);
    fitted.Right = static_cast<int32_t>(left + width);
    fitted.Bottom = static_cast<int32_t>(top + height);
    return fitted;
}
