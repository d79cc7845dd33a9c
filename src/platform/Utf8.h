#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The UTF-8 rules every text of the program is checked against: no
// overlong forms, no surrogates, nothing above U+10FFFF.

// Length in bytes of the valid UTF-8 sequence that starts at `pos`, or 0
// when none starts there.
size_t Utf8SequenceLength(std::string_view text, size_t pos);
bool IsValidUtf8(std::string_view bytes);
std::string EncodeUtf8(char32_t code);

// How many characters a text takes in a column of fixed-width characters:
// its characters when it is valid UTF-8, else its bytes, one character each
// in a legacy code page.
size_t ShownLength(std::string_view bytes);
// The UTF-8 byte-order mark that some editors put before a text (Notepad's
// old default): 3 when `text` starts with one, else 0. Every reader of a
// user's text file (tour files, information texts, imports) skips it, so
// that it never becomes part of the first line.
size_t Utf8BomLength(const std::string& text);
