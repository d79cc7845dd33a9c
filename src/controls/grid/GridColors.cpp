#include "GridColors.h"

#include "controls/markup/MarkupSupport.h"

#include <algorithm>
#include <cstdlib>

namespace {

uint8_t BlendChannel(uint8_t a, uint8_t b, double factor) {
    if (a == b)
        return a;
    const double d = std::max(std::abs(int(a) - int(b)) * factor, -256.0);
    if (!(d < 256)) // also a factor that is no number
        return 255;
    return static_cast<uint8_t>(std::clamp<int64_t>(RoundHalfEven(d + std::min(a, b)), 0, 255));
}

} // namespace

TColor BlendColor(TColor a, TColor b, double factor) {
    const TRgb x = SplitRgb(a);
    const TRgb y = SplitRgb(b);
    return JoinRgb(BlendChannel(x.Red, y.Red, factor), BlendChannel(x.Green, y.Green, factor),
                   BlendChannel(x.Blue, y.Blue, factor)) |
           (a & 0xFF000000u);
}
