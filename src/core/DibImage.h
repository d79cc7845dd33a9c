#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A Windows bitmap file (BM header, info header, colour table, rows bottom-up)
// decoded into top-down pixels, or encoded from them. Only uncompressed
// bitmaps of 1, 4, 8, 24 or 32 bits per pixel.
struct TDibImage {
    int32_t Width = 0;
    int32_t Height = 0;
    uint16_t BitCount = 24;
    std::vector<uint32_t> Palette; // 0x00RRGGBB, for BitCount <= 8
    std::vector<uint8_t> Indices;  // one palette index per pixel, for BitCount <= 8
    std::vector<uint32_t> Pixels;  // 0x00RRGGBB per pixel, always filled by DecodeDib

    uint32_t Pixel(int32_t x, int32_t y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

// More than any picture of the program; keeps a lying header from asking for huge buffers.
constexpr int32_t kMaxDibSide = 16384;

// Refuses (with the reason) anything whose headers do not fit its bytes.
bool DecodeDib(const std::string& file, TDibImage& image, std::string& error);

// The file of `image`: Palette and Indices for BitCount <= 8, else Pixels.
std::string EncodeDib(const TDibImage& image);
