#pragma once

#include "controls/markup/MarkupCanvas.h"
#include "controls/markup/MarkupFontWalk.h"
#include "controls/markup/MarkupParse.h"

#include <cstdint>
#include <string>
#include <vector>

// Measuring and placing the items of a markup text in a rectangle, line by
// line, aligned or justified; nothing is drawn.

// Sets the widths of text, symbols and root openers; leaves the font as it was.
void MeasureWords(std::vector<TWord>& words, TMarkupCanvas& canvas);
void LayoutWords(std::vector<TWord>& words, const TRect& bounds, TAlignment horz, TAlignment vert, bool justified,
                 int32_t lineHeight);
// The rectangle of the placed cells; with none, (Bounds.Right, line height,
// Bounds.Left, 0).
TRect WordsBox(const std::vector<TWord>& words, const TRect& bounds, int32_t lineHeight);

// Parsing, measuring and layout without drawing. Bytes that are not UTF-8
// are read in the legacy code page.
std::vector<TWord> LayoutMarkup(const std::string& text, const TRect& bounds, TAlignment horz, TAlignment vert,
                                bool justified, TMarkupCanvas& canvas);
