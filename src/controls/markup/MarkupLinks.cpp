#include "controls/markup/MarkupLinks.h"

#include <algorithm>

std::vector<TLinkBox> LinkBoxes(const std::vector<TWord>& words, int32_t lineHeight) {
    std::vector<TLinkBox> boxes;
    int next = 0;
    int open = 0; // underlines open around the word; an inner one is part of the outer link
    int link = -1;
    for (const TWord& w : words) {
        if (w.Kind == ItemKind::UnderlineOn) {
            if (open++ == 0)
                link = next++;
        } else if (w.Kind == ItemKind::UnderlineOff) {
            open = std::max(open - 1, 0);
        } else if (open > 0 && IsTextKind(w.Kind) && w.Placed && w.Width > 0) {
            boxes.push_back({link, {w.X, w.Y, w.X + w.Width, w.Y + lineHeight}});
        }
    }
    return boxes;
}

int LinkAt(const std::vector<TLinkBox>& boxes, int32_t x, int32_t y) {
    for (const TLinkBox& box : boxes)
        if (x >= box.Box.Left && x < box.Box.Right && y >= box.Box.Top && y < box.Box.Bottom)
            return box.Link;
    return -1;
}

int LinkCount(const std::vector<TLinkBox>& boxes) {
    int count = 0;
    for (const TLinkBox& box : boxes)
        count = std::max(count, box.Link + 1);
    return count;
}
