#pragma once

#include "controls/markup/MarkupCanvas.h"
#include "platform/Utf8.h"

#include <cstdint>
#include <string>

struct TRgb {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
};

TRgb SplitRgb(TColor color);
TColor JoinRgb(uint8_t red, uint8_t green, uint8_t blue);
// All three channels set to their mean.
TColor GreyOf(TColor color);
// Lightened by 24 per channel, or darkened by 24 when already light.
TColor ShadeColor(TColor color);
void SwapIntegers(int32_t& a, int32_t& b);

// Rounds to the nearest integer, halves to even.
int64_t RoundHalfEven(double value);

// Length in bytes of the character starting at `pos` of a valid UTF-8 text.
size_t Utf8CharLength(const std::string& text, size_t pos);
// The characters of a UTF-8 text; each byte that starts no valid
// sequence becomes U+FFFD.
std::u32string DecodeUtf8(const std::string& text);

// The Unicode character drawn for a code of the Symbol font encoding; codes
// above 255 stand for themselves, undefined codes give 0.
char32_t SymbolToUnicode(char32_t code);
