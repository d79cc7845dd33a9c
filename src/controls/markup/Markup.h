#pragma once

#include "controls/markup/MarkupCanvas.h"
#include "controls/markup/MarkupLayout.h"

#include <cstdint>
#include <string>

// The one renderer of markup: every caption, help text and message is
// parsed (MarkupParse.h), laid out (MarkupLayout.h) and drawn here, again on
// every paint.

// Draws the text laid out in bounds (not clipped to them) and returns the
// box it occupies. The canvas font and pen colour are left as they were.
TRect DrawMarkup(const std::string& text, const TRect& bounds, TAlignment horz, TAlignment vert, bool justified,
                 bool enabled, TMarkupCanvas& canvas);
// The same layout turned counter-clockwise by `angle` degrees about a pivot
// chosen by the alignments; returns the box of the turned cells.
TRect DrawMarkupRotated(const std::string& text, const TRect& bounds, int32_t angle, TAlignment horz, TAlignment vert,
                        bool justified, bool enabled, TMarkupCanvas& canvas);
