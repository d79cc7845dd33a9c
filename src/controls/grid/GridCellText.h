#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// What painting shows of a cell's text. The cell keeps its whole text; only
// the copy that is drawn is cut to the lines and the width of the cell.

// The text as drawn: UTF-8, and every bar a slash so that no markup code
// acts, unless the text is drawn literally.
std::string CellShownText(const std::string& text, bool literal);

struct TShownLines {
    std::vector<std::string> Lines;
    bool Dropped = false; // lines beyond maxLines were left out
};

// The first maxLines (at least one) lines of a UTF-8 text, each cut to at
// most maxChars characters; a line feed or CR LF ends a line. With
// `splitLines` false the whole text is one line.
TShownLines ShownLines(const std::string& utf8, int32_t maxLines, size_t maxChars, bool splitLines);

constexpr const char* kEllipsis = "\xE2\x80\xA6";

// A UTF-8 line no wider than `width` by `measure`: cut at a character
// boundary and ended with an ellipsis when it does not fit, or when
// `marked` asks for the ellipsis anyway.
std::string ElideLine(const std::string& line, int32_t width, const std::function<int32_t(const std::string&)>& measure,
                      bool marked = false);

// The shown lines joined by line feeds, each elided to `width`; the last
// line carries the ellipsis when lines were dropped.
std::string FitCellText(const TShownLines& shown, int32_t width,
                        const std::function<int32_t(const std::string&)>& measure);
