#pragma once

#include <string>

// The words of a markup text without its codes, as a screen reader should
// hear them: what the renderer draws as letters, on one line. Line breaks
// and runs of spaces become one space, the ends are trimmed, symbols and
// the root sign become the characters they draw.
std::string MarkupPlainText(const std::string& markup);
