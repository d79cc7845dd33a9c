#include "PictureLimits.h"

bool PictureTooLarge(uint64_t width, uint64_t height, std::string& error) {
    // Both sides come from 32-bit header fields, so the product cannot overflow.
    if (width * height <= kMaxPicturePixels)
        return false;
    error = "The picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
            " pixels; at most 256 megapixels are shown).";
    return true;
}
