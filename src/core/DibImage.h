#pragma once

#include "core/PictureLimits.h"

#include <cstdint>
#include <string>
#include <vector>

// A Windows bitmap file (BM header, info header, colour table, rows) decoded
// into top-down pixels, or encoded from them. Decoding reads what the desktop
// toolkit's bitmap reader reads: the OS/2 and Windows info headers up to V5,
// 1, 4 and 8 bits per pixel through a colour table (8 and 4 also run-length
// compressed), 16, 24 and 32 bits plain or through colour masks, rows
// bottom-up or top-down. Encoding writes plain 1, 4, 8, 24 or 32 bits.
struct TDibImage {
    int32_t Width = 0;
    int32_t Height = 0;
    uint16_t BitCount = 24;
    std::vector<uint32_t> Palette; // 0x00RRGGBB, for BitCount <= 8
    std::vector<uint8_t> Indices;  // one palette index per pixel, for BitCount <= 8
    std::vector<uint32_t> Pixels;  // 0x00RRGGBB per pixel, always filled by DecodeDib

    uint32_t Pixel(int32_t x, int32_t y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

// Refuses, with the reason as a sentence, anything whose headers do not fit
// its bytes ("damaged"), a kind no desktop reads ("not supported") and a
// picture of more than `maxPixels`, the last before decoding it.
bool DecodeDib(const std::string& file, TDibImage& image, std::string& error, uint64_t maxPixels = kMaxPicturePixels);

// The file of `image`: Palette and Indices for BitCount <= 8, else Pixels at
// 32 bits when BitCount is 32 and at 24 bits otherwise.
std::string EncodeDib(const TDibImage& image);
