#pragma once

#include "core/PictureLimits.h"

#include <cstdint>
#include <string>
#include <vector>

// A decoded cover picture: top-down rows of 0xFFRRGGBB pixels (the layout of
// a 32-bit desktop bitmap), or nothing (0 x 0).
struct TPicture {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint32_t> Pixels;

    bool Empty() const { return Width <= 0 || Height <= 0; }
};

// Decodes a JPEG (baseline or progressive; colour, grey, CMYK or YCCK). A
// damaged file, one whose scan data ends early, or one of more than
// `maxPixels` pixels is refused with the reason; the decode takes no more
// than the pixels and as many bytes again as four per pixel.
bool DecodeJpeg(const std::string& bytes, TPicture& picture, std::string& error,
                uint64_t maxPixels = kMaxPicturePixels);

// Decodes a Windows bitmap file of any kind DecodeDib reads.
bool DecodeBitmap(const std::string& bytes, TPicture& picture, std::string& error,
                  uint64_t maxPixels = kMaxPicturePixels);

// Reads the picture file `path` by its extension (".jpg", ".jpeg" or ".bmp",
// any case); the reason names nothing but what went wrong.
bool ReadPictureFile(const std::string& path, TPicture& picture, std::string& error);
