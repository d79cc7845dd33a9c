#pragma once

#include <cstdint>

// The owner-drawn list box keeps a left margin of TextOffset pixels that
// belongs to no item: item painting starts right of it, and a left press in
// it (x up to and including TextOffset) leaves selection and focus alone.
inline bool InTextMargin(int32_t textOffset, int32_t x) {
    return x <= textOffset;
}

// What an owner-drawn item is, for OnDrawItem.
using TOwnerDrawState = uint8_t;
enum TOwnerDrawFlag : uint8_t {
    odSelected = 1 << 0,
    odFocused = 1 << 1,
    odDisabled = 1 << 2,
};
