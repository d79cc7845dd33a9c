#pragma once

#include <cstddef>
#include <string>

// The UTF-8 rules every text of the program is checked against: no
// overlong forms, no surrogates, nothing above U+10FFFF.

// Length in bytes of the valid UTF-8 sequence that starts at `pos`, or 0
// when none starts there.
size_t Utf8SequenceLength(const std::string& text, size_t pos);
bool IsValidUtf8(const std::string& bytes);
std::string EncodeUtf8(char32_t code);

// The UTF-8 byte-order mark that some editors put before a text (Notepad's
// old default): 3 when `text` starts with one, else 0. Every reader of a
// user's text file (tour files, information texts, imports) skips it, so
// that it never becomes part of the first line.
size_t Utf8BomLength(const std::string& text);
