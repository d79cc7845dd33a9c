#pragma once

#include "controls/markup/MarkupParse.h"
#include "platform/ScreenTypes.h"

#include <cstdint>
#include <vector>

// Links in a markup text: each underlined span ("|l ... |f") is one,
// numbered from 0 in the order of the text. Found in the laid-out words, so
// a click or a focus frame lands where the words were drawn.

struct TLinkBox {
    int Link = 0;
    TRect Box; // one placed word of the link
};

// The boxes of the linked words, `lineHeight` high from each word's top.
std::vector<TLinkBox> LinkBoxes(const std::vector<TWord>& words, int32_t lineHeight);
// The link under (x, y), or -1.
int LinkAt(const std::vector<TLinkBox>& boxes, int32_t x, int32_t y);
// How many links the boxes hold (one past the highest number).
int LinkCount(const std::vector<TLinkBox>& boxes);
