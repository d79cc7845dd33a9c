#pragma once

#include <cstdint>
#include <string>

// How large a picture the program decodes. Both readers check the size their
// headers claim before anything is allocated for the pixels, so that a small
// hostile file cannot make them ask for gigabytes.

constexpr uint64_t kMaxPicturePixels = 256ull * 1000 * 1000;

// What a decoder may take beside the pixels (libjpeg keeps every coefficient
// of a progressive picture): as much as the pixels of the largest picture.
constexpr uint64_t DecodeWorkBytes(uint64_t maxPixels) {
    return maxPixels * 4;
}

// True, with the reason, when width x height is more than `limit` pixels.
// Only a fuzzer, which must stay quick on every input, sets a lower limit.
bool PictureTooLarge(uint64_t width, uint64_t height, std::string& error, uint64_t limit = kMaxPicturePixels);
