#pragma once

#include <string>
#include <string_view>

// Case folding of single characters over all of Unicode, without a toolkit:
// two texts that differ only in the case of their letters fold to the same
// text. One character always folds to one character (a sharp s stays one),
// so a folded text keeps its characters where they were. The table is made
// by tools/casefold/make-case-fold-table.py.

char32_t FoldCase(char32_t c);

// Appends the folded characters of valid UTF-8 `text` to `out`; false (and
// `out` as it was) when `text` is not valid UTF-8.
bool AppendFoldedUtf8(std::string_view text, std::string& out);
